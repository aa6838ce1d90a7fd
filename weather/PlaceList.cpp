#include "PlaceList.h"

#include "GeoTables.h"
#include "PlaceListFile.h"

#include <QCollator>
#include <QFile>

#include <algorithm>

namespace orbelune {

namespace {

// The boxes are sorted lists: names in the user's collation, case ignored; equal names
// keep the order of the list.
void SortLikeBox(std::vector<TPlaceEntry>& Entries) {
    QCollator Collator;
    Collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, qsizetype>> Keys;
    Keys.reserve(Entries.size());
    for (std::size_t I = 0; I < Entries.size(); ++I)
        Keys.emplace_back(Collator.sortKey(Entries[I].Name), static_cast<qsizetype>(I));
    std::stable_sort(Keys.begin(), Keys.end(),
                     [](const auto& A, const auto& B) { return A.first.compare(B.first) < 0; });
    std::vector<TPlaceEntry> Sorted;
    Sorted.reserve(Entries.size());
    for (const auto& Key : Keys) Sorted.push_back(std::move(Entries[Key.second]));
    Entries = std::move(Sorted);
}

bool SameText(QStringView A, QStringView B) {
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool IsUnitedStates(const QString& CountryText) {
    return SameText(CountryText.trimmed(), u"United States");
}

int TPlaceList::LastLine(int Bound) const {
    return std::min(Bound, static_cast<int>(Lines.size()) - 1);
}

bool TPlaceList::LoadBigList() {
    return LoadBigList(PlaceListFolders(), PlaceListPassPhrase());
}

bool TPlaceList::LoadBigList(const QStringList& Folders, QByteArrayView PassPhrase) {
    if (SiteListLoaded) return false;
    const QString Path = FindPlaceListFile(Folders);
    if (Path.isEmpty()) {
        Problem = MissingPlaceListMessage(Folders);
        return false;
    }
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly)) {
        Problem =
            QStringLiteral("The place list %1 cannot be opened: %2.").arg(Path, File.errorString());
        return false;
    }
    // Read one byte past the cap, so an oversized file is refused, not cut.
    return LoadBytes(File.read(PlaceListSizeCap + 1), PassPhrase, Path);
}

bool TPlaceList::LoadBytes(QByteArrayView File, QByteArrayView PassPhrase, const QString& Path) {
    if (SiteListLoaded) return false;
    TPlaceListText Text = DecodePlaceList(File, PassPhrase);
    if (!Text.Ok) {
        Problem = QStringLiteral(
                      "The place list %1 cannot be used: %2. Places, zip codes and weather "
                      "stations cannot be looked up until the file is replaced.")
                      .arg(Path, Text.Problem);
        return false;
    }
    SetSiteList(Text.Lines);
    return true;
}

void TPlaceList::SetSiteList(const QStringList& SiteLines) {
    Lines = SiteLines;
    SiteListLoaded = true;
    Problem.clear();
}

std::vector<TPlaceEntry> TPlaceList::CountryPlaces(const QString& Country) const {
    std::vector<TPlaceEntry> Entries;
    const QString Wanted = Country.trimmed();
    for (int I = 0, Last = LastLine(LastForeignStation); I <= Last; ++I)
        if (SameText(SiteFieldView(Lines[I], 3), Wanted))
            Entries.push_back({SiteField(Lines[I], 1), Lines[I]});
    SortLikeBox(Entries);
    return Entries;
}

std::vector<TPlaceEntry> TPlaceList::StatePlaces(const QString& StateAbbrev) const {
    std::vector<TPlaceEntry> Entries;
    QStringView LastName;
    for (int I = LastUsStation + 1, Last = LastLine(LastUsPlace); I <= Last; ++I) {
        if (!SameText(SiteFieldView(Lines[I], 2).trimmed(), StateAbbrev)) continue;
        const QStringView Name = SiteFieldView(Lines[I], 1);
        if (!Entries.empty() && SameText(Name, LastName)) continue;
        LastName = Name;
        Entries.push_back({Name.toString(), Lines[I]});
    }
    SortLikeBox(Entries);
    return Entries;
}

std::vector<TPlaceEntry> TPlaceList::ForecastCities(const QString& StateAbbrev) const {
    std::vector<TPlaceEntry> Entries;
    for (int I = LastUsPlace + 1; I < Lines.size(); ++I)
        if (SameText(SiteFieldView(Lines[I], 2), StateAbbrev))
            Entries.push_back({SiteField(Lines[I], 1), Lines[I]});
    SortLikeBox(Entries);
    return Entries;
}

TZipMatch TPlaceList::FindZip(const QString& ZipText) const {
    TZipMatch Match;
    const QString Typed = ZipText.trimmed();
    bool IsNumber = false;
    Typed.toInt(&IsNumber);
    if (!IsNumber) return Match;
    for (int I = LastUsStation + 1, Last = LastLine(LastUsPlace); I <= Last; ++I) {
        if (SiteZip(Lines[I]) != Typed) continue;
        Match.Found = true;
        Match.Record = Lines[I];
        Match.PlaceName = SiteField(Lines[I], 1);
        const QString State = SiteField(Lines[I], 2).trimmed();
        const auto Row = std::find_if(UsStateTable.begin(), UsStateTable.end(), [&](auto& Row) {
            return SameText(State, QString::fromLatin1(Row.Abbrev));
        });
        if (Row != UsStateTable.end())
            Match.StateIndex = static_cast<int>(Row - UsStateTable.begin());
        return Match;
    }
    return Match;
}

}  // namespace orbelune
