#include "TunnelProxyFixture.h"

#include <QMutexLocker>
#include <QTcpSocket>

namespace orbelune::test {

TTunnelProxyFixture::TTunnelProxyFixture(const QString& UserName, const QString& Password)
    : TAuthenticatingProxy(UserName, Password) {
    Start();
}

TTunnelProxyFixture::~TTunnelProxyFixture() {
    Stop();
}

int TTunnelProxyFixture::Tunnels() const {
    QMutexLocker lock(&mutex_);
    return tunnels_;
}

void TTunnelProxyFixture::Answer(QTcpSocket* socket, const TRequestHead& head) {
    if (!Admit(socket, head)) return;
    const qsizetype colon = head.Target.lastIndexOf(':');
    if (head.Method != "CONNECT" || colon < 0) {
        socket->write("HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    {
        QMutexLocker lock(&mutex_);
        ++tunnels_;
    }
    auto* upstream = new QTcpSocket(socket);
    QObject::connect(upstream, &QTcpSocket::connected, socket,
                     [socket] { socket->write("HTTP/1.1 200 Connection established\r\n\r\n"); });
    QObject::connect(upstream, &QIODevice::readyRead, socket,
                     [socket, upstream] { socket->write(upstream->readAll()); });
    QObject::connect(socket, &QIODevice::readyRead, upstream,
                     [socket, upstream] { upstream->write(socket->readAll()); });
    QObject::connect(upstream, &QAbstractSocket::disconnected, socket,
                     [socket] { socket->disconnectFromHost(); });
    QObject::connect(upstream, &QAbstractSocket::errorOccurred, socket,
                     [socket] { socket->disconnectFromHost(); });
    QObject::connect(socket, &QAbstractSocket::disconnected, upstream,
                     [upstream] { upstream->disconnectFromHost(); });
    upstream->connectToHost(QString::fromLatin1(head.Target.left(colon)),
                            quint16(head.Target.mid(colon + 1).toUInt()));
}

}  // namespace orbelune::test
