#include "Download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>

#ifndef QT_NO_SSL
#include <QSslConfiguration>
#include <QSslSocket>
#endif

namespace orbelune {

namespace {

constexpr int CancelPollMs = 100;

TDownloadError ErrorOfReply(const QNetworkReply& reply, int status) {
    switch (reply.error()) {
        case QNetworkReply::NoError:
            return (status >= 200 && status < 300) ? TDownloadError::None
                                                   : TDownloadError::HttpStatus;
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::ProxyConnectionRefusedError:
            return TDownloadError::Refused;
        case QNetworkReply::TimeoutError:
        case QNetworkReply::ProxyTimeoutError:
            return TDownloadError::TimedOut;
        default:
            return (status >= 300) ? TDownloadError::HttpStatus : TDownloadError::Failed;
    }
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
    const QString scheme = Url.scheme().toLower();
    if (!Url.isValid() || Url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        result.ErrorText = QStringLiteral("Not a web address: ") + Url.toString();
        return result;
    }

    QNetworkAccessManager manager;
    // A proxy that turns the credentials down fails the request: nobody is asked again.
    manager.setProxy(Options.Proxy);
    QNetworkRequest request(Url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(Options.MaxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
#ifndef QT_NO_SSL
    if (scheme == QLatin1String("https")) {
        QSslConfiguration tls = request.sslConfiguration();
        tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
        request.setSslConfiguration(tls);
    }
#endif

    QEventLoop loop;
    QNetworkReply* reply = manager.get(request);
    TDownloadError abortReason = TDownloadError::None;
    const auto abortWith = [&](TDownloadError reason) {
        if (abortReason != TDownloadError::None || reply->isFinished()) return;
        abortReason = reason;
        reply->abort();
    };

    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop,
                     [&] { abortWith(TDownloadError::TimedOut); });
    deadline.start(Options.TimeoutMs);

    // A worker that is asked to stop (at shut-down) gives its download up.
    QThread* const thread = QThread::currentThread();
    QTimer cancelPoll;
    QObject::connect(&cancelPoll, &QTimer::timeout, &loop, [&] {
        if (thread->isInterruptionRequested()) abortWith(TDownloadError::Cancelled);
    });
    cancelPoll.start(CancelPollMs);

    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > Options.MaxBytes || total > Options.MaxBytes)
                             abortWith(TDownloadError::TooLarge);
                     });
    const auto status = [&](const QString& text) {
        if (Options.OnStatus) Options.OnStatus(text);
    };
    QObject::connect(reply, &QNetworkReply::socketStartedConnecting, &loop,
                     [&] { status(QStringLiteral("Connecting to %1.").arg(Url.host())); });
    QObject::connect(reply, &QNetworkReply::requestSent, &loop,
                     [&] { status(QStringLiteral("Request sent.")); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (code.isValid())
            status(
                QStringLiteral("HTTP %1 %2")
                    .arg(code.toInt())
                    .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();
    deadline.stop();
    cancelPoll.stop();

    result.HttpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.Error =
        abortReason != TDownloadError::None ? abortReason : ErrorOfReply(*reply, result.HttpStatus);
    switch (result.Error) {
        case TDownloadError::None:
            result.Body = reply->readAll();
            if (result.Body.size() > Options.MaxBytes) {
                result.Body.clear();
                result.Error = TDownloadError::TooLarge;
                result.ErrorText = QStringLiteral("The reply is too large.");
            }
            break;
        case TDownloadError::TimedOut:
            result.ErrorText = QStringLiteral("The server did not answer in time.");
            break;
        case TDownloadError::TooLarge:
            result.ErrorText = QStringLiteral("The reply is too large.");
            break;
        case TDownloadError::Cancelled:
            result.ErrorText = QStringLiteral("The download was stopped.");
            break;
        case TDownloadError::HttpStatus:
            result.ErrorText =
                QStringLiteral("HTTP %1 %2")
                    .arg(result.HttpStatus)
                    .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
            break;
        default:
            result.ErrorText = reply->errorString();
            break;
    }
    status(QStringLiteral("Disconnected."));
    delete reply;
    return result;
}

}  // namespace orbelune
