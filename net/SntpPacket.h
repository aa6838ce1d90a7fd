#pragma once
// SNTP version 4 packets (RFC 4330): the client's 48-byte request, the checks a server's
// reply must pass before its time stamps are used, and the clock offset and round-trip
// delay from the four time stamps of one exchange.
//
// An NTP time stamp is 64-bit fixed point: seconds since 1900-01-01 00:00 UTC in the upper
// 32 bits, the fraction of a second in the lower 32. The seconds wrap every 2^32 s (the
// first wrap is at 2036-02-07 06:28:16 UTC), so time stamps are only ever subtracted,
// modulo 2^64, which is exact and right across a wrap while the two times lie within
// 68 years of each other. Offsets are good to the clocks' resolution (below 1 us here);
// their accuracy is that of the network path, half the asymmetry of the round trip.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>

namespace orbelune {

using TNtpTimestamp = std::uint64_t;

inline constexpr int SntpPacketSize = 48;
// A reply whose time lies further than this from the PC clock is not used: no server
// may throw the clock into another year.
inline constexpr double SntpMaxOffsetSeconds = 366.0 * 86400.0;

// A round-trip delay below zero by more than this means the reply's times cannot be
// right (by less, it is the time stamps' resolution and a server's fuzz).
inline constexpr double SntpDelayToleranceSeconds = 0.001;

// The NTP time stamp of a moment (its era dropped).
TNtpTimestamp NtpTimestampOf(std::chrono::system_clock::time_point Moment);
// To - From in seconds, for moments within 68 years of each other.
double NtpSecondsBetween(TNtpTimestamp From, TNtpTimestamp To);

// A client request: leap indicator 0, version 4, mode 3, the transmit time stamp set.
QByteArray SntpRequest(TNtpTimestamp Transmit);

enum class TSntpFault {
    None,
    Short,           // fewer than 48 bytes
    NotServer,       // mode other than 4
    Version,         // version other than 3 or 4
    KissOfDeath,     // stratum 0: the server refuses service
    BadStratum,      // stratum above 15: the server is not synchronised
    Unsynchronised,  // leap indicator 3: the server's clock is not set
    NotOurRequest,   // the originate time stamp is not the transmit time stamp we sent
    NoTime,          // the transmit time stamp is zero
    TooFar,          // the offset passes SntpMaxOffsetSeconds
    NegativeDelay,   // the server held the request longer than the whole round trip took
};

// A sentence for the Time tab that says why a reply was not used.
QString SntpFaultText(TSntpFault Fault);

struct TSntpMeasure {
    TSntpFault Fault = TSntpFault::None;
    double OffsetSeconds = 0;  // server minus client: ((T2 - T1) + (T3 - T4)) / 2
    double DelaySeconds = 0;   // (T4 - T1) - (T3 - T2)
};

// Checks Datagram, the reply to a request sent at Sent (T1) and received at Received (T4),
// and measures the offset and delay from it; Fault says why a reply cannot be used.
TSntpMeasure MeasureSntpReply(const QByteArray& Datagram, TNtpTimestamp Sent,
                              TNtpTimestamp Received);

}  // namespace orbelune
