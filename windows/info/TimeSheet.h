#pragma once
// The Time tab's clocks: local time, Greenwich time, local sidereal time, the Julian
// Date and seven world clocks, which the clock update refreshes every second while
// the information window exists.

#include <QWidget>

#include <array>

class QLabel;

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
};

}  // namespace orbelune
