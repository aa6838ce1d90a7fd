#pragma once
// The settings file: one INI file under the user's configuration folder, one section,
// one value per key. Keys are found without regard to case, as a registry would; the
// file is readable by its owner only, since it may hold the proxy password. The section's
// values are read as written (IniValuesAsWritten.h), so a hand edit keeps its commas,
// quotes and backslashes.
//
// The store reads the whole file when it is made and keeps every key of it (other
// sections and unknown keys included) in memory; Flush writes them all back at once.
// A file that cannot be read (no permission, a read error, larger than
// MaxSettingsFileBytes, or not a regular file) is left unparsed and its state says why.

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace orbelune {

// Larger settings files are not read: the program's own is a few kilobytes.
inline constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;

enum class TSettingsFileState {
    Missing,     // no file yet
    Read,        // read and parsed (a damaged file parses to what could be understood)
    Unreadable,  // there, but reading it failed
    TooLarge,    // over MaxSettingsFileBytes
    NotAFile,    // a folder or another non-regular file stands where the file belongs
};

class TSettingsStore {
public:
    // The program's own file and section (from the stored literals).
    static QString DefaultFilePath();
    static QString DefaultSection();

    TSettingsStore(const QString& filePath, const QString& section);
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    TSettingsFileState State() const { return state_; }
    // Why the file could not be read, for a message; empty when it could.
    QString ProblemText() const { return problem_; }

    // Each returns Default when the key is missing or its text is not of the kind.
    int ReadInteger(const QString& key, int Default) const;
    bool ReadBool(const QString& key, bool Default) const;
    long double ReadExtended(const QString& key, long double Default) const;
    double ReadFloat(const QString& key, double Default) const;
    QString ReadString(const QString& key, const QString& Default) const;

    // A write replaces the value under any other spelling of the key.
    void WriteInteger(const QString& key, int value);
    void WriteBool(const QString& key, bool value);
    void WriteExtended(const QString& key, long double value);
    void WriteFloat(const QString& key, double value);
    void WriteString(const QString& key, const QString& value);

    // Replaces the file with every key held; false, with the reason in ErrorText and the
    // old file untouched, when it could not be written completely.
    struct TFlushResult {
        bool Ok = false;
        QString ErrorText;
    };
    TFlushResult Flush();

private:
    void Load();
    QString SectionKey(const QString& key) const { return section_ + QLatin1Char('/') + key; }
    QString StoredText(const QString& key, bool& found) const;
    void Write(const QString& key, const QString& text);

    QString filePath_;
    QString section_;
    TSettingsFileState state_ = TSettingsFileState::Missing;
    QString problem_;
    QMap<QString, QVariant> values_;         // every key of the file, as "Section/Key"
    QHash<QString, QStringList> spellings_;  // lower-case name -> its spellings in the section
    QSet<QString> written_;                  // the keys written since the file was read
};

}  // namespace orbelune
