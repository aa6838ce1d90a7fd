// Reading names out of the radar server's directory listings.
#include "RadarListing.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

QByteArray Listing(const QStringList& Names) {
    QByteArray page =
        "<html><body><h1>Index of /ridge/RadarImg/N0R/OKX</h1>\n"
        "<a href=\"?C=N;O=D\">Name</a>\n";
    for (const QString& name : Names)
        page += "<img src=\"/icons/image2.gif\"> <a href=\"" + name.toLatin1() + "\">" +
                name.toLatin1() + "</a> 01-Jun-2024 19:05  12K\r\n";
    return page + "</body></html>\n";
}

TEST(RadarListing, FindQuotedFieldIndex) {
    struct TCase {
        QStringList Lines;
        const char* Text1;
        const char* Text2;
        int Field;
    };
    const TCase cases[] = {
        {{R"(<a href="OKX_20240601_1905_N0R.gif">)"}, "okx_20", "", 2},
        {{R"("OKX_20240601_1905.gif" 12K)"}, "OKX_20", "", 1},
        {{R"(<img src="x.gif"> <a href="OKX_1.gif">)"}, "", "okx_", 4},
        // The last line with a quote decides, even when an earlier one would match.
        {{R"(<a href="OKX_20.gif">)", R"(<a href="other">)", "no quote"}, "OKX_20", "", 0},
        {{R"(<a href="OKX_20.gif">)"}, "", "", 0},
        {{}, "OKX", "", 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FindQuotedFieldIndex(c.Lines, c.Text1, c.Text2), c.Field)
            << c.Lines.join("|").toStdString();
}

TEST(RadarListing, SafeNames) {
    for (const char* good : {"OKX_20240601_1905_N0R.gif", "a-b.c", "X"})
        EXPECT_TRUE(IsSafeListingName(good)) << good;
    for (const char* bad : {"", ".", ".x", "../x", "a/b", "..", "a..b", "a b", "a\\b", "%2e%2e",
                            "a?b", "\xc3\xa9t\xc3\xa9"})
        EXPECT_FALSE(IsSafeListingName(QString::fromUtf8(bad))) << bad;
}

TEST(RadarListing, TheNewestNamesOldestFirst) {
    const QStringList names = {"OKX_20240601_1915_N0R.gif", "OKX_20240601_1905_N0R.gif",
                               "OKX_20240601_1925_N0R.gif", "OKX_20240601_1855_N0R.gif"};
    const auto newest = ListingNames(Listing(names), "OKX_20", "", 3);
    ASSERT_TRUE(newest);
    EXPECT_EQ(*newest, QStringList({"OKX_20240601_1905_N0R.gif", "OKX_20240601_1915_N0R.gif",
                                    "OKX_20240601_1925_N0R.gif"}));
    // Fewer names than frames: nothing from this list.
    EXPECT_FALSE(ListingNames(Listing(names), "OKX_20", "", 5));
    EXPECT_FALSE(ListingNames(QByteArray(), "OKX_20", "", 1));
    EXPECT_FALSE(ListingNames(Listing({}), "OKX_20", "", 1));
}

TEST(RadarListing, TheFilterPicksTheWarningsOfOneSize) {
    const QStringList names = {"OKX_20240601_1905_Short_Warnings.gif",
                               "OKX_20240601_1905_Long_Warnings.gif",
                               "OKX_20240601_1915_Short_Warnings.gif"};
    const auto warnings = ListingNames(Listing(names), "OKX_20", "Short_Warnings", 2);
    ASSERT_TRUE(warnings);
    EXPECT_EQ(*warnings, QStringList({"OKX_20240601_1905_Short_Warnings.gif",
                                      "OKX_20240601_1915_Short_Warnings.gif"}));
}

TEST(RadarListing, HostileNamesAreSkipped) {
    const QByteArray page = Listing({"OKX_20240601_1905_N0R.gif", "OKX_20240601_1915_N0R.gif"}) +
                            "<a href=\"../OKX_20999999_9999\">x</a>\n"
                            "<a href=\"OKX_20a/b\">x</a>\n"
                            "<a href=\"OKX_20%2F..\">x</a>\n"
                            "<img src=\"/icons/folder.gif\"> <a href=\".\">OKX_20 folder</a>\n";
    const auto names = ListingNames(page, "OKX_20", "", 2);
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, QStringList({"OKX_20240601_1905_N0R.gif", "OKX_20240601_1915_N0R.gif"}));
    EXPECT_FALSE(ListingNames(page, "OKX_20", "", 3));
}

}  // namespace
}  // namespace orbelune
