#pragma once
// The two desktop seams of internet time: asking a time server how far the PC clock is
// off, and stepping the system clock. Each has one real implementation (TSntpClient,
// TLinuxClockSetter) and fakes in the tests.

#include <QString>

namespace orbelune {

struct TTimeQueryResult {
    bool Answered = false;
    double OffsetSeconds = 0;  // server time minus PC time
    double DelaySeconds = 0;   // round trip, less the server's own hold time
    QString Error;             // why there is no answer
};

class TInternetTimeQuery {
public:
    virtual ~TInternetTimeQuery() = default;
    // Asks Server once and waits (the event loop keeps turning) for the answer or the time-out.
    virtual TTimeQueryResult Query(const QString& Server) = 0;
};

struct TClockSetResult {
    bool Set = false;
    QString Reason;  // why the clock was not set
};

class TClockSetter {
public:
    virtual ~TClockSetter() = default;
    // True when the system keeps its own time (NTP synchronisation is on).
    virtual bool SynchronizedBySystem() = 0;
    // Steps the system clock by OffsetSeconds; Interactive lets the desktop ask for authorisation.
    virtual TClockSetResult StepBy(double OffsetSeconds, bool Interactive) = 0;
};

}  // namespace orbelune
