#include "ImageryProblem.h"

#include "DownloadFailureText.h"

namespace orbelune {

TImageryProblem ProblemOf(const TDownloadResult& Reply) {
    using TKind = TImageryProblem::TKind;
    const QString words = DownloadProblem(Reply);
    switch (Reply.Error) {
        case TDownloadError::None:
            return {};
        case TDownloadError::Refused:
            return {TKind::Refused, words};
        case TDownloadError::TimedOut:
            return {TKind::TimedOut, words};
        case TDownloadError::TooLarge:
            return {TKind::TooLarge, words};
        case TDownloadError::HttpStatus:
            return {TKind::HttpStatus, words};
        case TDownloadError::Cancelled:
            return {TKind::Cancelled, QString()};
        case TDownloadError::Failed:
            break;
    }
    return {TKind::Failed, words};
}

TImageryProblem PictureTooLarge(QSize Size) {
    return {TImageryProblem::TKind::PictureTooLarge,
            QStringLiteral("%1 x %2").arg(Size.width()).arg(Size.height())};
}

QString ProblemText(const TImageryProblem& Problem) {
    using TKind = TImageryProblem::TKind;
    switch (Problem.Kind) {
        case TKind::None:
            return QString();
        case TKind::NotAPicture:
            return QStringLiteral("the reply is not a picture");
        case TKind::PictureTooLarge:
            return QStringLiteral("the picture is too large (") + Problem.Detail + u')';
        case TKind::NoFrames:
            return QStringLiteral("the server lists no frames");
        case TKind::OutOfTime:
            return QStringLiteral("the request ran out of time");
        case TKind::Cancelled:
            return QStringLiteral("cancelled");
        case TKind::Refused:
        case TKind::TimedOut:
        case TKind::HttpStatus:
        case TKind::TooLarge:
        case TKind::Failed:
            break;
    }
    return Problem.Detail;
}

}  // namespace orbelune
