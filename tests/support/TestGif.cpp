#include "TestGif.h"

#include <QHash>
#include <QList>

namespace orbelune::test {

namespace {

// Packs 9-bit codes least significant bit first.
class TCodeWriter {
public:
    void Put(int Code) {
        bits_ |= quint32(Code) << count_;
        count_ += 9;
        while (count_ >= 8) {
            bytes_.append(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray Finish() {
        if (count_ > 0) bytes_.append(char(bits_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

void PutWord(QByteArray& Out, int Value) {
    Out.append(char(Value & 0xFF));
    Out.append(char((Value >> 8) & 0xFF));
}

}  // namespace

QByteArray TestGif(const QImage& Image, std::optional<QRgb> Transparent) {
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> index;
    QList<QRgb> palette;
    QList<int> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) & 0xFFFFFFu;
            if (!index.contains(c)) {
                index.insert(c, int(palette.size()));
                palette << c;
            }
            pixels << index.value(c);
        }
    if (palette.size() > 256) return {};
    palette.resize(256);

    QByteArray gif("GIF89a");
    PutWord(gif, rgb.width());
    PutWord(gif, rgb.height());
    gif.append(char(0xF7));  // global colour table of 256 entries
    gif.append(char(0));
    gif.append(char(0));
    for (QRgb c : palette) {
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    if (Transparent && index.contains(*Transparent & 0xFFFFFFu)) {
        gif.append("\x21\xF9\x04\x01\x00\x00", 6);
        gif.append(char(index.value(*Transparent & 0xFFFFFFu)));
        gif.append(char(0));
    }
    gif.append(char(0x2C));
    PutWord(gif, 0);
    PutWord(gif, 0);
    PutWord(gif, rgb.width());
    PutWord(gif, rgb.height());
    gif.append(char(0));
    gif.append(char(8));  // minimum code size

    constexpr int Clear = 256;
    constexpr int End = 257;
    TCodeWriter codes;
    for (qsizetype i = 0; i < pixels.size(); ++i) {
        if (i % 200 == 0) codes.Put(Clear);
        codes.Put(pixels[i]);
    }
    codes.Put(End);
    const QByteArray data = codes.Finish();
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}

}  // namespace orbelune::test
