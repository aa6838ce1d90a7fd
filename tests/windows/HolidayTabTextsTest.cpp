// The Holiday tab's table: the year's holidays in date order, clock changes only where
// the zone has them, and a model that keeps its rows (and so a selection) when the
// same year is shown again.
#include "HolidayTabTexts.h"

#include "QStringPrinter.h"
#include "ScopedZone.h"

#include "DateTimeRtl.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(HolidayRows, DatedEntriesInOrderAndNoUndatedRows) {
    {
        test::TScopedZone zone("Etc/UTC");
        const QList<THolidayRow> rows = HolidayRows(2024);
        ASSERT_EQ(rows.size(), 25);
        EXPECT_EQ(rows.front().Name, QStringLiteral("New Year's Day"));
        EXPECT_EQ(rows.front().DayText, QStringLiteral("1 January"));
        EXPECT_EQ(rows.back().Name, QStringLiteral("Hanukah Day 1"));
        EXPECT_EQ(rows.back().DayText, QStringLiteral("26 December"));
        for (int i = 1; i < rows.size(); ++i) EXPECT_LE(rows[i - 1].Day, rows[i].Day);
        // 25 Kislev of 6792 falls on 1 January 3032, of 6793 on 19 December 3032
        // (python3-convertdate): 3032 lists both, 3031 none.
        QStringList hanukah;
        for (const int year : {3031, 3032})
            for (const THolidayRow& row : HolidayRows(year))
                if (row.Name == QLatin1String("Hanukah Day 1"))
                    hanukah << QString::number(year) + u' ' + row.DayText;
        EXPECT_EQ(hanukah, QStringList({"3032 1 January", "3032 19 December"}));
    }
    test::TScopedZone zone("America/New_York");
    const QList<THolidayRow> rows = HolidayRows(2024);
    ASSERT_EQ(rows.size(), 27);
    const auto ahead = std::find_if(rows.begin(), rows.end(), [](const THolidayRow& r) {
        return r.Name == QLatin1String("Clock Ahead 1H");
    });
    ASSERT_NE(ahead, rows.end());
    EXPECT_EQ(ahead->DayText, QStringLiteral("10 March"));
    EXPECT_EQ(ahead->Day, EncodeDate(2024, 3, 10));
    EXPECT_EQ(HolidayGroupCaption(2024), QStringLiteral(" 2024  Holidays "));
}

TEST(HolidayTableModel, ShowsTheRowsAndKeepsThemForTheSameYear) {
    test::TScopedZone zone("America/New_York");
    THolidayTableModel model;
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    model.SetYear(2024);
    ASSERT_EQ(model.rowCount(), 27);
    EXPECT_EQ(model.columnCount(), 2);
    const QList<THolidayRow> rows = HolidayRows(2024);
    for (int row = 0; row < model.rowCount(); ++row) {
        EXPECT_EQ(model.data(model.index(row, 0)).toString(), rows[row].Name);
        EXPECT_EQ(model.data(model.index(row, 1)).toString(), rows[row].DayText);
        EXPECT_EQ(model.DayOfRow(row), rows[row].Day);
    }
    EXPECT_EQ(model.DayOfRow(27), 0);
    EXPECT_EQ(resets, 1);
    model.SetYear(2024);
    EXPECT_EQ(resets, 1);
    model.SetYear(2025);
    EXPECT_EQ(resets, 2);
    EXPECT_EQ(model.Year(), 2025);
}

}  // namespace
}  // namespace orbelune
