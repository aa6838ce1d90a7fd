// The shared constants against the definitions they stand for.
#include "AstroConstants.h"

#include "DateTimeRtl.h"
#include "StDate.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(AstroConstants, DateTimeOffsetIsTheJulianDateOfTDateTimeZero) {
    // 2000-01-01 00:00 is JD 2451544.5; 1600-01-01 00:00 is day number 0.
    EXPECT_EQ(DateTimeJDOffset, 2451544.5 - EncodeDate(2000, 1, 1));
    EXPECT_EQ(DateTimeJDOffset, AstroJulianDate(1600, 1, 1, 0) - DayNumberToDateTime(0));
    EXPECT_EQ(J2000, AstroJulianDate(2000, 1, 1, 43200));
    EXPECT_EQ(J2000DateTime, EncodeDate(2000, 1, 1) + 0.5);
}

}  // namespace
}  // namespace orbelune
