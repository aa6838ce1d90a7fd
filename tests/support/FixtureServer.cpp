#include "FixtureServer.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

namespace orbelune::test {

namespace {

constexpr int ReadTimeoutMs = 5000;

QByteArray ReasonOf(int status)
{
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 404: return "Not Found";
    case 407: return "Proxy Authentication Required";
    case 502: return "Bad Gateway";
    default: return "Status";
  }
}

QByteArray StatusLine(int status)
{
  return "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonOf(status) + "\r\n";
}

}  // namespace

TFixtureServer::TFixtureServer() = default;

TFixtureServer::~TFixtureServer() = default;

QString TFixtureServer::HostAndPort() const
{
  return QStringLiteral("127.0.0.1:%1").arg(port_);
}

void TFixtureServer::Start()
{
  thread_ = std::make_unique<QThread>();
  thread_->start();
  QObject context;
  context.moveToThread(thread_.get());
  QMetaObject::invokeMethod(
      &context,
      [this] {
        server_ = new QTcpServer;
        server_->listen(QHostAddress::LocalHost, 0);
        port_ = server_->serverPort();
        QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
          while (QTcpSocket* socket = server_->nextPendingConnection()) Serve(socket);
        });
      },
      Qt::BlockingQueuedConnection);
}

void TFixtureServer::Stop()
{
  if (!thread_) return;
  QObject context;
  context.moveToThread(thread_.get());
  QMetaObject::invokeMethod(
      &context, [this] { delete server_; }, Qt::BlockingQueuedConnection);
  thread_->quit();
  thread_->wait();
  thread_.reset();
}

TRequestHead ReadRequestHead(QTcpSocket* socket)
{
  TRequestHead head;
  QByteArray data;
  const QDeadlineTimer deadline(ReadTimeoutMs);
  while (!data.contains("\r\n\r\n")) {
    if (deadline.hasExpired() || !socket->waitForReadyRead(int(deadline.remainingTime())))
      return head;
    data += socket->readAll();
  }
  const QList<QByteArray> lines = data.left(data.indexOf("\r\n\r\n")).split('\n');
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

THttpFixture::THttpFixture(QHash<QString, TRoute> Routes) : routes_(std::move(Routes))
{
  Start();
}

THttpFixture::~THttpFixture() { Stop(); }

QStringList THttpFixture::RequestedPaths() const
{
  QMutexLocker lock(&mutex_);
  return requested_;
}

void THttpFixture::Serve(QTcpSocket* socket)
{
  const TRequestHead head = ReadRequestHead(socket);
  if (!head.Valid) {
    socket->close();
    return;
  }
  const QString path = QString::fromLatin1(head.Target);
  {
    QMutexLocker lock(&mutex_);
    requested_ << path;
  }
  const auto found = routes_.constFind(path);
  const TRoute route = found != routes_.constEnd() ? *found : TRoute{404, "no such file", {}, TMode::Normal};

  QByteArray reply = StatusLine(route.Status);
  for (const auto& [name, value] : route.Headers) reply += name + ": " + value + "\r\n";
  reply += "Content-Type: text/plain\r\nConnection: close\r\n";
  switch (route.Mode) {
    case TMode::Normal:
      reply += "Content-Length: " + QByteArray::number(route.Body.size()) + "\r\n\r\n" + route.Body;
      break;
    case TMode::Stall:
      reply += "Content-Length: 100000\r\n\r\n" + route.Body.left(16);
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

TProxyFixture::TProxyFixture(const QString& UserName, const QString& Password)
    : expected_("Basic " + (UserName + QLatin1Char(':') + Password).toUtf8().toBase64())
{
  Start();
}

TProxyFixture::~TProxyFixture() { Stop(); }

int TProxyFixture::Authorised() const
{
  QMutexLocker lock(&mutex_);
  return authorised_;
}

int TProxyFixture::Refused() const
{
  QMutexLocker lock(&mutex_);
  return refused_;
}

void TProxyFixture::Serve(QTcpSocket* socket)
{
  const TRequestHead head = ReadRequestHead(socket);
  if (!head.Valid) {
    socket->close();
    return;
  }
  if (head.Headers.value("proxy-authorization") != expected_) {
    {
      QMutexLocker lock(&mutex_);
      ++refused_;
    }
    socket->write(StatusLine(407) +
                  "Proxy-Authenticate: Basic realm=\"fixture\"\r\n"
                  "Content-Length: 0\r\nConnection: close\r\n\r\n");
    socket->disconnectFromHost();
    return;
  }
  {
    QMutexLocker lock(&mutex_);
    ++authorised_;
  }
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

quint16 ClosedPort()
{
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();  // closed again when probe goes
}

}  // namespace orbelune::test
