#pragma once
// The settings file: one INI file under the user's configuration folder, one section,
// one value per key. Keys are found without regard to case, as a registry would; the
// file is readable by its owner only, since it may hold the proxy password.

#include <QHash>
#include <QSettings>
#include <QString>

namespace orbelune {

class TSettingsStore {
public:
    enum class TMode { Read, Write };

    // The program's own file and section (from the stored literals).
    static QString DefaultFilePath();
    static QString DefaultSection();

    TSettingsStore(const QString& filePath, const QString& section, TMode mode);
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

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

    // Writes the changes to disk; false when the file could not be written.
    bool Flush();

private:
    QString StoredText(const QString& key, bool& found) const;
    void Write(const QString& key, const QString& text);

    QString filePath_;
    QSettings settings_;
    QHash<QString, QString> keysByFoldedName_;  // lower-case name -> spelling in the file
};

}  // namespace orbelune
