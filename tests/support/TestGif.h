#pragma once
// GIF files for fixtures, written here without giflib so that the program's own GIF
// writer is not the source of what its readers are tested with. The image data is
// stored uncompressed (literal LZW codes with a clear code every 200 pixels), which
// every decoder reads.

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include <optional>

namespace orbelune::test {

// A single-frame GIF89a of Image, whose colours must be at most 256; pixels of
// Transparent (when given) are transparent.
QByteArray TestGif(const QImage& Image, std::optional<QRgb> Transparent = std::nullopt);

}  // namespace orbelune::test
