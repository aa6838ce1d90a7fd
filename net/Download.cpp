#include "Download.h"

#include "HttpResponse.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#ifndef QT_NO_SSL
#include <QSslConfiguration>
#include <QSslSocket>
#endif

#include <memory>

// Each request runs on a socket of its own, owned by the calling thread, and its reply
// is parsed here as the bytes arrive: a time-out or a reply past its cap closes that
// connection at once, whatever the server keeps sending.

namespace orbelune {

namespace {

constexpr int CancelPollMs = 100;
constexpr qint64 ReadChunk = 16 * 1024;

bool IsWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The host as it stands in a request, bracketed when it is an IPv6 address.
QByteArray RequestHost(const QUrl& url) {
    const QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    return host.contains(':') ? '[' + host + ']' : host;
}

// The Host field: the host and a port that is not the scheme's own.
QByteArray HostField(const QUrl& url) {
    const int port = url.port();
    return port >= 0 ? RequestHost(url) + ':' + QByteArray::number(port) : RequestHost(url);
}

// The proxy's credentials as a header line; none without a user name.
QByteArray ProxyAuthorization(const QNetworkProxy& proxy) {
    if (proxy.user().isEmpty()) return {};
    return "Proxy-Authorization: Basic " +
           (proxy.user() + QLatin1Char(':') + proxy.password()).toUtf8().toBase64() + "\r\n";
}

QByteArray RequestHead(const QUrl& url, const QNetworkProxy& plainProxy) {
    const bool viaProxy = plainProxy.type() == QNetworkProxy::HttpProxy;
    QByteArray target =
        viaProxy ? url.toString(QUrl::RemoveFragment | QUrl::RemoveUserInfo | QUrl::FullyEncoded)
                       .toLatin1()
                 : url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment |
                                QUrl::FullyEncoded)
                       .toLatin1();
    if (target.isEmpty()) target = "/";
    return "GET " + target + " HTTP/1.1\r\nHost: " + HostField(url) +
           "\r\nUser-Agent: Mozilla/5.0\r\nAccept: */*\r\n"
           "Accept-Encoding: identity\r\nConnection: close\r\n" +
           (viaProxy ? ProxyAuthorization(plainProxy) : QByteArray()) + "\r\n";
}

// The request for a tunnel through an HTTP proxy to a secure URL's host.
QByteArray ConnectHead(const QUrl& url, const QNetworkProxy& proxy) {
    const QByteArray authority = RequestHost(url) + ':' + QByteArray::number(url.port(443));
    return "CONNECT " + authority + " HTTP/1.1\r\nHost: " + authority +
           "\r\nUser-Agent: Mozilla/5.0\r\n" + ProxyAuthorization(proxy) + "\r\n";
}

TDownloadError ErrorOfSocket(QAbstractSocket::SocketError error) {
    switch (error) {
        // Access denied is what a local firewall rule gives: blocked as surely as a
        // refusal.
        case QAbstractSocket::ConnectionRefusedError:
        case QAbstractSocket::ProxyConnectionRefusedError:
        case QAbstractSocket::SocketAccessError:
            return TDownloadError::Refused;
        case QAbstractSocket::SocketTimeoutError:
        case QAbstractSocket::ProxyConnectionTimeoutError:
            return TDownloadError::TimedOut;
        default:
            return TDownloadError::Failed;
    }
}

// One request and its reply on a connection of its own.
struct TExchange {
    TDownloadError Error = TDownloadError::None;
    QString ErrorText;
    std::unique_ptr<THttpResponse> Response;
};

TExchange Exchange(const QUrl& url, const TDownloadOptions& options,
                   const QDeadlineTimer& deadline) {
    TExchange exchange;
    exchange.Response = std::make_unique<THttpResponse>(options.MaxBytes);
    THttpResponse& response = *exchange.Response;
    const bool tls = url.scheme().toLower() == QLatin1String("https");
    const auto status = [&](const QString& text) {
        if (options.OnStatus) options.OnStatus(text);
    };

    std::unique_ptr<QTcpSocket> socket;
#ifndef QT_NO_SSL
    if (tls) {
        auto secure = std::make_unique<QSslSocket>();
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setPeerVerifyMode(QSslSocket::VerifyPeer);
        secure->setSslConfiguration(config);
        socket = std::move(secure);
    }
#endif
    if (!socket) {
        if (tls) {
            exchange.Error = TDownloadError::Failed;
            exchange.ErrorText = QStringLiteral("Secure connections are not available.");
            return exchange;
        }
        socket = std::make_unique<QTcpSocket>();
    }
    // A plain request goes to an HTTP proxy as a request for the whole address; a
    // secure one through a tunnel asked for here (CONNECT), so that the proxy's answer is
    // held to the same head cap and time as any reply. (Qt's own proxy code reads that
    // answer for as long as the proxy sends header lines.)
    const bool proxied = options.Proxy.type() == QNetworkProxy::HttpProxy;
    const QNetworkProxy plainProxy = proxied && !tls ? options.Proxy : QNetworkProxy::NoProxy;
    socket->setProxy(QNetworkProxy::NoProxy);
    socket->setReadBufferSize(ReadChunk);
    // The proxy's answer while the tunnel is asked for; no byte may follow its head.
    auto tunnel = proxied && tls ? std::make_unique<THttpResponse>(0) : nullptr;

    QEventLoop loop;
    bool finished = false;
    const auto finish = [&](TDownloadError error, const QString& text) {
        if (finished) return;
        finished = true;
        exchange.Error = error;
        exchange.ErrorText = text;
        loop.quit();
    };
    const auto take = [&] {
        bool statusShown = response.State() != THttpResponse::TState::Head;
        while (!finished && socket->bytesAvailable() > 0) {
            response.Feed(socket->read(ReadChunk));
            if (!statusShown && response.State() != THttpResponse::TState::Head &&
                response.Status() > 0) {
                statusShown = true;
                status(QStringLiteral("HTTP %1 %2")
                           .arg(response.Status())
                           .arg(QString::fromLatin1(response.Reason())));
            }
            if (response.State() == THttpResponse::TState::Done)
                finish(TDownloadError::None, {});
            else if (response.State() == THttpResponse::TState::Failed)
                finish(response.TooLarge() ? TDownloadError::TooLarge : TDownloadError::Failed,
                       response.ErrorText());
        }
    };
    const auto send = [&] {
        socket->write(RequestHead(url, plainProxy));
        status(QStringLiteral("Request sent."));
    };
    // Reads the proxy's answer to CONNECT; with a 2xx the secure connection starts
    // through the tunnel, for the URL's host.
    const auto takeTunnel = [&] {
        while (!finished && tunnel && socket->bytesAvailable() > 0) {
            tunnel->Feed(socket->read(ReadChunk));
            if (tunnel->State() == THttpResponse::TState::Head) continue;
            if (tunnel->State() == THttpResponse::TState::Failed) {
                QString why = tunnel->ErrorText();
                if (!why.isEmpty()) why[0] = why[0].toLower();
                finish(TDownloadError::Failed,
                       QStringLiteral("The proxy did not open a tunnel: ") + why);
            } else if (tunnel->Status() < 200 || tunnel->Status() >= 300) {
                finish(TDownloadError::Failed, QStringLiteral("The proxy refused the tunnel: "
                                                              "HTTP %1 %2")
                                                   .arg(tunnel->Status())
                                                   .arg(QString::fromLatin1(tunnel->Reason())));
            } else {
                tunnel.reset();
#ifndef QT_NO_SSL
                auto* secure = static_cast<QSslSocket*>(socket.get());
                secure->setPeerVerifyName(url.host());
                secure->startClientEncryption();
#endif
            }
        }
    };

    QObject::connect(socket.get(), &QIODevice::readyRead, &loop, [&] {
        if (tunnel)
            takeTunnel();
        else
            take();
    });
    QObject::connect(socket.get(), &QAbstractSocket::disconnected, &loop, [&] {
        if (tunnel) {
            takeTunnel();
            finish(TDownloadError::Failed,
                   QStringLiteral("The proxy closed the connection instead of a tunnel."));
            return;
        }
        take();
        if (finished) return;
        if (response.Close() == THttpResponse::TState::Done)
            finish(TDownloadError::None, {});
        else
            finish(response.TooLarge() ? TDownloadError::TooLarge : TDownloadError::Failed,
                   response.ErrorText());
    });
    QObject::connect(socket.get(), &QAbstractSocket::errorOccurred, &loop,
                     [&](QAbstractSocket::SocketError error) {
                         // The server's close ends a reply read up to it.
                         if (error == QAbstractSocket::RemoteHostClosedError) return;
                         finish(ErrorOfSocket(error), socket->errorString());
                     });
#ifndef QT_NO_SSL
    if (tls) {
        auto* secure = static_cast<QSslSocket*>(socket.get());
        QObject::connect(secure, &QSslSocket::encrypted, &loop, send);
        if (tunnel)
            QObject::connect(secure, &QAbstractSocket::connected, &loop, [&] {
                socket->write(ConnectHead(url, options.Proxy));
                status(QStringLiteral("Asking the proxy for a tunnel."));
            });
        QObject::connect(
            secure, &QSslSocket::sslErrors, &loop, [&](const QList<QSslError>& errors) {
                finish(TDownloadError::Failed, errors.isEmpty() ? QStringLiteral("TLS error")
                                                                : errors.first().errorString());
            });
    } else
#endif
    {
        QObject::connect(socket.get(), &QAbstractSocket::connected, &loop, send);
    }

    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        finish(TDownloadError::TimedOut, QStringLiteral("The server did not answer in time."));
    });
    timeout.start(std::max<qint64>(0, deadline.remainingTime()));

    // A worker that is asked to stop (at shut-down), or a caller that cancels, gives its
    // download up.
    QThread* const thread = QThread::currentThread();
    QTimer cancelPoll;
    QObject::connect(&cancelPoll, &QTimer::timeout, &loop, [&] {
        if (thread->isInterruptionRequested() || (options.Cancel && options.Cancel->load()))
            finish(TDownloadError::Cancelled, QStringLiteral("The download was stopped."));
    });
    cancelPoll.start(CancelPollMs);

    status(QStringLiteral("Connecting to %1.").arg(url.host()));
    const QString connectHost = proxied ? options.Proxy.hostName() : url.host();
    const quint16 connectPort =
        proxied ? options.Proxy.port() : static_cast<quint16>(url.port(tls ? 443 : 80));
#ifndef QT_NO_SSL
    if (tls && !tunnel)
        static_cast<QSslSocket*>(socket.get())->connectToHostEncrypted(connectHost, connectPort);
    else
#endif
        socket->connectToHost(connectHost, connectPort);
    if (!finished) loop.exec();

    // Whatever the server still sends, the connection ends here.
    socket->disconnect(&loop);
    socket->abort();
    return exchange;
}

}  // namespace

QNetworkProxy ProxyFromRule(const TProxyRule& Rule) {
    if (!Rule.UseProxyServer || Rule.ProxyServer.isEmpty() || Rule.ProxyPort <= 0 ||
        Rule.ProxyPort > 65535)
        return QNetworkProxy(QNetworkProxy::NoProxy);
    return QNetworkProxy(QNetworkProxy::HttpProxy, Rule.ProxyServer,
                         static_cast<quint16>(Rule.ProxyPort), Rule.ProxyUserName,
                         Rule.ProxyPassword);
}

TDownloadResult Download(const QUrl& Url, const TDownloadOptions& Options) {
    TDownloadResult result;
    if (!Url.isValid() || Url.host().isEmpty() || !IsWebScheme(Url.scheme().toLower())) {
        result.ErrorText = QStringLiteral("Not a web address: ") + Url.toString();
        return result;
    }
    const QDeadlineTimer deadline(Options.TimeoutMs);
    QUrl url = Url;
    for (int redirects = 0;; ++redirects) {
        TExchange exchange = Exchange(url, Options, deadline);
        const THttpResponse& response = *exchange.Response;
        result.HttpStatus = response.Status();
        result.Error = exchange.Error;
        result.ErrorText = exchange.ErrorText;
        if (result.Error != TDownloadError::None) break;

        if (IsRedirect(response.Status())) {
            const QUrl next = url.resolved(QUrl::fromEncoded(response.Header("location")));
            const bool downgrade = url.scheme().toLower() == QLatin1String("https") &&
                                   next.scheme().toLower() == QLatin1String("http");
            if (!response.Header("location").isEmpty() && next.isValid() &&
                !next.host().isEmpty() && IsWebScheme(next.scheme().toLower()) && !downgrade) {
                if (redirects >= Options.MaxRedirects) {
                    result.Error = TDownloadError::Failed;
                    result.ErrorText = QStringLiteral("Too many redirects.");
                    break;
                }
                url = next;
                continue;
            }
        }
        if (response.Status() < 200 || response.Status() >= 300) {
            result.Error = TDownloadError::HttpStatus;
            result.ErrorText = QStringLiteral("HTTP %1 %2")
                                   .arg(response.Status())
                                   .arg(QString::fromLatin1(response.Reason()));
            break;
        }
        result.Body = response.Body();
        break;
    }
    if (Options.OnStatus) Options.OnStatus(QStringLiteral("Disconnected."));
    return result;
}

}  // namespace orbelune
