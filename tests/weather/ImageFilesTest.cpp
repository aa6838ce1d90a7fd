// Pictures into files and the names offered for them: the extension by type, every
// format read back, a failed write that leaves the old file alone, and default names that
// a file system takes.
#include "DateTimeRtl.h"
#include "FileFaults.h"
#include "ImageFiles.h"
#include "ImageSaveNames.h"
#include "QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace orbelune {
namespace {

// Four quadrants of clearly different colours.
QImage Quadrants(int W, int H) {
    QImage image(W, H, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200),
                            qRgb(240, 240, 20)};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            image.setPixel(x, y, colours[(y >= H / 2 ? 2 : 0) + (x >= W / 2 ? 1 : 0)]);
    return image;
}

bool Near(QRgb A, QRgb B, int Tolerance) {
    return std::abs(qRed(A) - qRed(B)) <= Tolerance &&
           std::abs(qGreen(A) - qGreen(B)) <= Tolerance &&
           std::abs(qBlue(A) - qBlue(B)) <= Tolerance;
}

QByteArray Contents(const QString& Name) {
    QFile file(Name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ImageFiles, TheTypeGivesTheExtension) {
    const struct {
        const char* Name;
        int Type;
        const char* Expected;
    } cases[] = {
        {"/tmp/radar", JpegImageFile, "/tmp/radar.jpg"},
        {"/tmp/radar.png", BitmapImageFile, "/tmp/radar.bmp"},
        {"/tmp/radar.jpg", GifImageFile, "/tmp/radar.gif"},
        {"/tmp/v2.0/radar", JpegImageFile, "/tmp/v2.0/radar.jpg"},  // a dot in a folder
        {"/tmp/.radar", BitmapImageFile, "/tmp/.radar.bmp"},        // a hidden name
        {"/tmp/radar.jpg", 4, "/tmp/radar.jpg"},                    // no such type
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChangeToImageExt(QString::fromLatin1(c.Name), c.Type), c.Expected) << c.Name;
}

TEST(ImageFiles, EachFormatReadsBackWithItsSizeAndColours) {
    const QImage picture = Quadrants(64, 48);
    const struct {
        int Type;
        const char* Format;
        int Tolerance;  // JPEG is lossy
    } cases[] = {
        {JpegImageFile, "jpeg", 12}, {BitmapImageFile, "bmp", 0}, {GifImageFile, "gif", 0}};
    QTemporaryDir folder;
    for (const auto& c : cases) {
        const QString name = folder.filePath(ChangeToImageExt(QStringLiteral("picture"), c.Type));
        QString error;
        ASSERT_TRUE(WriteImageFile(picture, name, c.Type, error))
            << c.Format << error.toStdString();
        QImageReader reader(name);
        EXPECT_EQ(reader.format(), c.Format);
        const QImage read = reader.read();
        ASSERT_EQ(read.size(), picture.size()) << c.Format;
        for (const QPoint at : {QPoint(8, 8), QPoint(56, 8), QPoint(8, 40), QPoint(56, 40)})
            EXPECT_TRUE(Near(read.pixel(at), picture.pixel(at), c.Tolerance)) << c.Format;
    }
}

TEST(ImageFiles, TheAnimationKeepsEveryFrameAndItsDelay) {
    const QList<QImage> frames = {Quadrants(40, 30), Quadrants(40, 30).mirrored(true, false),
                                  Quadrants(40, 30).mirrored(false, true)};
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("loop.gif"));
    QString error;
    ASSERT_TRUE(WriteAnimatedGifFile(frames, 25, name, error)) << error.toStdString();
    QImageReader reader(name);
    ASSERT_EQ(reader.imageCount(), frames.size());
    for (const QImage& frame : frames) {
        const QImage read = reader.read();
        EXPECT_EQ(reader.nextImageDelay(), 250);
        EXPECT_EQ(read.pixel(2, 2), frame.pixel(2, 2));
        EXPECT_EQ(read.pixel(37, 27), frame.pixel(37, 27));
    }
}

// A write that fails part-way (a file may not grow past a few bytes, as on a full disk)
// or cannot start leaves the old file as it was, and says why.
TEST(ImageFiles, AFailedWriteKeepsTheOldFile) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("old.img"));
    const QByteArray old = "the old picture";
    for (const int type : {int(JpegImageFile), int(BitmapImageFile), int(GifImageFile), 0}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        QString error;
        bool written = true;
        {
            const test::TFileSizeLimit limit(old.size());
            written = type == 0 ? WriteAnimatedGifFile({Quadrants(300, 200), Quadrants(300, 200)},
                                                       25, name, error)
                                : WriteImageFile(Quadrants(300, 200), name, type, error);
        }
        EXPECT_FALSE(written) << type;
        EXPECT_FALSE(error.isEmpty()) << type;
        EXPECT_EQ(Contents(name), old) << type;
    }
    QString error;
    EXPECT_FALSE(
        WriteImageFile(Quadrants(8, 8), name + QStringLiteral("/inside"), JpegImageFile, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(WriteImageFile(QImage(), folder.filePath(QStringLiteral("none.jpg")),
                                JpegImageFile, error));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("none.jpg"))));
    // Nothing but the old file is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.img")});
}

TEST(ImageSaveNames, TimesWithoutAColonAndNamesAFileSystemTakes) {
    const TDateTime afternoon = EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 0, 0);
    const TDateTime night = EncodeDate(2025, 12, 25) + EncodeTime(0, 30, 0, 0);
    EXPECT_EQ(SaveTimeStamp(afternoon), "2;05 PM - Mar 07, 2026");
    EXPECT_EQ(SaveTimeStamp(night), "12;30 AM - Dec 25, 2025");

    const QString names[] = {
        RadarSaveName(QStringLiteral("TX - Midland/Odessa"), afternoon),
        AnimatedRadarSaveName(QStringLiteral("TX - Midland/Odessa"), afternoon),
        SatelliteSaveName(QStringLiteral("a\\b:c*d?e\"f<g>h|i\tj"), QStringLiteral("Infrared"),
                          night),
    };
    for (const QString& name : names) {
        for (QChar c : name) {
            EXPECT_FALSE(QStringLiteral("/\\:*?\"<>|").contains(c)) << name.toStdString();
            EXPECT_GE(c.unicode(), 32) << name.toStdString();
        }
        // A file of that name can be made.
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    EXPECT_EQ(names[0], "radar - TX - Midland-Odessa - 2;05 PM - Mar 07, 2026.jpg");
    EXPECT_TRUE(names[1].startsWith("animated radar - TX - Midland-Odessa - "));
    EXPECT_TRUE(names[1].endsWith(".gif"));
    EXPECT_EQ(names[2], "satellite - a-b-c-d-e-f-g-h-i-j - Infrared - 12;30 AM - Dec 25, 2025.jpg");
}

}  // namespace
}  // namespace orbelune
