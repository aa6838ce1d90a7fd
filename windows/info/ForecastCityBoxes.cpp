#include "ForecastCityBoxes.h"

#include "GeoTables.h"
#include "Settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace orbelune {

TForecastCityBoxes::TForecastCityBoxes(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("ForecastCityBoxes"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Zone Forecast:"), this);
    label->setObjectName(QStringLiteral("ForecastCityLab"));
    StateBox2 = new QComboBox(this);
    StateBox2->setObjectName(QStringLiteral("StateBox2"));
    StateBox2->setMaxVisibleItems(20);
    for (const TUsState& state : UsStateTable) StateBox2->addItem(QString::fromLatin1(state.Name));
    CityBox = new QComboBox(this);
    CityBox->setObjectName(QStringLiteral("CityBox"));
    CityBox->setMaxVisibleItems(20);
    CityBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CityBox->setMinimumContentsLength(24);
    label->setBuddy(StateBox2);
    row->addWidget(label);
    row->addWidget(StateBox2, 1);
    row->addWidget(CityBox, 2);

    connect(CityBox, &QComboBox::activated, this, [this](int Index) {
        Settings.CityBoxItemIndex = Index;
        emit ForecastCityChanged();
    });
}

void TForecastCityBoxes::StateBox2Select(const TPlaceList& List) {
    const int state = StateBox2->currentIndex();
    if (List.Count() <= TPlaceList::LastUsPlace || state < 0 ||
        state >= static_cast<int>(UsStateTable.size()))
        return;
    const auto cities =
        List.ForecastCities(QString::fromLatin1(UsStateTable[static_cast<size_t>(state)].Abbrev));
    QStringList names;
    CityRecordList.clear();
    for (const TPlaceEntry& city : cities) {
        names << city.Name;
        CityRecordList << city.Record;
    }
    CityBox->clear();
    CityBox->addItems(names);
    CityBox->setCurrentIndex(0);
    emit ForecastCityChanged();
}

void TForecastCityBoxes::ShowSavedCity(bool ListLoaded, int SavedIndex) {
    if (ListLoaded) {
        CityBox->setCurrentIndex(SavedIndex < CityBox->count() ? SavedIndex : 0);
        return;
    }
    CityBox->clear();
    CityRecordList.clear();
    CityBox->addItem(QStringLiteral("New York (Manhattan)"));
    CityBox->setCurrentIndex(0);
}

QString TForecastCityBoxes::ChosenRecord() const {
    const int city = CityBox->currentIndex();
    return city >= 0 && city < CityRecordList.size() ? CityRecordList[city] : QString();
}

}  // namespace orbelune
