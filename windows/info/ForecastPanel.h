#pragma once
// The Weather tab's forecast half: the source list, the place inputs, the address box
// with its history and the browser buttons, and the embedded browser below them. The
// browser (and with it the web engine) is made only when a page is first needed, by
// CreateBrowser; until then its room stays empty. The information window fills the
// lists and handles the controls (InfoForm_Forecast.cpp).

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace orbelune {

class TEmbeddedBrowser;
class TForecastCityBoxes;

class TForecastPanel final : public QWidget {
    Q_OBJECT

public:
    explicit TForecastPanel(QWidget* Parent = nullptr);

    // Makes the embedded browser (once) and returns it; null when the browser's plugin
    // cannot be loaded, and the browser's room then says why.
    TEmbeddedBrowser* CreateBrowser();

    QPushButton* GetWeatherBut = nullptr;
    QComboBox* WeatherSourceBox = nullptr;
    QPushButton* SaveAddressBut = nullptr;
    QPushButton* GoBrowserBut = nullptr;
    QLabel* CityStateZipTitleLab = nullptr;
    QLineEdit* CityStateZipEd = nullptr;
    TForecastCityBoxes* ForecastCities = nullptr;  // the zone forecast's state and city
    QToolButton* BackBut = nullptr;
    QToolButton* ForwardBut = nullptr;
    QPushButton* RefreshBut = nullptr;
    QComboBox* BrowseBox = nullptr;
    QPushButton* BrowserGoBut = nullptr;
    TEmbeddedBrowser* Browser = nullptr;  // null until CreateBrowser
    QWidget* WebBrowser1 = nullptr;       // the browser's window, hidden until a page opens
    QLabel* PageStatusLab = nullptr;      // the line over the page

    // Puts Text over the page (nothing when it is empty); before the first page the
    // line fills the page area alone.
    void ShowPageStatus(const QString& Text);
    // The page area shows the browser from now on.
    void ShowPage();
    bool PageShown() const;

private:
    QWidget* createSourceRow();
    QWidget* createPlaceRow();
    QWidget* createAddressRow();

    QWidget* BrowserArea = nullptr;
    bool BrowserTried = false;
};

}  // namespace orbelune
