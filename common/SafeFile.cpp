#include "SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orbelune {

namespace {

constexpr QFileDevice::Permissions OwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr int StaleAfterSeconds = 60;
constexpr int TemporarySuffixLength = 6;

TFileWriteResult Failure(const QString& text) {
    return TFileWriteResult{false, text};
}

}  // namespace

bool MakeOwnerOnlyFolder(const QString& Folder) {
    const QString path = QDir::cleanPath(QFileInfo(Folder).absoluteFilePath());
    if (QFileInfo(path).isDir()) return true;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent == path || !MakeOwnerOnlyFolder(parent)) return false;
    return QDir().mkdir(path, OwnerOnlyFolder) || QFileInfo(path).isDir();
}

#ifdef Q_OS_UNIX
TOwnerOnlyCreation::TOwnerOnlyCreation() {
    oldMask_ = ::umask(077);
    ::umask(oldMask_ | 077);
}

TOwnerOnlyCreation::~TOwnerOnlyCreation() {
    ::umask(oldMask_);
}
#else
TOwnerOnlyCreation::TOwnerOnlyCreation() = default;
TOwnerOnlyCreation::~TOwnerOnlyCreation() = default;
#endif

QString WhyNothingCanBeWrittenBeside(const QString& Path) {
    const QString folder = QFileInfo(Path).absolutePath();
    if (!MakeOwnerOnlyFolder(folder))
        return QStringLiteral("the folder %1 cannot be created").arg(folder);
    QFile probe(TemporarySibling(Path));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                    OwnerReadWrite))
        return probe.errorString();
    // An empty file fits where nothing else does: the write shows a full disk.
    const bool written = probe.write("x", 1) == 1 && probe.flush();
    const QString why = written ? QString() : probe.errorString();
    probe.close();
    probe.remove();
    return why;
}

TFileWriteResult ReplaceFile(const QString& Path, const QByteArray& Bytes,
                             QFileDevice::Permissions Permissions) {
    const QFileInfo info(Path);
    if (info.exists() && !info.isFile())
        return Failure(QStringLiteral("%1 is not a regular file.").arg(Path));
    if (!MakeOwnerOnlyFolder(info.absolutePath()))
        return Failure(
            QStringLiteral("The folder %1 could not be created.").arg(info.absolutePath()));

    QSaveFile out(Path);
    if (!out.open(QIODevice::WriteOnly)) return Failure(out.errorString());
    // Nobody else may read the new contents while they are written.
    out.setPermissions(OwnerReadWrite);
    // The write may only fill the buffer: the flush is where a full disk shows, and a
    // commit does not report a failed flush of its own.
    if (out.write(Bytes) != Bytes.size() || !out.flush() || out.error() != QFileDevice::NoError) {
        const QString why = out.errorString();
        out.cancelWriting();
        return Failure(why);
    }
    if (!out.commit()) return Failure(out.errorString());
    QFile::setPermissions(Path, Permissions);
    return TFileWriteResult{true, {}};
}

QString TemporarySibling(const QString& Path) {
    static const char Alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name;
    do {
        name = Path + QLatin1Char('.');
        for (int i = 0; i < TemporarySuffixLength; ++i)
            name += QLatin1Char(Alphabet[QRandomGenerator::global()->bounded(
                static_cast<int>(sizeof Alphabet - 1))]);
    } while (QFileInfo::exists(name));
    return name;
}

int RemoveStaleTemporaries(const QString& Path) {
    const QFileInfo target(Path);
    const QRegularExpression pattern(QStringLiteral("^%1(\\.[A-Za-z0-9]{%2}){1,2}(\\.lock)?$")
                                         .arg(QRegularExpression::escape(target.fileName()))
                                         .arg(TemporarySuffixLength));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-StaleAfterSeconds);
    int removed = 0;
    const QDir folder = target.absoluteDir();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.isSymLink() || !entry.isFile() || !pattern.match(entry.fileName()).hasMatch())
            continue;
        if (entry.lastModified().toUTC() > before) continue;  // perhaps a save in progress
        if (QFile::remove(entry.absoluteFilePath())) ++removed;
    }
    return removed;
}

}  // namespace orbelune
