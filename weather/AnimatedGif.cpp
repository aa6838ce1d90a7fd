#include "AnimatedGif.h"

#include <QHash>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace orbelune {

namespace {

int WriteToDevice(GifFileType* Gif, const GifByteType* Data, int Length) {
    auto* out = static_cast<QIODevice*>(Gif->UserData);
    return int(out->write(reinterpret_cast<const char*>(Data), Length));
}

struct TGifCloser {
    void operator()(GifFileType* Gif) const {
        int error = 0;
        EGifCloseFile(Gif, &error);
    }
};
using TGifFile = std::unique_ptr<GifFileType, TGifCloser>;

struct TMapFreer {
    void operator()(ColorMapObject* Map) const { GifFreeMapObject(Map); }
};

bool PutLoopExtension(GifFileType* Gif) {
    static const GifByteType Name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType Loops[] = {1, 0, 0};  // sub-block 1, loop count 0: endless
    return EGifPutExtensionLeader(Gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(Gif, sizeof Name, Name) == GIF_OK &&
           EGifPutExtensionBlock(Gif, sizeof Loops, Loops) == GIF_OK &&
           EGifPutExtensionTrailer(Gif) == GIF_OK;
}

bool PutDelayExtension(GifFileType* Gif, int Delay) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = Delay;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType bytes[4];
    const size_t length = EGifGCBToExtension(&control, bytes);
    return EGifPutExtension(Gif, GRAPHICS_EXT_FUNC_CODE, int(length), bytes) == GIF_OK;
}

// The frame's own colours when it has at most 256 of them (radar layers without the
// topography do), so that warning colours survive exactly.
bool ExactPalette(const QImage& Rgb, std::vector<GifByteType>& Indexes,
                  std::vector<GifColorType>& Palette) {
    QHash<QRgb, int> index;
    for (int y = 0; y < Rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(Rgb.constScanLine(y));
        for (int x = 0; x < Rgb.width(); ++x) {
            const QRgb c = line[x] & 0xFFFFFFu;
            auto found = index.constFind(c);
            if (found == index.constEnd()) {
                if (index.size() == 256) return false;
                found = index.insert(c, int(index.size()));
                Palette[std::size_t(*found)] = {GifByteType(qRed(c)), GifByteType(qGreen(c)),
                                                GifByteType(qBlue(c))};
            }
            Indexes[std::size_t(y) * std::size_t(Rgb.width()) + std::size_t(x)] =
                GifByteType(*found);
        }
    }
    return true;
}

// Otherwise giflib's median cut (at five bits a channel) picks 256 colours.
bool QuantizedPalette(const QImage& Rgb, std::vector<GifByteType>& Indexes,
                      std::vector<GifColorType>& Palette) {
    const std::size_t n = Indexes.size();
    std::vector<GifByteType> red(n), green(n), blue(n);
    for (int y = 0; y < Rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(Rgb.constScanLine(y));
        for (int x = 0; x < Rgb.width(); ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(Rgb.width()) + std::size_t(x);
            red[i] = GifByteType(qRed(line[x]));
            green[i] = GifByteType(qGreen(line[x]));
            blue[i] = GifByteType(qBlue(line[x]));
        }
    }
    int colours = 256;
    return GifQuantizeBuffer(unsigned(Rgb.width()), unsigned(Rgb.height()), &colours, red.data(),
                             green.data(), blue.data(), Indexes.data(), Palette.data()) == GIF_OK;
}

bool PutFrame(GifFileType* Gif, const QImage& Frame) {
    const QImage rgb = Frame.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    std::vector<GifByteType> indexes(std::size_t(w) * std::size_t(rgb.height()));
    std::vector<GifColorType> palette(256, GifColorType{0, 0, 0});
    if (!ExactPalette(rgb, indexes, palette) && !QuantizedPalette(rgb, indexes, palette))
        return false;
    const std::unique_ptr<ColorMapObject, TMapFreer> map(GifMakeMapObject(256, palette.data()));
    if (!map || EGifPutImageDesc(Gif, 0, 0, w, rgb.height(), false, map.get()) != GIF_OK)
        return false;
    for (int y = 0; y < rgb.height(); ++y)
        if (EGifPutLine(Gif, indexes.data() + std::size_t(y) * std::size_t(w), w) != GIF_OK)
            return false;
    return true;
}

}  // namespace

bool WriteAnimatedGif(const QList<QImage>& Frames, int DelayCentiseconds, QIODevice& Out) {
    if (Frames.isEmpty() || Frames.first().isNull()) return false;
    const QSize size = Frames.first().size();
    int error = 0;
    TGifFile gif(EGifOpen(&Out, WriteToDevice, &error));
    if (!gif) return false;
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), size.width(), size.height(), 8, 0, nullptr) != GIF_OK)
        return false;
    for (const QImage& frame : Frames) {
        const QImage fitted = frame.size() == size ? frame
                                                   : frame.scaled(size, Qt::IgnoreAspectRatio,
                                                                  Qt::SmoothTransformation);
        // Every frame carries both extensions, as the program's animations always have.
        if (!PutLoopExtension(gif.get()) || !PutDelayExtension(gif.get(), DelayCentiseconds) ||
            !PutFrame(gif.get(), fitted))
            return false;
    }
    GifFileType* raw = gif.release();
    return EGifCloseFile(raw, &error) == GIF_OK;
}

}  // namespace orbelune
