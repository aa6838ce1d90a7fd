#pragma once
// GIF files for fixtures, written here without giflib so that the program's own GIF
// writer is not the source of what its readers are tested with. The image data is
// stored uncompressed (literal LZW codes with a clear code every 200 pixels), which
// every decoder reads. JPEG fixtures come from Qt's own writer: the program writes no
// JPEG it then reads.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

#include <optional>

namespace orbelune::test {

// A single-frame GIF89a of Image, whose colours must be at most 256; pixels of
// Transparent (when given) are transparent.
QByteArray TestGif(const QImage& Image, std::optional<QRgb> Transparent = std::nullopt);

// An animated GIF89a of Frames (all of the first one's size, at most 256 colours in
// all), each a whole picture shown DelayCentiseconds, looping endlessly.
QByteArray TestAnimatedGif(const QList<QImage>& Frames, int DelayCentiseconds);

// A JPEG of Size in one Colour (quality 95).
QByteArray TestJpeg(QSize Size, QRgb Colour);

// A hostile GIF of a few hundred bytes: Frames frames, each claiming the whole of Size
// with no pixel data behind the claim (a decoder that believes it allocates them all).
QByteArray TestClaimingGif(int Frames, QSize Size);

}  // namespace orbelune::test
