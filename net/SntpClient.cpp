#include "SntpClient.h"

#include "SntpPacket.h"

#include <QEventLoop>
#include <QNetworkDatagram>
#include <QScopeGuard>
#include <QTimer>
#include <QUdpSocket>

namespace orbelune {

TSntpClient::TSntpClient(quint16 Port, int TimeoutMs, TUtcClock Clock)
    : port_(Port), timeoutMs_(TimeoutMs), clock_(std::move(Clock)) {}

TTimeQueryResult TSntpClient::Query(const QString& Server) {
    TTimeQueryResult result;
    const QString host = Server.trimmed();
    if (host.isEmpty()) {
        result.Error = QStringLiteral("No time server is set.");
        return result;
    }
    if (busy_) {
        result.Error = QStringLiteral("A time query is already running.");
        return result;
    }
    busy_ = true;
    const auto idle = qScopeGuard([this] { busy_ = false; });

    QUdpSocket socket;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool done = false;
    TNtpTimestamp sent = 0;
    TSntpFault lastFault = TSntpFault::None;

    const auto finish = [&](const QString& error) {
        if (done) return;
        done = true;
        result.Error = error;
        loop.quit();
    };

    QObject::connect(&socket, &QUdpSocket::connected, &loop, [&] {
        sent = NtpTimestampOf(clock_());
        if (socket.write(SntpRequest(sent)) != SntpPacketSize) {
            finish(socket.errorString());
            return;
        }
        deadline.start(timeoutMs_);
    });
    QObject::connect(&socket, &QUdpSocket::readyRead, &loop, [&] {
        while (!done && socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram();
            // Nothing to read after all: an ICMP error, which Qt does not report for UDP.
            if (!datagram.isValid()) return;
            const TSntpMeasure measure =
                MeasureSntpReply(datagram.data(), sent, NtpTimestampOf(clock_()));
            if (measure.Fault != TSntpFault::None) {
                lastFault = measure.Fault;
                continue;
            }
            result.Answered = true;
            result.OffsetSeconds = measure.OffsetSeconds;
            result.DelaySeconds = measure.DelaySeconds;
            finish({});
        }
    });
    QObject::connect(
        &socket, &QUdpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::HostNotFoundError)
                finish(QStringLiteral("The time server \"%1\" was not found.").arg(host));
            else
                finish(socket.errorString());
        });
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        if (lastFault != TSntpFault::None)
            finish(SntpFaultText(lastFault));
        else if (socket.state() != QAbstractSocket::ConnectedState)
            finish(QStringLiteral("The time server \"%1\" could not be reached.").arg(host));
        else
            finish(QStringLiteral("The time server did not answer within %1 seconds.")
                       .arg(timeoutMs_ / 1000.0));
    });

    deadline.start(timeoutMs_);  // for the name look-up; restarted when the request is out
    socket.connectToHost(host, port_);
    if (!done) loop.exec();
    // Only an application that quits leaves the loop early.
    if (!done) result.Error = QStringLiteral("The time query was stopped.");
    socket.abort();
    return result;
}

}  // namespace orbelune
