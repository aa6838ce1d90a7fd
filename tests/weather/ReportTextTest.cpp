// Report lines: splitting, the time stamp, wrapping, the station and its path.
#include "DateTimeRtl.h"
#include "ReportSamples.h"
#include "ReportText.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(SplitReportLines, LfOrCrLfEndsALineAndNoEmptyLastLine) {
    EXPECT_EQ(SplitReportLines("a\r\nb\nc\rd\n"), QStringList({"a", "b", "c\rd"}));
    EXPECT_EQ(SplitReportLines("one line"), QStringList({"one line"}));
    EXPECT_EQ(SplitReportLines(""), QStringList());
    EXPECT_EQ(SplitReportLines("a\n\nb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitReportLines(test::MontrealReport).size(), 13);
}

TEST(IsHtmlReply, FirstFiveCharactersInAnyCase) {
    EXPECT_TRUE(IsHtmlReply("<html><body>moved</body></html>"));
    EXPECT_TRUE(IsHtmlReply("<HtMl>"));
    EXPECT_FALSE(IsHtmlReply("<!DOCTYPE html>"));
    EXPECT_FALSE(IsHtmlReply(test::NewYorkReport));
    EXPECT_FALSE(IsHtmlReply("<htm"));
}

TEST(ParseReportTime, TheUtcStampOfTheSecondLine) {
    TDateTime t = 0.0;
    ASSERT_TRUE(ParseReportTime(SplitReportLines(test::NewYorkReport), t));
    EXPECT_DOUBLE_EQ(t, EncodeDate(2026, 12, 9) + EncodeTime(5, 51, 0, 0));
    ASSERT_TRUE(ParseReportTime(SplitReportLines(test::MontrealReport), t));
    EXPECT_DOUBLE_EQ(t, EncodeDate(2026, 12, 9) + EncodeTime(5, 0, 0, 0));
}

TEST(ParseReportTime, MissingOrInvalidStampLeavesTheTime) {
    const TDateTime before = 45000.25;
    TDateTime t = before;
    EXPECT_FALSE(ParseReportTime({}, t));
    EXPECT_FALSE(ParseReportTime({"only the station line"}, t));
    EXPECT_FALSE(ParseReportTime({"x", "Dec 09, 2026 - 12:51 AM EST"}, t));
    EXPECT_FALSE(ParseReportTime({"x", "local / 2026.13.09 0551 UTC"}, t));
    EXPECT_FALSE(ParseReportTime({"x", "local / 2026.02.30 0551 UTC"}, t));
    EXPECT_FALSE(ParseReportTime({"x", "local / 2026.12.09 2451 UTC"}, t));
    EXPECT_FALSE(ParseReportTime({"x", "local / 2026.12.09 05"}, t));
    EXPECT_FALSE(ParseReportTime({"x", "local / 20x6.12.09 0551 UTC"}, t));
    EXPECT_DOUBLE_EQ(t, before);
}

TEST(ReportLocalTimeText, TheTextBeforeTheSlashWithItsBlank) {
    EXPECT_EQ(ReportLocalTimeText(SplitReportLines(test::NewYorkReport)),
              "Dec 09, 2026 - 12:51 AM EST ");
    EXPECT_EQ(ReportLocalTimeText({"one line"}), "");
}

TEST(SplitAtMargin, ShortLinesStayWhole) {
    const QString fifty(50, 'a');
    EXPECT_EQ(SplitAtMargin(fifty, 50), std::make_pair(fifty, QString()));
    EXPECT_EQ(SplitAtMargin("", 50), std::make_pair(QString(), QString()));
}

TEST(SplitAtMargin, A120CharacterLineBecomesTwoAtAWord) {
    // Words of nine letters and a blank: columns 1-9, 11-19, ... the word 41-49 ends
    // before the margin, the word 51-59 lies beyond it.
    QString line;
    for (int i = 0; i < 12; ++i) line += QString(9, QChar('a' + i)) + ' ';
    line.chop(1);
    ASSERT_EQ(line.size(), 119);
    const auto [head, tail] = SplitAtMargin(line, 50);
    EXPECT_EQ(head, line.left(49));
    EXPECT_EQ(tail, line.mid(50));
    EXPECT_EQ(tail.size(), 69);
}

TEST(SplitAtMargin, AWordCoveringTheMarginMovesToTheTail) {
    const QString line = QString(45, 'a') + " " + QString(10, 'b') + " cc";
    const auto [head, tail] = SplitAtMargin(line, 50);
    EXPECT_EQ(head, QString(45, 'a'));
    EXPECT_EQ(tail, QString(10, 'b') + " cc");
}

TEST(SplitAtMargin, AWordEndingAtTheMarginStays) {
    const QString line = QString(50, 'a') + "   next words";
    const auto [head, tail] = SplitAtMargin(line, 50);
    EXPECT_EQ(head, QString(50, 'a'));
    EXPECT_EQ(tail, "next words");
}

TEST(SplitAtMargin, ALongFirstWordIsCutHard) {
    const QString line = QString(60, 'x') + " tail";
    const auto [head, tail] = SplitAtMargin(line, 50);
    EXPECT_EQ(head, QString(50, 'x'));
    EXPECT_EQ(tail, QString(10, 'x') + " tail");
}

TEST(WrapReportLines, TailsAreNotWrappedAgain) {
    const QString longLine = QString(60, 'x') + " " + QString(60, 'y');
    const QStringList wrapped = WrapReportLines({"short", longLine, "end"});
    ASSERT_EQ(wrapped.size(), 4);
    EXPECT_EQ(wrapped[0], "short");
    EXPECT_EQ(wrapped[1], QString(50, 'x'));
    EXPECT_EQ(wrapped[2], QString(10, 'x') + " " + QString(60, 'y'));
    EXPECT_EQ(wrapped[3], "end");
}

TEST(DropLastTwoLines, NeverBelowEmpty) {
    EXPECT_EQ(DropLastTwoLines({"a", "b", "c"}), QStringList({"a"}));
    EXPECT_EQ(DropLastTwoLines({"a"}), QStringList());
    EXPECT_EQ(DropLastTwoLines({}), QStringList());
}

TEST(StationForRequest, FourLettersOrDigitsUpperCased) {
    EXPECT_EQ(StationForRequest("kjfk"), "KJFK");
    EXPECT_EQ(StationForRequest("K1B2"), "K1B2");
    EXPECT_EQ(StationForRequest("NYC"), "KNYC");
    EXPECT_EQ(StationForRequest(""), "KNYC");
    EXPECT_EQ(StationForRequest("KJFKX"), "KNYC");
    // Characters that would change the request's path are refused.
    EXPECT_EQ(StationForRequest("../x"), "KNYC");
    EXPECT_EQ(StationForRequest("K?a="), "KNYC");
    EXPECT_EQ(StationForRequest("K Y "), "KNYC");
    EXPECT_EQ(StationForRequest(QString::fromUtf8("KÖLN").left(4)), "KNYC");
}

TEST(CleanReportText, OnlyPrintableTextAndLineBreaksRemain) {
    const QByteArray hostile =
        "Sky\x1b[31m conditions:\x07 clear\x7f\r\n"
        "\xe2\x80\xae"
        "drawkcab\xe2\x80\xac \xe2\x81\xa6x\xe2\x81\xa9 zero\xe2\x80\x8bwidth\n"
        "bad \xff\xfe utf-8 \xc2\x85next\ttab \xc2\xb0"
        "F\n";
    EXPECT_EQ(CleanReportText(hostile),
              QString::fromUtf8("Sky[31m conditions: clear\r\ndrawkcab x zerowidth\n"
                                "bad  utf-8 next tab \u00b0F\n"));
    EXPECT_EQ(CleanReportText(test::NewYorkReport), QString::fromLatin1(test::NewYorkReport));
    // A CR alone is no line break; a stack of combining marks keeps two, and a letter
    // with its accent apart is composed first (NFC, as Python's unicodedata gives it).
    const QString acute = QString(200, QChar(0x0301));
    EXPECT_EQ(CleanReportText("half\rline\r\n"), "half line\r\n");
    EXPECT_EQ(CleanReportText(("q" + acute + "b").toUtf8()),
              QString("q") + QChar(0x0301) + QChar(0x0301) + "b");
    EXPECT_EQ(CleanReportText(("e" + acute.left(3) + "\n" + acute).toUtf8()),
              QString(QChar(0xE9)) + QChar(0x0301) + QChar(0x0301) + "\n" + acute.left(2));
}

TEST(LooksLikeReport, AStationLineThenATimeLine) {
    const struct {
        const char* Text;
        bool Expected;
    } cases[] = {
        {test::NewYorkReport, true},
        {test::MontrealReport, true},
        {"STATION (XXXX)\nlocal / 2026.13.45 9999 UTC\n", true},  // shaped, though no valid time
        {"", false},
        {"JUST ONE LINE OF TEXT", false},
        {"STATION\nno time here\n", false},
        {"STATION\n / 2026-12-09 0551 UTC\n", false},
        {"12345 (6789)\nlocal / 2026.12.09 0551 UTC\n", false},  // no station name
        {"STATION\n2026.12.09 0551 UTC\n", false},               // no local time
    };
    for (const auto& c : cases)
        EXPECT_EQ(LooksLikeReport(SplitReportLines(c.Text)), c.Expected) << c.Text;
}

TEST(ReportPath, TheDecodedReportOfTheStation) {
    EXPECT_EQ(ReportPath("KNYC"), "/data/observations/metar/decoded/KNYC.TXT");
}

TEST(ReportAgeMinutes, TruncatedWholeMinutes) {
    const TDateTime report = EncodeDate(2026, 12, 9) + EncodeTime(5, 51, 0, 0);
    EXPECT_EQ(ReportAgeMinutes(report + EncodeTime(0, 5, 59, 0), report), 5);
    EXPECT_EQ(ReportAgeMinutes(report, report), 0);
    EXPECT_EQ(ReportAgeMinutes(report - EncodeTime(0, 2, 30, 0), report), 0);  // not yet made
    EXPECT_EQ(ReportAgeMinutes(1e300, report), 0);
}

}  // namespace
}  // namespace orbelune
