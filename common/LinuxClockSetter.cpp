#include "LinuxClockSetter.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QVariantMap>

#include <sys/timex.h>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <optional>

namespace orbelune {

namespace {

const QString Service = QStringLiteral("org.freedesktop.timedate1");
const QString Path = QStringLiteral("/org/freedesktop/timedate1");
const QString Interface = QStringLiteral("org.freedesktop.timedate1");
const QString AutomaticSyncError =
    QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled");

// Larger steps do not fit the call's microseconds, nor any sensible clock.
constexpr double LargestStepSeconds = 1e12;

// Sends Call and waits for its reply in a local event loop, so a password prompt does
// not freeze the windows; nothing when the program quits meanwhile.
std::optional<QDBusMessage> CallAndWait(const QDBusConnection& Bus, const QDBusMessage& Call,
                                        int TimeoutMs) {
    QDBusPendingCallWatcher watcher(Bus.asyncCall(Call, TimeoutMs));
    if (!watcher.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!watcher.isFinished()) return std::nullopt;
    return watcher.reply();
}

bool KernelSynchronized() {
    timex state{};
    const int status = adjtimex(&state);  // modes 0: a read, open to every user
    return status != -1 && status != TIME_ERROR && (state.status & STA_UNSYNC) == 0;
}

int StepKernelClock(double OffsetSeconds) {
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0) return errno;
    const double whole = std::floor(OffsetSeconds);
    long nanos = now.tv_nsec + std::lround((OffsetSeconds - whole) * 1e9);
    time_t seconds = now.tv_sec + static_cast<time_t>(whole);
    if (nanos >= 1000000000L) {
        nanos -= 1000000000L;
        ++seconds;
    }
    const timespec then{seconds, nanos};
    return clock_settime(CLOCK_REALTIME, &then) == 0 ? 0 : errno;
}

QString ReasonOfErrno(int Error) {
    if (Error == EPERM || Error == EACCES) return QStringLiteral("not permitted");
    return QString::fromLocal8Bit(std::strerror(Error));
}

}  // namespace

TKernelClock SystemKernelClock() {
    return {&KernelSynchronized, &StepKernelClock};
}

TLinuxClockSetter::TLinuxClockSetter(QDBusConnection Bus, TKernelClock Kernel)
    : bus_(std::move(Bus)), kernel_(std::move(Kernel)) {}

bool TLinuxClockSetter::SynchronizedBySystem() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << Interface;
    const std::optional<QDBusMessage> reply = CallAndWait(bus_, call, CallTimeoutMs);
    if (!reply) return false;
    if (reply->type() != QDBusMessage::ReplyMessage || reply->arguments().isEmpty())
        return kernel_.Synchronized();
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply->arguments().constFirst());
    return properties.value(QStringLiteral("NTP")).toBool() ||
           properties.value(QStringLiteral("NTPSynchronized")).toBool();
}

TClockSetResult TLinuxClockSetter::StepBy(double OffsetSeconds, bool Interactive) {
    TClockSetResult result;
    if (!(std::fabs(OffsetSeconds) <= LargestStepSeconds)) {
        result.Reason = QStringLiteral("the time difference is not usable");
        return result;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("SetTime"));
    call << static_cast<qlonglong>(std::llround(OffsetSeconds * 1e6)) << true << Interactive;
    call.setInteractiveAuthorizationAllowed(Interactive);
    const std::optional<QDBusMessage> reply =
        CallAndWait(bus_, call, Interactive ? InteractiveTimeoutMs : CallTimeoutMs);
    if (!reply) {
        result.Reason = QStringLiteral("the program is closing");
        return result;
    }
    if (reply->type() == QDBusMessage::ReplyMessage) {
        result.Set = true;
        return result;
    }
    // Stepping behind the back of the time service would only start a tug of war.
    if (reply->errorName() == AutomaticSyncError) {
        result.Reason = QStringLiteral("automatic time synchronisation is on");
        return result;
    }
    // timedated is missing, or polkit said no: the kernel decides by CAP_SYS_TIME.
    const int error = kernel_.StepBy(OffsetSeconds);
    result.Set = error == 0;
    if (!result.Set) result.Reason = ReasonOfErrno(error);
    return result;
}

}  // namespace orbelune
