#include "SettingsStore.h"

#include "IniValuesAsWritten.h"
#include "SafeFile.h"
#include "Scramble.h"
#include "StoredLiterals.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <charconv>
#include <cmath>
#include <optional>

namespace orbelune {

namespace {

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

// Removes the listed files when it goes out of scope.
class TRemoveAtExit {
public:
    explicit TRemoveAtExit(QStringList paths) : paths_(std::move(paths)) {}
    ~TRemoveAtExit() {
        for (const QString& path : paths_) QFile::remove(path);
    }
    TRemoveAtExit(const TRemoveAtExit&) = delete;
    TRemoveAtExit& operator=(const TRemoveAtExit&) = delete;

private:
    QStringList paths_;
};

// Every key with a value. (A damaged file can list keys that hold none, or keys of a
// section without a name, which would be written back under another; they are not
// kept.)
QMap<QString, QVariant> AllValues(const QSettings& settings) {
    QMap<QString, QVariant> values;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        if (value.isValid() && !key.startsWith(QLatin1Char('/'))) values.insert(key, value);
    }
    return values;
}

// True when Read holds every key of Checked with the text Written gives it: a file cut
// short loses its last keys or the end of a value. (Only the keys written in this pass
// are checked: what a hand edit put elsewhere in the file need not read back the same.)
bool HoldsWhatWasWritten(const QMap<QString, QVariant>& read,
                         const QMap<QString, QVariant>& written, const QSet<QString>& checked) {
    for (const QString& key : checked) {
        const auto found = read.constFind(key);
        if (found == read.cend() || *found != written.value(key)) return false;
    }
    return true;
}

// The file text of Values in the INI format. QSettings writes a draft beside Path, which
// is then read back under another name (so that no cached copy answers) and must hold
// the checked keys as written: a draft cut short by a full disk never gets further.
std::optional<QByteArray> IniText(const QMap<QString, QVariant>& values,
                                  const QSet<QString>& checkedKeys, const QString& path,
                                  QString& errorText) {
    const QString draft = TemporarySibling(path);
    QString checked;
    {
        QFile file(draft);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerReadWrite)) {
            errorText = file.errorString();
            return std::nullopt;
        }
    }
    TRemoveAtExit removeDraft({draft});
    {
        const TOwnerOnlyCreation ownerOnly;  // for the lock file QSettings makes beside it
        QSettings out(draft, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError) {
            errorText = QStringLiteral("The settings could not be written.");
            return std::nullopt;
        }
    }
    checked = TemporarySibling(path);
    if (!QFile::rename(draft, checked)) {
        errorText = QStringLiteral("The settings could not be written.");
        return std::nullopt;
    }
    TRemoveAtExit removeChecked({checked});
    {
        const QSettings in(checked, QSettings::IniFormat);
        if (in.status() != QSettings::NoError ||
            !HoldsWhatWasWritten(AllValues(in), values, checkedKeys)) {
            errorText =
                QStringLiteral("The settings were not written completely (is the disk full?).");
            return std::nullopt;
        }
    }
    QFile file(checked);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = file.errorString();
        return std::nullopt;
    }
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        errorText = file.errorString();
        return std::nullopt;
    }
    return text;
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

TSettingsStore::TSettingsStore(const QString& filePath, const QString& section)
    : filePath_(filePath), section_(section) {
    RemoveStaleTemporaries(filePath_);
    Load();
    const QString prefix = section_ + QLatin1Char('/');
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        if (!it.key().startsWith(prefix)) continue;
        const QString key = it.key().mid(prefix.size());
        if (!key.contains(QLatin1Char('/'))) spellings_[key.toLower()].append(key);
    }
}

void TSettingsStore::Load() {
    const QFileInfo info(filePath_);
    if (!info.exists()) return;
    const auto fail = [this](TSettingsFileState state, const QString& why) {
        state_ = state;
        problem_ = why;
    };
    if (!info.isFile())
        return fail(TSettingsFileState::NotAFile, QStringLiteral("it is not a regular file"));
    if (info.size() > MaxSettingsFileBytes)
        return fail(TSettingsFileState::TooLarge,
                    QStringLiteral("it is larger than %1 KB").arg(MaxSettingsFileBytes / 1024));
    // Read it once by hand: QSettings takes a failed read for an empty file.
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return fail(TSettingsFileState::Unreadable, file.errorString());
    const QByteArray bytes = file.read(MaxSettingsFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(TSettingsFileState::Unreadable, file.errorString());
    if (bytes.size() > MaxSettingsFileBytes)
        return fail(TSettingsFileState::TooLarge,
                    QStringLiteral("it is larger than %1 KB").arg(MaxSettingsFileBytes / 1024));
    const QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return fail(TSettingsFileState::Unreadable, QStringLiteral("it could not be read"));
    state_ = TSettingsFileState::Read;
    values_ = AllValues(settings);
    // The section's own values as written: QSettings would turn a hand-edited comma
    // into a list, or a stray quote into the rest of the file.
    for (const auto& [key, text] : IniValuesAsWritten(bytes, section_))
        values_.insert(SectionKey(key), text);
}

QString TSettingsStore::StoredText(const QString& key, bool& found) const {
    const auto it = spellings_.constFind(key.toLower());
    found = it != spellings_.constEnd() && !it->isEmpty();
    if (!found) return {};
    return values_.value(SectionKey(it->first())).toString();
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
    QStringList& spellings = spellings_[key.toLower()];
    for (const QString& stored : spellings) values_.remove(SectionKey(stored));
    spellings = QStringList{key};
    values_.insert(SectionKey(key), text);
    written_.insert(SectionKey(key));
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

TSettingsStore::TFlushResult TSettingsStore::Flush() {
    if (state_ == TSettingsFileState::NotAFile)
        return {false, QStringLiteral("%1: %2.").arg(filePath_, problem_)};
    if (!MakeOwnerOnlyFolder(QFileInfo(filePath_).absolutePath()))
        return {false, QStringLiteral("The folder of %1 could not be created.").arg(filePath_)};
    QString why;
    const std::optional<QByteArray> text = IniText(values_, written_, filePath_, why);
    if (!text) return {false, why};
    const TFileWriteResult written = ReplaceFile(filePath_, *text, OwnerReadWrite);
    if (!written.Ok) return {false, written.ErrorText};
    state_ = TSettingsFileState::Read;
    problem_.clear();
    return {true, {}};
}

}  // namespace orbelune
