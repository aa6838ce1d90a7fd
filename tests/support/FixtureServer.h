#pragma once
// Fixture servers for the network tests, listening on 127.0.0.1 at a free port. Each
// runs in its own thread, so a test may block on a worker that talks to it.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

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
  // Runs on the server thread for every accepted connection.
  virtual void Serve(QTcpSocket* socket) = 0;

 private:
  std::unique_ptr<QThread> thread_;
  QTcpServer* server_ = nullptr;
  quint16 port_ = 0;
};

// The head of one HTTP request, read from a socket (blocking, up to 5 seconds).
struct TRequestHead {
  QByteArray Method;
  QByteArray Target;  // as sent: a path, or an absolute URL through a proxy
  QHash<QByteArray, QByteArray> Headers;  // names lower-cased
  bool Valid = false;
};
TRequestHead ReadRequestHead(QTcpSocket* socket);

// An HTTP/1.1 server with fixed answers per path; every answer closes the connection.
class THttpFixture final : public TFixtureServer {
 public:
  enum class TMode {
    Normal,
    Stall,       // headers and a few bytes of body, then silence with the connection open
    NoLength,    // the body without a Content-Length, ended by closing the connection
  };
  struct TRoute {
    int Status = 200;
    QByteArray Body;
    QList<QPair<QByteArray, QByteArray>> Headers;
    TMode Mode = TMode::Normal;
  };

  explicit THttpFixture(QHash<QString, TRoute> Routes);
  ~THttpFixture() override;

  QStringList RequestedPaths() const;

 protected:
  void Serve(QTcpSocket* socket) override;

 private:
  const QHash<QString, TRoute> routes_;
  mutable QMutex mutex_;
  QStringList requested_;
};

// An HTTP proxy that demands basic authentication and forwards plain GET requests.
class TProxyFixture final : public TFixtureServer {
 public:
  TProxyFixture(const QString& UserName, const QString& Password);
  ~TProxyFixture() override;

  int Authorised() const;  // requests forwarded with the right credentials
  int Refused() const;     // requests answered with 407

 protected:
  void Serve(QTcpSocket* socket) override;

 private:
  const QByteArray expected_;
  mutable QMutex mutex_;
  int authorised_ = 0;
  int refused_ = 0;
};

// A port on 127.0.0.1 with nothing listening (it was free a moment ago).
quint16 ClosedPort();

}  // namespace orbelune::test
