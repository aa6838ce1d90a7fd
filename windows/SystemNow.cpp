#include "SystemNow.h"

#include <QDateTime>

#include <optional>

namespace orbelune {

namespace {

std::optional<TDateTime> FixedNow;

// Julian day number of 1899-12-30, day 0 of TDateTime.
constexpr qint64 DayZeroJulian = 2415019;

}  // namespace

TDateTime Now()
{
    if (FixedNow)
        return *FixedNow;
    const QDateTime now = QDateTime::currentDateTime();
    const double day = static_cast<double>(now.date().toJulianDay() - DayZeroJulian);
    return day + now.time().msecsSinceStartOfDay() / 86400000.0;
}

void SetFixedNow(TDateTime Value)
{
    FixedNow = Value;
}

void ClearFixedNow()
{
    FixedNow.reset();
}

}  // namespace orbelune
