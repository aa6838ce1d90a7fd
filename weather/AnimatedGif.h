#pragma once
// Writing frames as an animated GIF (GIF89a) with giflib; Qt reads GIF but cannot
// write it. Each frame gets its own palette (its exact colours when it has at most 256,
// else 256 chosen by giflib's median-cut quantizer), a graphic control extension with
// its delay and the NETSCAPE2.0 extension that loops the animation endlessly. Frames of
// another size than the first are stretched to it.

#include <QIODevice>
#include <QImage>
#include <QList>

namespace orbelune {

// Hundredths of a second between radar animation frames.
inline constexpr int RadarAnimationDelay = 25;

// False when there is no frame or writing fails.
bool WriteAnimatedGif(const QList<QImage>& Frames, int DelayCentiseconds, QIODevice& Out);

}  // namespace orbelune
