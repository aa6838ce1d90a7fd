#include "FixtureServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QMutexLocker>
#include <QProcess>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <memory>

namespace orbelune::test {

namespace {

constexpr int ReadTimeoutMs = 5000;

QByteArray ReasonOf(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 407:
            return "Proxy Authentication Required";
        case 500:
            return "Internal Server Error";
        case 502:
            return "Bad Gateway";
        default:
            return "Status";
    }
}

QByteArray StatusLine(int status) {
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonOf(status) + "\r\n";
}

}  // namespace

TFixtureServer::TFixtureServer() = default;

TFixtureServer::~TFixtureServer() = default;

QString TFixtureServer::HostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(port_.load());
}

void TFixtureServer::Start() {
    thread_ = std::make_unique<QThread>();
    thread_->start();
    QObject context;
    context.moveToThread(thread_.get());
    QMetaObject::invokeMethod(
        &context,
        [this] {
            server_ = CreateServer();
            server_->listen(QHostAddress::LocalHost, 0);
            port_ = server_->serverPort();
            // Emitted once a connection is ready: for TLS, after the handshake.
            QObject::connect(server_, &QTcpServer::pendingConnectionAvailable, server_, [this] {
                while (QTcpSocket* socket = server_->nextPendingConnection()) {
                    auto buffer = std::make_shared<QByteArray>();
                    const auto readHead = [this, socket, buffer] {
                        *buffer += socket->readAll();
                        const qsizetype end = buffer->indexOf("\r\n\r\n");
                        if (end < 0) return;
                        socket->disconnect(socket, &QIODevice::readyRead, nullptr, nullptr);
                        const TRequestHead head = ParseRequestHead(buffer->left(end));
                        if (head.Valid)
                            Answer(socket, head);
                        else
                            socket->close();
                    };
                    QObject::connect(socket, &QIODevice::readyRead, socket, readHead);
                    if (socket->bytesAvailable() > 0) readHead();
                }
            });
        },
        Qt::BlockingQueuedConnection);
}

void TFixtureServer::Stop() {
    if (!thread_) return;
    QObject context;
    context.moveToThread(thread_.get());
    QMetaObject::invokeMethod(
        &context, [this] { delete server_; }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    thread_.reset();
}

QTcpServer* TFixtureServer::CreateServer() {
    return new QTcpServer;
}

TRequestHead ParseRequestHead(const QByteArray& data) {
    TRequestHead head;
    const QList<QByteArray> lines = data.split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    if (request.size() < 2) return head;
    head.Method = request[0];
    head.Target = request[1];
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            head.Headers.insert(lines[i].left(colon).trimmed().toLower(),
                                lines[i].mid(colon + 1).trimmed());
    }
    head.Valid = true;
    return head;
}

THttpFixture::THttpFixture(QHash<QString, TRoute> Routes) : routes_(std::move(Routes)) {
    Start();
}

THttpFixture::THttpFixture(QHash<QString, TRoute> Routes, const QSslConfiguration& Tls)
    : routes_(std::move(Routes)), tls_(Tls), useTls_(true) {
    Start();
}

THttpFixture::~THttpFixture() {
    Stop();
}

QTcpServer* THttpFixture::CreateServer() {
    if (!useTls_) return TFixtureServer::CreateServer();
    auto* server = new QSslServer;
    server->setSslConfiguration(tls_);
    return server;
}

QStringList THttpFixture::RequestedPaths() const {
    QMutexLocker lock(&mutex_);
    return requested_;
}

QList<TRequestHead> THttpFixture::RequestedHeads() const {
    QMutexLocker lock(&mutex_);
    return heads_;
}

void THttpFixture::Answer(QTcpSocket* socket, const TRequestHead& head) {
    const QString path = QString::fromLatin1(head.Target);
    {
        QMutexLocker lock(&mutex_);
        requested_ << path;
        heads_ << head;
    }
    auto found = routes_.constFind(path);
    if (found == routes_.constEnd()) found = routes_.constFind(QStringLiteral("*"));
    const TRoute route =
        found != routes_.constEnd() ? *found : TRoute{404, "no such file", {}, TMode::Normal};

    QByteArray reply = StatusLine(route.Status);
    for (const auto& [name, value] : route.Headers) reply += name + ": " + value + "\r\n";
    reply += "Content-Type: text/plain\r\nConnection: close\r\n";
    switch (route.Mode) {
        case TMode::Normal:
            reply += "Content-Length: " + QByteArray::number(route.Body.size()) + "\r\n\r\n" +
                     route.Body;
            break;
        case TMode::Stall:
            reply += "Content-Length: 1000\r\n\r\n" + route.Body.left(16);
            socket->write(reply);
            socket->flush();
            return;  // the connection stays open and silent
        case TMode::NoLength:
            reply += "\r\n" + route.Body;
            break;
    }
    socket->write(reply);
    socket->disconnectFromHost();
}

TAuthenticatingProxy::TAuthenticatingProxy(const QString& UserName, const QString& Password)
    : expected_("Basic " + (UserName + QLatin1Char(':') + Password).toUtf8().toBase64()) {}

int TAuthenticatingProxy::Authorised() const {
    QMutexLocker lock(&mutex_);
    return authorised_;
}

int TAuthenticatingProxy::Refused() const {
    QMutexLocker lock(&mutex_);
    return refused_;
}

bool TAuthenticatingProxy::Admit(QTcpSocket* socket, const TRequestHead& head) {
    const bool admitted = head.Headers.value("proxy-authorization") == expected_;
    {
        QMutexLocker lock(&mutex_);
        ++(admitted ? authorised_ : refused_);
    }
    if (!admitted) {
        socket->write(StatusLine(407) +
                      "Proxy-Authenticate: Basic realm=\"fixture\"\r\n"
                      "Content-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
    }
    return admitted;
}

TProxyFixture::TProxyFixture(const QString& UserName, const QString& Password)
    : TAuthenticatingProxy(UserName, Password) {
    Start();
}

TProxyFixture::~TProxyFixture() {
    Stop();
}

void TProxyFixture::Answer(QTcpSocket* socket, const TRequestHead& head) {
    if (!Admit(socket, head)) return;
    const QUrl target(QString::fromLatin1(head.Target));
    QTcpSocket upstream;
    upstream.connectToHost(target.host(), static_cast<quint16>(target.port(80)));
    if (head.Method != "GET" || !upstream.waitForConnected(ReadTimeoutMs)) {
        socket->write(StatusLine(502) + "Content-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    upstream.write("GET " + target.path(QUrl::FullyEncoded).toLatin1() + " HTTP/1.1\r\nHost: " +
                   target.authority().toLatin1() + "\r\nConnection: close\r\n\r\n");
    QByteArray reply;
    const QDeadlineTimer deadline(ReadTimeoutMs);
    while (upstream.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired())
        if (upstream.waitForReadyRead(int(deadline.remainingTime()))) reply += upstream.readAll();
    reply += upstream.readAll();
    socket->write(reply);
    socket->disconnectFromHost();
}

TTestCertificate MakeTestCertificate(const QString& Folder) {
    const QString key = Folder + QStringLiteral("/key.pem");
    const QString cert = Folder + QStringLiteral("/cert.pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                   "-addext", "subjectAltName=IP:127.0.0.1"});
    TTestCertificate made;
    if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0) return made;
    QFile keyFile(key);
    QFile certFile(cert);
    if (!keyFile.open(QIODevice::ReadOnly) || !certFile.open(QIODevice::ReadOnly)) return made;
    made.Certificate = QSslCertificate(certFile.readAll(), QSsl::Pem);
    made.Key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
    return made;
}

const TTestCertificate& SharedTestCertificate() {
    static const TTestCertificate Made = [] {
        const QTemporaryDir folder;
        return folder.isValid() ? MakeTestCertificate(folder.path()) : TTestCertificate();
    }();
    return Made;
}

namespace {

QSslConfiguration ServingWith(const TTestCertificate& Certificate) {
    QSslConfiguration serving = QSslConfiguration::defaultConfiguration();
    serving.setLocalCertificate(Certificate.Certificate);
    serving.setPrivateKey(Certificate.Key);
    serving.setPeerVerifyMode(QSslSocket::VerifyNone);
    return serving;
}

}  // namespace

TTrustedCertificate::TTrustedCertificate(const TTestCertificate& Certificate)
    : ServerTls(ServingWith(Certificate)), saved_(QSslConfiguration::defaultConfiguration()) {
    QSslConfiguration trusting = saved_;
    trusting.addCaCertificate(Certificate.Certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
}

TTrustedCertificate::~TTrustedCertificate() {
    QSslConfiguration::setDefaultConfiguration(saved_);
}

quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();  // closed again when probe goes
}

}  // namespace orbelune::test
