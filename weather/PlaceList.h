#pragma once
// The place list (`SiteList`, `SiteListLoaded`) and the lookups
// the Set tab and the Weather tab run on it: the places of a country or a state, the
// forecast cities of a state, a zip code's place, the station nearest a position, and
// what choosing a place fills in. Plain data in, plain values out: the tabs only copy
// the results into their widgets.
//
// The list has five sections whose last lines are fixed (the lookups scan by these
// numbers and stop early at the end of a shorter list):
//   0 .. LastForeignPlace                   places outside the United States
//   LastForeignPlace + 1 .. LastUsStation   weather stations (those of other countries
//                                           up to LastForeignStation)
//   LastUsStation + 1 .. LastUsPlace        places of the United States with zip codes
//   LastUsPlace + 1 .. the end              forecast-zone cities of the United States

#include "SiteRecord.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace orbelune {

// An entry of a place or city box and the full record behind it, in the box's order.
struct TPlaceEntry {
    QString Name;
    QString Record;
};

struct TLatLon {
    long double Latitude = 0;
    long double Longitude = 0;
};

// The altitude edit's text and the altitude in feet from a record's elevation (metres).
struct TAltitudeFill {
    bool Converted = false;  // false: the elevation is not a number; clear the edit
    QString EditText;        // metres as a whole number when shown in metres, else feet
    int Feet = 0;
};

// The station edits' texts.
struct TStationChoice {
    bool Found = false;
    QString Name = QStringLiteral(" ");  // a single blank when nothing was found
    QString Code;
    TAltitudeFill Altitude;  // the station's elevation, for a place that has none
};

// The place a typed zip code belongs to. The place box shows one entry for a run of
// records of the same name, and that entry's record has the run's first zip: choose
// Record itself, so the zip typed and its own position are what is shown.
struct TZipMatch {
    bool Found = false;
    QString Record;       // the record holding the zip
    QString PlaceName;    // the entry to select in the place box
    int StateIndex = -1;  // row of UsStateTable; -1 when the abbreviation is not there
};

// What choosing a record in the place box fills in.
struct TPlaceChoice {
    QString PlaceName;
    TDmsLabels Latitude;
    TDmsLabels Longitude;
    QString City;
    QString State;
    QString Country;
    QString Zip;  // empty outside the United States
    TAltitudeFill Altitude;
    TStationChoice Station;
    std::optional<TLatLon> Position;  // the shown position, when it parses
};

// The list is held compactly, as the file's text with the place where each line
// starts, and only while lookups need it: Release() lets the text go, and the next
// lookup reads the file again (tens of milliseconds), so a program at rest holds none of
// it. Used, when set, is called at every lookup, so the owner can time the release.
class TPlaceList {
public:
    static constexpr int LastForeignPlace = 2092;
    static constexpr int LastForeignStation = 4011;
    static constexpr int LastUsStation = 5695;
    static constexpr int LastUsPlace = 47885;

    bool Loaded() const { return SiteListLoaded; }
    // The number of records, also while the text is let go.
    int Count() const { return LineCount; }
    // Record I (0 .. Count() - 1), without its line break.
    QString Line(int I) const;
    // Why the last load failed: a text for a message box.
    const QString& LoadProblem() const { return Problem; }

    // Loads the list from the first of PlaceListFolders() that holds it, with the
    // program's pass phrase. False when the list was loaded before (nothing to do) or
    // cannot be loaded (LoadProblem says why; a later call tries again).
    bool LoadBigList();
    bool LoadBigList(const QStringList& Folders, QByteArrayView PassPhrase);
    // Loads the list from the bytes of the file at Path; the same results.
    bool LoadBytes(QByteArrayView File, QByteArrayView PassPhrase, const QString& Path);
    // Takes an inflated list as it stands; it is kept, as no file holds it.
    void SetSiteList(const QStringList& SiteLines);

    // Lets the text go when it can be read again from its file.
    void Release();
    // Whether the text is in memory.
    bool Held() const { return !Text.isEmpty() || LineCount == 0; }
    std::function<void()> Used;

    // The places of a country other than the United States (lines 0 .. 4011, field 3
    // equal to Country in any case), sorted by name as the place box shows them.
    std::vector<TPlaceEntry> CountryPlaces(const QString& Country) const;
    // The places of a state of the United States (field 2 equal to the abbreviation),
    // sorted; of a run of adjacent records with the same name only the first counts.
    std::vector<TPlaceEntry> StatePlaces(const QString& StateAbbrev) const;
    // The forecast cities of a state, sorted; empty unless the list has that section.
    std::vector<TPlaceEntry> ForecastCities(const QString& StateAbbrev) const;
    // The first place whose zip (left-filled with "0" to 5 characters) equals the text
    // as typed (trimmed); nothing when the text is not a whole number.
    TZipMatch FindZip(const QString& ZipText) const;
    // The station nearest Position (within 25000 miles; the first of equal distances),
    // named "<state> <name>" in the United States, else "<country> <name>", with its
    // elevation for the altitude edit (in metres when Metres, else in feet).
    TStationChoice FindClosest(const std::optional<TLatLon>& Position, bool UnitedStates,
                               bool Metres) const;
    // What choosing Record fills in. UnitedStates: the record came from a state's list.
    TPlaceChoice ChoosePlace(const QString& Record, bool UnitedStates, bool Metres) const;

private:
    // Takes decoded text and indexes its lines.
    void Index(QByteArray Decoded) const;
    // Record I of the text in memory.
    QString RecordAt(int I) const;
    // Makes sure the text is in memory before a lookup and tells Used; false when it was
    // let go and its file can no longer be read (the list is then no longer loaded).
    bool Hold() const;
    int LastLine(int Bound) const;
    TStationChoice StationOf(const QString& Record, bool UnitedStates, bool Metres) const;

    // The text and where each line starts, with one more entry for the end. Read again
    // on demand, hence mutable: the records they give never change.
    mutable QByteArray Text;
    mutable std::vector<quint32> Starts;
    mutable int LineCount = 0;
    QString Path;  // the file the text was read from; empty for a list set in place
    QByteArray Pass;
    mutable bool SiteListLoaded = false;
    mutable QString Problem;
};

// True when the country box's text is the United States.
bool IsUnitedStates(const QString& CountryText);

// The altitude edit's text and the feet from an elevation field in metres.
TAltitudeFill AltitudeFromElevation(QStringView Elevation, bool Metres);

// "<miles> Miles (<km> Kilometers) from [<From>] to [<To>]" in whole numbers; empty
// when both round to 0.
QString DistanceText(const TLatLon& FromPosition, const QString& FromPlace,
                     const TLatLon& ToPosition, const QString& ToPlace);

}  // namespace orbelune
