#include "PlaceList.h"

#include "GeoTables.h"
#include "PlaceListFile.h"

#include <QCollator>

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
    return std::min(Bound, LineCount - 1);
}

bool TPlaceList::LoadBigList() {
    return LoadBigList(PlaceListFolders(), PlaceListPassPhrase());
}

bool TPlaceList::LoadBigList(const QStringList& Folders, QByteArrayView PassPhrase) {
    if (SiteListLoaded) return false;
    const QString Found = FindPlaceListFile(Folders);
    if (Found.isEmpty()) {
        Problem = MissingPlaceListMessage(Folders);
        return false;
    }
    QByteArray Bytes;
    if (!ReadPlaceListFile(Found, Bytes, Problem)) return false;
    return LoadBytes(Bytes, PassPhrase, Found);
}

bool TPlaceList::LoadBytes(QByteArrayView File, QByteArrayView PassPhrase, const QString& From) {
    if (SiteListLoaded) return false;
    TPlaceListText Decoded = DecodePlaceList(File, PassPhrase);
    if (!Decoded.Ok) {
        Problem = UnusablePlaceListMessage(From, Decoded.Problem);
        return false;
    }
    Path = From;
    Pass = PassPhrase.toByteArray();
    Index(std::move(Decoded.Text));
    return true;
}

void TPlaceList::SetSiteList(const QStringList& SiteLines) {
    Path.clear();
    Index(SiteLines.isEmpty() ? QByteArray() : SiteLines.join(QLatin1Char('\n')).toUtf8() + '\n');
}

void TPlaceList::Index(QByteArray Decoded) const {
    Text = std::move(Decoded);
    Starts.clear();
    for (qsizetype At = 0; At < Text.size();) {
        Starts.push_back(static_cast<quint32>(At));
        const qsizetype Break = Text.indexOf('\n', At);
        At = Break < 0 ? Text.size() : Break + 1;
    }
    LineCount = static_cast<int>(Starts.size());
    Starts.push_back(static_cast<quint32>(Text.size()));
    Starts.shrink_to_fit();
    SiteListLoaded = true;
    Problem.clear();
}

void TPlaceList::Release() {
    if (Path.isEmpty() || !Held()) return;
    Text = QByteArray();
    Starts = std::vector<quint32>();
}

bool TPlaceList::Hold() const {
    if (!SiteListLoaded) return false;
    if (Used) Used();
    if (Held()) return true;
    QByteArray Bytes;
    if (ReadPlaceListFile(Path, Bytes, Problem)) {
        TPlaceListText Decoded = DecodePlaceList(Bytes, Pass);
        if (Decoded.Ok) {
            Index(std::move(Decoded.Text));
            return true;
        }
        Problem = UnusablePlaceListMessage(Path, Decoded.Problem);
    }
    SiteListLoaded = false;
    LineCount = 0;
    return false;
}

QString TPlaceList::RecordAt(int I) const {
    const auto From = static_cast<qsizetype>(Starts[static_cast<size_t>(I)]);
    qsizetype To = static_cast<qsizetype>(Starts[static_cast<size_t>(I) + 1]);
    if (To > From && Text[To - 1] == '\n') --To;
    if (To > From && Text[To - 1] == '\r') --To;
    return QString::fromUtf8(Text.constData() + From, To - From);
}

QString TPlaceList::Line(int I) const {
    return Hold() ? RecordAt(I) : QString();
}

std::vector<TPlaceEntry> TPlaceList::CountryPlaces(const QString& Country) const {
    std::vector<TPlaceEntry> Entries;
    if (!Hold()) return Entries;
    const QString Wanted = Country.trimmed();
    for (int I = 0, Last = LastLine(LastForeignStation); I <= Last; ++I) {
        QString Line = RecordAt(I);
        if (SameText(SiteFieldView(Line, 3), Wanted))
            Entries.push_back({SiteField(Line, 1), std::move(Line)});
    }
    SortLikeBox(Entries);
    return Entries;
}

std::vector<TPlaceEntry> TPlaceList::StatePlaces(const QString& StateAbbrev) const {
    std::vector<TPlaceEntry> Entries;
    if (!Hold()) return Entries;
    for (int I = LastUsStation + 1, Last = LastLine(LastUsPlace); I <= Last; ++I) {
        QString Line = RecordAt(I);
        if (!SameText(SiteFieldView(Line, 2).trimmed(), StateAbbrev)) continue;
        QString Name = SiteField(Line, 1);
        if (!Entries.empty() && SameText(Name, Entries.back().Name)) continue;
        Entries.push_back({std::move(Name), std::move(Line)});
    }
    SortLikeBox(Entries);
    return Entries;
}

std::vector<TPlaceEntry> TPlaceList::ForecastCities(const QString& StateAbbrev) const {
    std::vector<TPlaceEntry> Entries;
    if (!Hold()) return Entries;
    for (int I = LastUsPlace + 1; I < LineCount; ++I) {
        QString Line = RecordAt(I);
        if (SameText(SiteFieldView(Line, 2), StateAbbrev))
            Entries.push_back({SiteField(Line, 1), std::move(Line)});
    }
    SortLikeBox(Entries);
    return Entries;
}

TZipMatch TPlaceList::FindZip(const QString& ZipText) const {
    TZipMatch Match;
    const QString Typed = ZipText.trimmed();
    bool IsNumber = false;
    Typed.toInt(&IsNumber);
    if (!IsNumber || !Hold()) return Match;
    for (int I = LastUsStation + 1, Last = LastLine(LastUsPlace); I <= Last; ++I) {
        QString Line = RecordAt(I);
        if (SiteZip(Line) != Typed) continue;
        Match.Found = true;
        Match.PlaceName = SiteField(Line, 1);
        const QString State = SiteField(Line, 2).trimmed();
        Match.Record = std::move(Line);
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
