#include "ImageDownloads.h"

#include "ImageSniff.h"
#include "Settings.h"

#include <QBuffer>

namespace orbelune {

namespace {

TFetchOutcome Fetch(const QUrl& Url, const TDownloadOptions& Options, QByteArray& Body) {
    const TDownloadResult reply = Download(Url, Options);
    Body = reply.Body;
    return {reply.Ok(), reply.Error == TDownloadError::Refused};
}

}  // namespace

bool DecodeImage(const QByteArray& Body, bool Gif, QImage& Image) {
    QBuffer buffer;
    buffer.setData(Body);
    if (!buffer.open(QIODevice::ReadOnly)) return false;
    if (!(Gif ? IsGifStream(&buffer) : IsJpegStream(&buffer))) return false;
    QImage decoded;
    if (!decoded.loadFromData(Body, Gif ? "GIF" : "JPEG")) return false;
    // A GIF layer is drawn with its transparent colour left out: keep the alpha.
    Image = Gif ? decoded.convertToFormat(QImage::Format_ARGB32) : decoded;
    return true;
}

void SetProxyServer(TDownloadOptions& Options, const TSettings& From) {
    Options.Proxy = ProxyFromRule({From.UseProxyServer, From.ProxyServer, From.ProxyPort,
                                   From.ProxyUserName, From.ProxyPassword});
}

TFetchOutcome GetJPG(const QUrl& Url, QImage& Jpeg, const TDownloadOptions& Options) {
    QByteArray body;
    TFetchOutcome outcome = Fetch(Url, Options, body);
    outcome.Ok = outcome.Ok && DecodeImage(body, false, Jpeg);
    return outcome;
}

TFetchOutcome GetGIF(const QString& Host, const QString& Path, QImage& Gif,
                     const TDownloadOptions& Options) {
    QByteArray body;
    TFetchOutcome outcome = Fetch(QUrl(QStringLiteral("http://") + Host + Path), Options, body);
    outcome.Ok = outcome.Ok && DecodeImage(body, true, Gif);
    return outcome;
}

TFetchOutcome GetTextFile(const QUrl& Url, QString& Text, const TDownloadOptions& Options) {
    QByteArray body;
    TFetchOutcome outcome = Fetch(Url, Options, body);
    outcome.Ok = outcome.Ok && !body.isEmpty();
    if (outcome.Ok) Text = QString::fromUtf8(body);
    return outcome;
}

}  // namespace orbelune
