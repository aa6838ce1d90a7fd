#include "DownloadFailureText.h"

namespace orbelune {

namespace {

constexpr qsizetype DetailMaxLength = 80;

// One short line of printable text, without the full stops a sentence adds itself.
QString OneShortLine(QString Text) {
    for (QChar& c : Text)
        if (!c.isPrint()) c = u' ';
    Text = Text.simplified();
    while (Text.endsWith(u'.')) Text.chop(1);
    if (Text.size() > DetailMaxLength)
        Text = Text.left(DetailMaxLength - 3) + QStringLiteral("...");
    return Text.isEmpty() ? QStringLiteral("no reason given") : Text;
}

}  // namespace

QString DownloadProblem(const TDownloadResult& Result) {
    switch (Result.Error) {
        case TDownloadError::None:
            return {};
        case TDownloadError::Refused:
            return QStringLiteral("the server refused the connection");
        case TDownloadError::TimedOut:
            return QStringLiteral("the server did not answer in time");
        case TDownloadError::TooLarge:
            return QStringLiteral("the reply was too large");
        case TDownloadError::HttpStatus:
            return QStringLiteral("the server answered ") + OneShortLine(Result.ErrorText);
        case TDownloadError::Cancelled:
            return QStringLiteral("cancelled");
        case TDownloadError::Failed:
            break;
    }
    return QStringLiteral("the download failed (%1)").arg(OneShortLine(Result.ErrorText));
}

QString DownloadFailureText(const TDownloadResult& Result) {
    if (Result.Error == TDownloadError::Refused)
        return QStringLiteral("Internet connection may be blocked by firewall.");
    QString text = DownloadProblem(Result);
    if (!text.isEmpty()) text[0] = text[0].toUpper(), text += u'.';
    return text;
}

}  // namespace orbelune
