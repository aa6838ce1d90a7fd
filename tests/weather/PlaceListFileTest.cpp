// The place-list file: the committed list's shape, the loader's search order, and what
// it makes of files that are missing, damaged, wrongly keyed or hostile.
#include "GeoTables.h"
#include "PlaceList.h"
#include "PlaceListSamples.h"
#include "QStringPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace orbelune {
namespace {

using test::CommittedPlaceList;
using test::CommittedPlaceListBytes;
using test::EncipherPlaceList;

TEST(PkzipCipher, AgreesWithPythonsZipfileDecrypter) {
    // Enciphered under "secret"; Python's zipfile module deciphers it to the text below.
    QByteArray Data = QByteArray::fromHex("87c5318ded55831c9dd576a6e6a2e648f8e58869");
    TPkzipCipher("secret").Decrypt(Data.data(), Data.size());
    EXPECT_EQ(Data, "Orbelune place list\n");
    TPkzipCipher("secret").Encrypt(Data.data(), Data.size());
    EXPECT_EQ(Data.toHex(), "87c5318ded55831c9dd576a6e6a2e648f8e58869");
}

// The sections of the committed list: their last lines, whether they hold records of
// the United States, and how many fields their records have.
struct TSection {
    int First;
    int Last;  // -1: to the end
    bool UnitedStates;
    int Fields;
};
constexpr TSection Sections[] = {
    {0, TPlaceList::LastForeignPlace, false, 7},
    {TPlaceList::LastForeignPlace + 1, TPlaceList::LastForeignStation, false, 7},
    {TPlaceList::LastForeignStation + 1, TPlaceList::LastUsStation, true, 7},
    {TPlaceList::LastUsStation + 1, TPlaceList::LastUsPlace, true, 9},
    {TPlaceList::LastUsPlace + 1, -1, true, 8},
};

bool IsCountryName(const QString& Name) {
    for (const TCountry& Country : CountryTable)
        if (Name == QLatin1String(Country.Name)) return true;
    return false;
}

bool IsStateAbbrev(const QString& Abbrev) {
    for (const TUsState& State : UsStateTable)
        if (Abbrev == QLatin1String(State.Abbrev)) return true;
    return false;
}

TEST(CommittedPlaceList, EachSectionHoldsExactlyItsRecords) {
    const QStringList& Lines = CommittedPlaceList();
    ASSERT_GT(Lines.size(), TPlaceList::LastUsPlace + 100);
    const QRegularExpression Zip(QStringLiteral("^\\d{5}$"));
    const QRegularExpression Zone(QStringLiteral("^\\d{3}$"));
    std::set<QString> Stations;
    for (int I = Sections[1].First; I <= Sections[2].Last; ++I)
        EXPECT_TRUE(Stations.insert(SiteField(Lines[I], 4)).second) << "twice: " << I;

    int Elevations = 0;
    for (const TSection& Section : Sections) {
        const int Last = Section.Last < 0 ? static_cast<int>(Lines.size()) - 1 : Section.Last;
        for (int I = Section.First; I <= Last; ++I) {
            const QString& Line = Lines[I];
            const QStringList Fields = Line.split(QLatin1Char(';'));
            ASSERT_EQ(Fields.size(), Section.Fields) << I << ": " << Line.toStdString();
            ASSERT_FALSE(Fields.contains(QString())) << I << ": " << Line.toStdString();
            long double Lat = 0, Lon = 0;
            ASSERT_TRUE(GetSiteLatLon(Line, Lat, Lon)) << I << ": " << Line.toStdString();
            ASSERT_EQ(Fields[2] == QLatin1String("United States"), Section.UnitedStates) << I;
            if (Section.UnitedStates) {
                ASSERT_TRUE(IsStateAbbrev(Fields[1])) << I << ": " << Line.toStdString();
            } else {
                ASSERT_TRUE(IsCountryName(Fields[2])) << I << ": " << Line.toStdString();
            }
            ASSERT_TRUE(Stations.count(Fields[3])) << "unknown station: " << Line.toStdString();
            // Only stations at an airport have an elevation (metres); the rest have "-".
            const bool Station = I > TPlaceList::LastForeignPlace && I <= TPlaceList::LastUsStation;
            bool IsNumber = false;
            const double Metres = Fields[6].toDouble(&IsNumber);
            if (IsNumber) {
                ASSERT_TRUE(Station) << "an elevation the sources do not give: " << I;
                ASSERT_TRUE(Metres > -500 && Metres < 5000) << Line.toStdString();
                ++Elevations;
            } else {
                ASSERT_EQ(Fields[6], QStringLiteral("-")) << I;
            }
            if (Section.Fields >= 8) {
                ASSERT_TRUE(Zone.match(Fields[7]).hasMatch()) << I;
            }
            if (Section.Fields == 9) {
                ASSERT_TRUE(Zip.match(Fields[8]).hasMatch()) << I;
            }
        }
    }
    EXPECT_GT(Elevations, 2000);  // of the 3,603 stations
}

// Station elevations against the airports' published ones (feet, from their
// aeronautical information publications).
TEST(CommittedPlaceList, StationElevationsAreTheirAirports) {
    const QStringList& Lines = CommittedPlaceList();
    const struct {
        const char* Code;
        int Feet;
    } Published[] = {{"EGLL", 83}, {"LSGG", 1411}, {"KDEN", 5434}, {"VNKT", 4390}, {"SBBR", 3497}};
    for (const auto& Airport : Published) {
        QString Elevation;
        for (int I = TPlaceList::LastForeignPlace + 1; I <= TPlaceList::LastUsStation; ++I)
            if (SiteField(Lines[I], 4) == QLatin1String(Airport.Code))
                Elevation = SiteField(Lines[I], 7);
        const TAltitudeFill Fill = AltitudeFromElevation(Elevation, false);
        ASSERT_TRUE(Fill.Converted) << Airport.Code;
        EXPECT_NEAR(Fill.Feet, Airport.Feet, 10) << Airport.Code;
    }
}

TEST(CommittedPlaceList, RoundTripsThroughOurCipherAndInflate) {
    const QByteArray Text = CommittedPlaceList().join(QLatin1Char('\n')).toUtf8() + '\n';
    const TPlaceListText Again =
        DecodePlaceList(EncipherPlaceList(Text, PlaceListPassPhrase()), PlaceListPassPhrase());
    ASSERT_TRUE(Again.Ok) << Again.Problem.toStdString();
    EXPECT_EQ(Again.Text, Text);
    EXPECT_LT(Text.size() * 3, PlaceListSizeCap) << "the cap should leave room to grow";
}

TEST(CommittedPlaceList, RebuildingItFromItsSourcesGivesTheSameBytes) {
    const QString Python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (Python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QString Output = Dir.filePath(QStringLiteral("sitename.dat"));
    QProcess Tool;
    Tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Tool.start(Python, {QStringLiteral(ORBELUNE_SOURCE_DIR "/tools/make_sitename.py"),
                        QStringLiteral("--output"), Output});
    ASSERT_TRUE(Tool.waitForFinished(10 * 60 * 1000));
    if (Tool.exitCode() == 3) GTEST_SKIP() << "the sources of the list are not here";
    ASSERT_EQ(Tool.exitCode(), 0);
    QFile Rebuilt(Output);
    ASSERT_TRUE(Rebuilt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(Rebuilt.readAll() == CommittedPlaceListBytes())
        << "resources/sitename.dat is not what tools/make_sitename.py makes";
}

TEST(PlaceListFile, SearchesTheProgramsFolderTheDataFoldersThenTheCurrentOne) {
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QByteArray OldHome = qgetenv("XDG_DATA_HOME"), OldDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", Dir.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (Dir.filePath(QStringLiteral("a")) + QLatin1Char(':') +
                              Dir.filePath(QStringLiteral("b")))
                                 .toLocal8Bit());
    const QStringList Folders = PlaceListFolders();
    qputenv("XDG_DATA_HOME", OldHome);
    qputenv("XDG_DATA_DIRS", OldDirs);

    // An install puts the program in <prefix>/bin and the list in <prefix>/share/orbelune.
    const QString Program = QCoreApplication::applicationDirPath();
    const QStringList Expected{Program,
                               QFileInfo(Program).dir().filePath(QStringLiteral("share/orbelune")),
                               Dir.filePath(QStringLiteral("home/orbelune")),
                               Dir.filePath(QStringLiteral("a/orbelune")),
                               Dir.filePath(QStringLiteral("b/orbelune")),
                               QDir::currentPath()};
    EXPECT_EQ(Folders, Expected);

    for (const char* Sub : {"a/orbelune", "b/orbelune"}) {
        QDir(Dir.path()).mkpath(QString::fromLatin1(Sub));
        QFile(Dir.filePath(QString::fromLatin1(Sub) + QStringLiteral("/sitename.dat")))
            .open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(FindPlaceListFile(Expected.mid(2, 3)),
              Dir.filePath(QStringLiteral("a/orbelune/sitename.dat")));
    EXPECT_EQ(FindPlaceListFile(Expected.mid(2, 1)), QString());
}

TEST(PlaceListFile, AMissingListNamesTheProgramAndEveryFolderSearched) {
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QStringList Folders{Dir.filePath(QStringLiteral("one")),
                              Dir.filePath(QStringLiteral("two"))};
    TPlaceList List;
    EXPECT_FALSE(List.LoadBigList(Folders, PlaceListPassPhrase()));
    EXPECT_FALSE(List.Loaded());
    const QString Message = List.LoadProblem();
    EXPECT_TRUE(
        Message.startsWith(QStringLiteral("Orbelune cannot find its place list "
                                          "sitename.dat.")))
        << Message.toStdString();
    for (const QString& Folder : Folders) EXPECT_TRUE(Message.contains(Folder));
    EXPECT_FALSE(Message.contains(QStringLiteral("EXE"), Qt::CaseInsensitive));
}

TEST(PlaceListFile, LoadsOnceAndTriesAgainAfterAFailure) {
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QStringList Folders{Dir.path()};
    TPlaceList List;
    EXPECT_FALSE(List.LoadBigList(Folders, "key"));

    QFile File(Dir.filePath(QStringLiteral("sitename.dat")));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(EncipherPlaceList("Paris;FR;France\nLyon;FR;France\n", "key"));
    File.close();
    EXPECT_TRUE(List.LoadBigList(Folders, "key"));
    EXPECT_TRUE(List.Loaded());
    EXPECT_EQ(List.Line(0), "Paris;FR;France");
    EXPECT_EQ(List.Line(1), "Lyon;FR;France");
    EXPECT_TRUE(List.LoadProblem().isEmpty());
    EXPECT_FALSE(List.LoadBigList(Folders, "key")) << "loaded already";
    EXPECT_EQ(List.Count(), 2);
}

TEST(PlaceListFile, LetsItsTextGoAndReadsTheFileAgainForALookup) {
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    QFile File(Dir.filePath(QStringLiteral("sitename.dat")));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(EncipherPlaceList("Paris;FR;France\r\nLyon;FR;France\r\n", "key"));
    File.close();
    TPlaceList List;
    int Lookups = 0;
    List.Used = [&] { ++Lookups; };
    ASSERT_TRUE(List.LoadBigList({Dir.path()}, "key"));
    for (int Round = 0; Round < 2; ++Round) {
        List.Release();
        EXPECT_FALSE(List.Held());
        EXPECT_EQ(List.Count(), 2) << "the count stays while the text is gone";
        const std::vector<TPlaceEntry> Places = List.CountryPlaces(QStringLiteral("france"));
        ASSERT_EQ(Places.size(), 2u);
        EXPECT_EQ(Places[0].Name, "Lyon");
        EXPECT_EQ(Places[1].Record, "Paris;FR;France");
        EXPECT_TRUE(List.Held());
    }
    EXPECT_EQ(Lookups, 2);

    // A file gone since it was read: the lookup finds nothing and the list says why.
    List.Release();
    ASSERT_TRUE(File.remove());
    EXPECT_TRUE(List.CountryPlaces(QStringLiteral("France")).empty());
    EXPECT_FALSE(List.Loaded());
    EXPECT_TRUE(List.LoadProblem().contains(File.fileName())) << List.LoadProblem().toStdString();

    // A list set in place has no file to read again, so it is kept.
    List.SetSiteList({QStringLiteral("Oslo;NO;Norway")});
    List.Release();
    EXPECT_TRUE(List.Held());
    EXPECT_EQ(List.Line(0), "Oslo;NO;Norway");
}

QByteArray RandomBytes(qsizetype Size) {
    QRandomGenerator Generator(20240601);
    QByteArray Bytes(Size, '\0');
    for (char& Byte : Bytes) Byte = static_cast<char>(Generator.bounded(256));
    return Bytes;
}

TEST(PlaceListFile, RefusesDamagedWronglyKeyedAndHostileFilesWithAReason) {
    const QByteArray Good = CommittedPlaceListBytes();
    ASSERT_FALSE(Good.isEmpty());
    const QByteArray Pass = PlaceListPassPhrase();
    const struct {
        const char* Case;
        QByteArray File;
        const char* Problem;
    } Cases[] = {
        {"zero bytes", QByteArray(), "the file is empty"},
        {"header only", Good.left(12), "the file is too short"},
        {"wrong pass phrase", EncipherPlaceList("a;b;c\n", "another"),
         "it does not open with this program's pass phrase"},
        {"truncated", Good.left(Good.size() / 2), "it ends before its data is complete"},
        {"deflate bomb", EncipherPlaceList(QByteArray(PlaceListSizeCap + 1, 'x'), Pass),
         "it unpacks to more than 16 MB"},
        {"oversized file", QByteArray(PlaceListSizeCap + 1, 'x'), "the file is larger than 16 MB"},
        {"random bytes", RandomBytes(4096), nullptr},
        {"bytes after the stream", Good + "tail", "its data is damaged"},
        {"not text", EncipherPlaceList("caf\xC3", Pass), "its text is damaged"},
    };
    for (const auto& Case : Cases) {
        QTemporaryDir Dir;
        ASSERT_TRUE(Dir.isValid());
        QFile File(Dir.filePath(QStringLiteral("sitename.dat")));
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(Case.File);
        File.close();

        TPlaceList List;
        EXPECT_FALSE(List.LoadBigList({Dir.path()}, Pass)) << Case.Case;
        EXPECT_FALSE(List.Loaded()) << Case.Case;
        EXPECT_EQ(List.Count(), 0) << Case.Case;
        const QString Message = List.LoadProblem();
        EXPECT_TRUE(Message.contains(File.fileName())) << Case.Case;
        if (Case.Problem) {
            EXPECT_TRUE(Message.contains(QString::fromLatin1(Case.Problem)))
                << Case.Case << ": " << Message.toStdString();
        }
    }
}

}  // namespace
}  // namespace orbelune
