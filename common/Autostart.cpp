#include "Autostart.h"

#include "DesktopIdentity.h"
#include "SafeFile.h"

#include <QFile>
#include <QStandardPaths>

namespace orbelune {

namespace {

bool HasControlCharacter(const QString& text) {
    for (QChar c : text)
        if (c.category() == QChar::Other_Control) return true;
    return false;
}

// The program path as one quoted argument of an Exec line: inside the quotes '"', '`',
// '$' and '\' are escaped, then every '\' is doubled again because the value of a
// desktop entry is itself an escaped string; '%' starts a field code, so it is doubled.
QString ExecArgument(const QString& path) {
    QString quoted;
    for (QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QString AutostartFilePath(const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + name.toLower() + QStringLiteral(".desktop");
}

bool SetRunAtStartup(const QString& name, const QString& path, bool on) {
    const QString file = AutostartFilePath(name);
    if (!on) return QFile::remove(file);
    if (HasControlCharacter(path) || HasControlCharacter(name)) return false;
    RemoveStaleTemporaries(file);
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + name +
                          QStringLiteral("\nComment=") + QString::fromUtf8(DesktopComment) +
                          QStringLiteral("\nIcon=") + QString::fromUtf8(DesktopAppId) +
                          QStringLiteral("\nExec=") + ExecArgument(path) +
                          QStringLiteral("\nX-GNOME-Autostart-enabled=true\n");
    // The user's own session starter reads it; nobody else has anything to do with it.
    return ReplaceFile(file, entry.toUtf8(), OwnerReadWrite).Ok;
}

}  // namespace orbelune
