#pragma once
// The moon pictures at any pixel ratio. The committed pictures are the sizes' own
// squares (64, 32 and 16 pixels); scaled up they would be blocky, so at a ratio other
// than 1 the Moon is drawn afresh from the moon map (resource MOON_MAP, the albedo map
// at 512 x 256) at the device pixels asked for: the same orthographic view centred on
// 4 N 6 E, the disc and the shadow rule of the size table scaled by the ratio, and the
// disc brightened as the committed pictures are (its 99th percentile of luminance at
// 245). The classic style is the same disc in grey, from 128 at the darkest maria to
// 255 at the brightest highlands. Each device pixel is the mean of 3 x 3 samples of the
// map, read bilinearly.

#include "MoonPicture.h"

#include <QIcon>
#include <QImage>

namespace orbelune {

// The disc and shadow of a size at Ratio: centre ((c + 0.5) Ratio - 0.5) and radius
// ((r + 0.5) Ratio - 0.5), rounded half to even; the size's own row at 1.
struct TScaledDisc {
    int Side, CentreX, CentreY, Radius, SiteX, SiteY;
};
TScaledDisc ScaledDisc(TMoonSize Size, double Ratio);

// The full Moon of Style in the scaled square, transparent outside the disc (a row
// h from the centre covers the columns within Round(sqrt(Radius^2 - h^2)) of it, the
// pixels the shadow rule paints). A null image when the map cannot be read.
QImage RenderMoonDisc(TMoonStyle Style, TMoonSize Size, double Ratio);

// What TMoon shows at Ratio: the disc with the shadow of PhaseAngle and the landing
// site (a dot of the ratio's size) when MarkSite, turned by Rotation, with Ratio as
// its device pixel ratio.
QImage MoonPictureAt(TMoonStyle Style, TMoonSize Size, TRotate Rotation, long double PhaseAngle,
                     bool MarkSite, double Ratio);

// The Moon of lunation step Step (0 new, 6 first quarter, 12 full, 18 last quarter, of
// 24), turned half a turn when Southern, as an icon drawn at whatever size and pixel
// ratio it is asked for: Picture, the step's committed 16-pixel picture, at 16 device
// pixels, else drawn afresh.
QIcon LunationIcon(const QImage& Picture, int Step, bool Southern);

}  // namespace orbelune
