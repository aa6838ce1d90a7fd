#pragma once
// The windows' one reading of the wall clock: the local date and time as a TDateTime.
// Tests fix the answer so that nothing depends on the real clock.

#include "StDate.h"

namespace orbelune {

TDateTime Now();

// Makes Now() answer Value until ClearFixedNow().
void SetFixedNow(TDateTime Value);
void ClearFixedNow();

}  // namespace orbelune
