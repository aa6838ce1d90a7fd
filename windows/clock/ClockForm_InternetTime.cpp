// The clock window's queries of the internet time server: the "Get Time" button of the
// Time tab, the start-up check and the time schedule all come here.
#include "ClockForm.h"

#include "ClockState.h"
#include "InfoForm.h"
#include "PlatformSeams.h"
#include "Settings.h"

#include <QScopeGuard>

namespace orbelune {

namespace {

// The query and the setting of the clock wait with the windows turning (the setting
// perhaps for the user's password); a second road that came in meanwhile would step
// the clock by the same offset again.
bool QueryRunning = false;

}  // namespace

TInternetTimeResult TForm1::GetInternetTime(const QString& Server, bool SetClock,
                                            bool Interactive) {
    TPlatform& platform = Platform();
    TInternetTimeResult result;
    // Stamped before asking, so a failing server is asked again only after a full interval.
    ClockState.LastTimeCheckTime = platform.Clock->Now();
    if (QueryRunning) {
        result.Note = QStringLiteral("A time query is already running.");
        return result;
    }
    QueryRunning = true;
    const auto done = qScopeGuard([] { QueryRunning = false; });
    const TTimeQueryResult answer = platform.TimeQuery->Query(Server);
    if (!answer.Answered) {
        result.Note = answer.Error;
        return result;
    }
    result.Offset = answer.OffsetSeconds / 86400.0;
    if (SetClock) {
        // Stepping a clock that a time service keeps would only start a tug of war.
        if (platform.ClockSetter->SynchronizedBySystem()) {
            result.Note = QStringLiteral("the system keeps its own time; the PC clock was not set");
        } else {
            const TClockSetResult set =
                platform.ClockSetter->StepBy(answer.OffsetSeconds, Interactive);
            if (set.Set) {
                result.Adjusted = true;
                result.Obtained = platform.Clock->Now();  // the clock now reads the server's time
                Settings.LastTimeStamp = result.Obtained;
                Settings.LastTimeAdjust = result.Offset;
                return result;
            }
            result.Note = QStringLiteral("the PC clock could not be set");
            if (!set.Reason.isEmpty()) result.Note += QStringLiteral(": ") + set.Reason;
        }
    }
    result.Obtained = platform.Clock->Now() + result.Offset;
    return result;
}

void TForm1::ShowInternetTime(const TInternetTimeResult& Result) {
    if (InfoForm != nullptr) InfoForm->UpdateInternetTimeDisplay(Result);
}

}  // namespace orbelune
