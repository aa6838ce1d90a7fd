#pragma once
// The small downloads of the user-interface thread: a JPEG image, a GIF image or a
// text file over HTTP or HTTPS through the one download helper, which waits with the
// event loop turning. A reply counts only when it is what was asked for: an image
// must carry its format's signature, stay within its limits and decode (an error page
// does not), a text must not be empty. The proxy rule of the settings applies to each
// (SetProxyServer).

#include "Download.h"
#include "ImageryProblem.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QUrl>

namespace orbelune {

struct TSettings;

// The proxy rule of the settings as a download's proxy.
void SetProxyServer(TDownloadOptions& Options, const TSettings& From);

// The most a downloaded picture may take once decoded: its width and height, and its
// bytes (four a pixel, one for a grey JPEG).
struct TPictureLimits {
    QSize MaxSize{16384, 16384};
    qint64 MaxBytes = 256 * 1024 * 1024;
};

// Decodes Body as a GIF (its first frame, its transparent colour kept as alpha) or a
// JPEG when it carries that format's signature and the size its header states keeps
// within Limits: the header is read first, so a picture beyond them is refused before
// a pixel is decoded. The problem when it gives no picture.
TImageryProblem DecodeImage(const QByteArray& Body, bool Gif, QImage& Image,
                            const TPictureLimits& Limits = {});

// How a download went.
struct TFetchOutcome {
    TImageryProblem Problem;
    bool Ok() const { return !Problem.Any(); }
    bool Refused() const { return Problem.Kind == TImageryProblem::TKind::Refused; }
};

// The request's Host header is the address's own host.
TFetchOutcome GetJPG(const QUrl& Url, QImage& Jpeg, const TDownloadOptions& Options,
                     const TPictureLimits& Limits = {});
// "http://" + Host + Path; the first frame, its transparent colour left transparent.
TFetchOutcome GetGIF(const QString& Host, const QString& Path, QImage& Gif,
                     const TDownloadOptions& Options);
TFetchOutcome GetTextFile(const QUrl& Url, QString& Text, const TDownloadOptions& Options);

}  // namespace orbelune
