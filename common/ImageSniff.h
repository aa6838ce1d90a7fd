#pragma once
// Telling GIF and JPEG data apart before it is handed to a decoder, so that an error
// page is refused. Both read from position 0 and leave the position after the bytes
// read; callers reposition before loading.

#include <QIODevice>

namespace orbelune {

// True when the first 6 bytes, upper-cased, are "GIF87A" or "GIF89A".
bool IsGifStream(QIODevice* Stream);

// True for a start-of-image marker followed by a JFIF or Exif header at bytes 6..9
// (any case), or by "JFIF" at bytes 16..19 behind a first segment of 10 bytes.
bool IsJpegStream(QIODevice* Stream);

}  // namespace orbelune
