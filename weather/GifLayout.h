#pragma once
// The layout of a GIF read from its blocks without decoding a pixel: the logical
// screen, the number of frames and the area they cover together. What a decoder will
// allocate follows from it, so a picture can be refused before its pixels are decoded.
//
// In: the bytes of a file. Out: the layout, or nothing when the bytes are no GIF.
// Method: giflib walks the records, passing over each frame's compressed data; a file
// cut short counts the frames whose descriptors were read. Reference: the GIF89a
// specification (CompuServe, 1990), sections 18 to 20.

#include <QByteArray>
#include <QSize>

#include <optional>

namespace orbelune {

struct TGifLayout {
    QSize Screen;
    QSize Extent;  // the screen and every frame's rectangle, together
    int FrameCount = 0;
};

std::optional<TGifLayout> ScanGif(const QByteArray& Body);

}  // namespace orbelune
