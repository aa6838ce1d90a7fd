// The clock window's first-start place guess.
#include "ClockForm.h"

namespace orbelune {

void TForm1::GuessLatLon() {}

}  // namespace orbelune
