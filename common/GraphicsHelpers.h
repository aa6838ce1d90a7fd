#pragma once
// Drawing on a painter or an image, icons from images, and the fitting of a picture
// into a box.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>

namespace orbelune {

// The rectangle of DrawCenteredEllipse: from (X - Width div 2, Y - Height div 2) to
// (X + Width div 2, Y + Height div 2), div truncating.
QRect CenteredEllipseRect(int X, int Y, int Width, int Height);

// Draws the ellipse inscribed in CenteredEllipseRect with a solid pen of PenWidth and
// PenColor, filled with BrushColor when Filled (else hollow). The painter keeps the pen
// and brush set here. Colours are Windows values.
void DrawCenteredEllipse(int X, int Y, int Width, int Height, int PenWidth, QPainter& Canvas,
                         bool Filled, std::int32_t PenColor, std::int32_t BrushColor);

// Stretches Bitmap to Round(Factor x its size), ties to even.
void ScaleBitmap(QImage& Bitmap, long double Factor);

// Fills the whole image with a Windows colour.
void FillBitmap(QImage& Bitmap, std::int32_t Color);

// An icon of IconSize pixels square (the style's large-icon size, as a rule) made from
// Bitmap stretched to that size, in which every pixel of TransparentColor (low 24 bits
// of the Windows value) is transparent.
QIcon BitmapToIcon(const QImage& Bitmap, std::int32_t TransparentColor, int IconSize);

// Draws Bitmap stretched into (x, y, width, height); printing uses it.
void DrawBitmapToDC(QPainter& dc, int x, int y, const QImage& Bitmap, int height, int width);

// (0, 0, trunc(W x ratio), trunc(H x ratio)) with ratio the smaller of BoxH / H and
// BoxW / W in single precision; an empty rectangle when the ratio is not finite.
QRect FitRectKeepAspect(int W, int H, int BoxW, int BoxH);

}  // namespace orbelune
