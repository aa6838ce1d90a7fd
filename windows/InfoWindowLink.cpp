#include "InfoWindowLink.h"

namespace orbelune {

TInfoWindowLink& InfoWindow() {
    static TInfoWindowLink link;
    return link;
}

}  // namespace orbelune
