#include "TestGif.h"

#include <QBuffer>
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

// One palette for all frames, in the order the colours first appear.
struct TPalette {
    QHash<QRgb, int> Index;
    QList<QRgb> Colours;
    int Add(QRgb Colour) {
        const QRgb c = Colour & 0xFFFFFFu;
        if (!Index.contains(c)) {
            Index.insert(c, int(Colours.size()));
            Colours << c;
        }
        return Index.value(c);
    }
};

QList<int> Pixels(const QImage& Image, TPalette& Palette) {
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
    QList<int> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) pixels << Palette.Add(rgb.pixel(x, y));
    return pixels;
}

void PutHeader(QByteArray& Gif, QSize Size, QList<QRgb> Colours) {
    Gif = "GIF89a";
    PutWord(Gif, Size.width());
    PutWord(Gif, Size.height());
    Gif.append(char(0xF7));  // global colour table of 256 entries
    Gif.append(char(0));
    Gif.append(char(0));
    Colours.resize(256);
    for (QRgb c : Colours) {
        Gif.append(char(qRed(c)));
        Gif.append(char(qGreen(c)));
        Gif.append(char(qBlue(c)));
    }
}

// The image descriptor and the image data of a whole frame.
void PutImage(QByteArray& Gif, QSize Size, const QList<int>& Pixels) {
    Gif.append(char(0x2C));
    PutWord(Gif, 0);
    PutWord(Gif, 0);
    PutWord(Gif, Size.width());
    PutWord(Gif, Size.height());
    Gif.append(char(0));
    Gif.append(char(8));  // minimum code size

    constexpr int Clear = 256;
    constexpr int End = 257;
    TCodeWriter codes;
    for (qsizetype i = 0; i < Pixels.size(); ++i) {
        if (i % 200 == 0) codes.Put(Clear);
        codes.Put(Pixels[i]);
    }
    codes.Put(End);
    const QByteArray data = codes.Finish();
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        Gif.append(char(block.size()));
        Gif.append(block);
    }
    Gif.append(char(0));
}

}  // namespace

QByteArray TestGif(const QImage& Image, std::optional<QRgb> Transparent) {
    TPalette palette;
    const QList<int> pixels = Pixels(Image, palette);
    if (palette.Colours.size() > 256) return {};
    QByteArray gif;
    PutHeader(gif, Image.size(), palette.Colours);
    if (Transparent && palette.Index.contains(*Transparent & 0xFFFFFFu)) {
        gif.append("\x21\xF9\x04\x01\x00\x00", 6);
        gif.append(char(palette.Index.value(*Transparent & 0xFFFFFFu)));
        gif.append(char(0));
    }
    PutImage(gif, Image.size(), pixels);
    gif.append(char(0x3B));
    return gif;
}

QByteArray TestAnimatedGif(const QList<QImage>& Frames, int DelayCentiseconds) {
    if (Frames.isEmpty()) return {};
    TPalette palette;
    QList<QList<int>> pixels;
    for (const QImage& frame : Frames) pixels << Pixels(frame, palette);
    if (palette.Colours.size() > 256) return {};
    const QSize size = Frames.first().size();
    QByteArray gif;
    PutHeader(gif, size, palette.Colours);
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const QList<int>& frame : pixels) {
        gif.append("\x21\xF9\x04\x00", 4);
        PutWord(gif, DelayCentiseconds);
        gif.append(char(0));
        gif.append(char(0));
        PutImage(gif, size, frame);
    }
    gif.append(char(0x3B));
    return gif;
}

QByteArray TestJpeg(QSize Size, QRgb Colour) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Colour);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return jpeg;
}

QByteArray TestClaimingGif(int Frames, QSize Size) {
    QByteArray gif = "GIF89a";
    PutWord(gif, Size.width());
    PutWord(gif, Size.height());
    gif.append("\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF", 9);  // two colours
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int i = 0; i < Frames; ++i) {
        gif.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
        gif.append(char(0x2C));
        PutWord(gif, 0);
        PutWord(gif, 0);
        PutWord(gif, Size.width());
        PutWord(gif, Size.height());
        // No local colours; minimum code size 2; the clear and end codes alone.
        gif.append("\x00\x02\x01\x2C\x00", 5);
    }
    gif.append(char(0x3B));
    return gif;
}

}  // namespace orbelune::test
