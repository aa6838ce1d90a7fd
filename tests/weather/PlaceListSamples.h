#pragma once
// Place lists for the tests: the committed file, and small lists enciphered here the
// way tools/make_sitename.py does it.

#include "PkzipCipher.h"
#include "PlaceListFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <zlib.h>

namespace orbelune::test {

inline QString CommittedPlaceListPath() {
    return QStringLiteral(ORBELUNE_SOURCE_DIR "/resources/sitename.dat");
}

inline QByteArray CommittedPlaceListBytes() {
    QFile File(CommittedPlaceListPath());
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

// The committed list, inflated once per test run.
inline const QStringList& CommittedPlaceList() {
    static const QStringList Lines = [] {
        QStringList Split =
            QString::fromUtf8(
                DecodePlaceList(CommittedPlaceListBytes(), PlaceListPassPhrase()).Text)
                .split(QLatin1Char('\n'));
        if (!Split.isEmpty() && Split.constLast().isEmpty()) Split.removeLast();
        return Split;
    }();
    return Lines;
}

inline QByteArray RawDeflate(QByteArrayView Plain) {
    z_stream Stream{};
    deflateInit2(&Stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray Out(static_cast<qsizetype>(deflateBound(&Stream, Plain.size())), '\0');
    Stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Plain.data()));
    Stream.avail_in = static_cast<uInt>(Plain.size());
    Stream.next_out = reinterpret_cast<Bytef*>(Out.data());
    Stream.avail_out = static_cast<uInt>(Out.size());
    deflate(&Stream, Z_FINISH);
    Out.resize(static_cast<qsizetype>(Stream.total_out));
    deflateEnd(&Stream);
    return Out;
}

// A place-list file: the 12-byte header ending in the check byte, then the deflated
// text, all enciphered under PassPhrase.
inline QByteArray EncipherPlaceList(QByteArrayView Text, QByteArrayView PassPhrase,
                                    char CheckByte = static_cast<char>(PlaceListCheckByte)) {
    QByteArray File(11, '\x5A');
    File += CheckByte;
    File += RawDeflate(Text);
    TPkzipCipher(PassPhrase).Encrypt(File.data(), File.size());
    return File;
}

}  // namespace orbelune::test
