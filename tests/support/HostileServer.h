#pragma once
// A web server that misbehaves, for the download tests, on 127.0.0.1 at a free port.
// Each path is one way of misbehaving; the server counts what it sent and notices when
// the client hangs up. Every stream stops by itself after a bound in bytes and time.
#include "FixtureServer.h"

#include <QByteArray>
#include <QMutex>

namespace orbelune::test {

class THostileServer final : public TFixtureServer {
public:
    // The paths and what each does.
    static constexpr const char* EndlessHeaders =
        "/endless-headers";  // header lines, never a blank one
    static constexpr const char* EndlessBody =
        "/endless-body";  // 200, no length, bytes without end
    static constexpr const char* SlowBody =
        "/slow-body";  // 200 with a length, then a byte now and then
    static constexpr const char* Garbage = "/garbage";  // random bytes instead of HTTP
    // As a proxy, a CONNECT (a tunnel for HTTPS) is answered as EndlessHeaders.

    // Body: what every other path answers with 200 (control characters, a hostile
    // report, ...); without one, they are not found.
    explicit THostileServer(QByteArray Body = {});
    ~THostileServer() override;

    qint64 BytesSent() const;
    int Connections() const;
    // Connections the client closed (not those the server ended at its bound).
    int ClosedByClient() const;
    // Polls until every connection has ended, at most TimeoutMs; true when they have.
    bool WaitForAllClosed(int TimeoutMs) const;

protected:
    void Answer(QTcpSocket* socket, const TRequestHead& head) override;

private:
    void Stream(QTcpSocket* socket, const QByteArray& head, QByteArray (*next)(qint64 sent),
                int intervalMs);

    const QByteArray body_;
    mutable QMutex mutex_;
    qint64 sent_ = 0;
    int connections_ = 0;
    int closedByClient_ = 0;
    int ended_ = 0;
};

}  // namespace orbelune::test
