#pragma once
// The clock window's picture lists: the Moon of the lunation in 24 steps for each
// hemisphere (tray, application icon, phase buttons) and the menu images.

#include <QImage>
#include <QList>

namespace orbelune {

// Pictures per lunation list: index 0 new moon, 6 first quarter, 12 full moon,
// 18 last quarter.
inline constexpr int MoonImageCount = 24;

// The Moon as seen from the northern hemisphere, and turned half a turn as seen from
// the southern one; 16 x 16, transparent outside the disc.
QList<QImage> LoadNorthImageList();
QList<QImage> LoadSouthImageList();

// Menu images: 4 new moon, 5 first quarter, 6 full moon (also the penumbral lunar
// eclipse), 7 last quarter, 10 partial, 11 annular and 12 total solar eclipse, 13
// partial and 14 total lunar eclipse, 16 the tray's temperature picture (filled at
// run time). The list holds 17 entries; the others are null images.
inline constexpr int ImageList2Count = 17;
QList<QImage> LoadImageList2();

}  // namespace orbelune
