#pragma once
// Sets the system clock on Linux. The clock is stepped through systemd-timedated
// (SetTime over the system D-Bus, relative to the present time, so the step is exact
// however long the call waits); polkit decides whether the user may, and may ask for a
// password when Interactive is set. Where timedated is missing or says no, the kernel
// clock is stepped directly, which needs CAP_SYS_TIME. A clock that timedated keeps
// synchronised itself is left alone.
//
// "The system keeps its own time" when timedated reports NTP on or the clock
// synchronised; without timedated, when the kernel's clock is marked synchronised (an
// NTP daemon runs).

#include "PlatformSeams.h"

#include <QDBusConnection>

#include <functional>

namespace orbelune {

// The kernel's own clock: its synchronisation mark and a step.
struct TKernelClock {
    std::function<bool()> Synchronized;
    // 0 when the clock was stepped, else the errno of the refusal (EPERM: not permitted).
    std::function<int(double OffsetSeconds)> StepBy;
};
TKernelClock SystemKernelClock();

class TLinuxClockSetter final : public TClockSetter {
public:
    // Time given to a call that may wait for the user to authorise it.
    static constexpr int InteractiveTimeoutMs = 120000;
    static constexpr int CallTimeoutMs = 10000;

    explicit TLinuxClockSetter(QDBusConnection Bus = QDBusConnection::systemBus(),
                               TKernelClock Kernel = SystemKernelClock());

    bool SynchronizedBySystem() override;
    TClockSetResult StepBy(double OffsetSeconds, bool Interactive) override;

private:
    QDBusConnection bus_;
    TKernelClock kernel_;
};

}  // namespace orbelune
