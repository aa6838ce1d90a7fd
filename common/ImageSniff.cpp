#include "ImageSniff.h"

#include <QByteArray>

namespace orbelune {

namespace {

// The first `count` bytes, or an empty array when the device holds fewer.
QByteArray ReadHead(QIODevice* stream, qint64 count) {
    if (stream == nullptr || stream->size() < count || !stream->seek(0)) return {};
    QByteArray head = stream->read(count);
    if (head.size() != count) return {};
    return head;
}

}  // namespace

bool IsGifStream(QIODevice* Stream) {
    const QByteArray head = ReadHead(Stream, 6).toUpper();
    return head == "GIF89A" || head == "GIF87A";
}

bool IsJpegStream(QIODevice* Stream) {
    const QByteArray head = ReadHead(Stream, 20);
    if (head.isEmpty()) return false;
    if (static_cast<unsigned char>(head[0]) != 0xFF || static_cast<unsigned char>(head[1]) != 0xD8)
        return false;
    const QByteArray id = head.mid(6, 4).toUpper();
    if (id == "JFIF" || id == "EXIF") return true;
    return head.mid(16, 4) == "JFIF";
}

}  // namespace orbelune
