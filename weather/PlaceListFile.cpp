#include "PlaceListFile.h"

#include "PkzipCipher.h"
#include "Scramble.h"
#include "StoredLiterals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <zlib.h>

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

    QStringDecoder Decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString Decoded = Decoder(Text);
    if (Decoder.hasError()) return Refused(QStringLiteral("its text is damaged"));

    TPlaceListText Result;
    Result.Ok = true;
    Result.Lines = Decoded.split(QLatin1Char('\n'));
    if (!Result.Lines.isEmpty() && Result.Lines.constLast().isEmpty()) Result.Lines.removeLast();
    for (QString& Line : Result.Lines)
        if (Line.endsWith(QLatin1Char('\r'))) Line.chop(1);
    return Result;
}

QByteArray PlaceListPassPhrase() {
    return UnscrambleLiteral(StoredLiteral::PlaceListPassPhrase).toUtf8();
}

QStringList PlaceListFolders() {
    QStringList Folders{QCoreApplication::applicationDirPath()};
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
