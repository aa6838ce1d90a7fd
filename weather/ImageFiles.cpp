#include "ImageFiles.h"

#include "AnimatedGif.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <functional>

namespace orbelune {

namespace {

const QString NoPicture = QStringLiteral("There is no picture to save.");

// Encode fills a buffer, which then goes to Name's temporary twin in one unbuffered
// write; the twin takes Name's place only when every byte went out. (A buffered file
// device loses a short write of its buffer at close without an error, so a picture
// smaller than the buffer would be cut off on a full disk and still put in place.)
bool SaveAllOrNothing(const QString& Name, QString& Error,
                      const std::function<bool(QIODevice&, QString&)>& Encode) {
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (!Encode(encoded, Error)) return false;
    const QByteArray& bytes = encoded.data();
    QSaveFile file(Name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        Error = file.error() != QFileDevice::NoError
                    ? file.errorString()
                    : QStringLiteral("Not every byte could be written; the disk may be full.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        Error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

QString ChangeToImageExt(const QString& Name, int Type) {
    const char* ext = Type == JpegImageFile     ? ".jpg"
                      : Type == BitmapImageFile ? ".bmp"
                      : Type == GifImageFile    ? ".gif"
                                                : nullptr;
    if (ext == nullptr) return Name;
    // The extension is what follows the file name's last dot; a name that starts with
    // its only dot (".radar") has none.
    const QString fileName = QFileInfo(Name).fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? Name.left(Name.size() - (fileName.size() - dot)) : Name;
    return stem + QLatin1String(ext);
}

bool WriteImageFile(const QImage& Picture, const QString& Name, int Type, QString& Error) {
    if (Picture.isNull()) {
        Error = NoPicture;
        return false;
    }
    return SaveAllOrNothing(Name, Error, [&](QIODevice& File, QString& Why) {
        if (Type == GifImageFile) {
            Why = QStringLiteral("The GIF could not be written.");
            return WriteAnimatedGif({Picture}, 0, File);
        }
        QImageWriter writer(&File, Type == JpegImageFile ? "jpeg" : "bmp");
        if (Type == JpegImageFile) writer.setQuality(100);
        const bool written = writer.write(Picture.convertToFormat(QImage::Format_RGB888));
        Why = writer.errorString();
        return written;
    });
}

bool WriteAnimatedGifFile(const QList<QImage>& Frames, int DelayCentiseconds, const QString& Name,
                          QString& Error) {
    if (Frames.isEmpty() || Frames.first().isNull()) {
        Error = NoPicture;
        return false;
    }
    return SaveAllOrNothing(Name, Error, [&](QIODevice& File, QString& Why) {
        Why = QStringLiteral("The GIF could not be written.");
        return WriteAnimatedGif(Frames, DelayCentiseconds, File);
    });
}

}  // namespace orbelune
