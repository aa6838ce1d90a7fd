// Maps and reference pages: the Maps tab, the map, astronomy and time page buttons of
// the other tabs, and GoBrowser, which hands every such page (and the look-ups of the
// Tools tab) to the desktop's default browser.
#include "InfoForm.h"

#include "BrowsableAddress.h"
#include "ForecastPanel.h"
#include "InfoLocation.h"
#include "LinkLabel.h"
#include "LocationSheet.h"
#include "MapAddress.h"
#include "MapsSheet.h"
#include "PlatformSeams.h"
#include "ReferencePages.h"
#include "Settings.h"
#include "WindowOrder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orbelune {

void TInfoForm::createMapsSheet() {
    MapsPage->SetMapSiteIndex(Settings.MapSiteIndex);
    MapsPage->AutoOpenMapBox->setChecked(Settings.AutoOpenMap);
    connect(MapsPage->MapSiteButtons, &QButtonGroup::idClicked, this, &TInfoForm::MapSiteBoxClick);
    connect(MapsPage->GetMapBut1, &QPushButton::clicked, this, &TInfoForm::GetMapBut1Click);
    connect(MapsPage->AutoOpenMapBox, &QCheckBox::clicked, this, &TInfoForm::AutoOpenMapBoxClick);
}

void TInfoForm::createPageLinks() {
    connect(MoonPage->GetMapBut2, &QPushButton::clicked, this, &TInfoForm::GetMapBut1Click);
    connect(MoonPage->Image8, &TLinkLabel::clicked, this, &TInfoForm::GetMapMapQuest);
    connect(MoonPage->Image12, &TLinkLabel::clicked, this, &TInfoForm::GetMapTopoZone);
    connect(MoonPage->ViewMoonBut1, &QPushButton::clicked, this, &TInfoForm::ViewMoonBut1Click);
    connect(MoonPage->ViewMoonBut2, &QPushButton::clicked, this, &TInfoForm::ViewMoonBut2Click);
    connect(MoonPage->UsnoBut, &QPushButton::clicked, this, &TInfoForm::UsnoButClick);
    connect(PlanetPage->USNOLab, &TLinkLabel::clicked, this, &TInfoForm::UsnoButClick);
    connect(PlanetPage->SkyMapLab, &TLinkLabel::clicked, this, &TInfoForm::GoToSkyMaps);
    connect(PlanetPage->ViewSkyBut, &QPushButton::clicked, this, &TInfoForm::ViewSkyButClick);
    connect(TimeSheet->WorldClockBut, &QPushButton::clicked, this, &TInfoForm::WorldClockButClick);

    connect(LocationPage->GetMapBut3, &QPushButton::clicked, this, &TInfoForm::GetMapBut1Click);
}

void TInfoForm::GoBrowser(const QString& Address, QWidget* Owner) {
    const std::optional<QUrl> url = BrowsableAddress(Address, HelpFile);
    if (!url) {
        StatusPanels[0]->setText(NotBrowsableMessage(Address));
        return;
    }
    SendToBack(this);
    emit SentToBack();
    QCoreApplication::processEvents();
    const bool opened = Platform().Urls->Open(*url);
    QCoreApplication::processEvents();
    if (!opened)
        Platform().Messages->Inform(Owner != nullptr ? Owner : this, TMessageIcon::Warning,
                                    QStringLiteral("Orbelune"),
                                    NoBrowserMessage(url->toDisplayString()));
}

void TInfoForm::GoBrowserButClick() {
    GoBrowser(Forecast->BrowseBox->currentText());
}

void TInfoForm::GetMap(int Site) {
    const TMapPlace place{static_cast<double>(InfoLocation.Latitude),
                          static_cast<double>(InfoLocation.Longitude), Settings.CityName,
                          Settings.StateName};
    GoBrowser(orbelune::GetMap(Site, place));
}

void TInfoForm::GetMapBut1Click() {
    const int index = MapsPage->MapSiteIndex();
    Settings.MapSiteIndex = index;
    Settings.AutoOpenMap = MapsPage->AutoOpenMapBox->isChecked();
    GetMap(MapSiteCode(index));
}

void TInfoForm::GetMapMapQuest() {
    GetMap(0);
}

void TInfoForm::GetMapTopoZone() {
    GetMap(14);
}

void TInfoForm::MapSiteBoxClick() {
    Settings.MapSiteIndex = MapsPage->MapSiteIndex();
}

void TInfoForm::AutoOpenMapBoxClick() {
    Settings.AutoOpenMap = MapsPage->AutoOpenMapBox->isChecked();
}

void TInfoForm::ViewMoonBut1Click() {
    GoBrowser(FixedPageAddress(TFixedPage::CurrentMoon));
}

void TInfoForm::ViewMoonBut2Click() {
    GoBrowser(FixedPageAddress(TFixedPage::MoonView));
}

void TInfoForm::UsnoButClick() {
    GoBrowser(FixedPageAddress(TFixedPage::UsnoData));
}

void TInfoForm::ViewSkyButClick() {
    GoBrowser(FixedPageAddress(TFixedPage::SkyView, Settings.ZipCode));
}

void TInfoForm::WorldClockButClick() {
    GoBrowser(FixedPageAddress(TFixedPage::WorldClock));
}

void TInfoForm::GoToSkyMaps() {
    GoBrowser(FixedPageAddress(TFixedPage::SkyMaps));
}

}  // namespace orbelune
