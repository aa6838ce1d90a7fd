#include "SettingsStore.h"

#include "Scramble.h"
#include "StoredLiterals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <charconv>
#include <cmath>

namespace orbelune {

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates the folder and the file, readable and writable by the owner only, before
// anything is written into it; the atomic save keeps those permissions.
QString PreparedOwnerOnlyFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.exists()) {
        if (file.open(QIODevice::WriteOnly, OwnerOnly)) file.close();
    } else {
        file.setPermissions(OwnerOnly);
    }
    return path;
}

template <typename Real>
bool ParseReal(const QString& text, Real& value) {
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* end = bytes.constData() + bytes.size();
    Real parsed{};
    const auto [ptr, ec] = std::from_chars(bytes.constData(), end, parsed);
    if (ec != std::errc() || ptr != end || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

template <typename Real>
QString RealText(Real value) {
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buffer, ptr - buffer);
}

}  // namespace

QString TSettingsStore::DefaultFilePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + UnscrambleLiteral(StoredLiteral::SettingsKeyPath) +
           QStringLiteral(".ini");
}

QString TSettingsStore::DefaultSection() {
    return UnscrambleLiteral(StoredLiteral::SettingsSection);
}

TSettingsStore::TSettingsStore(const QString& filePath, const QString& section, TMode mode)
    : filePath_(filePath),
      settings_(mode == TMode::Write ? PreparedOwnerOnlyFile(filePath) : filePath,
                QSettings::IniFormat) {
    settings_.beginGroup(section);
    for (const QString& key : settings_.childKeys()) keysByFoldedName_.insert(key.toLower(), key);
}

QString TSettingsStore::StoredText(const QString& key, bool& found) const {
    const auto it = keysByFoldedName_.constFind(key.toLower());
    found = it != keysByFoldedName_.constEnd();
    if (!found) return {};
    const QVariant value = settings_.value(*it);
    // A hand-edited value with an unquoted comma reads as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

int TSettingsStore::ReadInteger(const QString& key, int Default) const {
    bool found = false;
    const QString text = StoredText(key, found).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    return found && ok ? value : Default;
}

bool TSettingsStore::ReadBool(const QString& key, bool Default) const {
    bool found = false;
    const QString text = StoredText(key, found).trimmed().toLower();
    if (!found) return Default;
    if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
    if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
    return Default;
}

long double TSettingsStore::ReadExtended(const QString& key, long double Default) const {
    bool found = false;
    const QString text = StoredText(key, found);
    long double value = Default;
    return found && ParseReal(text, value) ? value : Default;
}

double TSettingsStore::ReadFloat(const QString& key, double Default) const {
    bool found = false;
    const QString text = StoredText(key, found);
    double value = Default;
    return found && ParseReal(text, value) ? value : Default;
}

QString TSettingsStore::ReadString(const QString& key, const QString& Default) const {
    bool found = false;
    const QString text = StoredText(key, found);
    return found ? text : Default;
}

void TSettingsStore::Write(const QString& key, const QString& text) {
    const QString folded = key.toLower();
    for (const QString& stored : settings_.childKeys())
        if (stored != key && stored.toLower() == folded) settings_.remove(stored);
    settings_.setValue(key, text);
    keysByFoldedName_.insert(folded, key);
}

void TSettingsStore::WriteInteger(const QString& key, int value) {
    Write(key, QString::number(value));
}

void TSettingsStore::WriteBool(const QString& key, bool value) {
    Write(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void TSettingsStore::WriteExtended(const QString& key, long double value) {
    Write(key, RealText(value));
}

void TSettingsStore::WriteFloat(const QString& key, double value) {
    Write(key, RealText(value));
}

void TSettingsStore::WriteString(const QString& key, const QString& value) {
    Write(key, value);
}

bool TSettingsStore::Flush() {
    settings_.sync();
    QFile::setPermissions(filePath_, OwnerOnly);
    // A format error only says the old file could not be parsed; it was still replaced.
    return settings_.status() != QSettings::AccessError;
}

}  // namespace orbelune
