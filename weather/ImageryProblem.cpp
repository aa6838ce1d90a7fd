#include "ImageryProblem.h"

namespace orbelune {

namespace {

// A server's words go into a one-line label: no control characters, and not so long
// that a hostile status line could push the tab apart.
constexpr qsizetype DetailMaxLength = 80;

QString OneShortLine(QString Text) {
    for (QChar& c : Text)
        if (!c.isPrint()) c = u' ';
    Text = Text.simplified();
    if (Text.size() > DetailMaxLength)
        Text = Text.left(DetailMaxLength - 3) + QStringLiteral("...");
    return Text;
}

}  // namespace

TImageryProblem ProblemOf(const TDownloadResult& Reply) {
    using TKind = TImageryProblem::TKind;
    switch (Reply.Error) {
        case TDownloadError::None:
            return {};
        case TDownloadError::Refused:
            return {TKind::Refused, QString()};
        case TDownloadError::TimedOut:
            return {TKind::TimedOut, QString()};
        case TDownloadError::TooLarge:
            return {TKind::TooLarge, QString()};
        case TDownloadError::HttpStatus:
            return {TKind::HttpStatus, OneShortLine(Reply.ErrorText)};
        case TDownloadError::Cancelled:
            return {TKind::Cancelled, QString()};
        case TDownloadError::Failed:
            break;
    }
    return {TKind::Failed, OneShortLine(Reply.ErrorText)};
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
        case TKind::Refused:
            return QStringLiteral("the server refused the connection");
        case TKind::TimedOut:
            return QStringLiteral("the server did not answer in time");
        case TKind::HttpStatus:
            return QStringLiteral("the server answered ") + Problem.Detail;
        case TKind::TooLarge:
            return QStringLiteral("the reply is larger than a picture may be");
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
        case TKind::Failed:
            break;
    }
    return Problem.Detail.isEmpty() ? QStringLiteral("the download failed")
                                    : QStringLiteral("the download failed: ") + Problem.Detail;
}

}  // namespace orbelune
