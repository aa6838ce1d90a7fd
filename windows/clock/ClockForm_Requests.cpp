// The clock window's requests to the time server and the first-start place guess.
#include "ClockForm.h"

#include "ClockState.h"
#include "PlatformSeams.h"

namespace orbelune {

TDateTime TForm1::GetInternetTime(const QString& Server, bool, double& Offset) {
    Offset = 0;
    ClockState.LastTimeCheckTime = Platform().Clock->Now();
    const TTimeQueryResult answer = Platform().TimeQuery->Query(Server);
    if (!answer.Answered) return 0;
    Offset = answer.OffsetSeconds / 86400.0;
    return Platform().Clock->Now() + Offset;
}

void TForm1::GuessLatLon() {}

}  // namespace orbelune
