#include "GeoTables.h"
#include "TextHelpers.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QSet>
#include <QString>

#include <limits>

namespace orbelune {
namespace {

QString Blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

TEST(FormatInt64Thousands, GroupsDigitsInANineteenCharacterField) {
    EXPECT_EQ(FormatInt64Thousands(1234), Blanks(15) + "1,234");
    EXPECT_EQ(FormatInt64Thousands(999), Blanks(16) + "999");
    EXPECT_EQ(FormatInt64Thousands(0), Blanks(18) + "0");
    EXPECT_EQ(FormatInt64Thousands(1000000), Blanks(12) + "1,000,000");
    EXPECT_EQ(FormatInt64Thousands(1234567890123LL), Blanks(6) + "1,234,567,890,123");
}

TEST(FormatInt64Thousands, PutsTheSignAheadOfTheBlanks) {
    EXPECT_EQ(FormatInt64Thousands(-1000), "-" + Blanks(15) + "1,000");
    EXPECT_EQ(FormatInt64Thousands(-5), "-" + Blanks(18) + "5");
}

TEST(FormatInt64Thousands, CoversTheWholeRange) {
    EXPECT_EQ(FormatInt64Thousands(std::numeric_limits<std::int64_t>::max()),
              "9,223,372,036,854,775,807");
    EXPECT_EQ(FormatInt64Thousands(std::numeric_limits<std::int64_t>::min()),
              "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatInt64Thousands(1000000000000000000LL), "1,000,000,000,000,000,000");
}

TEST(RightAlignText, PadsOnlyShorterText) {
    EXPECT_EQ(RightAlignText("ab", 5), "   ab");
    EXPECT_EQ(RightAlignText("abcdef", 5), "abcdef");
    EXPECT_EQ(RightAlignText("abcde", 5), "abcde");
    EXPECT_EQ(RightAlignText("", 2), "  ");
}

TEST(StateAbbrevToName, TrimsAndIgnoresCase) {
    EXPECT_EQ(StateAbbrevToName(" ny "), "New York");
    EXPECT_EQ(StateAbbrevToName("dc"), "District of Columbia");
    EXPECT_EQ(StateAbbrevToName("WY"), "Wyoming");
    EXPECT_EQ(StateAbbrevToName("XX"), "");
    EXPECT_EQ(StateAbbrevToName(""), "");
    EXPECT_EQ(StateAbbrevToName("New York"), "");
}

TEST(DeleteAllSubStr, SearchesAgainFromTheStart) {
    EXPECT_EQ(DeleteAllSubStr("\n", "Light\nRain\n"), "LightRain");
    EXPECT_EQ(DeleteAllSubStr("ab", "aabb"), "");
    EXPECT_EQ(DeleteAllSubStr("xy", "abc"), "abc");
    EXPECT_EQ(DeleteAllSubStr("", "abc"), "abc");
}

TEST(UsStateTable, HoldsTheRowsInOrder) {
    EXPECT_STREQ(UsStateTable[0].Abbrev, "AL");
    EXPECT_STREQ(UsStateTable[0].Name, "Alabama");
    // The state box's default index 33 is New York.
    EXPECT_STREQ(UsStateTable[33].Name, "New York");
    EXPECT_STREQ(UsStateTable[11].Abbrev, "GU");
    EXPECT_STREQ(UsStateTable[48].Name, "Virgin Islands");
    EXPECT_STREQ(UsStateTable[53].Abbrev, "WY");
    QSet<QString> abbrevs;
    for (const TUsState& s : UsStateTable) {
        EXPECT_EQ(QString(s.Abbrev).size(), 2) << s.Name;
        abbrevs.insert(s.Abbrev);
    }
    EXPECT_EQ(abbrevs.size(), 54);
}

TEST(CountryTable, HoldsTheRowsAsPrinted) {
    EXPECT_STREQ(CountryTable[0].Name, "United States");
    EXPECT_STREQ(CountryTable[0].Code, "US");
    EXPECT_STREQ(CountryTable[200].Name, "United States");
    EXPECT_STREQ(CountryTable[200].Code, "US");
    EXPECT_STREQ(CountryTable[1].Name, "Afghanistan");
    EXPECT_STREQ(CountryTable[212].Name, "Zimbabwe");
    EXPECT_STREQ(CountryTable[212].Code, "ZW");
    EXPECT_STREQ(CountryTable[11].Code, "OS");  // Austria: the place list's own code
    QSet<QString> names;
    for (const TCountry& c : CountryTable) names.insert(c.Name);
    EXPECT_EQ(names.size(), 212);
    EXPECT_TRUE(names.contains("Saint Vincent & Grenadin"));
    EXPECT_TRUE(names.contains("British Indian Ocean"));
    EXPECT_TRUE(names.contains("Cote d'Ivoire"));
    EXPECT_TRUE(names.contains("Korea, North"));
}

// Every row, in order: the tables written out as "AL Alabama; AK Alaska; ..." and
// "United States US; Afghanistan AH; ..." hash to the values of the lists they were
// typed from, so a changed, missing or moved row fails.
template <typename Row, std::size_t N, typename First, typename Second>
QByteArray RowsDigest(const std::array<Row, N>& table, First first, Second second) {
    QStringList rows;
    for (const Row& r : table) rows << QString(r.*first) + ' ' + QString(r.*second);
    return QCryptographicHash::hash(rows.join("; ").toUtf8(), QCryptographicHash::Sha256).toHex();
}

TEST(GeoTables, EveryRowAsListed) {
    EXPECT_EQ(RowsDigest(UsStateTable, &TUsState::Abbrev, &TUsState::Name),
              "53b8e4da226f9de892ce6abbb19acb0321d5edfacc4be307306379851a529fda");
    EXPECT_EQ(RowsDigest(CountryTable, &TCountry::Name, &TCountry::Code),
              "b222d0c436742a98a3fad7c4b7bda6d01d43b6a01e2beed8651c334316ca5a68");
}

TEST(CountryTable, SharedCodesFindTheirFirstRow) {
    const auto firstWithCode = [](const char* code) -> QString {
        for (const TCountry& c : CountryTable)
            if (QString(c.Code) == code) return c.Name;
        return {};
    };
    EXPECT_EQ(firstWithCode("KA"), "Micronesia");
    EXPECT_EQ(firstWithCode("SR"), "Christmas Island");
    EXPECT_EQ(firstWithCode("BA"), "Bosnia & Herzegovina");
    EXPECT_EQ(firstWithCode("VG"), "British Virgin Islands");
}

}  // namespace
}  // namespace orbelune
