#include "DownloadFailureText.h"

namespace orbelune {

namespace {

// The system's reason as the middle of a sentence.
QString Reason(QString Text) {
    while (Text.endsWith(QLatin1Char('.'))) Text.chop(1);
    return Text.isEmpty() ? QStringLiteral("no reason given") : Text;
}

}  // namespace

QString DownloadFailureText(const TDownloadResult& Result) {
    switch (Result.Error) {
        case TDownloadError::None:
            return {};
        case TDownloadError::Refused:
            return QStringLiteral("Internet connection may be blocked by firewall.");
        case TDownloadError::TimedOut:
            return QStringLiteral("The server did not answer in time.");
        case TDownloadError::TooLarge:
            return QStringLiteral("The reply was too large.");
        case TDownloadError::HttpStatus:
            return QStringLiteral("The server answered %1.").arg(Reason(Result.ErrorText));
        case TDownloadError::Cancelled:
            return QStringLiteral("The download was stopped.");
        case TDownloadError::Failed:
            break;
    }
    return QStringLiteral("The server could not be reached (%1).").arg(Reason(Result.ErrorText));
}

}  // namespace orbelune
