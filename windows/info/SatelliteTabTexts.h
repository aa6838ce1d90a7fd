#pragma once
// The Satellite tab without widgets: the entries of its region, type and colour boxes,
// the type entries a region offers, and which controls a choice shows.

#include <QStringList>

namespace orbelune {

// The 22 regions in the order of their codes.
QStringList SatelliteRegionNames();
// "Normal", "Colorized 1" .. "Colorized 4".
QStringList SatelliteColorNames();
// "Infrared", "Visible" or "Water Vapor" by type code; empty for any other.
QString SatelliteTypeName(int Type);
// "Infrared", then "Visible" and "Water Vapor" where the region offers them.
QStringList SatelliteTypeItems(int Region);
// The type index kept when the type box is refilled: the previous one when it still
// exists, else the first.
int KeptSatelliteType(int Previous, int ItemCount);

// The colour box is for stills of the eastern and western United States.
bool SatelliteColorBoxVisible(bool AnimateChecked, int Region);
// "Animate" and "Repeat" are for the regions that have loops.
bool SatelliteLoopBoxesVisible(int Region);

}  // namespace orbelune
