#include "Autostart.h"
#include "FileFaults.h"
#include "QStringPrinter.h"
#include "SettingsIo.h"
#include "SettingsStore.h"
#include "SettingsTable.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include <functional>
#include <map>
#include <type_traits>

#include <unistd.h>

namespace orbelune {
namespace {

TSettings Unusual();

class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        path = TSettingsStore::DefaultFilePath();
        QFile::remove(path);
    }
    void TearDown() override { QFile::remove(path); }

    // Writes the file by hand, as a user editing it would. Each hand-written file gets
    // its own modification time, so that no cached copy of an earlier one is used.
    void WriteRaw(const QByteArray& text) {
        static int edits = 0;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.flush();
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600 + ++edits),
                         QFileDevice::FileModificationTime);
    }

    QStringList StoredKeys() {
        QSettings raw(path, QSettings::IniFormat);
        raw.beginGroup("Settings");
        QStringList keys = raw.childKeys();
        keys.sort();
        return keys;
    }

    static QByteArray Contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }

    QStringList FolderEntries() const {
        return QDir(QFileInfo(path).absolutePath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    // A save that cannot be completed leaves the settings file and the autostart entry as
    // they were, says so, and leaves no temporary behind.
    void ExpectFailedSavesKeepTheOldFiles() {
        const QByteArray settingsBefore = Contents(path);
        const QString entry = AutostartFilePath("Orbelune");
        const QByteArray entryBefore = Contents(entry);
        TSettings changed = Unusual();
        changed.PlaceName = QString(120, 'p');
        const TSettingsResult saved = SaveIniFile(changed);
        EXPECT_FALSE(saved.Ok);
        EXPECT_TRUE(saved.Message.contains(path)) << saved.Message.toStdString();
        EXPECT_EQ(Contents(path), settingsBefore);
        EXPECT_FALSE(SetRunAtStartup("Orbelune", "/opt/orbelune/a/longer/path/orbelune", true));
        EXPECT_EQ(Contents(entry), entryBefore);
        EXPECT_EQ(FolderEntries(), QStringList{"orbelune.ini"});
        // Nor does a first save leave an empty file behind.
        QFile::remove(path);
        EXPECT_FALSE(SaveIniFile(changed).Ok);
        EXPECT_EQ(FolderEntries(), QStringList{});
    }

    QString StoredValue(const QString& key) {
        QSettings raw(path, QSettings::IniFormat);
        return raw.value("Settings/" + key).toString();
    }

    // The built-in defaults overlaid with the file; `copies` receives the start-up copies.
    TSettings ReadBack(TSettingsCopies* copies = nullptr) {
        TSettings read;
        TSettingsCopies ignored;
        ReadIniFile(read, copies != nullptr ? *copies : ignored);
        return read;
    }

    QString path;
};

// Every member set away from its default, within the range its rule allows.
TSettings Unusual() {
    TSettings s;
    for (const TSettingEntry& e : SettingsTable) {
        std::visit(
            [&](auto member) {
                auto& v = s.*member;
                using T = std::remove_reference_t<decltype(v)>;
                if constexpr (std::is_same_v<T, int>) {
                    if (e.Rule == TReadRule::WeekStart)
                        v = 2;
                    else if (e.Rule != TReadRule::Clamp)
                        v = -123456;
                    else
                        v = (e.Max != INT_MAX && e.Max != v) ? e.Max : e.Min + 3;
                } else if constexpr (std::is_same_v<T, bool>) {
                    v = !v;
                } else if constexpr (std::is_same_v<T, long double>) {
                    v = e.Rule == TReadRule::Clamp ? e.Max - 0.12345678901234567891L : 1.0L / 3.0L;
                } else if constexpr (std::is_same_v<T, double>) {
                    v = 45351.123456789012;
                } else if constexpr (std::is_same_v<T, QString>) {
                    v = QString::fromUtf8("A, \"b\" = c; d\\e @f ÄÖ\t\x01 ") + e.Key;
                } else {
                    v = 'M';
                }
            },
            e.Member);
    }
    s.WeatherStationCode = "CYYZ";
    s.SaveOnExit = true;
    return s;
}

void ExpectSameValue(const TSettings& a, const TSettings& b, const TSettingEntry& e) {
    std::visit([&](auto member) { EXPECT_EQ(a.*member, b.*member) << e.Key; }, e.Member);
}

TEST(SettingsTable, SavesEveryKeyButSaveURLExactlyOnce) {
    QSet<QString> tableKeys;
    for (const TSettingEntry& e : SettingsTable) tableKeys.insert(e.Key);
    EXPECT_EQ(tableKeys.size(), SettingsCount);
    QSet<QString> savedKeys;
    for (const char* key : AlwaysSavedKeys) savedKeys.insert(key);
    for (const char* key : SavedOnExitKeys) {
        EXPECT_FALSE(savedKeys.contains(key)) << key;
        savedKeys.insert(key);
        EXPECT_NE(FindSetting(key), nullptr) << key;
    }
    savedKeys.insert("SaveURL");
    EXPECT_EQ(savedKeys, tableKeys);
}

// The keys joined by blanks, in reading and in saving order, hash to the values of the
// settings list they were typed from ("WindowTop WindowLeft InfoFormTop ..."), so a key
// out of its place fails. Reading needs Latitude ahead of SouthernHemisphere.
TEST(SettingsTable, ReadsAndSavesInTheListedOrder) {
    const auto digest = [](const QStringList& keys) {
        return QCryptographicHash::hash(keys.join(' ').toLatin1(), QCryptographicHash::Sha256)
            .toHex();
    };
    // The keys of this program's own come last and are not in the list.
    const QStringList own = {"SatelliteServer"};
    const auto listed = [&](QStringList keys) {
        EXPECT_EQ(keys.mid(keys.size() - own.size()), own);
        return keys.mid(0, keys.size() - own.size());
    };
    QStringList read;
    for (const TSettingEntry& e : SettingsTable) read << e.Key;
    read = listed(read);
    EXPECT_EQ(digest(read), "a826209c35b5fb2407d8a1c37afa42756af6d6e1fed15d4287534f325da5c5a2");
    EXPECT_LT(read.indexOf("Latitude"), read.indexOf("SouthernHemisphere"));
    QStringList saved;
    for (const char* key : SavedOnExitKeys) saved << key;
    saved = listed(saved);
    EXPECT_EQ(digest(saved), "b71e62fe4433c60e67893db92a6b448d244ad5bf15c96577cd05833e70e79bf7");
    EXPECT_EQ(QStringList(AlwaysSavedKeys.begin(), AlwaysSavedKeys.end()),
              (QStringList{"SaveOnExit", "LastTimeStamp", "RunWhenWindowsStarts"}));
}

// Each kind is held in the member type that carries it without loss, and the table
// has as many keys of each kind as the settings list: 32 integers, 46 Booleans, three
// extended and one double floating values, one date-time, 17 strings, three characters;
// and one string of this program's own, the satellite server.
TEST(SettingsTable, KindsMatchTheirMembers) {
    std::map<TSettingKind, int> counts;
    for (const TSettingEntry& e : SettingsTable) {
        ++counts[e.Kind];
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(TSettings().*member)>;
                switch (e.Kind) {
                    case TSettingKind::Integer:
                        EXPECT_TRUE((std::is_same_v<T, int>)) << e.Key;
                        break;
                    case TSettingKind::Boolean:
                        EXPECT_TRUE((std::is_same_v<T, bool>)) << e.Key;
                        break;
                    case TSettingKind::Extended:
                        EXPECT_TRUE((std::is_same_v<T, long double>)) << e.Key;
                        break;
                    case TSettingKind::Double:
                    case TSettingKind::DateTime:
                        EXPECT_TRUE((std::is_same_v<T, double>)) << e.Key;
                        break;
                    case TSettingKind::String:
                        EXPECT_TRUE((std::is_same_v<T, QString>)) << e.Key;
                        break;
                    case TSettingKind::Character:
                        EXPECT_TRUE((std::is_same_v<T, char>)) << e.Key;
                        break;
                }
            },
            e.Member);
    }
    EXPECT_EQ(counts[TSettingKind::Integer], 32);
    EXPECT_EQ(counts[TSettingKind::Boolean], 46);
    EXPECT_EQ(counts[TSettingKind::Extended], 3);
    EXPECT_EQ(counts[TSettingKind::Double], 1);
    EXPECT_EQ(counts[TSettingKind::DateTime], 1);
    EXPECT_EQ(counts[TSettingKind::String], 17 + 1);
    EXPECT_EQ(counts[TSettingKind::Character], 3);
    EXPECT_EQ(FindSetting("LastTimeStamp")->Kind, TSettingKind::DateTime);
    EXPECT_EQ(FindSetting("LastTimeAdjust")->Kind, TSettingKind::Double);
}

TEST_F(SettingsFile, LivesInTheConfigurationFolder) {
    EXPECT_EQ(path, qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orbelune/orbelune.ini");
    EXPECT_EQ(TSettingsStore::DefaultSection(), "Settings");
}

TEST_F(SettingsFile, EveryKindOfValueReadsBackAsWritten) {
    const TSettings written = Unusual();
    ASSERT_TRUE(SaveIniFile(written).Ok);
    const TSettings read = ReadBack();
    for (const TSettingEntry& e : SettingsTable)
        if (QString(e.Key) != "SaveURL") ExpectSameValue(written, read, e);
    EXPECT_EQ(read.SaveURL, TSettings().SaveURL);  // only WriteURL writes it
    // Extended values keep their full precision.
    EXPECT_EQ(read.Latitude, 90 - 0.12345678901234567891L);
    EXPECT_EQ(read.NumberInCalculator, 1.0L / 3.0L);
}

TEST_F(SettingsFile, WriteURLWritesSaveURLAlone) {
    TSettings s;
    s.SaveURL = "https://example.org/forecast?a=1&b=2";
    s.DisplayLevel = 2;
    ASSERT_TRUE(WriteURL(s).Ok);
    EXPECT_EQ(StoredKeys(), QStringList{"SaveURL"});
    EXPECT_EQ(ReadBack().SaveURL, s.SaveURL);
}

TEST_F(SettingsFile, SaveOnExitOffWritesOnlyTheThreeKeys) {
    TSettings s = Unusual();
    ASSERT_TRUE(SaveIniFile(s).Ok);
    TSettings later = s;
    later.SaveOnExit = false;
    later.LastTimeStamp = 46000.25;
    later.RunWhenWindowsStarts = !s.RunWhenWindowsStarts;
    later.DisplayLevel = 3;
    later.PlaceName = "Somewhere else";
    ASSERT_TRUE(SaveIniFile(later).Ok);
    const TSettings read = ReadBack();
    EXPECT_FALSE(read.SaveOnExit);
    EXPECT_EQ(read.LastTimeStamp, 46000.25);
    EXPECT_EQ(read.RunWhenWindowsStarts, later.RunWhenWindowsStarts);
    EXPECT_EQ(read.DisplayLevel, s.DisplayLevel);
    EXPECT_EQ(read.PlaceName, s.PlaceName);

    QFile::remove(path);
    ASSERT_TRUE(SaveIniFile(later).Ok);
    EXPECT_EQ(StoredKeys(), (QStringList{"LastTimeStamp", "RunWhenWindowsStarts", "SaveOnExit"}));
}

TEST_F(SettingsFile, SkippingTheReadWritesTheDefaultsBack) {
    EXPECT_TRUE(SkipSettingsRequested({"orbelune", "/C"}));
    EXPECT_TRUE(SkipSettingsRequested({"orbelune", "/c"}));
    EXPECT_FALSE(SkipSettingsRequested({"orbelune"}));
    EXPECT_FALSE(SkipSettingsRequested({"orbelune", "/X"}));
    EXPECT_FALSE(SkipSettingsRequested({"orbelune", "x", "/C"}));

    ASSERT_TRUE(SaveIniFile(Unusual()).Ok);
    // Started with /C: the settings keep their defaults, and closing saves them.
    ASSERT_TRUE(SaveIniFile(TSettings()).Ok);
    const TSettings read = ReadBack();
    const TSettings defaults;
    for (const TSettingEntry& e : SettingsTable) ExpectSameValue(defaults, read, e);
    EXPECT_EQ(StoredValue("DisplayLevel"), "4");
}

TEST_F(SettingsFile, AMissingKeyLeavesTheSettingOrTakesItsRuleDefault) {
    WriteRaw("[Settings]\nLatitude=-33.5\n");
    TSettings s;
    s.DisplayLevel = 2;
    s.UseLocalTime = false;
    s.UseMilitaryTime = true;
    TSettingsCopies copies;
    ReadIniFile(s, copies);
    EXPECT_EQ(s.DisplayLevel, 2);
    EXPECT_TRUE(s.UseLocalTime);
    EXPECT_FALSE(s.UseMilitaryTime);
    EXPECT_EQ(s.Latitude, -33.5L);
    EXPECT_TRUE(s.SouthernHemisphere);  // follows the negative latitude

    WriteRaw("[Settings]\nLatitude=10\n");
    TSettings north;
    north.SouthernHemisphere = true;
    ReadIniFile(north, copies);
    EXPECT_FALSE(north.SouthernHemisphere);

    WriteRaw("[Settings]\nLatitude=-10\nSouthernHemisphere=false\n");
    EXPECT_FALSE(ReadBack().SouthernHemisphere);  // a stored value wins
}

TEST_F(SettingsFile, WeekStartOutsideItsRangeBecomesSeven) {
    for (const auto& [stored, expected] :
         {std::pair{"9", 7}, {"-1", 7}, {"8", 7}, {"0", 0}, {"3", 3}}) {
        WriteRaw(QByteArray("[Settings]\nWeekStart=") + stored + "\n");
        EXPECT_EQ(ReadBack().WeekStart, expected) << stored;
    }
}

TEST_F(SettingsFile, TheStationCodeKeepsFourCharacters) {
    WriteRaw("[Settings]\nWeatherStationCode=CYYZAB\nWeatherStationName=Toronto\n");
    TSettings s = ReadBack();
    EXPECT_EQ(s.WeatherStationCode, "CYYZ");
    EXPECT_EQ(s.WeatherStationName, "Toronto");
}

TEST_F(SettingsFile, LocationStringsKeepStartUpCopiesAndAreCutTo128) {
    const QString longName(200, 'x');
    WriteRaw("[Settings]\nPlaceName=" + longName.toLatin1() + "\nCityName=\"Paris, France\"\n");
    TSettingsCopies copies;
    TSettings s = ReadBack(&copies);
    EXPECT_EQ(copies.PlaceName, longName);
    EXPECT_EQ(s.PlaceName, longName.left(128));
    EXPECT_EQ(s.CityName, "Paris, France");
    EXPECT_EQ(copies.ZipCode, "");
}

// A value typed into the file comes back as typed, commas, quotes, semicolons and
// backslashes included (a stray quote does not swallow the lines after it), and the
// save writes it so that it reads the same again.
TEST_F(SettingsFile, HandEditedStringsReadAndSaveAsTyped) {
    const struct {
        const char* Line;
        QString TSettings::*Member;
        const char* Value;
    } cases[] = {
        {"ProxyPassword=pa,ss", &TSettings::ProxyPassword, "pa,ss"},
        {"ProxyUserName= a , b ", &TSettings::ProxyUserName, "a , b"},
        {"CityName=\"Paris, France\"", &TSettings::CityName, "Paris, France"},
        {"StateName=pa\"ss", &TSettings::StateName, "pa\"ss"},
        {"CountryName=\"x\" , \"y\"", &TSettings::CountryName, "\"x\" , \"y\""},
        {"ZipCode=C:\\Users\\x\\", &TSettings::ZipCode, "C:\\Users\\x\\"},
        {"TimeServer=pa;ss", &TSettings::TimeServer, "pa;ss"},
        {"LastSaveFolder=@home", &TSettings::LastSaveFolder, "@home"},
        {"SaveURL=http://a.example/?q=1,2", &TSettings::SaveURL, "http://a.example/?q=1,2"},
    };
    QByteArray file = "[Settings]\n";
    for (const auto& c : cases) file += QByteArray(c.Line) + "\n";
    WriteRaw(file);
    TSettings read = ReadBack();
    for (const auto& c : cases) EXPECT_EQ(read.*c.Member, QString::fromUtf8(c.Value)) << c.Line;
    read.SaveOnExit = false;  // the untouched lines are written back as they were read
    ASSERT_TRUE(SaveIniFile(read).Ok);
    const TSettings again = ReadBack();
    for (const auto& c : cases) EXPECT_EQ(again.*c.Member, QString::fromUtf8(c.Value)) << c.Line;
    ASSERT_TRUE(SaveIniFile(Unusual()).Ok);
    EXPECT_EQ(ReadBack().ProxyPassword, Unusual().ProxyPassword);
}

TEST_F(SettingsFile, ThePlaceNameIsFoundUnderAnySpellingAndWrittenAsPlaceName) {
    WriteRaw("[Settings]\nPlacename=Lyon\nsaveonexit=false\n");
    TSettingsCopies copies;
    TSettings s = ReadBack(&copies);
    EXPECT_EQ(s.PlaceName, "Lyon");
    EXPECT_EQ(copies.PlaceName, "Lyon");
    EXPECT_FALSE(s.SaveOnExit);

    s.SaveOnExit = true;
    ASSERT_TRUE(SaveIniFile(s).Ok);
    const QStringList keys = StoredKeys();
    EXPECT_TRUE(keys.contains("PlaceName"));
    EXPECT_FALSE(keys.contains("Placename"));
    EXPECT_FALSE(keys.contains("saveonexit"));
    EXPECT_EQ(StoredValue("PlaceName"), "Lyon");
    EXPECT_EQ(ReadBack().PlaceName, "Lyon");
}

TEST_F(SettingsFile, TheRetiredWeatherHostIsReplaced) {
    WriteRaw("[Settings]\nWeatherServer=weather.NOAA.gov\nTimeServer=time.example.org\n");
    const TSettings s = ReadBack();
    EXPECT_EQ(s.WeatherServer, DefaultWeatherServer);
    EXPECT_EQ(s.TimeServer, "time.example.org");
}

TEST_F(SettingsFile, DamagedValuesAreKeptWithinTheirRange) {
    WriteRaw(
        "[Settings]\n"
        "DisplayLevel=banana\n"
        "UpdateWeatherMinutes=1441\n"
        "UpdateClockMinutes=-30\n"
        "ProxyPort=70000\n"
        "StateBoxItemIndex=99\n"
        "CountryBoxItemIndex=-4\n"
        "RadarLocationBoxIndex=500\n"
        "StateMaxImages=0\n"
        "SpeedUpDownPosition=1000\n"
        "LastInfoFormTabIndex=13\n"
        "MapSiteIndex=-1\n"
        "SatelliteTypeBoxIndex=2\n"
        "SatelliteColorBoxIndex=5\n"
        "Latitude=123.5\n"
        "Longitude=nan\n"
        "NumberInCalculator=1e999999\n"
        "LastTimeAdjust=12abc\n"
        "ShowHints=maybe\n"
        "AnimateMoon=1\n"
        "TrayType=\n"
        "TemperatureUnits=Celsius\n"
        "WindowTop=99999999999999\n");
    const TSettings s = ReadBack();
    const TSettings d;
    EXPECT_EQ(s.DisplayLevel, d.DisplayLevel);
    EXPECT_EQ(s.UpdateWeatherMinutes, 1440);
    EXPECT_EQ(s.UpdateClockMinutes, 1);
    EXPECT_EQ(s.ProxyPort, 65535);
    EXPECT_EQ(s.StateBoxItemIndex, 53);
    EXPECT_EQ(s.CountryBoxItemIndex, 0);
    EXPECT_EQ(s.RadarLocationBoxIndex, 168);
    EXPECT_EQ(s.StateMaxImages, 1);
    EXPECT_EQ(s.SpeedUpDownPosition, 99);
    EXPECT_EQ(s.LastInfoFormTabIndex, 12);
    EXPECT_EQ(s.MapSiteIndex, -1);
    EXPECT_EQ(s.SatelliteTypeBoxIndex, 2);  // "Water Vapor", the third type
    EXPECT_EQ(s.SatelliteColorBoxIndex, 4);
    EXPECT_EQ(s.Latitude, 90.0L);
    EXPECT_EQ(s.Longitude, d.Longitude);
    EXPECT_EQ(s.NumberInCalculator, d.NumberInCalculator);
    EXPECT_EQ(s.LastTimeAdjust, d.LastTimeAdjust);
    EXPECT_EQ(s.ShowHints, d.ShowHints);
    EXPECT_TRUE(s.AnimateMoon);
    EXPECT_EQ(s.TrayType, 'T');
    EXPECT_EQ(s.TemperatureUnits, 'C');
    EXPECT_EQ(s.WindowTop, d.WindowTop);
}

TEST_F(SettingsFile, AFileOfGarbageReadsAsDefaults) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919) % 256));
    WriteRaw(garbage);
    const TSettings s = ReadBack();
    const TSettings d;
    for (const TSettingEntry& e : SettingsTable) ExpectSameValue(d, s, e);
}

// A section header broken over two lines leaves keys that hold no value, or that would
// be written back under another key: they are dropped, and the settings still save.
TEST_F(SettingsFile, KeysWithoutValuesDoNotStopTheSave) {
    WriteRaw("[\nSettings]\nWindowTop=\nx=1\n[General]\nx=2\n[Settings]\nPlaceName=Lyon\n");
    TSettings s = ReadBack();
    EXPECT_EQ(s.PlaceName, "Lyon");
    s.DisplayLevel = 2;
    ASSERT_TRUE(SaveIniFile(s).Ok);
    EXPECT_EQ(ReadBack().DisplayLevel, 2);
}

TEST_F(SettingsFile, ADamagedFileIsWrittenAfreshOnSave) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919) % 256));
    WriteRaw(garbage);
    const TSettings written = Unusual();
    EXPECT_TRUE(SaveIniFile(written).Ok);  // the old contents could not be parsed, yet it saved
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("[Settings]\n"));
    const TSettings read = ReadBack();
    for (const TSettingEntry& e : SettingsTable)
        if (QString(e.Key) != "SaveURL") ExpectSameValue(written, read, e);
}

TEST_F(SettingsFile, AFolderWhereTheFileShouldBeIsReportedAndLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(path));
    const QFileDevice::Permissions before = QFileInfo(path).permissions();
    TSettings s;
    TSettingsCopies copies;
    EXPECT_FALSE(ReadIniFile(s, copies).Message.isEmpty());
    for (const TSettingsResult& r :
         {SaveIniFile(s), SaveIniFile(s, TSaveIntent::OnPurpose), WriteURL(s)})
        EXPECT_FALSE(r.Ok);
    EXPECT_FALSE(SaveIniFile(s, TSaveIntent::OnPurpose).Message.isEmpty());
    EXPECT_EQ(QFileInfo(path).permissions(), before);  // still a folder one can enter
    EXPECT_TRUE(QDir().rmdir(path));
}

TEST_F(SettingsFile, AFailedWriteKeepsTheOldFileAndSaysSo) {
    ASSERT_TRUE(SaveIniFile(Unusual()).Ok);
    ASSERT_TRUE(SetRunAtStartup("Orbelune", "/opt/orbelune/bin/orbelune", true));
    const test::TFileSizeLimit limit(64);  // every file grows past it
    ExpectFailedSavesKeepTheOldFiles();
}

TEST_F(SettingsFile, AFullDiskKeepsTheOldFileAndSaysSo) {
    const test::TTinyDisk disk(qEnvironmentVariable("XDG_CONFIG_HOME"));
    if (!disk.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here: " << disk.WhyNot().toStdString();
    ASSERT_TRUE(SaveIniFile(Unusual()).Ok);
    ASSERT_TRUE(SetRunAtStartup("Orbelune", "/opt/orbelune/bin/orbelune", true));
    ASSERT_TRUE(disk.Fill());
    ExpectFailedSavesKeepTheOldFiles();
}

// A file that is there but cannot be read is reported at start, not written over at
// close (nor by a saved address), and replaced only by a save the user asks for.
TEST_F(SettingsFile, AFileThatCannotBeReadIsKept) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray large = "[Settings]\n" + QByteArray(MaxSettingsFileBytes, ';');
    struct TCase {
        const char* Name;
        std::function<bool()> Make;
    };
    const TCase cases[] = {
        {"larger than the limit",
         [&] {
             WriteRaw(large);
             return true;
         }},
        {"a read error", [&] { return QFile::link("/proc/self/mem", path); }},
        {"no permission",
         [&] {
             WriteRaw("[Settings]\nDisplayLevel=2\n");
             QFile::setPermissions(path, {});
             return geteuid() != 0;  // the superuser reads it all the same
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(path);
        if (!c.Make()) continue;
        const QByteArray before = Contents(path);
        TSettings s;
        s.DisplayLevel = 3;
        TSettingsCopies copies;
        const TSettingsResult read = ReadIniFile(s, copies);
        EXPECT_FALSE(read.Ok);
        EXPECT_TRUE(read.Message.contains(path)) << read.Message.toStdString();
        EXPECT_EQ(s.DisplayLevel, 3);
        const TSettingsResult closed = SaveIniFile(s);
        EXPECT_FALSE(closed.Ok);
        EXPECT_TRUE(closed.Message.isEmpty());  // said once, at start
        EXPECT_FALSE(WriteURL(s).Message.isEmpty());
        EXPECT_EQ(Contents(path), before);
        EXPECT_EQ(FolderEntries(), QStringList{"orbelune.ini"});
    }
    QFile::remove(path);
    WriteRaw(large);
    EXPECT_FALSE(SaveIniFile(TSettings()).Message.isEmpty());  // not told before
    ASSERT_TRUE(SaveIniFile(Unusual(), TSaveIntent::OnPurpose).Ok);
    EXPECT_EQ(ReadBack().PlaceName, Unusual().PlaceName);
}

TEST_F(SettingsFile, TemporariesOfAnInterruptedSaveAreRemoved) {
    WriteRaw("[Settings]\nDisplayLevel=2\n");
    const QString folder = QFileInfo(path).absolutePath() + "/";
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-600);
    for (const char* name : {"orbelune.ini.Ab12Cd", "orbelune.ini.xY9zQ1.k2L8mN",
                             "orbelune.ini.Zz9Yy8.lock", "orbelune.ini.fresh1", "orbelune.ini.bak",
                             "orbelune.ini.Ab12Cd7", "other.ini.Ab12Cd", "orbelune.ini.running"}) {
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ProxyPassword=secret\n");
        f.flush();
        if (QString(name) != "orbelune.ini.fresh1")
            f.setFileTime(old, QFileDevice::FileModificationTime);
    }
    TSettings s;
    TSettingsCopies copies;
    EXPECT_TRUE(ReadIniFile(s, copies).Ok);
    EXPECT_EQ(FolderEntries(),
              (QStringList{"orbelune.ini", "orbelune.ini.Ab12Cd7", "orbelune.ini.bak",
                           "orbelune.ini.fresh1", "orbelune.ini.running", "other.ini.Ab12Cd"}));
    for (const QString& name : FolderEntries())
        if (name != "orbelune.ini") QFile::remove(folder + name);
}

TEST_F(SettingsFile, FoldersMadeForTheFileAreTheOwnersAlone) {
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
    ASSERT_TRUE(SaveIniFile(TSettings()).Ok);
    constexpr auto OwnerGroupOther = QFileDevice::Permissions(0x7077);
    EXPECT_EQ(QFileInfo(QFileInfo(path).absolutePath()).permissions() & OwnerGroupOther,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(SettingsFile, TheFileIsReadableByItsOwnerOnly) {
    constexpr auto Others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    TSettings s;
    s.ProxyPassword = "secret";
    ASSERT_TRUE(SaveIniFile(s).Ok);
    QFileDevice::Permissions perms = QFileInfo(path).permissions();
    EXPECT_TRUE(perms & QFileDevice::ReadOwner);
    EXPECT_TRUE(perms & QFileDevice::WriteOwner);
    EXPECT_FALSE(perms & Others);

    // A file left readable by an older version is tightened on the next save.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
    ASSERT_TRUE(SaveIniFile(s).Ok);
    EXPECT_FALSE(QFileInfo(path).permissions() & Others);
    EXPECT_EQ(ReadBack().ProxyPassword, "secret");
}

}  // namespace
}  // namespace orbelune
