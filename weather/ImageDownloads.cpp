#include "ImageDownloads.h"

#include "GifLayout.h"
#include "ImageSniff.h"
#include "Settings.h"

#include <QBuffer>
#include <QImageReader>

namespace orbelune {

namespace {

TFetchOutcome Fetch(const QUrl& Url, const TDownloadOptions& Options, QByteArray& Body) {
    const TDownloadResult reply = Download(Url, Options);
    Body = reply.Body;
    return {ProblemOf(reply)};
}

bool HasSignature(const QByteArray& Body, bool Gif) {
    QBuffer buffer;
    buffer.setData(Body);
    return buffer.open(QIODevice::ReadOnly) && (Gif ? IsGifStream(&buffer) : IsJpegStream(&buffer));
}

// The bytes Body's picture will take decoded, from its header alone; 0 when the header
// is not one of a GIF or a JPEG.
qint64 DecodedBytes(const QByteArray& Body, bool Gif, QSize& Size) {
    if (Gif) {
        const std::optional<TGifLayout> layout = ScanGif(Body);
        if (!layout || layout->FrameCount == 0) return 0;
        Size = layout->Extent;
        return qint64(Size.width()) * Size.height() * 4;
    }
    QBuffer buffer;
    buffer.setData(Body);
    if (!buffer.open(QIODevice::ReadOnly)) return 0;
    QImageReader reader(&buffer, "jpeg");
    Size = reader.size();
    if (!Size.isValid() || Size.isEmpty()) return 0;
    const int depth = reader.imageFormat() == QImage::Format_Grayscale8 ? 1 : 4;
    return qint64(Size.width()) * Size.height() * depth;
}

}  // namespace

TImageryProblem DecodeImage(const QByteArray& Body, bool Gif, QImage& Image,
                            const TPictureLimits& Limits) {
    const TImageryProblem notAPicture{TImageryProblem::TKind::NotAPicture, QString()};
    if (!HasSignature(Body, Gif)) return notAPicture;
    QSize size;
    const qint64 bytes = DecodedBytes(Body, Gif, size);
    if (bytes == 0) return notAPicture;
    if (size.width() > Limits.MaxSize.width() || size.height() > Limits.MaxSize.height() ||
        bytes > Limits.MaxBytes)
        return PictureTooLarge(size);
    QImage decoded;
    if (!decoded.loadFromData(Body, Gif ? "GIF" : "JPEG")) return notAPicture;
    // A GIF layer is drawn with its transparent colour left out: keep the alpha.
    Image = Gif ? decoded.convertToFormat(QImage::Format_ARGB32) : decoded;
    return {};
}

void SetProxyServer(TDownloadOptions& Options, const TSettings& From) {
    Options.Proxy = ProxyFromRule({From.UseProxyServer, From.ProxyServer, From.ProxyPort,
                                   From.ProxyUserName, From.ProxyPassword});
}

TFetchOutcome GetJPG(const QUrl& Url, QImage& Jpeg, const TDownloadOptions& Options,
                     const TPictureLimits& Limits) {
    QByteArray body;
    TFetchOutcome outcome = Fetch(Url, Options, body);
    if (outcome.Ok()) outcome.Problem = DecodeImage(body, false, Jpeg, Limits);
    return outcome;
}

TFetchOutcome GetGIF(const QString& Host, const QString& Path, QImage& Gif,
                     const TDownloadOptions& Options) {
    QByteArray body;
    TFetchOutcome outcome = Fetch(QUrl(QStringLiteral("http://") + Host + Path), Options, body);
    if (outcome.Ok()) outcome.Problem = DecodeImage(body, true, Gif);
    return outcome;
}

TFetchOutcome GetTextFile(const QUrl& Url, QString& Text, const TDownloadOptions& Options) {
    QByteArray body;
    TFetchOutcome outcome = Fetch(Url, Options, body);
    if (outcome.Ok() && body.isEmpty())
        outcome.Problem = {TImageryProblem::TKind::Failed, QStringLiteral("the reply is empty")};
    if (outcome.Ok()) Text = QString::fromUtf8(body);
    return outcome;
}

}  // namespace orbelune
