#include "WeatherViews.h"

namespace orbelune {

TWeatherWindows& WeatherWindows() {
    static TWeatherWindows windows;
    return windows;
}

TWeatherClockView* ClockWindowView() {
    TWeatherClockView* clock = WeatherWindows().Clock;
    return clock != nullptr && clock->Exists() ? clock : nullptr;
}

}  // namespace orbelune
