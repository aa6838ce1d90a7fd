#include "WeatherState.h"

namespace orbelune {

TWeatherState WeatherState;

}  // namespace orbelune
