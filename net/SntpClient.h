#pragma once
// Asks an internet time server how far the PC clock is off: one SNTP exchange over UDP
// (RFC 4330). The request carries our transmit time; the first reply that passes every
// check of MeasureSntpReply within the receive time-out gives the offset and the delay.
// Replies that fail a check are ignored while the time-out runs, so one stray or forged
// datagram cannot spoil the exchange. The socket is connected to the server, so only
// datagrams from the address and port asked are delivered at all.
//
// Query waits in a local event loop: the windows keep painting and the clock keeps
// ticking meanwhile. It must not be entered again while it waits (a timer that fires
// during the wait gets an error, not a second exchange).

#include "PlatformSeams.h"

#include <QString>

#include <chrono>
#include <functional>

namespace orbelune {

// The time stamps' source: the system clock, or a fixed clock in the tests.
using TUtcClock = std::function<std::chrono::system_clock::time_point()>;

class TSntpClient final : public TInternetTimeQuery {
public:
    static constexpr quint16 DefaultPort = 123;
    static constexpr int DefaultTimeoutMs = 5000;

    explicit TSntpClient(quint16 Port = DefaultPort, int TimeoutMs = DefaultTimeoutMs,
                         TUtcClock Clock = &std::chrono::system_clock::now);

    // Server is a host name or an address. The name look-up and the wait for the reply
    // each get the time-out.
    TTimeQueryResult Query(const QString& Server) override;

private:
    const quint16 port_;
    const int timeoutMs_;
    const TUtcClock clock_;
    bool busy_ = false;
};

}  // namespace orbelune
