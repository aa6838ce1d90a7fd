#pragma once
// The small downloads of the user-interface thread: a JPEG image, a GIF image or a
// text file over HTTP or HTTPS through the one download helper, which waits with the
// event loop turning. A reply counts only when it is what was asked for: an image
// must carry its format's signature and decode (an error page does not), a text must
// not be empty. The proxy rule of the settings applies to each (SetProxyServer).

#include "Download.h"

#include <QImage>
#include <QString>
#include <QUrl>

namespace orbelune {

struct TSettings;

// The proxy rule of the settings as a download's proxy.
void SetProxyServer(TDownloadOptions& Options, const TSettings& From);

// Decodes Body as a GIF (its transparent colour kept as alpha) or a JPEG when it
// carries that format's signature.
bool DecodeImage(const QByteArray& Body, bool Gif, QImage& Image);

// How a download went: Ok, or whether the server refused the connection.
struct TFetchOutcome {
    bool Ok = false;
    bool Refused = false;
};

// The request's Host header is the address's own host.
TFetchOutcome GetJPG(const QUrl& Url, QImage& Jpeg, const TDownloadOptions& Options);
// "http://" + Host + Path; the first frame, its transparent colour left transparent.
TFetchOutcome GetGIF(const QString& Host, const QString& Path, QImage& Gif,
                     const TDownloadOptions& Options);
TFetchOutcome GetTextFile(const QUrl& Url, QString& Text, const TDownloadOptions& Options);

}  // namespace orbelune
