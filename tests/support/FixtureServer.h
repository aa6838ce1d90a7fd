#pragma once
// Fixture servers for the network tests, listening on 127.0.0.1 at a free port. Each
// runs in its own thread, so a test may block on a worker that talks to it.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QTcpServer;
class QTcpSocket;
class QThread;

namespace orbelune::test {

// A QTcpServer on its own thread; subclasses answer each connection.
class TFixtureServer {
public:
    TFixtureServer();
    virtual ~TFixtureServer();
    TFixtureServer(const TFixtureServer&) = delete;
    TFixtureServer& operator=(const TFixtureServer&) = delete;

    quint16 Port() const { return port_; }
    QString HostAndPort() const;

protected:
    // Starts listening; call at the end of the subclass constructor.
    void Start();
    // Stops the thread; call at the start of the subclass destructor.
    void Stop();
    // Runs on the server thread once a connection has sent a request head.
    virtual void Answer(QTcpSocket* socket, const struct TRequestHead& head) = 0;
    // The listening server, made on the server thread.
    virtual QTcpServer* CreateServer();

private:
    std::unique_ptr<QThread> thread_;
    QTcpServer* server_ = nullptr;
    std::atomic<quint16> port_{0};  // set on the server thread
};

// The head of one HTTP request.
struct TRequestHead {
    QByteArray Method;
    QByteArray Target;                      // as sent: a path, or an absolute URL through a proxy
    QHash<QByteArray, QByteArray> Headers;  // names lower-cased
    bool Valid = false;
};
// The head from the bytes up to the blank line; Valid is false when it is malformed.
TRequestHead ParseRequestHead(const QByteArray& data);

// An HTTP/1.1 server with fixed answers per path (the route "*" answers every path
// without one of its own); every answer closes the connection.
class THttpFixture final : public TFixtureServer {
public:
    enum class TMode {
        Normal,
        Stall,     // headers and a few bytes of body, then silence with the connection open
        NoLength,  // the body without a Content-Length, ended by closing the connection
    };
    struct TRoute {
        int Status = 200;
        QByteArray Body;
        QList<QPair<QByteArray, QByteArray>> Headers;
        TMode Mode = TMode::Normal;
    };

    explicit THttpFixture(QHash<QString, TRoute> Routes);
    // The same over TLS with the given certificate and key.
    THttpFixture(QHash<QString, TRoute> Routes, const QSslConfiguration& Tls);
    ~THttpFixture() override;

    QStringList RequestedPaths() const;
    QList<TRequestHead> RequestedHeads() const;  // in the order they came

protected:
    void Answer(QTcpSocket* socket, const TRequestHead& head) override;
    QTcpServer* CreateServer() override;

private:
    const QHash<QString, TRoute> routes_;
    const QSslConfiguration tls_;
    const bool useTls_ = false;
    mutable QMutex mutex_;
    QStringList requested_;
    QList<TRequestHead> heads_;
};

// A proxy that demands basic authentication with the given name and password.
class TAuthenticatingProxy : public TFixtureServer {
public:
    int Authorised() const;  // requests that came with the right credentials
    int Refused() const;     // requests answered with 407

protected:
    TAuthenticatingProxy(const QString& UserName, const QString& Password);
    // True for a request with the right credentials; any other is answered with 407.
    bool Admit(QTcpSocket* socket, const TRequestHead& head);

private:
    const QByteArray expected_;
    mutable QMutex mutex_;
    int authorised_ = 0;
    int refused_ = 0;
};

// An HTTP proxy that demands basic authentication and forwards plain GET requests.
class TProxyFixture final : public TAuthenticatingProxy {
public:
    TProxyFixture(const QString& UserName, const QString& Password);
    ~TProxyFixture() override;

protected:
    void Answer(QTcpSocket* socket, const TRequestHead& head) override;
};

// A self-signed certificate for 127.0.0.1 and its key, made with the openssl tool in
// Folder; a null certificate when the tool is missing or fails.
struct TTestCertificate {
    QSslCertificate Certificate;
    QSslKey Key;
};
TTestCertificate MakeTestCertificate(const QString& Folder);
// One such certificate for the whole test program, made when first asked for.
const TTestCertificate& SharedTestCertificate();

// For its life, every download trusts Certificate, and ServerTls serves with it; the
// default configuration it found comes back when it goes.
class TTrustedCertificate {
public:
    explicit TTrustedCertificate(const TTestCertificate& Certificate);
    ~TTrustedCertificate();
    TTrustedCertificate(const TTrustedCertificate&) = delete;
    TTrustedCertificate& operator=(const TTrustedCertificate&) = delete;

    const QSslConfiguration ServerTls;

private:
    const QSslConfiguration saved_;
};

// A port on 127.0.0.1 with nothing listening (it was free a moment ago).
quint16 ClosedPort();

}  // namespace orbelune::test
