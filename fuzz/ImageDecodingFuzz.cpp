// The decoding of downloaded pictures on any bytes: a GIF or a JPEG layer within a
// site's limits, and a mosaic's frames as a request plans and reads them. No picture
// may come out larger than its limits, and no more frames than were planned.
#include "ImageDownloads.h"
#include "RadarMosaic.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orbelune;

namespace {

constexpr int RegionalMosaic = 2;
const QSize MosaicMaxSize(1200, 1142);  // twice the regional map's 600 x 571
const QSize MaxSize(1200, 1100);        // twice a site's map
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

bool Within(const QImage& Image, QSize Size) {
    return Image.width() <= Size.width() && Image.height() <= Size.height();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool gif : {true, false}) {
        QImage image;
        if (!DecodeImage(body, gif, image, {MaxSize, MaxBytes}).Any() &&
            (image.isNull() || !Within(image, MaxSize)))
            std::abort();
    }
    const TMosaicPlan plan = PlanMosaic(body, RegionalMosaic, 30, 2.0L, MaxBytes);
    if (plan.Frames == 0) return 0;
    const std::optional<TGifFrames> frames = ReadGifFrames(body, plan.Frames);
    if (!frames) return 0;
    if (frames->Frames.size() > plan.Frames) std::abort();
    for (const QImage& frame : frames->Frames)
        if (!Within(frame, MosaicMaxSize)) std::abort();
    return 0;
}
