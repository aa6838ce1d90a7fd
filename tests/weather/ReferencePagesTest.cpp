// The fixed pages, the word look-ups and the case-blind history test.
#include "ReferencePages.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(FixedPageAddress, EveryPage) {
    const std::pair<TFixedPage, const char*> cases[] = {
        {TFixedPage::CurrentMoon, "http://aa.usno.navy.mil/idltemp/current_moon.php"},
        {TFixedPage::MoonView, "http://www.timeanddate.com/moon"},
        {TFixedPage::UsnoData,
         "http://www.usno.navy.mil/USNO/astronomical-applications/data-services"},
        {TFixedPage::SkyView, "http://weather.com/sky/SkyRedirect.asp?&zipcode=02134"},
        {TFixedPage::WorldClock, "http://www.timeanddate.com/worldclock/"},
        {TFixedPage::SkyMaps, "http://www.skymaps.com/downloads.html"},
    };
    for (const auto& [page, expected] : cases)
        EXPECT_EQ(FixedPageAddress(page, QStringLiteral("02134")), QString::fromLatin1(expected));
    EXPECT_EQ(FixedPageAddress(TFixedPage::SkyView, {}),
              QStringLiteral("http://weather.com/sky/SkyRedirect.asp?&zipcode="));
    EXPECT_EQ(FixedPageAddress(TFixedPage::SkyView, QStringLiteral("1&x=2")),
              QStringLiteral("http://weather.com/sky/SkyRedirect.asp?&zipcode=1%26x%3D2"));
}

TEST(LookupAddress, EveryKindWithTheWordEncoded) {
    struct {
        TLookup Kind;
        const char* Word;
        const char* Expected;
    } const cases[] = {
        {TLookup::Dictionary, "moon", "http://www.merriam-webster.com/cgi-bin/dictionary?moon"},
        {TLookup::Thesaurus, "moon",
         "http://www.merriam-webster.com/cgi-bin/thesaurus?book=Thesaurus&va=moon"},
        {TLookup::Search, "R&D #1", "http://www.google.com/search?&q=R%26D%20%231"},
        {TLookup::FeelingLucky, "Orion",
         "http://www.google.com/search?&q=Orion&btnI=I%27m%20Feeling%20Lucky"},
        {TLookup::Encyclopedia, "Halley's Comet",
         "http://en.wikipedia.org/wiki/Halley%27s%20Comet"},
        {TLookup::Encyclopedia, "AC/DC", "http://en.wikipedia.org/wiki/AC%2FDC"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LookupAddress(c.Kind, QString::fromLatin1(c.Word)),
                  QString::fromLatin1(c.Expected));
}

TEST(ComboHasItem, AsciiLettersCompareInAnyCase) {
    const QStringList history{QStringLiteral("Moon"), QStringLiteral("sun"),
                              QStringLiteral("Ärger")};
    EXPECT_TRUE(ComboHasItem(history, QStringLiteral("MOON")));
    EXPECT_TRUE(ComboHasItem(history, QStringLiteral("Sun")));
    EXPECT_FALSE(ComboHasItem(history, QStringLiteral("Moons")));
    EXPECT_FALSE(ComboHasItem(history, QStringLiteral("")));
    EXPECT_TRUE(ComboHasItem(history, QStringLiteral("ÄRGER")));
    // Only a to z change case.
    EXPECT_FALSE(ComboHasItem(history, QStringLiteral("ärger")));
    EXPECT_FALSE(ComboHasItem({}, QStringLiteral("Moon")));
}

}  // namespace
}  // namespace orbelune
