#include "ImageSniff.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>

namespace orbelune {
namespace {

// A read-only memory stream over `data`, positioned at its end like a fresh download.
struct TMemoryStream {
    explicit TMemoryStream(const QByteArray& data) : bytes(data), buffer(&bytes) {
        buffer.open(QIODevice::ReadOnly);
        buffer.seek(bytes.size());
    }
    QByteArray bytes;
    QBuffer buffer;
};

QByteArray Padded(QByteArray head, int size) {
    head.resize(size, '\0');
    return head;
}

TEST(IsGifStream, AcceptsBothSignaturesInAnyCase) {
    TMemoryStream lower(QByteArray("gif87a") + QByteArray(10, 'x'));
    EXPECT_TRUE(IsGifStream(&lower.buffer));
    EXPECT_EQ(lower.buffer.pos(), 6);  // stands after the bytes read
    TMemoryStream upper(QByteArray("GIF89a"));
    EXPECT_TRUE(IsGifStream(&upper.buffer));
}

TEST(IsGifStream, RefusesShortAndOtherData) {
    TMemoryStream shortGif(QByteArray("GIF8"));
    EXPECT_FALSE(IsGifStream(&shortGif.buffer));
    TMemoryStream html(QByteArray("<html><body>Not found</body></html>"));
    EXPECT_FALSE(IsGifStream(&html.buffer));
    TMemoryStream gif88(QByteArray("GIF88a"));
    EXPECT_FALSE(IsGifStream(&gif88.buffer));
    EXPECT_FALSE(IsGifStream(nullptr));
}

TEST(IsJpegStream, AcceptsJfifAndExifFirstSegments) {
    TMemoryStream exif(Padded(QByteArray("\xFF\xD8\xFF\xE1\x00\x10"
                                         "Exif\x00\x00",
                                         12),
                              20));
    EXPECT_TRUE(IsJpegStream(&exif.buffer));
    EXPECT_EQ(exif.buffer.pos(), 20);
    TMemoryStream jfif(Padded(QByteArray("\xFF\xD8\xFF\xE0\x00\x10"
                                         "jfif",
                                         10),
                              20));
    EXPECT_TRUE(IsJpegStream(&jfif.buffer));
    // JFIF behind a first segment of 10 bytes: exact case only.
    QByteArray later = Padded(QByteArray("\xFF\xD8\xFF\xDB\x00\x08", 6), 16) + "JFIF";
    TMemoryStream behind(later);
    EXPECT_TRUE(IsJpegStream(&behind.buffer));
    later.replace(16, 4, "jfif");
    TMemoryStream behindLower(later);
    EXPECT_FALSE(IsJpegStream(&behindLower.buffer));
}

TEST(IsJpegStream, RefusesShortOrUnmarkedData) {
    TMemoryStream nineteen(Padded(QByteArray("\xFF\xD8\xFF\xE0\x00\x10"
                                             "JFIF",
                                             10),
                                  19));
    EXPECT_FALSE(IsJpegStream(&nineteen.buffer));
    TMemoryStream noMarker(Padded(QByteArray("\xFF\xD9\xFF\xE0\x00\x10"
                                             "JFIF",
                                             10),
                                  20));
    EXPECT_FALSE(IsJpegStream(&noMarker.buffer));
    TMemoryStream noHeader(Padded(QByteArray("\xFF\xD8\xFF\xE0\x00\x10"
                                             "ABCD",
                                             10),
                                  20));
    EXPECT_FALSE(IsJpegStream(&noHeader.buffer));
    EXPECT_FALSE(IsJpegStream(nullptr));
}

}  // namespace
}  // namespace orbelune
