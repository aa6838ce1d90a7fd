// The clock setter's D-Bus road against a fake time service on a private bus. The kernel
// clock is a recording fake: no test changes the machine's clock.
#include "FakeTimedated.h"
#include "LinuxClockSetter.h"
#include "PrivateBus.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QtNumeric>

#include <cerrno>

namespace orbelune {
namespace {

using test::TFakeTimedated;
using test::TPrivateBus;

const QString AutomaticSync = QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled");
const QString AccessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
const QString AuthorisationRequired =
    QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired");

class LinuxClockSetterTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus_.Address().isEmpty()) << "dbus-daemon did not start";
        ASSERT_TRUE(service_.Register(bus_.Connect(QStringLiteral("service"))));
    }

    TLinuxClockSetter Setter() {
        const TKernelClock kernel{[this] { return kernelSynchronized_; },
                                  [this](double offset) {
                                      kernelSteps_.append(offset);
                                      return kernelError_;
                                  }};
        return TLinuxClockSetter(bus_.Connect(QStringLiteral("client%1").arg(++clients_)), kernel);
    }

    TPrivateBus bus_;
    TFakeTimedated service_;
    bool kernelSynchronized_ = false;
    int kernelError_ = EPERM;
    QList<double> kernelSteps_;
    int clients_ = 0;
};

TEST_F(LinuxClockSetterTest, StepsThroughTheTimeServiceByMicroseconds) {
    kernelError_ = 0;
    struct TCase {
        double Offset;
        bool Interactive;
        qlonglong Microseconds;
    };
    for (const TCase& c :
         {TCase{1.5, true, 1500000}, TCase{-2.0, false, -2000000}, TCase{0.0000014, false, 1}}) {
        const TClockSetResult r = Setter().StepBy(c.Offset, c.Interactive);
        EXPECT_TRUE(r.Set) << r.Reason.toStdString();
        ASSERT_FALSE(service_.Calls.isEmpty());
        const TFakeTimedated::TSetTimeCall call = service_.Calls.takeLast();
        EXPECT_EQ(call.Microseconds, c.Microseconds);
        EXPECT_TRUE(call.Relative);
        EXPECT_EQ(call.Interactive, c.Interactive);
        EXPECT_EQ(call.AuthorisationAllowed, c.Interactive);
    }
    EXPECT_TRUE(kernelSteps_.isEmpty());
}

TEST_F(LinuxClockSetterTest, ARefusalGivesAReasonOrTheKernelsWord) {
    struct TCase {
        QString Refusal;
        int KernelError;
        bool Set;
        QString Reason;
        int KernelSteps;
    };
    const TCase cases[] = {
        {AutomaticSync, 0, false, QStringLiteral("automatic time synchronisation is on"), 0},
        {AccessDenied, EPERM, false, QStringLiteral("not permitted"), 1},
        {AuthorisationRequired, EPERM, false, QStringLiteral("not permitted"), 1},
        {AccessDenied, 0, true, QString(), 1},  // polkit said no, but CAP_SYS_TIME is held
    };
    for (const TCase& c : cases) {
        service_.RefuseWith = c.Refusal;
        kernelError_ = c.KernelError;
        kernelSteps_.clear();
        const TClockSetResult r = Setter().StepBy(-2.0, false);
        EXPECT_EQ(r.Set, c.Set) << c.Refusal.toStdString();
        EXPECT_EQ(r.Reason, c.Reason) << c.Refusal.toStdString();
        EXPECT_EQ(kernelSteps_.size(), c.KernelSteps) << c.Refusal.toStdString();
        if (c.KernelSteps > 0) {
            EXPECT_EQ(kernelSteps_.constFirst(), -2.0);
        }
    }
    EXPECT_EQ(service_.Calls.size(), 4);
}

TEST_F(LinuxClockSetterTest, WithoutTheTimeServiceTheKernelDecides) {
    QDBusConnection(QStringLiteral("service"))
        .unregisterService(QStringLiteral("org.freedesktop.timedate1"));
    EXPECT_EQ(Setter().StepBy(1.5, false).Reason, QStringLiteral("not permitted"));
    kernelError_ = 0;
    EXPECT_TRUE(Setter().StepBy(1.5, false).Set);
    EXPECT_EQ(kernelSteps_, QList<double>({1.5, 1.5}));

    for (const bool synchronized : {false, true}) {
        kernelSynchronized_ = synchronized;
        EXPECT_EQ(Setter().SynchronizedBySystem(), synchronized);
    }
}

TEST_F(LinuxClockSetterTest, TheSystemKeepsItsOwnTimeWhenNtpIsOnOrSynchronised) {
    kernelSynchronized_ = true;  // not asked while the time service answers
    struct TCase {
        bool Ntp, Synchronized, Expected;
    };
    for (const TCase& c : {TCase{false, false, false}, TCase{true, false, true},
                           TCase{false, true, true}, TCase{true, true, true}}) {
        service_.Ntp = c.Ntp;
        service_.Synchronized = c.Synchronized;
        EXPECT_EQ(Setter().SynchronizedBySystem(), c.Expected) << c.Ntp << c.Synchronized;
    }
}

TEST_F(LinuxClockSetterTest, AnUnusableOffsetIsNeverSent) {
    kernelError_ = 0;
    for (const double offset : {qQNaN(), qInf(), -qInf(), 1e13}) {
        const TClockSetResult r = Setter().StepBy(offset, true);
        EXPECT_FALSE(r.Set);
        EXPECT_FALSE(r.Reason.isEmpty());
    }
    EXPECT_TRUE(service_.Calls.isEmpty());
    EXPECT_TRUE(kernelSteps_.isEmpty());
}

}  // namespace
}  // namespace orbelune
