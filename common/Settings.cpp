#include "Settings.h"

namespace orbelune {

TSettings Settings;

}  // namespace orbelune
