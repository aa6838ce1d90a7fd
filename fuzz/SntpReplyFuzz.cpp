// The checks and arithmetic applied to a time server's reply, on any datagram and any
// pair of our own time stamps (the input's first 16 bytes: sent, then received, big
// endian). A reply that is used must have passed every check of the header and give a
// finite offset within a year and a delay that is not below zero; one that is refused
// gives nothing and a reason.
#include "SntpPacket.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orbelune;

namespace {

TNtpTimestamp Timestamp(const uint8_t* bytes) {
    TNtpTimestamp value = 0;
    for (int i = 0; i < 8; ++i) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 16) return 0;
    const TNtpTimestamp sent = Timestamp(data);
    const TNtpTimestamp received = Timestamp(data + 8);
    const QByteArray reply(reinterpret_cast<const char*>(data + 16),
                           static_cast<qsizetype>(size - 16));
    const TSntpMeasure m = MeasureSntpReply(reply, sent, received);
    if (SntpFaultText(m.Fault).isEmpty() != (m.Fault == TSntpFault::None)) std::abort();
    if (m.Fault != TSntpFault::None) {
        if (m.OffsetSeconds != 0 || m.DelaySeconds != 0) std::abort();
        return 0;
    }
    const auto first = static_cast<uint8_t>(reply[0]);
    const int stratum = static_cast<uint8_t>(reply[1]);
    const bool headerOk =
        reply.size() >= SntpPacketSize && (first & 7) == 4 && ((first >> 3) & 7) >= 3 &&
        ((first >> 3) & 7) <= 4 && (first >> 6) != 3 && stratum >= 1 && stratum <= 15 &&
        Timestamp(reinterpret_cast<const uint8_t*>(reply.constData()) + 24) == sent &&
        Timestamp(reinterpret_cast<const uint8_t*>(reply.constData()) + 40) != 0;
    if (!headerOk || !std::isfinite(m.OffsetSeconds) || !std::isfinite(m.DelaySeconds) ||
        std::fabs(m.OffsetSeconds) > SntpMaxOffsetSeconds ||
        m.DelaySeconds < -SntpDelayToleranceSeconds)
        std::abort();
    return 0;
}
