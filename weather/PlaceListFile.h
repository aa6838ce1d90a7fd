#pragma once
// The place-list file "sitename.dat": where the program looks for it, and how its
// bytes become the list's lines. The file is a raw deflate stream (no zlib or gzip
// wrapper) enciphered with the traditional PKZIP cipher behind a 12-byte header whose
// last byte, deciphered, is PlaceListCheckByte. Inflated, it is UTF-8 text with one
// record per line. tools/make_sitename.py writes it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace orbelune {

inline constexpr const char* PlaceListFileName = "sitename.dat";
inline constexpr std::uint8_t PlaceListCheckByte = 0x4F;
// The list inflates to about 3.5 MB; a file that inflates (or is) larger than this is
// refused as damaged or hostile.
inline constexpr qsizetype PlaceListSizeCap = 16 * 1024 * 1024;

struct TPlaceListText {
    bool Ok = false;
    QByteArray Text;  // the records, one a line, as UTF-8
    QString Problem;  // why the bytes were refused, e.g. "the file is empty"
};

// Deciphers and inflates File under PassPhrase. Never throws: an empty, short,
// wrongly keyed, damaged or truncated file, a stream inflating beyond Cap and text that
// is not UTF-8 each give Ok = false and the Problem. Safe on any bytes. The text is
// checked in pieces, so no copy of it in another encoding is ever made.
TPlaceListText DecodePlaceList(QByteArrayView File, QByteArrayView PassPhrase,
                               qsizetype Cap = PlaceListSizeCap);

// Reads the file at Path (up to one byte past the cap, so an oversized file is refused,
// not cut); false with the problem when it cannot be opened.
bool ReadPlaceListFile(const QString& Path, QByteArray& Bytes, QString& Problem);

// The message for a file at Path whose bytes were refused for Problem.
QString UnusablePlaceListMessage(const QString& Path, const QString& Problem);

// The program's own pass phrase, deciphered from its stored literal.
QByteArray PlaceListPassPhrase();

// The folders searched, in order: the program's folder, "../share/orbelune" from it
// (where an install puts the list), "<data dir>/orbelune" for each XDG data folder,
// then the current folder.
QStringList PlaceListFolders();

// The path of the list in the first of Folders that holds it; empty when none does.
QString FindPlaceListFile(const QStringList& Folders);

// The message shown when no folder holds the list: it names the program and every
// folder searched.
QString MissingPlaceListMessage(const QStringList& Folders);

}  // namespace orbelune
