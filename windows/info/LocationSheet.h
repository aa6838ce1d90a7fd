#pragma once
// The Set tab's location page: the country, state and place lists, the zip search,
// the place name, the position labels with their hemisphere boxes, the altitude with
// its unit, the weather station found for the place, the location as it is stored,
// and the Save, "Save ALL", "Cancel" and "Reset" buttons. The page only owns the
// controls and moves values between them and a TLocationForm; the information window
// handles them (InfoForm_Location.cpp).

#include "LocationTabTexts.h"
#include "MoonTabTexts.h"
#include "PlaceList.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbelune {

class TLocationSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TLocationSheet(QWidget* Parent = nullptr);

    // Shows Form in the place, position and altitude controls.
    void ShowForm(const TLocationForm& Form);
    // What those controls show now.
    TLocationForm ReadForm() const;
    // Fills the place list with Entries (in their order) and their records, with no
    // entry chosen; filling it is no choice of the user.
    void ShowPlaces(const std::vector<TPlaceEntry>& Entries);
    // The stored location's lines.
    void ShowSavedLocation(const TLocationLines& Lines);
    // The note below the zip search; an empty one takes no room.
    void ShowZipNote(const QString& Text);
    // Why the place list cannot be used, below the lists; empty when it can.
    void ShowPlaceListProblem(const QString& Text);

    QComboBox* CountryBox = nullptr;
    QLabel* StateLab = nullptr;
    QComboBox* StateBox1 = nullptr;
    QListWidget* PlaceListBox = nullptr;
    QStringList PlaceRecordList;  // the record behind each entry of PlaceListBox
    QLineEdit* ZipEd = nullptr;
    QPushButton* FindZipBut = nullptr;
    QLabel* ZipNoteLab = nullptr;
    QLineEdit* PlaceNameEd = nullptr;
    QLabel* LatDegreesLabel = nullptr;
    QLabel* LatMinutesLabel = nullptr;
    QLabel* LatSecondsLabel = nullptr;
    QComboBox* NorthSouthComboBox = nullptr;
    QLabel* LonDegreesLabel = nullptr;
    QLabel* LonMinutesLabel = nullptr;
    QLabel* LonSecondsLabel = nullptr;
    QComboBox* EastWestComboBox = nullptr;
    QLineEdit* AltitudeEd = nullptr;
    QComboBox* FeetMeterBox = nullptr;
    QPushButton* SaveLocationOnlyBut = nullptr;
    QLabel* DistanceLab1 = nullptr;
    QLabel* PlaceListProblemLab = nullptr;
    // The weather station of the information window (whose edits are on the Weather
    // tab), shown here to be saved with the location.
    QLineEdit* StationCodeEd = nullptr;
    QLineEdit* StationNameEd = nullptr;
    QPushButton* SaveWeatherStationOnlyBut = nullptr;
    QLabel* PlaceNamePanel2 = nullptr;
    QLabel* Latitudelab2 = nullptr;
    QLabel* LongitudeLab2 = nullptr;
    QLabel* AltitudeLab2 = nullptr;
    QPushButton* GetMapBut3 = nullptr;       // the map of the location
    QPushButton* GoToMapPageBut2 = nullptr;  // the Maps tab
    QPushButton* SaveAllBut = nullptr;
    QPushButton* CloseBut = nullptr;
    QPushButton* ResetBut = nullptr;

private:
    QGroupBox* createPlaceGroup(QWidget* Owner);
    QWidget* createPlaceDetails(QWidget* Owner);
    QGroupBox* createStationGroup(QWidget* Owner);
    QGroupBox* createSavedGroup(QWidget* Owner);
    QWidget* createButtons(QWidget* Owner);

    // The chosen place's city, state and country, which no control shows.
    QString City;
    QString State;
    QString Country;
};

}  // namespace orbelune
