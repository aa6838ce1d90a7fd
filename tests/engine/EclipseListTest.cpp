// The eclipse list: appending, indexing, and eclipses at the turn of a year.
#include <gtest/gtest.h>

#include <cmath>

#include "StDate.h"
#include "StEclpse.h"

namespace orbelune {
namespace {

int YearOf(TDateTime T) {
    int d = 0, m = 0, y = 0;
    DayNumberToDMY(DateTimeToDayNumber(T), d, m, y);
    return y;
}

TEST(EclipseList, SearchYearAppendsAndClearEmpties) {
    TStEclipses list;
    list.SearchYear(2024);
    const int first = list.Count();
    // 2024: penumbral lunar 25 March, total solar 8 April, partial lunar 18 September,
    // annular solar 2 October.
    ASSERT_EQ(first, 4);
    EXPECT_EQ(list.EclipseAt(0)->EType, EclipsePenumbralLunar);
    EXPECT_EQ(list.EclipseAt(1)->EType, EclipseTotalSolar);
    EXPECT_EQ(list.EclipseAt(2)->EType, EclipsePartialLunar);
    EXPECT_EQ(list.EclipseAt(3)->EType, EclipseAnnularSolar);
    list.SearchYear(2025);
    EXPECT_EQ(list.Count(), first + 4);
    EXPECT_EQ(YearOf(list.EclipseAt(first)->MidEclipse), 2025);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.EclipseAt(0), nullptr);
}

TEST(EclipseList, EclipseAtOutOfRangeIsNull) {
    TStEclipses list;
    list.SearchYear(2017);
    EXPECT_EQ(list.EclipseAt(-1), nullptr);
    EXPECT_EQ(list.EclipseAt(list.Count()), nullptr);
    EXPECT_NE(list.EclipseAt(list.Count() - 1), nullptr);
}

TEST(EclipseList, EclipseOnNewYearsEveBelongsToItsOwnYear) {
    // The total solar eclipse of 31 December 2233 has its mean new moon on 1 January
    // 2234; it is listed under 2233 and only there.
    TStEclipses before, after;
    before.SearchYear(2233);
    after.SearchYear(2234);
    const TEclipseRec* last = before.EclipseAt(before.Count() - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->EType, EclipseTotalSolar);
    EXPECT_EQ(YearOf(last->MidEclipse), 2233);
    for (int i = 0; i < after.Count(); ++i) EXPECT_EQ(YearOf(after.EclipseAt(i)->MidEclipse), 2234);
    EXPECT_GT(std::fabs(after.EclipseAt(0)->MidEclipse - last->MidEclipse), 100.0);
}

TEST(EclipseList, ContactsInTheNextYearAreKept) {
    // The partial lunar eclipse of 31 December 2400 ends its penumbral phase on
    // 1 January 2401; the record keeps that contact.
    TStEclipses list;
    list.SearchYear(2400);
    const TEclipseRec* last = list.EclipseAt(list.Count() - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->EType, EclipsePartialLunar);
    EXPECT_EQ(YearOf(last->MidEclipse), 2400);
    EXPECT_EQ(YearOf(last->PenumbralEnd), 2401);
    EXPECT_GT(last->PenumbralEnd, last->UmbralEnd);
}

TEST(EclipseList, YearsOutsideTheEngineDatesGiveCentralEclipsesNoPath) {
    // The kinds need no positions; the central line does, and 1598 and 4000 lie
    // outside the engine's day scale. Each year has a total and an annular eclipse.
    for (int year : {1598, 4000}) {
        TStEclipses list;
        list.SearchYear(year);
        int central = 0;
        for (int i = 0; i < list.Count(); ++i) {
            const TEclipseRec* r = list.EclipseAt(i);
            central += r->EType == EclipseTotalSolar || r->EType == EclipseAnnularSolar;
            EXPECT_FALSE(r->Path.has_value()) << year;
        }
        EXPECT_EQ(central, 2) << year;
    }
}

}  // namespace
}  // namespace orbelune
