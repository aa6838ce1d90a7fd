#include "GifLayout.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace orbelune {

namespace {

struct TReader {
    const QByteArray& Bytes;
    qsizetype At = 0;
};

int ReadBytes(GifFileType* Gif, GifByteType* Into, int Length) {
    auto* reader = static_cast<TReader*>(Gif->UserData);
    const qsizetype count = std::min<qsizetype>(Length, reader->Bytes.size() - reader->At);
    if (count <= 0) return 0;
    std::memcpy(Into, reader->Bytes.constData() + reader->At, std::size_t(count));
    reader->At += count;
    return int(count);
}

struct TGifCloser {
    void operator()(GifFileType* Gif) const {
        int error = 0;
        DGifCloseFile(Gif, &error);
    }
};

// Passes over the sub-blocks of an extension or of a frame's data; false when the file
// ends inside them.
bool SkipExtension(GifFileType* Gif) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(Gif, &code, &block) != GIF_OK) return false;
    while (block != nullptr)
        if (DGifGetExtensionNext(Gif, &block) != GIF_OK) return false;
    return true;
}

bool SkipImageData(GifFileType* Gif) {
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(Gif, &codeSize, &block) != GIF_OK) return false;
    while (block != nullptr)
        if (DGifGetCodeNext(Gif, &block) != GIF_OK) return false;
    return true;
}

}  // namespace

std::optional<TGifLayout> ScanGif(const QByteArray& Body) {
    const QByteArray stamp = Body.left(6);
    if (stamp != "GIF87a" && stamp != "GIF89a") return std::nullopt;
    TReader reader{Body};
    int error = 0;
    const std::unique_ptr<GifFileType, TGifCloser> gif(DGifOpen(&reader, ReadBytes, &error));
    if (!gif) return std::nullopt;

    TGifLayout layout;
    layout.Screen = QSize(gif->SWidth, gif->SHeight);
    layout.Extent = layout.Screen;
    for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK) break;
        if (record == EXTENSION_RECORD_TYPE) {
            if (!SkipExtension(gif.get())) break;
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) != GIF_OK) break;
            const GifImageDesc& frame = gif->Image;
            ++layout.FrameCount;
            layout.Extent =
                layout.Extent.expandedTo(QSize(frame.Left + frame.Width, frame.Top + frame.Height));
            if (!SkipImageData(gif.get())) break;
        }
    }
    return layout;
}

}  // namespace orbelune
