#include "SntpPacket.h"

#include <cmath>

namespace orbelune {

namespace {

// Seconds from 1900-01-01 (the NTP epoch) to 1970-01-01 (the system clock's).
constexpr std::int64_t NtpToUnixSeconds = 2208988800;
constexpr double FractionPerSecond = 4294967296.0;  // 2^32

constexpr int OriginateAt = 24;
constexpr int ReceiveAt = 32;
constexpr int TransmitAt = 40;

TNtpTimestamp TimestampAt(const QByteArray& Packet, int At) {
    TNtpTimestamp value = 0;
    for (int i = 0; i < 8; ++i) value = (value << 8) | static_cast<std::uint8_t>(Packet[At + i]);
    return value;
}

TSntpFault HeaderFault(const QByteArray& Reply, TNtpTimestamp Sent) {
    if (Reply.size() < SntpPacketSize) return TSntpFault::Short;
    const auto first = static_cast<std::uint8_t>(Reply[0]);
    const int leap = first >> 6;
    const int version = (first >> 3) & 7;
    const int mode = first & 7;
    const int stratum = static_cast<std::uint8_t>(Reply[1]);
    if (mode != 4) return TSntpFault::NotServer;
    if (version != 3 && version != 4) return TSntpFault::Version;
    if (stratum == 0) return TSntpFault::KissOfDeath;
    if (stratum > 15) return TSntpFault::BadStratum;
    if (leap == 3) return TSntpFault::Unsynchronised;
    if (TimestampAt(Reply, OriginateAt) != Sent) return TSntpFault::NotOurRequest;
    if (TimestampAt(Reply, TransmitAt) == 0) return TSntpFault::NoTime;
    return TSntpFault::None;
}

}  // namespace

TNtpTimestamp NtpTimestampOf(std::chrono::system_clock::time_point Moment) {
    using namespace std::chrono;
    const auto sinceUnix = duration_cast<nanoseconds>(Moment.time_since_epoch());
    const auto whole = floor<seconds>(sinceUnix);
    const auto nanos = static_cast<std::uint64_t>((sinceUnix - whole).count());
    // Unsigned arithmetic keeps the seconds modulo 2^32, which is the era's drop.
    const auto ntpSeconds =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole.count() + NtpToUnixSeconds));
    const std::uint64_t fraction = (nanos << 32) / 1000000000u;
    return (static_cast<TNtpTimestamp>(ntpSeconds) << 32) | fraction;
}

double NtpSecondsBetween(TNtpTimestamp From, TNtpTimestamp To) {
    return static_cast<double>(static_cast<std::int64_t>(To - From)) / FractionPerSecond;
}

QByteArray SntpRequest(TNtpTimestamp Transmit) {
    QByteArray packet(SntpPacketSize, '\0');
    packet[0] = static_cast<char>((0 << 6) | (4 << 3) | 3);
    for (int i = 0; i < 8; ++i)
        packet[TransmitAt + i] = static_cast<char>((Transmit >> (56 - 8 * i)) & 0xFF);
    return packet;
}

QString SntpFaultText(TSntpFault Fault) {
    switch (Fault) {
        case TSntpFault::None:
            return {};
        case TSntpFault::Short:
            return QStringLiteral("The time server's reply was too short.");
        case TSntpFault::NotServer:
            return QStringLiteral("The reply did not come from a time server.");
        case TSntpFault::Version:
            return QStringLiteral("The time server answered in an unknown version.");
        case TSntpFault::KissOfDeath:
            return QStringLiteral("The time server refused to serve this computer.");
        case TSntpFault::BadStratum:
        case TSntpFault::Unsynchronised:
            return QStringLiteral("The time server's own clock is not synchronised.");
        case TSntpFault::NotOurRequest:
            return QStringLiteral("The reply did not answer this computer's request.");
        case TSntpFault::NoTime:
            return QStringLiteral("The time server's reply carried no time.");
        case TSntpFault::NegativeDelay:
            return QStringLiteral(
                "The time server's times do not fit the round trip of its reply; it was not "
                "used.");
        case TSntpFault::TooFar:
            return QStringLiteral(
                "The time server's time is more than a year away from the PC clock; it was "
                "not used.");
    }
    return {};
}

TSntpMeasure MeasureSntpReply(const QByteArray& Datagram, TNtpTimestamp Sent,
                              TNtpTimestamp Received) {
    TSntpMeasure measure;
    measure.Fault = HeaderFault(Datagram, Sent);
    if (measure.Fault != TSntpFault::None) return measure;
    const TNtpTimestamp serverReceived = TimestampAt(Datagram, ReceiveAt);
    const TNtpTimestamp serverSent = TimestampAt(Datagram, TransmitAt);
    const double outward = NtpSecondsBetween(Sent, serverReceived);  // T2 - T1
    const double back = NtpSecondsBetween(Received, serverSent);     // T3 - T4
    measure.OffsetSeconds = (outward + back) / 2;
    measure.DelaySeconds = outward - back;  // (T4 - T1) - (T3 - T2)
    // A reply that came back before the server sent it (by our clock, less the offset)
    // carries made-up or corrupted times, whatever offset they give. A hair below zero
    // is the time stamps' resolution and a server's fuzz of its last bits.
    if (measure.DelaySeconds < -SntpDelayToleranceSeconds)
        measure.Fault = TSntpFault::NegativeDelay;
    else if (!(std::fabs(measure.OffsetSeconds) <= SntpMaxOffsetSeconds))
        measure.Fault = TSntpFault::TooFar;
    if (measure.Fault != TSntpFault::None) measure.OffsetSeconds = measure.DelaySeconds = 0;
    return measure;
}

}  // namespace orbelune
