#include "ClockForm.h"

namespace orbelune {

TDateTime TForm1::GetInternetTime(const QString&, bool, double& Offset) {
    Offset = 0;
    return 0;
}

void TForm1::GuessLatLon() {}

}  // namespace orbelune
