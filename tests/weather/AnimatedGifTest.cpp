// Animated GIFs written with giflib, read back by Qt's reader and by giflib's.
#include "AnimatedGif.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include <gif_lib.h>

namespace orbelune {
namespace {

QImage Solid(QRgb Colour) {
    QImage image(60, 55, QImage::Format_RGB32);
    image.fill(Colour);
    image.setPixel(3, 4, qRgb(255, 165, 0));
    return image;
}

// A frame of more than 256 colours, which has to be quantized.
QImage Gradient() {
    QImage image(60, 55, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(4 * x, 4 * y, 128));
    return image;
}

int ReadFromBuffer(GifFileType* Gif, GifByteType* Data, int Length) {
    return int(static_cast<QBuffer*>(Gif->UserData)->read(reinterpret_cast<char*>(Data), Length));
}

TEST(AnimatedGif, FramesDelaysAndEndlessLoopReadBack) {
    const QList<QImage> frames = {Solid(qRgb(34, 139, 34)), Gradient(), Solid(qRgb(0, 0, 0))};
    QBuffer file;
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WriteAnimatedGif(frames, RadarAnimationDelay, file));
    file.close();

    QBuffer in(&file.buffer());
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QImageReader reader(&in, "gif");
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_EQ(reader.loopCount(), -1);  // Qt's word for endless
    QList<QImage> read;
    for (int i = 0; i < 3; ++i) {
        read << reader.read();
        ASSERT_FALSE(read.last().isNull()) << i;
        EXPECT_EQ(reader.nextImageDelay(), 250) << i;
    }
    // Frames of at most 256 colours keep them exactly; the others come close.
    EXPECT_EQ(read[0].convertToFormat(QImage::Format_RGB32), frames[0]);
    EXPECT_EQ(read[2].pixel(3, 4), qRgb(255, 165, 0));
    const QRgb near = read[1].pixel(30, 20);
    EXPECT_NEAR(qRed(near), 120, 12);
    EXPECT_NEAR(qGreen(near), 80, 12);
    EXPECT_NEAR(qBlue(near), 128, 12);

    // Every frame carries its own delay and the loop extension.
    in.seek(0);
    int error = 0;
    GifFileType* gif = DGifOpen(&in, ReadFromBuffer, &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    ASSERT_EQ(gif->ImageCount, 3);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, 25);
        const SavedImage& image = gif->SavedImages[i];
        bool loops = false;
        for (int b = 0; b + 1 < image.ExtensionBlockCount; ++b) {
            const ExtensionBlock& name = image.ExtensionBlocks[b];
            const ExtensionBlock& data = image.ExtensionBlocks[b + 1];
            if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
                std::memcmp(name.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3)
                loops = data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0;
        }
        EXPECT_TRUE(loops) << i;
    }
    DGifCloseFile(gif, &error);
}

TEST(AnimatedGif, NothingToWrite) {
    QBuffer file;
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(WriteAnimatedGif({}, RadarAnimationDelay, file));
    EXPECT_FALSE(WriteAnimatedGif({QImage()}, RadarAnimationDelay, file));
}

}  // namespace
}  // namespace orbelune
