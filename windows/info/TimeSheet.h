#pragma once
// The Time tab: the clocks (local time, Greenwich time, local sidereal time, the Julian
// Date and seven world clocks), which the clock update refreshes every second while the
// information window exists; below them the internet-time controls (the server, the
// "Get Time" button, its time stamp and result line) and the switches and intervals of
// the time and weather schedules, each of which writes its setting at once.

#include "TimeTabTexts.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace orbelune {

// One text per panel, as the clock update writes them.
struct TTimeClocks {
    static constexpr int CityCount = 7;
    QString Local;
    QString LocalZone;
    QString Utc;
    QString Sidereal;
    QString JulianDate;
    std::array<QString, CityCount> Cities;
};

class TTimeSheet final : public QWidget {
    Q_OBJECT

public:
    // CityNames label the world clocks, in their order.
    TTimeSheet(const std::array<const char*, TTimeClocks::CityCount>& CityNames,
               QWidget* Parent = nullptr);

    void ShowClocks(const TTimeClocks& Clocks);
    // The settings into the internet-time and schedule controls.
    void ShowSettings();
    // A query's time stamp and result line; a query that brought no time leaves the
    // time stamp as it was.
    void ShowInternetTime(const TInternetTimeResult& Result);
    // The server box's text becomes the server of the start-up check and the schedule;
    // a blank text leaves it.
    void TakeTimeServer();

    void UpdateClockBoxClick();
    void UpdateClockOnStartupBoxClick();
    void UpdateClockPerScheduleBoxClick();
    void UpdateClockMinutesEdChange();
    void UpdateWeatherOnStartupBoxClick();
    void UpdateWeatherPerScheduleBoxClick();
    void UpdateWeatherMinutesEdChange();

    QLabel* LocTimePanel = nullptr;
    QLabel* UTCTimePanel = nullptr;
    QLabel* SiderealTimePanel = nullptr;
    QLabel* JulianDatePanel = nullptr;
    QLabel* LocTimeLabel = nullptr;
    QLabel* UTCTimeLabel = nullptr;
    QLabel* SiderealTimeLabel = nullptr;
    QLabel* JulianDateLabel = nullptr;
    std::array<QLabel*, TTimeClocks::CityCount> CityTime{};
    std::array<QLabel*, TTimeClocks::CityCount> CityLabel{};

    QComboBox* TimeServerBox = nullptr;
    QPushButton* GetInternetTimeBut = nullptr;
    QCheckBox* UpdateClockBox = nullptr;
    QLineEdit* TimeStampEd = nullptr;
    QLabel* AdjustLab = nullptr;
    QCheckBox* UpdateClockOnStartupBox = nullptr;
    QCheckBox* UpdateClockPerScheduleBox = nullptr;
    QSpinBox* UpdateClockMinutesEd = nullptr;
    QCheckBox* UpdateWeatherOnStartupBox = nullptr;
    QCheckBox* UpdateWeatherPerScheduleBox = nullptr;
    QSpinBox* UpdateWeatherMinutesEd = nullptr;

private:
    void CreateClocks(QGridLayout* Grid, int& Row,
                      const std::array<const char*, TTimeClocks::CityCount>& CityNames);
    void CreateInternetTime(QGridLayout* Grid, int& Row);
    void CreateSchedules(QGridLayout* Grid, int& Row);
};

}  // namespace orbelune
