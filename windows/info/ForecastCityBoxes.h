#pragma once
// The Weather tab's state and city lists of the zone forecast: StateBox2 lists the 54
// states as the Set tab does, and CityBox the forecast cities of the chosen state from
// the place list, with the record behind each city at the same index of
// CityRecordList. Choosing a state or a city announces ForecastCityChanged, on which
// the forecast page builds its address.

#include "PlaceList.h"

#include <QStringList>
#include <QWidget>

class QComboBox;

namespace orbelune {

class TForecastCityBoxes final : public QWidget {
    Q_OBJECT

public:
    explicit TForecastCityBoxes(QWidget* Parent = nullptr);

    // Fills CityBox with the chosen state's cities and chooses the first, when List
    // holds the forecast cities; otherwise the boxes stay as they are.
    void StateBox2Select(const TPlaceList& List);
    // The saved city, or the one city the forecast knows without the place list.
    void ShowSavedCity(bool ListLoaded, int SavedIndex);
    // The record of the chosen city; empty when none is chosen.
    QString ChosenRecord() const;

    QComboBox* StateBox2 = nullptr;
    QComboBox* CityBox = nullptr;
    QStringList CityRecordList;

signals:
    void ForecastCityChanged();
};

}  // namespace orbelune
