#include "HostileServer.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <QVariant>

#include <memory>

namespace orbelune::test {

namespace {

// Every stream ends after this much, whatever the client does.
constexpr qint64 MaxStreamBytes = 256 * 1024 * 1024;
constexpr int MaxStreamMs = 20000;
// More is written only while less than this waits in the socket.
constexpr qint64 MaxQueuedBytes = 256 * 1024;
// The socket property that marks a connection the server itself ended.
constexpr const char* EndedByServer = "endedByServer";

QByteArray HeaderLines(qint64 sent) {
    QByteArray lines;
    for (int i = 0; i < 64; ++i)
        lines += "X-Filler-" + QByteArray::number(sent + i) + ": " + QByteArray(50, 'h') + "\r\n";
    return lines;
}

QByteArray BodyChunk(qint64) {
    return QByteArray(64 * 1024, 'x');
}

QByteArray OneByte(qint64) {
    return QByteArray(1, 'y');
}

QByteArray RandomBytes(int count, quint32 seed) {
    QByteArray bytes(count, '\0');
    for (char& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<char>(seed >> 24);
    }
    return bytes;
}

}  // namespace

THostileServer::THostileServer(QByteArray Body) : body_(std::move(Body)) {
    Start();
}

THostileServer::~THostileServer() {
    Stop();
}

qint64 THostileServer::BytesSent() const {
    QMutexLocker lock(&mutex_);
    return sent_;
}

int THostileServer::Connections() const {
    QMutexLocker lock(&mutex_);
    return connections_;
}

int THostileServer::ClosedByClient() const {
    QMutexLocker lock(&mutex_);
    return closedByClient_;
}

bool THostileServer::WaitForAllClosed(int TimeoutMs) const {
    const QDeadlineTimer deadline(TimeoutMs);
    for (;;) {
        {
            QMutexLocker lock(&mutex_);
            if (ended_ == connections_) return true;
        }
        if (deadline.hasExpired()) return false;
        QThread::msleep(5);  // a polling step: the server runs on its own thread
    }
}

void THostileServer::Answer(QTcpSocket* socket, const TRequestHead& head) {
    {
        QMutexLocker lock(&mutex_);
        ++connections_;
    }
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, [this, socket] {
        QMutexLocker lock(&mutex_);
        ++ended_;
        if (!socket->property(EndedByServer).toBool()) ++closedByClient_;
        socket->deleteLater();
    });
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n";
    const QByteArray target = head.Target;
    if (target == EndlessHeaders || head.Method == "CONNECT") {
        Stream(socket, ok, HeaderLines, 1);
    } else if (target == EndlessBody) {
        Stream(socket, ok + "\r\n", BodyChunk, 1);
    } else if (target == SlowBody) {
        Stream(socket, ok + "Content-Length: 1000\r\n\r\n", OneByte, 50);
    } else {
        const QByteArray reply =
            target == Garbage ? RandomBytes(40 * 1024, 17)
            : !body_.isEmpty()
                ? ok + "Content-Length: " + QByteArray::number(body_.size()) + "\r\n\r\n" + body_
                : QByteArray(
                      "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        {
            QMutexLocker lock(&mutex_);
            sent_ += reply.size();
        }
        socket->setProperty(EndedByServer, true);
        socket->write(reply);
        socket->disconnectFromHost();
    }
}

void THostileServer::Stream(QTcpSocket* socket, const QByteArray& head,
                            QByteArray (*next)(qint64 sent), int intervalMs) {
    socket->write(head);
    auto* pump = new QTimer(socket);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto streamed = std::make_shared<qint64>(0);
    QObject::connect(pump, &QTimer::timeout, socket, [=, this] {
        if (socket->state() != QAbstractSocket::ConnectedState) return pump->stop();
        if (*streamed >= MaxStreamBytes || clock->elapsed() >= MaxStreamMs) {
            pump->stop();
            socket->setProperty(EndedByServer, true);
            socket->disconnectFromHost();
            return;
        }
        if (socket->bytesToWrite() >= MaxQueuedBytes) return;
        const QByteArray chunk = next(*streamed);
        *streamed += chunk.size();
        {
            QMutexLocker lock(&mutex_);
            sent_ += chunk.size();
        }
        socket->write(chunk);
    });
    pump->start(intervalMs);
}

}  // namespace orbelune::test
