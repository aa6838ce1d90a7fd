#pragma once
// Counting the pixels of a picture's rectangle that look like a colour, for checks
// of what a widget painted.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

namespace orbelune::test {

// Pixels of Area whose red, green and blue each lie within 60 of Colour: close enough
// to tell the marks' colours apart through anti-aliasing.
inline int CountNear(const QImage& Image, const QRect& Area, const QColor& Colour) {
    int count = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x) {
            const QColor c = Image.pixelColor(x, y);
            if (std::abs(c.red() - Colour.red()) < 60 &&
                std::abs(c.green() - Colour.green()) < 60 &&
                std::abs(c.blue() - Colour.blue()) < 60)
                ++count;
        }
    return count;
}

}  // namespace orbelune::test
