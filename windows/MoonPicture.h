#pragma once
// The moon pictures: the full-Moon bitmaps kept in the resources, the shadow of the
// phase painted over them, their quarter turns, and the tray icon made from them.
// Pure functions over QImage; the TMoon component (MoonComponent.h) puts them together.

#include <QImage>
#include <QString>

#include <vector>

namespace orbelune {

enum class TMoonSize { ms64, ms32, ms16 };
enum class TRotate { rot_none, rot_90, rot_180, rot_270 };
enum class TMoonStyle { msClassic, msColor };

// One picture size, in pixels: the square's width and height, the disc's centre and
// radius, and the pixel of the Apollo 11 landing site.
struct TMoonSizeRow {
    TMoonSize Size;
    int Width, Height, CentreX, CentreY, Radius, SiteX, SiteY;
};

inline constexpr TMoonSizeRow MoonSizeTable[] = {
    {TMoonSize::ms64, 64, 64, 31, 28, 28, 41, 29},
    {TMoonSize::ms32, 32, 32, 15, 14, 14, 20, 15},
    {TMoonSize::ms16, 16, 16, 7, 7, 7, 9, 7},
};

const TMoonSizeRow& MoonSizeRow(TMoonSize Size);

// Resource names of the full-Moon bitmap of a style and size ("MOON_LARGE",
// "MOON_COLOR_SMALL" ...) and of the size's icon mask ("MOON_BW_TINY" ...).
QString MoonBitmapName(TMoonStyle Style, TMoonSize Size);
QString MoonMaskName(TMoonSize Size);

// A picture of the resources by name, with its transparency; a null image for an
// unknown name.
QImage LoadMoonPicture(const QString& Name);

// The same as 32-bit RGB, to paint on (a mask's set bits white).
QImage LoadMoonBitmap(const QString& Name);

// One line of the shadow as the pen draws it: from (FromX, Y) towards (ToX, Y), the
// end pixel ToX itself left unpainted.
struct TShadowLine {
    int Y, FromX, ToX;
};

// The lines that darken the disc for a phase angle in [0, 360) degrees. With
// g = CosDeg(angle), each row offset h = 0 .. Radius has l = sqrt(Radius^2 - h^2),
// L = Round(l) and T = Round(g * l), rounded half to even; the line runs from
// CentreX - T to CentreX - L - 1 below 180 degrees (shadow on the left), from
// CentreX + T to CentreX + L + 1 from 180 on (on the right), on row CentreY + h and
// again on row CentreY - h. An angle that is not a number gives no lines.
std::vector<TShadowLine> ShadowLines(int CentreX, int CentreY, int Radius, long double PhaseAngle);

// Marks the landing site red when MarkSite, then paints the shadow lines black.
void DrawShadow(QImage& Canvas, int CentreX, int CentreY, int Radius, int SiteX, int SiteY,
                long double PhaseAngle, bool MarkSite);

// Turns the picture in place: rot_90 a quarter turn counter-clockwise, rot_180 half a
// turn, rot_270 a quarter turn clockwise. A picture that is not square keeps its
// size, and pixels that would fall outside it are dropped.
void RotatePicture(QImage& Graphic, TRotate Rotation);

// Makes every pixel outside the disc of Size transparent (the size's icon mask, turned
// by Rotation as the picture was), so the picture stands on its background at every
// phase, the new moon's black disc included.
void ClearOutsideDisc(QImage& Picture, TMoonSize Size, TRotate Rotation);

// The row of the size table that serves an icon of IconSize pixels square: ms16 for
// 16, ms64 for 64, else ms32.
TMoonSize IconMoonSize(int IconSize);

// The tray icon's picture, IconSize pixels square: the style's picture of the icon
// row in the top-left corner with its shadow, transparent outside the disc and
// outside that corner, turned by Rotation.
QImage MoonIconImage(TMoonStyle Style, TRotate Rotation, int IconSize, long double PhaseAngle,
                     bool MarkSite);

}  // namespace orbelune
