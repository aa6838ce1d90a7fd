#pragma once
// The desktop's message boxes, which the program installs in Platform() at start-up.

#include "PlatformSeams.h"

namespace orbelune {

TMessageBoxes& DesktopMessageBoxes();

}  // namespace orbelune
