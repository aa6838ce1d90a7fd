#include "MapsSheet.h"

#include "ScrolledPage.h"

#include "MapAddress.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

constexpr int Columns = 2;

}  // namespace

TMapsSheet::TMapsSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("MapsSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("MapsSheetContent"));
    auto* page = new QVBoxLayout(content);
    MapGroupBox2 = new QGroupBox(content);
    MapGroupBox2->setObjectName(QStringLiteral("MapGroupBox2"));
    auto* group = new QVBoxLayout(MapGroupBox2);

    MapSiteBox = new QGroupBox(QStringLiteral(" Map Site "), MapGroupBox2);
    MapSiteBox->setObjectName(QStringLiteral("MapSiteBox"));
    MapSiteButtons = new QButtonGroup(MapSiteBox);
    auto* grid = new QGridLayout(MapSiteBox);
    // Like a radio group: the first column fills from the top, then the second.
    constexpr int rows = (MapSiteCount + Columns - 1) / Columns;
    for (int index = 0; index < MapSiteCount; ++index) {
        auto* item = new QRadioButton(QString::fromLatin1(MapSiteNames[static_cast<size_t>(index)]),
                                      MapSiteBox);
        item->setObjectName(QStringLiteral("MapSiteBox%1").arg(index));
        MapSiteButtons->addButton(item, index);
        grid->addWidget(item, index % rows, index / rows);
    }
    SetMapSiteIndex(0);
    group->addWidget(MapSiteBox);

    auto* buttons = new QHBoxLayout;
    GetMapBut1 = new QPushButton(QStringLiteral("Get Map"), MapGroupBox2);
    GetMapBut1->setObjectName(QStringLiteral("GetMapBut1"));
    AutoOpenMapBox = new QCheckBox(QStringLiteral("Auto Open"), MapGroupBox2);
    AutoOpenMapBox->setObjectName(QStringLiteral("AutoOpenMapBox"));
    buttons->addWidget(GetMapBut1);
    buttons->addWidget(AutoOpenMapBox);
    buttons->addStretch();
    group->addLayout(buttons);

    page->addWidget(MapGroupBox2);
    page->addStretch();
}

int TMapsSheet::MapSiteIndex() const {
    return MapSiteButtons->checkedId();
}

void TMapsSheet::SetMapSiteIndex(int Index) {
    if (QAbstractButton* item = MapSiteButtons->button(Index)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group cannot clear its choice; let go of it for the moment.
    MapSiteButtons->setExclusive(false);
    for (QAbstractButton* item : MapSiteButtons->buttons()) item->setChecked(false);
    MapSiteButtons->setExclusive(true);
}

}  // namespace orbelune
