#pragma once
// The marked days of the date the month grid shows: the moon phases of its month, the
// equinoxes and solstices and the eclipses of its year, and the holidays of its month,
// with the texts the tabs show for them. The clock window sets the date whenever its
// calendar changes; the tables are rebuilt only when the month or year, or the way times
// are written, differ from the last build, and Changed announces each rebuild. The month
// grid, the clock window's day labels and menus, and the Moon and Planet tabs read them;
// reading never rebuilds anything.

#include "MoonTabTexts.h"
#include "PlanetTabTexts.h"
#include "StDate.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace orbelune {

// What the month grid marks on a day.
class TDayMarks {
public:
    virtual ~TDayMarks() = default;
    virtual bool HasEclipse(TDateTime Day) const = 0;
    virtual bool IsHoliday(TDateTime Day) const = 0;
    virtual QString EquinoxSolsticeName(TDateTime Day) const = 0;
    virtual QString MoonPhaseName(TDateTime Day) const = 0;
};

class TCalendarEvents final : public QObject, public TDayMarks {
    Q_OBJECT

public:
    explicit TCalendarEvents(QObject* Parent = nullptr);

    // The shown date (its time of day is dropped); rebuilds what its month or year, or
    // the time format of the settings, makes out of date.
    void SetDate(TDateTime Date);
    TDateTime Date() const { return FDate; }
    // Rebuilds everything now (after a change of time zone, say).
    void Rebuild();

    // The phases of the shown month, the seasons of its year, the eclipses of
    // ShownEclipseYear (the shown year) with their texts.
    const TMonthPhaseTable& MonthPhaseTable() const { return FMonthPhases; }
    const TSeasonTable& SeasonTable() const { return FSeasons; }
    const TEclipseYear& EclipseYear() const { return FEclipses; }
    int ShownEclipseYear() const { return FEclipses.Year; }

    // The eclipse on Day's date as shown (local or Greenwich time by the settings);
    // empty when none or when Day lies outside the shown year.
    TEclipseDay Eclipse(TDateTime Day) const;
    // The moment (as shown) of eclipse N (1 .. the count) of the shown year.
    std::optional<TDateTime> EclipseDate(int N) const;
    // The picture of the 24-step lunation list for phase entry N (1 .. 5), mirrored
    // for the southern sky when Flip; 0 outside the table.
    int IconNum(int N, bool Flip) const;

    bool HasEclipse(TDateTime Day) const override;
    // Holidays are known for the days of the shown month.
    bool IsHoliday(TDateTime Day) const override;
    QString EquinoxSolsticeName(TDateTime Day) const override;
    QString MoonPhaseName(TDateTime Day) const override;

signals:
    void Changed();

private:
    void Build(bool Force);

    TDateTime FDate = 0;
    int FMonth = 0;
    int FYear = 0;
    TEclipseTextOptions FOptions;
    bool FBuilt = false;
    TMonthPhaseTable FMonthPhases;
    TSeasonTable FSeasons;
    TEclipseYear FEclipses;
    std::array<bool, 32> FHolidays{};  // by day of the shown month
};

}  // namespace orbelune
