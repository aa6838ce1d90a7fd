#pragma once
// Draws a built year chart of sunrise and sunset (GraphModel.h) on a painter or into
// an image: background, frame, white plot, night, curves, date lines, scale, month
// marks and footer, in that order, so later marks lie on top of earlier ones.

#include "GraphModel.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace orbelune {

inline const QColor GraphNightColour(0xC0, 0xC0, 0xC0);
inline const QColor GraphDateLineColour(0xFF, 0x00, 0x00);
inline const QColor GraphEventLineColour(0x00, 0x00, 0xFF);
inline const QColor GraphEastWestColour(0x00, 0xFF, 0x00);

// Base at the largest pixel size from 11 down to 8 at which the scale texts fit left
// of the plot, the month names between their lines and the footer inside its box.
QFont GraphFont(const TGraph& Graph, const QFont& Base);

// Paints the chart with its top-left corner at the painter's origin; Background is the
// colour around the plot.
void PaintGraph(QPainter& Painter, const TGraph& Graph, const QColor& Background,
                const QFont& Font);

// The chart as a picture of GraphSize.
QImage GraphImage(const TGraph& Graph, const QColor& Background, const QFont& Font);

}  // namespace orbelune
