#pragma once
// The one way this program fetches a resource over HTTP or HTTPS. It follows
// redirects (never from https down to http), goes through the settings' proxy with
// basic authentication, gives up after a time limit or when a reply grows past a
// size cap, always verifies TLS certificates, and tells a refused connection apart
// from other failures. It waits in a local event loop, so it can run on a worker
// thread or on the user-interface thread (whose window keeps turning meanwhile).

#include <QByteArray>
#include <QNetworkProxy>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>

namespace orbelune {

// The proxy part of the settings.
struct TProxyRule {
    bool UseProxyServer = false;
    QString ProxyServer;
    int ProxyPort = 0;
    QString ProxyUserName;
    QString ProxyPassword;
};

// An HTTP proxy with basic-authentication credentials when the rule is on, names a
// server and a port above 0; otherwise a direct connection.
QNetworkProxy ProxyFromRule(const TProxyRule& Rule);

enum class TDownloadError {
    None,
    Refused,  // the server (or the proxy) refused the connection, or the system denied it
    TimedOut,
    TooLarge,    // the reply passed MaxBytes
    HttpStatus,  // the server answered with a status other than 2xx
    Cancelled,   // the calling thread was asked to stop, or the caller's Cancel flag was set
    Failed,      // anything else: name resolution, TLS, proxy authentication, ...
};

struct TDownloadOptions {
    QNetworkProxy Proxy{QNetworkProxy::NoProxy};
    int TimeoutMs = 30000;              // the whole transfer, connection included
    qint64 MaxBytes = 4 * 1024 * 1024;  // largest accepted reply body
    int MaxRedirects = 10;
    // Progress texts ("Connecting to host.", the status line, ...), on the calling thread.
    std::function<void(const QString&)> OnStatus;
    // When set (by the user's "Cancel", say), the download gives up within a tenth of a
    // second: the user-interface thread cannot be asked to stop as a worker is.
    const std::atomic<bool>* Cancel = nullptr;
};

struct TDownloadResult {
    TDownloadError Error = TDownloadError::Failed;
    int HttpStatus = 0;  // 0 when no reply arrived
    QByteArray Body;     // empty unless Error is None
    QString ErrorText;   // a short description for messages and logs
    bool Ok() const { return Error == TDownloadError::None; }
};

// Fetches Url with GET and returns the reply body or the reason it failed.
TDownloadResult Download(const QUrl& Url, const TDownloadOptions& Options);

}  // namespace orbelune
