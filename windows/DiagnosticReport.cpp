#include "DiagnosticReport.h"

#include "DateHelpers.h"
#include "PlatformSeams.h"
#include "Scramble.h"
#include "StoredLiterals.h"
#include "TextHelpers.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <zlib.h>

namespace orbelune {

namespace {

const QString LineEnd = QStringLiteral(" *** ");

// " Service Pack: " stands when either text exists; each text follows after a blank
// unless the line already holds it.
QString OperatingSystemLine(const TReportSystem& system) {
    QString line = system.OsProductName();
    const QString servicePack = system.OsServicePack();
    const QString edition = system.OsEdition();
    if (!servicePack.isEmpty() || !edition.isEmpty()) line += QStringLiteral(" Service Pack: ");
    for (const QString& part : {servicePack, edition})
        if (!part.isEmpty() && !line.contains(part)) line += QLatin1Char(' ') + part;
    return line;
}

void AddSystemLines(QStringList& lines, const TReportSystem& system) {
    try {
        const QString os = OperatingSystemLine(system);
        const std::optional<QSize> screen = system.ScreenSize();
        if (!screen) return;
        lines << os << QString() << QStringLiteral("Screen Width: %1").arg(screen->width())
              << QStringLiteral("Screen Height: %1").arg(screen->height()) << QString();
    } catch (...) {
    }
}

std::optional<quint32> FileCrc32(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    uLong crc = crc32(0L, Z_NULL, 0);
    constexpr qint64 ChunkSize = 1 << 16;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(ChunkSize);
        if (chunk.isEmpty()) return std::nullopt;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.constData()),
                    static_cast<uInt>(chunk.size()));
    }
    return static_cast<quint32>(crc);
}

QString FolderWithDelimiter(const QFileInfo& info) {
    return info.absolutePath() + QLatin1Char('/');
}

void AddProgramFileLines(QStringList& lines, const TReportSystem& system) {
    QString path;
    try {
        path = system.ProgramFilePath();
        ExeFileInfoType info;
        if (system.GetFileVersionInfoRecord(path, info)) {
            const QFileInfo file(path);
            lines << file.fileName() + QStringLiteral("  found in ") + FolderWithDelimiter(file)
                  << QStringLiteral("File Version:  ") + info.FileVersion;
        }
    } catch (...) {
    }
    try {
        const QFileInfo file(path);
        if (path.isEmpty() || !file.isFile()) return;
        const std::optional<quint32> crc = FileCrc32(path);
        if (!crc) return;
        lines << QStringLiteral("file size: ") + FormatInt64Thousands(file.size()) +
                     QStringLiteral(" bytes")
              << QStringLiteral("file modified date/time: ") +
                     FormatDateTimeSafe(QStringLiteral("dddd, mmmm d,  yyyy,   h:mm:ss AM/PM"),
                                        FileTimeToLocalDateTime(file))
              << QStringLiteral("File CRC:  ") +
                     QStringLiteral("%1").arg(*crc, 8, 16, QLatin1Char('0')).toUpper();
    } catch (...) {
    }
}

void AddTlsLines(QStringList& lines, const TReportSystem& system) {
    const auto orNone = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("none") : text;
    };
    try {
        const QString backend = orNone(system.TlsBackend());
        const QString library = orNone(system.TlsLibraryVersion());
        lines << QString() << QStringLiteral("TLS backend: ") + backend << QString()
              << QStringLiteral("TLS library: ") + library;
    } catch (...) {
    }
}

}  // namespace

QStringList DiagnosticReportLines(const QString& programName, TDateTime now,
                                  const TReportSystem& system) {
    QStringList lines;
    lines << programName + QStringLiteral(" Debug Info")
          << FormatDateTimeSafe(QStringLiteral("mmmm d, yyyy   hh:mm:ss"), now);
    AddSystemLines(lines, system);
    lines << QString();
    AddProgramFileLines(lines, system);
    AddTlsLines(lines, system);
    for (QString& line : lines)
        if (!line.isEmpty()) line += LineEnd;
    return lines;
}

QString BuildDiagnosticReport(const QString& programName, const QString& address,
                              const TReportSystem& system) {
    const QString text =
        DiagnosticReportLines(programName, Platform().Clock->Now(), system).join(QLatin1Char('\n'));
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
    try {
        SendMailViaMAPI(programName + QStringLiteral(" Debug Info"), text, QString(), address,
                        QString(), QString(), QString());
    } catch (...) {
    }
    return text;
}

int SendMailViaMAPI(const QString& subject, const QString& body, const QString& attachmentPath,
                    const QString& recipientAddress, const QString& recipientName,
                    const QString& originatorAddress, const QString& originatorName) {
    TMailMessage message;
    message.Subject = subject;
    message.Body = body;
    message.AttachmentPath = attachmentPath;
    message.RecipientAddress = recipientAddress;
    if (!recipientAddress.isEmpty())
        message.RecipientName = recipientName.isEmpty() ? recipientAddress : recipientName;
    message.OriginatorAddress = originatorAddress;
    if (!originatorAddress.isEmpty())
        message.OriginatorName = originatorName.isEmpty() ? originatorAddress : originatorName;
    return Platform().Mail->Send(message);
}

void SendDiagnosticEmail() {
    BuildDiagnosticReport(UnscrambleLiteral(StoredLiteral::ProgramName),
                          UnscrambleLiteral(StoredLiteral::SupportAddress));
}

QString HomePageAddress() {
    return UnscrambleLiteral(StoredLiteral::HomePage);
}

}  // namespace orbelune
