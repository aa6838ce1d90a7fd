#pragma once
// The Maps tab: the twenty map sites in two columns, "Get Map" and "Auto Open". The
// information window handles the controls (InfoForm_Maps.cpp).

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;

namespace orbelune {

class TMapsSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TMapsSheet(QWidget* Parent = nullptr);

    // The chosen site's list index; -1 when none is chosen.
    int MapSiteIndex() const;
    // Chooses the site at Index; any index outside the list chooses none.
    void SetMapSiteIndex(int Index);

    QGroupBox* MapGroupBox2 = nullptr;
    QGroupBox* MapSiteBox = nullptr;
    QButtonGroup* MapSiteButtons = nullptr;  // ids are the list indexes
    QPushButton* GetMapBut1 = nullptr;
    QCheckBox* AutoOpenMapBox = nullptr;
};

}  // namespace orbelune
