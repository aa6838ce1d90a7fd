#include "PlaceListFile.h"

#include "PkzipCipher.h"
#include "Scramble.h"
#include "StoredLiterals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <zlib.h>

#include <algorithm>

namespace orbelune {

namespace {

constexpr qsizetype HeaderSize = 12;

TPlaceListText Refused(const QString& Problem) {
    TPlaceListText Result;
    Result.Problem = Problem;
    return Result;
}

// Inflates a raw deflate stream into Out; an empty string when it ends cleanly with no
// bytes left over, else the problem.
QString InflateRaw(QByteArrayView In, qsizetype Cap, QByteArray& Out) {
    z_stream Stream{};
    if (inflateInit2(&Stream, -MAX_WBITS) != Z_OK) return QStringLiteral("inflating failed");
    Stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(In.data()));
    Stream.avail_in = static_cast<uInt>(In.size());
    char Chunk[64 * 1024];
    int Status = Z_OK;
    QString Problem;
    while (Status == Z_OK) {
        Stream.next_out = reinterpret_cast<Bytef*>(Chunk);
        Stream.avail_out = sizeof Chunk;
        Status = inflate(&Stream, Z_NO_FLUSH);
        const qsizetype Produced = static_cast<qsizetype>(sizeof Chunk - Stream.avail_out);
        if (Out.size() + Produced > Cap) {
            Problem = QStringLiteral("it unpacks to more than %1 MB").arg(Cap / (1024 * 1024));
            break;
        }
        // Qt's append copies the whole array when it grows; doubling keeps that rare.
        if (Out.capacity() < Out.size() + Produced)
            Out.reserve(std::max(2 * Out.capacity(), Out.size() + Produced));
        Out.append(Chunk, Produced);
        if (Status == Z_BUF_ERROR && Stream.avail_in == 0)
            Problem = QStringLiteral("it ends before its data is complete");
        else if (Status != Z_OK && Status != Z_STREAM_END)
            Problem = QStringLiteral("its data is damaged");
    }
    if (Problem.isEmpty() && Stream.avail_in != 0) Problem = QStringLiteral("its data is damaged");
    inflateEnd(&Stream);
    return Problem;
}

// Whether Text is UTF-8 throughout. It is decoded a few lines at a time into a small
// buffer: a line break never falls inside a character, so each piece stands alone.
bool IsUtf8(QByteArrayView Text) {
    constexpr qsizetype Piece = 16 * 1024;
    QStringDecoder Decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString Buffer;
    for (qsizetype At = 0; At < Text.size();) {
        qsizetype End = Text.indexOf('\n', std::min(At + Piece, Text.size() - 1));
        End = End < 0 ? Text.size() : End + 1;
        Buffer = Decoder(Text.sliced(At, End - At));
        if (Decoder.hasError()) return false;
        At = End;
    }
    return true;
}

}  // namespace

TPlaceListText DecodePlaceList(QByteArrayView File, QByteArrayView PassPhrase, qsizetype Cap) {
    if (File.isEmpty()) return Refused(QStringLiteral("the file is empty"));
    if (File.size() <= HeaderSize) return Refused(QStringLiteral("the file is too short"));
    if (File.size() > Cap)
        return Refused(QStringLiteral("the file is larger than %1 MB").arg(Cap / (1024 * 1024)));

    QByteArray Plain(File.data(), File.size());
    TPkzipCipher(PassPhrase).Decrypt(Plain.data(), Plain.size());
    if (static_cast<std::uint8_t>(Plain[HeaderSize - 1]) != PlaceListCheckByte)
        return Refused(QStringLiteral("it does not open with this program's pass phrase"));

    QByteArray Text;
    const QString Problem = InflateRaw(QByteArrayView(Plain).sliced(HeaderSize), Cap, Text);
    if (!Problem.isEmpty()) return Refused(Problem);

    if (!IsUtf8(Text)) return Refused(QStringLiteral("its text is damaged"));

    TPlaceListText Result;
    Result.Ok = true;
    Result.Text = std::move(Text);
    return Result;
}

bool ReadPlaceListFile(const QString& Path, QByteArray& Bytes, QString& Problem) {
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly)) {
        Problem =
            QStringLiteral("The place list %1 cannot be opened: %2.").arg(Path, File.errorString());
        return false;
    }
    Bytes = File.read(PlaceListSizeCap + 1);
    return true;
}

QString UnusablePlaceListMessage(const QString& Path, const QString& Problem) {
    return QStringLiteral(
               "The place list %1 cannot be used: %2. Places, zip codes and weather "
               "stations cannot be looked up until the file is replaced.")
        .arg(Path, Problem);
}

QByteArray PlaceListPassPhrase() {
    return UnscrambleLiteral(StoredLiteral::PlaceListPassPhrase).toUtf8();
}

QStringList PlaceListFolders() {
    // An installed program finds the list installed with it: <prefix>/bin/orbelune and
    // <prefix>/share/orbelune/sitename.dat, wherever the prefix is.
    const QString Program = QCoreApplication::applicationDirPath();
    QStringList Folders{Program, QDir::cleanPath(Program + QStringLiteral("/../share/orbelune"))};
    for (const QString& Data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        Folders << QDir(Data).filePath(QStringLiteral("orbelune"));
    Folders << QDir::currentPath();
    return Folders;
}

QString FindPlaceListFile(const QStringList& Folders) {
    for (const QString& Folder : Folders) {
        const QFileInfo Candidate(QDir(Folder), QString::fromLatin1(PlaceListFileName));
        if (Candidate.isFile()) return Candidate.absoluteFilePath();
    }
    return {};
}

QString MissingPlaceListMessage(const QStringList& Folders) {
    return QStringLiteral(
               "%1 cannot find its place list %2.\nPlace the file in one of these "
               "folders and restart this program:\n%3")
        .arg(UnscrambleLiteral(StoredLiteral::ProgramName), QString::fromLatin1(PlaceListFileName),
             Folders.join(QLatin1Char('\n')));
}

}  // namespace orbelune
