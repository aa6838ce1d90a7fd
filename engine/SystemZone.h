// The machine's time zone, as the C library sees it: the TZif file named by $TZ (a
// name under the zone folder or a path) or /etc/localtime, or a POSIX TZ string in
// $TZ. This is the one place where the engine reads a file.
#pragma once

#include "ZoneRules.h"

#include <optional>
#include <string>

namespace orbelune {

struct TSystemZone {
    bool Known = false;               // false: the machine has no zone information
    std::optional<TZoneRules> Rules;  // nothing: ask the C library instant by instant
};

// The zone that $TZ (as it is now) or /etc/localtime describes.
TSystemZone LoadSystemZone();

// A text that changes when the zone the machine uses changes: $TZ, or the file
// /etc/localtime points to with its modification time (the zone may be changed while
// the program runs).
std::string SystemZoneStamp();

// What the C library's localtime says about the instant At and its UTC year, for
// zones whose rules cannot be read. Nothing where the library gives no answer.
std::optional<TZoneInstant> SampleLocalTime(int64_t At);

// The description of an instant by a loaded zone; nothing for an unknown zone.
std::optional<TZoneInstant> DescribeSystemInstant(const TSystemZone& Zone, int64_t At);

}  // namespace orbelune
