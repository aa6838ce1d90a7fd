// The radar's time line and the time stamps in frame names (the tests run in UTC).
#include "RadarTimeLine.h"

#include "DateTimeRtl.h"
#include "ImageryProblem.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(RadarTimeLine, TimeStampsInFileNames) {
    struct TCase {
        const char* Name;
        bool Valid;
        int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
    };
    const TCase cases[] = {
        {"OKX_20240601_1905_N0R.gif", true, 2024, 6, 1, 19, 5},
        {"OKX_20240601_1905.gif", true, 2024, 6, 1, 19, 5},
        {"OKX__20240229__0000_N0R.gif", true, 2024, 2, 29, 0, 0},
        {"OKX_20230229_1905_N0R.gif", false},  // no 29 February in 2023
        {"OKX_20240601_2460_N0R.gif", false},
        {"OKX_2024061_1905_N0R.gif", false},  // seven digits of date
        {"OKX_20240601_195_N0R.gif", false},
        {"OKX_N0R.gif", false},
        {"OKX_2024O601_1905.gif", false},
        {"", false},
    };
    for (const TCase& c : cases) {
        TDateTime t = 0;
        EXPECT_EQ(GetRadarFileTimeStamp(c.Name, t), c.Valid) << c.Name;
        if (c.Valid)
            EXPECT_EQ(t, EncodeDate(c.Year, c.Month, c.Day) + EncodeTime(c.Hour, c.Minute, 0, 0))
                << c.Name;
        else
            EXPECT_EQ(t, -1.0) << c.Name;
    }
}

TEST(RadarTimeLine, TheFrameTimeComesFromItsName) {
    const TDateTime now = EncodeDate(2024, 6, 1) + EncodeTime(19, 12, 30, 0);
    const QStringList names = {"OKX_20240601_1905_N0R.gif", "OKX_20240601_1910_N0R.gif"};
    const TRadarTimeLine pm =
        RadarTimeLine(0, "NY - New York City   ", true, RadarTimeBlack, names, 0, now, false);
    EXPECT_TRUE(pm.Visible);
    EXPECT_TRUE(pm.SetText);
    EXPECT_EQ(pm.Text, "NY - New York City     8  mins ago at 7:05 PM   (06/01/2024 19:05 UTC )");
    const TRadarTimeLine military = RadarTimeLine(1, "x", true, RadarTimeRed, names, 0, now, true);
    EXPECT_EQ(military.Text, "x  3  mins ago at 19:10   (06/01/2024 19:10 UTC )");
    EXPECT_EQ(military.Color, RadarTimeRed);
}

TEST(RadarTimeLine, WithoutATimeStampTheDownloadTimeCounts) {
    const TDateTime download = EncodeDate(2024, 6, 1) + EncodeTime(9, 0, 0, 0);
    const TDateTime now = download + EncodeTime(0, 30, 0, 0);
    // An empty list, a name without a time stamp, frames the list does not hold.
    struct TCase {
        QStringList Names;
        int Frame;
    };
    const QStringList stamped = {"OKX_20240601_1905_N0R.gif"};
    for (const TCase& c :
         {TCase{{}, 0}, TCase{{"OKX_latest.gif"}, 0}, TCase{stamped, 1}, TCase{stamped, -1}}) {
        const TRadarTimeLine line =
            RadarTimeLine(c.Frame, "p", true, RadarTimeBlack, c.Names, download, now, false);
        EXPECT_EQ(line.Text, "p  31  mins ago at 9:00 AM   (06/01/2024 09:00 UTC )");
    }
    const TRadarTimeLine hidden =
        RadarTimeLine(0, "p", false, RadarTimeRed, {}, download, now, false);
    EXPECT_FALSE(hidden.Visible);
    EXPECT_FALSE(hidden.SetText);
}

TEST(RadarTimeLine, FrameTexts) {
    EXPECT_EQ(LoadingFramePrefix(0), "Loading 1              ");
    EXPECT_EQ(FrameNumberText(0), " 1");
    EXPECT_EQ(FrameNumberText(29), "30");
}

// A server's own words in the line after a failed request: one line, short, as sent.
TEST(RadarTimeLine, AServersWordsStayOneShortLine) {
    TDownloadResult reply;
    reply.Error = TDownloadError::HttpStatus;
    const struct {
        QString Sent;
        QString Told;
    } cases[] = {
        {"HTTP 503 Service Unavailable", "the server answered HTTP 503 Service Unavailable"},
        {"HTTP 500 <b>x</b>\r\n\tbroken", "the server answered HTTP 500 <b>x</b> broken"},
        {"HTTP 500 " + QString(200, u'a'),
         "the server answered HTTP 500 " + QString(68, u'a') + "..."},
    };
    for (const auto& c : cases) {
        reply.ErrorText = c.Sent;
        EXPECT_EQ(ProblemText(ProblemOf(reply)), c.Told);
    }
}

}  // namespace
}  // namespace orbelune
