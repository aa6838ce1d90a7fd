// The SNTP client against the responder on 127.0.0.1. The client's clock is fixed (or
// steps by a fixed amount per reading), so the offsets it measures are exact.
#include "QStringPrinter.h"
#include "SntpClient.h"
#include "SntpResponder.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <chrono>
#include <memory>

namespace orbelune {
namespace {

using namespace std::chrono;
using test::TSntpResponder;
using test::TSntpScriptReply;
using test::TSntpSpoil;

constexpr int ShortTimeoutMs = 400;
const QString Localhost = QStringLiteral("127.0.0.1");
const system_clock::time_point Noon = sys_days{year{2024} / March / 10} + hours{12};

// A clock that reads Start, then Start + Step, Start + 2 Step, ...
TUtcClock SteppingClock(system_clock::time_point Start, duration<double> Step = {}) {
    auto reading = std::make_shared<int>(0);
    return [=] { return Start + duration_cast<system_clock::duration>(Step * (*reading)++); };
}

TTimeQueryResult Ask(const TSntpResponder& Server, int TimeoutMs = 5000,
                     TUtcClock Clock = SteppingClock(Noon)) {
    return TSntpClient(Server.Port(), TimeoutMs, std::move(Clock)).Query(Localhost);
}

TEST(SntpClient, MeasuresTheServersOffset) {
    for (const double offset : {1.5, -2.0}) {
        TSntpResponder server({TSntpScriptReply{offset}});
        const TTimeQueryResult r = Ask(server);
        ASSERT_TRUE(r.Answered) << r.Error.toStdString();
        EXPECT_EQ(QString::number(r.OffsetSeconds, 'f', 3),
                  offset > 0 ? QStringLiteral("1.500") : QStringLiteral("-2.000"));
        EXPECT_EQ(r.DelaySeconds, 0.0);
        EXPECT_TRUE(r.Error.isEmpty());
        ASSERT_EQ(server.Requests().size(), 1);
        EXPECT_EQ(server.Requests()[0].size(), 48);
        EXPECT_EQ(static_cast<unsigned char>(server.Requests()[0][0]), 0x23);
    }
}

TEST(SntpClient, ReadsTheClockOnSendingAndOnReceiving) {
    // 0.2 s pass between the two readings and the server holds the request 0.05 s.
    TSntpResponder server({TSntpScriptReply{3.0, TSntpSpoil::None, 0, 0.05}});
    const TTimeQueryResult r = Ask(server, 5000, SteppingClock(Noon, duration<double>(0.2)));
    ASSERT_TRUE(r.Answered) << r.Error.toStdString();
    EXPECT_NEAR(r.OffsetSeconds, 3.0 - 0.075, 1e-6);
    EXPECT_NEAR(r.DelaySeconds, 0.15, 1e-6);
}

TEST(SntpClient, WorksAcrossTheNtpEraWrap) {
    const auto beforeWrap = sys_days{year{2036} / February / 7} + hours{6} + minutes{28} +
                            seconds{15} + milliseconds{500};
    TSntpResponder server({TSntpScriptReply{1.5}});  // the server's time stamps are in the next era
    const TTimeQueryResult r = Ask(server, 5000, SteppingClock(beforeWrap));
    ASSERT_TRUE(r.Answered) << r.Error.toStdString();
    EXPECT_DOUBLE_EQ(r.OffsetSeconds, 1.5);
}

// A spoilt reply arrives first and is ignored; the good one after it is taken.
TEST(SntpClient, TakesAGoodReplyAfterASpoiltOne) {
    for (const TSntpSpoil spoil :
         {TSntpSpoil::Short, TSntpSpoil::ClientMode, TSntpSpoil::Version2, TSntpSpoil::Version5,
          TSntpSpoil::KissOfDeath, TSntpSpoil::Stratum16, TSntpSpoil::Unsynchronised,
          TSntpSpoil::WrongOriginate, TSntpSpoil::ZeroTransmit, TSntpSpoil::OtherPort}) {
        TSntpResponder server({TSntpScriptReply{100.0, spoil}, {1.5, TSntpSpoil::None, 30}});
        const TTimeQueryResult r = Ask(server);
        ASSERT_TRUE(r.Answered) << static_cast<int>(spoil) << r.Error.toStdString();
        EXPECT_DOUBLE_EQ(r.OffsetSeconds, 1.5) << static_cast<int>(spoil);
    }
}

// A refused reply alone leaves the query unanswered, and the result says why.
TEST(SntpClient, ARefusedReplyAloneGivesNoAnswer) {
    struct TCase {
        TSntpScriptReply Reply;
        TSntpFault Fault;
    };
    for (const TCase& c : {TCase{{1.0, TSntpSpoil::KissOfDeath}, TSntpFault::KissOfDeath},
                           TCase{{400.0 * 86400}, TSntpFault::TooFar}}) {
        TSntpResponder server({c.Reply});
        const TTimeQueryResult r = Ask(server, ShortTimeoutMs);
        EXPECT_FALSE(r.Answered);
        EXPECT_EQ(r.OffsetSeconds, 0.0);
        EXPECT_EQ(r.Error, SntpFaultText(c.Fault));
    }
}

TEST(SntpClient, GivesUpAfterTheTimeOut) {
    struct TCase {
        QList<TSntpScriptReply> Script;
        bool Answered;
    };
    const TCase cases[] = {
        {{}, false},                                             // never answers
        {{{1.5, TSntpSpoil::None, ShortTimeoutMs * 3}}, false},  // too late
        {{{1.5, TSntpSpoil::OtherPort}}, false},                 // only from another port
        {{{1.5, TSntpSpoil::None, ShortTimeoutMs / 4}}, true},   // late, within the time-out
    };
    for (const TCase& c : cases) {
        TSntpResponder server(c.Script);
        const TTimeQueryResult r = Ask(server, ShortTimeoutMs);
        EXPECT_EQ(r.Answered, c.Answered) << r.Error.toStdString();
        if (!c.Answered) {
            EXPECT_EQ(r.Error,
                      QStringLiteral("The time server did not answer within 0.4 seconds."));
        }
    }
}

TEST(SntpClient, AnEmptyServerNameSendsNothing) {
    TSntpResponder server({TSntpScriptReply{1.0}});
    const TTimeQueryResult r = TSntpClient(server.Port()).Query(QStringLiteral("  "));
    EXPECT_FALSE(r.Answered);
    EXPECT_FALSE(r.Error.isEmpty());
    EXPECT_TRUE(server.Requests().isEmpty());
}

// The clock keeps ticking while a query waits, and a tick that asks again meanwhile is
// told so instead of starting a second exchange.
TEST(SntpClient, TheEventLoopTurnsWhileWaiting) {
    TSntpResponder server({TSntpScriptReply{1.5, TSntpSpoil::None, 300}});
    TSntpClient client(server.Port(), 5000, SteppingClock(Noon));
    int ticks = 0;
    TTimeQueryResult nested;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1) nested = client.Query(Localhost);
    });
    timer.start(20);
    const TTimeQueryResult r = client.Query(Localhost);
    EXPECT_TRUE(r.Answered);
    EXPECT_GT(ticks, 1);
    EXPECT_FALSE(nested.Answered);
    EXPECT_EQ(nested.Error, QStringLiteral("A time query is already running."));
    EXPECT_EQ(server.Requests().size(), 1);
}

}  // namespace
}  // namespace orbelune
