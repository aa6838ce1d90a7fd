#pragma once
// What the clock window uses of the information window's tabs: the moon and planet
// answers for the calendar and the day labels, the year calendar, the time panels,
// the browser and a few controls. Each tab fills its pieces when it is built; a
// missing piece is skipped, so the clock window shows nothing in its place.

#include "StDate.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbelune {

// The eclipse of a day: its time and name, both empty when the day has none.
struct TEclipseDay {
    long double Time = 0;
    QString Name;
};

// One moonrise or moonset of the calendar day, in time order, as shown.
struct TDayMoonEvent {
    TDaySeconds DaySeconds = 0;
    bool Rise = false;
    bool MoonUp = false;  // the moon-up state for now (read from the first event)
};

struct TAltAz {
    double Altitude = 0;
    double Azimuth = 0;
};

struct TInfoWindowLink {
    std::function<void(TDateTime T)> ShowSunMoonPosition;
    std::function<void(TDateTime T)> ShowPlanets;
    std::function<void(bool Adjusted, double Offset, TDateTime Obtained)> UpdateInternetTimeDisplay;
    std::function<TEclipseDay(TDateTime Day)> GetEclipse;
    // Moves the calendar to the day of eclipse N (1 to 7) of the shown year.
    std::function<void(int N)> GoToEclipseDate;
    std::function<QString(TDateTime T)> GetEquinoxSolsticeName;
    std::function<QString(TDateTime T)> GetMoonPhaseName;
    std::function<int(int N, bool Flip)> GetIconNum;
    // Altitude and azimuth of the sun or the moon at the local time T.
    std::function<std::optional<TAltAz>(bool IsSun, TDateTime T)> SunMoonPosition;
    std::function<QString(double Angle)> CompassPosition;
    // Day numbers of the month's moon-phase entries 1 to 5 (-1 for an empty entry).
    std::function<std::array<TDayNumber, 5>()> MonthPhaseDays;
    // At most two events of the calendar day.
    std::function<std::vector<TDayMoonEvent>()> DayMoonEvents;
    std::function<TDateTime()> BigCalendarDate;
    std::function<void(TDateTime Date)> SetBigCalendarDate;
    std::function<void()> UpdateBigCalendar;
    std::function<void()> GetMapBut1Click;
    std::function<void(const QString& Url)> GoBrowser;
    // Applies the tray type of the settings to the tray icon (the Set tab's handler).
    std::function<void()> SetTrayIconType;

    QCheckBox* WeekNumbersBox = nullptr;
    QCheckBox* AutoOpenMapBox = nullptr;
    QGroupBox* GraphSunGroupBox = nullptr;
    QLabel* DayInfoLabel4 = nullptr;
    QPushButton* GetWeatherBut = nullptr;   // the forecast
    QPushButton* GetWeatherBut2 = nullptr;  // the station report
    QPushButton* GetRadarBut = nullptr;
    QPushButton* GetSatelliteBut = nullptr;
    QLineEdit* ZipEd = nullptr;
    QPushButton* FindZipBut = nullptr;
    QLabel* LocTimePanel = nullptr;
    QLabel* UTCTimePanel = nullptr;
    QLabel* SiderealTimePanel = nullptr;
    QLabel* SiderealTimePanel2 = nullptr;
    QLabel* JulianDatePanel = nullptr;
    QLabel* LocTimeLabel = nullptr;
    QLabel* UTCTimeLabel = nullptr;
    QLabel* SiderealTimeLabel = nullptr;
    QLabel* SiderealTimeLabel2 = nullptr;
    QLabel* JulianDateLabel = nullptr;
    std::array<QLabel*, 7> CityTime{};
    std::array<QLabel*, 7> CityLabel{};
};

// The program's one link, owned by the user-interface thread.
TInfoWindowLink& InfoWindow();

}  // namespace orbelune
