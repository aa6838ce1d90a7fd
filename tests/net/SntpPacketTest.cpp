// NTP time stamps, the request and the checks and arithmetic applied to a reply. Dates are
// built with the standard library's calendar, apart from the code under test; the era
// boundary 2036-02-07 06:28:16 UTC is where the 32-bit seconds since 1900 wrap.
#include "SntpPacket.h"
#include "SntpResponder.h"

#include <gtest/gtest.h>

#include <chrono>

namespace orbelune {
namespace {

using namespace std::chrono;
using test::SntpReplyTo;
using test::TSntpSpoil;

constexpr sys_days Era1Start = sys_days{year{2036} / February / 7};
constexpr auto EraWrap = Era1Start + hours{6} + minutes{28} + seconds{16};

TEST(NtpTimestamp, SecondsSince1900WithTheEraDropped) {
    struct TCase {
        system_clock::time_point Moment;
        TNtpTimestamp Expected;
    };
    const TCase cases[] = {
        {sys_days{year{1970} / January / 1}, TNtpTimestamp{2208988800u} << 32},
        {sys_days{year{2000} / January / 1}, TNtpTimestamp{3155673600u} << 32},
        {sys_days{year{2000} / January / 1} + milliseconds{500},
         (TNtpTimestamp{3155673600u} << 32) | 0x80000000u},
        {EraWrap - milliseconds{500}, 0xFFFFFFFF80000000u},
        {EraWrap, 0},
        {EraWrap + seconds{1} + milliseconds{250}, 0x0000000140000000u},
    };
    for (const TCase& c : cases) EXPECT_EQ(NtpTimestampOf(c.Moment), c.Expected);
}

TEST(NtpTimestamp, DifferencesHoldAcrossTheEraWrap) {
    const TNtpTimestamp before = NtpTimestampOf(EraWrap - milliseconds{500});
    const TNtpTimestamp after = NtpTimestampOf(EraWrap + milliseconds{1500});
    EXPECT_DOUBLE_EQ(NtpSecondsBetween(before, after), 2.0);
    EXPECT_DOUBLE_EQ(NtpSecondsBetween(after, before), -2.0);
}

TEST(SntpRequest, IsVersion4Mode3WithOurTransmitTime) {
    const QByteArray request = SntpRequest(0x0123456789ABCDEFu);
    ASSERT_EQ(request.size(), 48);
    EXPECT_EQ(static_cast<unsigned char>(request[0]), 0x23);  // leap 0, version 4, mode 3
    EXPECT_EQ(request.mid(40), QByteArray::fromHex("0123456789ABCDEF"));
    EXPECT_EQ(request.mid(1, 39), QByteArray(39, '\0'));
}

// RFC 4330's offset ((T2 - T1) + (T3 - T4)) / 2 and delay (T4 - T1) - (T3 - T2).
TEST(SntpReply, OffsetAndDelayFromTheFourTimeStamps) {
    struct TCase {
        system_clock::time_point Sent;  // T1
        double ServerAhead;             // T2 - T1
        double Hold;                    // T3 - T2
        double RoundTrip;               // T4 - T1
        double Offset, Delay;
    };
    const auto today = sys_days{year{2024} / March / 10} + hours{12};
    const TCase cases[] = {
        {today, 10.1, 0.1, 0.3, 10.0, 0.2},
        {today, -1.95, 0.0, 0.1, -2.0, 0.1},
        // The server is already in the next era, the client not yet.
        {EraWrap - seconds{1}, 1.5, 0.0, 0.0, 1.5, 0.0},
        {sys_days{year{2040} / January / 1}, -2.0, 0.0, 0.0, -2.0, 0.0},
    };
    for (const TCase& c : cases) {
        const QByteArray request = SntpRequest(NtpTimestampOf(c.Sent));
        const TNtpTimestamp t1 = NtpTimestampOf(c.Sent);
        const QByteArray reply = SntpReplyTo(request, {c.ServerAhead, TSntpSpoil::None, 0, c.Hold});
        const TNtpTimestamp t4 =
            NtpTimestampOf(c.Sent + duration_cast<nanoseconds>(duration<double>(c.RoundTrip)));
        const TSntpMeasure m = MeasureSntpReply(reply, t1, t4);
        EXPECT_EQ(m.Fault, TSntpFault::None);
        EXPECT_NEAR(m.OffsetSeconds, c.Offset, 1e-6);
        EXPECT_NEAR(m.DelaySeconds, c.Delay, 1e-6);
    }
}

TEST(SntpReply, EachSpoiltFieldIsRefused) {
    struct TCase {
        TSntpSpoil Spoil;
        TSntpFault Fault;
    };
    const TCase cases[] = {
        {TSntpSpoil::Short, TSntpFault::Short},
        {TSntpSpoil::ClientMode, TSntpFault::NotServer},
        {TSntpSpoil::Version2, TSntpFault::Version},
        {TSntpSpoil::Version5, TSntpFault::Version},
        {TSntpSpoil::KissOfDeath, TSntpFault::KissOfDeath},
        {TSntpSpoil::Stratum16, TSntpFault::BadStratum},
        {TSntpSpoil::Unsynchronised, TSntpFault::Unsynchronised},
        {TSntpSpoil::WrongOriginate, TSntpFault::NotOurRequest},
        {TSntpSpoil::ZeroTransmit, TSntpFault::NoTime},
    };
    const TNtpTimestamp sent = NtpTimestampOf(sys_days{year{2024} / March / 10});
    const QByteArray request = SntpRequest(sent);
    for (const TCase& c : cases) {
        const TSntpMeasure m = MeasureSntpReply(SntpReplyTo(request, {1.0, c.Spoil}), sent, sent);
        EXPECT_EQ(m.Fault, c.Fault) << static_cast<int>(c.Spoil);
        EXPECT_EQ(m.OffsetSeconds, 0.0);
        EXPECT_FALSE(SntpFaultText(m.Fault).isEmpty());
    }
}

TEST(SntpReply, VersionThreeAndTrailingBytesAreAccepted) {
    const TNtpTimestamp sent = NtpTimestampOf(sys_days{year{2024} / March / 10});
    QByteArray reply = SntpReplyTo(SntpRequest(sent), {0.25});
    reply[0] = static_cast<char>((3 << 3) | 4);
    reply += QByteArray(20, '\x55');  // a key identifier and digest
    const TSntpMeasure m = MeasureSntpReply(reply, sent, sent);
    EXPECT_EQ(m.Fault, TSntpFault::None);
    EXPECT_DOUBLE_EQ(m.OffsetSeconds, 0.25);
}

// More than a year away, or a round trip shorter than the server's own hold of the
// request (a negative delay), and the times are not used.
TEST(SntpReply, AnOffsetBeyondAYearOrANegativeRoundTripIsRefused) {
    const struct {
        double ServerAhead, Hold, RoundTrip;  // seconds, as in the test above
        TSntpFault Fault;
    } cases[] = {
        {-367.0 * 86400, 0, 0, TSntpFault::TooFar},
        {367.0 * 86400, 0, 0, TSntpFault::TooFar},
        {30000.0 * 86400, 0, 0, TSntpFault::TooFar},
        {365.0 * 86400, 0, 0, TSntpFault::None},
        {0.5, 0.4, 0.3, TSntpFault::NegativeDelay},
        {0.5, 0.3015, 0.3, TSntpFault::NegativeDelay},
        {-4000.0, 0.5, 0.0, TSntpFault::NegativeDelay},
        {0.5, 0.3, 0.3, TSntpFault::None},     // no delay at all, to the time stamps' grain
        {0.5, 0.3005, 0.3, TSntpFault::None},  // within a server's fuzz
    };
    const auto sent = sys_days{year{2024} / March / 10};
    const QByteArray request = SntpRequest(NtpTimestampOf(sent));
    for (const auto& c : cases) {
        const TSntpMeasure m = MeasureSntpReply(
            SntpReplyTo(request, {c.ServerAhead, TSntpSpoil::None, 0, c.Hold}),
            NtpTimestampOf(sent),
            NtpTimestampOf(sent + duration_cast<nanoseconds>(duration<double>(c.RoundTrip))));
        EXPECT_EQ(m.Fault, c.Fault) << c.ServerAhead << " " << c.Hold;
        if (c.Fault != TSntpFault::None) {
            EXPECT_EQ(m.OffsetSeconds, 0.0);
        }
    }
}

}  // namespace
}  // namespace orbelune
