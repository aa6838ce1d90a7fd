#include "SettingsIo.h"

#include "SafeFile.h"
#include "SettingsStore.h"
#include "SettingsTable.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <type_traits>

namespace orbelune {

namespace {

constexpr int MaxLocationLength = 128;
constexpr int MaxStationCodeLength = 4;

struct TLocationCopy {
    const char* Key;
    QString TSettingsCopies::*Copy;
};

constexpr std::array<TLocationCopy, 5> LocationCopies = {{
    {"PlaceName", &TSettingsCopies::PlaceName},
    {"CityName", &TSettingsCopies::CityName},
    {"StateName", &TSettingsCopies::StateName},
    {"CountryName", &TSettingsCopies::CountryName},
    {"ZipCode", &TSettingsCopies::ZipCode},
}};

QString& LocationCopy(TSettingsCopies& copies, const char* key) {
    for (const TLocationCopy& c : LocationCopies)
        if (std::strcmp(c.Key, key) == 0) return copies.*c.Copy;
    return copies.PlaceName;  // unreachable: every Location entry is listed above
}

int ReadIntegerSetting(const TSettingsStore& store, const TSettingEntry& e, int current) {
    const int value = store.ReadInteger(QString::fromLatin1(e.Key), current);
    switch (e.Rule) {
        case TReadRule::Clamp:
            return std::clamp(value, e.Min, e.Max);
        case TReadRule::WeekStart:
            return value < 0 || value > 7 ? 7 : value;
        default:
            return value;
    }
}

bool ReadBoolSetting(const TSettingsStore& store, const TSettingEntry& e, bool current,
                     const TSettings& settings) {
    bool offered = current;
    if (e.Rule == TReadRule::DefaultTrue) offered = true;
    if (e.Rule == TReadRule::DefaultFalse) offered = false;
    if (e.Rule == TReadRule::SouthOfEquator) offered = settings.Latitude < 0.0L;
    return store.ReadBool(QString::fromLatin1(e.Key), offered);
}

void ReadStringSetting(const TSettingsStore& store, const TSettingEntry& e, QString& member,
                       TSettingsCopies& copies) {
    const QString key = QString::fromLatin1(e.Key);
    switch (e.Rule) {
        case TReadRule::Location: {
            QString& copy = LocationCopy(copies, e.Key);
            copy = store.ReadString(key, member);
            member = copy.left(MaxLocationLength);
            break;
        }
        case TReadRule::StationCode:
            member = store.ReadString(key, member).left(MaxStationCodeLength);
            break;
        case TReadRule::StationName:
            member = store.ReadString(key, member).left(MaxLocationLength);
            break;
        case TReadRule::WeatherServer:
            member = store.ReadString(key, member).left(MaxLocationLength);
            if (member.toUpper() == QLatin1String(RetiredWeatherServer))
                member = QString::fromLatin1(DefaultWeatherServer);
            break;
        case TReadRule::Cut128:
            member = store.ReadString(key, member).left(MaxLocationLength);
            break;
        default:
            member = store.ReadString(key, member);
            break;
    }
}

// A one-character setting takes the first character stored; an empty or non-Latin-1
// value leaves the setting as it is.
char ReadCharSetting(const TSettingsStore& store, const TSettingEntry& e, char current) {
    const QString text =
        store.ReadString(QString::fromLatin1(e.Key), QString(QLatin1Char(current)));
    if (text.isEmpty() || text.at(0).unicode() > 0xFF) return current;
    return text.at(0).toLatin1();
}

void ReadSetting(const TSettingsStore& store, const TSettingEntry& e, TSettings& settings,
                 TSettingsCopies& copies) {
    const QString key = QString::fromLatin1(e.Key);
    std::visit(
        [&](auto member) {
            auto& value = settings.*member;
            using T = std::remove_reference_t<decltype(value)>;
            if constexpr (std::is_same_v<T, int>) {
                value = ReadIntegerSetting(store, e, value);
            } else if constexpr (std::is_same_v<T, bool>) {
                value = ReadBoolSetting(store, e, value, settings);
            } else if constexpr (std::is_same_v<T, long double>) {
                value = store.ReadExtended(key, value);
                if (e.Rule == TReadRule::Clamp)
                    value = std::clamp(value, static_cast<long double>(e.Min),
                                       static_cast<long double>(e.Max));
            } else if constexpr (std::is_same_v<T, double>) {
                value = store.ReadFloat(key, value);
            } else if constexpr (std::is_same_v<T, QString>) {
                ReadStringSetting(store, e, value, copies);
            } else {
                value = ReadCharSetting(store, e, value);
            }
        },
        e.Member);
}

void WriteSetting(TSettingsStore& store, const char* name, const TSettings& settings) {
    const TSettingEntry* e = FindSetting(name);
    if (e == nullptr) return;
    const QString key = QString::fromLatin1(e->Key);
    std::visit(
        [&](auto member) {
            const auto& value = settings.*member;
            using T = std::remove_cv_t<std::remove_reference_t<decltype(value)>>;
            if constexpr (std::is_same_v<T, int>)
                store.WriteInteger(key, value);
            else if constexpr (std::is_same_v<T, bool>)
                store.WriteBool(key, value);
            else if constexpr (std::is_same_v<T, long double>)
                store.WriteExtended(key, value);
            else if constexpr (std::is_same_v<T, double>)
                store.WriteFloat(key, value);
            else if constexpr (std::is_same_v<T, QString>)
                store.WriteString(key, value);
            else
                store.WriteString(key, QString(QLatin1Char(value)));
        },
        e->Member);
}

TSettingsStore OpenStore() {
    return TSettingsStore(TSettingsStore::DefaultFilePath(), TSettingsStore::DefaultSection());
}

bool Readable(TSettingsFileState state) {
    return state == TSettingsFileState::Missing || state == TSettingsFileState::Read;
}

// The file whose reading problem the user has already been told of, so that closing
// does not say it again.
struct TToldProblem {
    QString Path;
    TSettingsFileState State = TSettingsFileState::Read;
};
TToldProblem ToldProblem;
// The settings file whose folder the user was told cannot be written, so that the
// failed save at close is not told again.
QString ToldUnwritable;

QString UnreadableMessage(const TSettingsStore& store) {
    return QStringLiteral(
               "The settings file %1 could not be read (%2). The program runs with its "
               "built-in settings and will not save over the file when it closes.")
        .arg(QDir::toNativeSeparators(TSettingsStore::DefaultFilePath()), store.ProblemText());
}

QString KeptMessage(const TSettingsStore& store) {
    return QStringLiteral(
               "The settings were not saved: the settings file %1 could not be read "
               "(%2), and it is kept as it is.")
        .arg(QDir::toNativeSeparators(TSettingsStore::DefaultFilePath()), store.ProblemText());
}

TSettingsResult Flushed(TSettingsStore& store, TSaveIntent intent) {
    const TSettingsStore::TFlushResult flushed = store.Flush();
    if (flushed.Ok) return {};
    if (intent == TSaveIntent::AtClose && ToldUnwritable == TSettingsStore::DefaultFilePath())
        return {false, {}};
    return {false,
            QStringLiteral("The settings could not be saved to %1: %2 The previous settings file "
                           "was kept.")
                .arg(QDir::toNativeSeparators(TSettingsStore::DefaultFilePath()),
                     flushed.ErrorText.endsWith(QLatin1Char('.'))
                         ? flushed.ErrorText
                         : flushed.ErrorText + QLatin1Char('.'))};
}

// At close, a file that could not be read stays; said once.
std::optional<TSettingsResult> KeptUnread(const TSettingsStore& store) {
    if (Readable(store.State())) return std::nullopt;
    const QString path = TSettingsStore::DefaultFilePath();
    const bool told = ToldProblem.Path == path && ToldProblem.State == store.State();
    ToldProblem = {path, store.State()};
    return TSettingsResult{false, told ? QString() : KeptMessage(store)};
}

}  // namespace

bool SkipSettingsRequested(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.at(1).toUpper() == QLatin1String("/C");
}

TSettingsResult ReadIniFile(TSettings& settings, TSettingsCopies& copies) {
    const TSettingsStore store = OpenStore();
    if (!Readable(store.State())) {
        ToldProblem = {TSettingsStore::DefaultFilePath(), store.State()};
        return {false, UnreadableMessage(store)};
    }
    ToldProblem = {};
    for (const TSettingEntry& e : SettingsTable) ReadSetting(store, e, settings, copies);
    const QString path = TSettingsStore::DefaultFilePath();
    const QString why = WhyNothingCanBeWrittenBeside(path);
    ToldUnwritable = why.isEmpty() ? QString() : path;
    if (why.isEmpty()) return {};
    return {false, QStringLiteral("The settings cannot be saved: the folder %1 cannot be written "
                                  "(%2). The program runs, but changes to its settings will be "
                                  "lost when it closes.")
                       .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), why)};
}

TSettingsResult SaveIniFile(const TSettings& settings, TSaveIntent intent) {
    TSettingsStore store = OpenStore();
    if (intent == TSaveIntent::AtClose)
        if (const auto kept = KeptUnread(store)) return *kept;
    for (const char* key : AlwaysSavedKeys) WriteSetting(store, key, settings);
    if (settings.SaveOnExit)
        for (const char* key : SavedOnExitKeys) WriteSetting(store, key, settings);
    return Flushed(store, intent);
}

TSettingsResult WriteURL(const TSettings& settings) {
    TSettingsStore store = OpenStore();
    if (!Readable(store.State())) return {false, KeptMessage(store)};
    WriteSetting(store, "SaveURL", settings);
    return Flushed(store, TSaveIntent::OnPurpose);
}

}  // namespace orbelune
