#include "TimeSheet.h"

#include "ScrolledPage.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace orbelune {

namespace {

// As long as the settings store keeps a server name.
constexpr int MaxTimeServerLength = 128;

QLabel* NewLabel(QWidget* Owner, const QString& Name, const QString& Text = QString()) {
    auto* label = new QLabel(Text, Owner);
    label->setObjectName(Name);
    return label;
}

// A clock's text in a sunken panel, wide enough for the longest date.
QLabel* NewPanel(QWidget* Owner, const QString& Name) {
    QLabel* panel = NewLabel(Owner, Name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(
        QStringLiteral(" 12:00:00 AM  Wednesday, September 30, 2026 ")));
    return panel;
}

QCheckBox* NewCheckBox(QWidget* Owner, const char* Name, const QString& Caption) {
    auto* box = new QCheckBox(Caption, Owner);
    box->setObjectName(QString::fromLatin1(Name));
    return box;
}

// A schedule's interval in minutes. A number outside the interval's range may be typed
// whole, and is refused when the typing is done (the editor is left), which brings back
// the interval as it was rather than the number cut short by its last digit.
class TMinutesEdit final : public QSpinBox {
public:
    explicit TMinutesEdit(QWidget* Parent) : QSpinBox(Parent) {
        setRange(MinScheduleMinutes, MaxScheduleMinutes);
        setKeyboardTracking(false);  // the interval changes when the typing is done
    }

protected:
    QValidator::State validate(QString& Text, int& Pos) const override {
        const QValidator::State state = QSpinBox::validate(Text, Pos);
        if (state != QValidator::Invalid) return state;
        bool whole = false;
        locale().toInt(Text, &whole);
        return whole ? QValidator::Intermediate : state;
    }
};

}  // namespace

TTimeSheet::TTimeSheet(const std::array<const char*, TTimeClocks::CityCount>& CityNames,
                       QWidget* Parent)
    : QWidget(Parent) {
    setObjectName(QStringLiteral("TimeSheet"));
    auto* grid = new QGridLayout(ScrolledPage(this, QStringLiteral("TimeSheetContent")));
    int row = 0;
    CreateClocks(grid, row, CityNames);
    grid->setRowMinimumHeight(row++, fontMetrics().height());
    CreateInternetTime(grid, row);
    grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);
    CreateSchedules(grid, row);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
}

void TTimeSheet::CreateClocks(QGridLayout* Grid, int& Row,
                              const std::array<const char*, TTimeClocks::CityCount>& CityNames) {
    const struct {
        QLabel* TTimeSheet::*Panel;
        const char* PanelName;
        QLabel* TTimeSheet::*Label;
        const char* LabelName;
        const char* Caption;
    } rows[] = {
        {&TTimeSheet::LocTimePanel, "LocTimePanel", &TTimeSheet::LocTimeLabel, "LocTimeLabel", ""},
        {&TTimeSheet::UTCTimePanel, "UTCTimePanel", &TTimeSheet::UTCTimeLabel, "UTCTimeLabel",
         " Greenwich Time (GMT = UTC)"},
        {&TTimeSheet::SiderealTimePanel, "SiderealTimePanel", &TTimeSheet::SiderealTimeLabel,
         "SiderealTimeLabel", " Local Apparent Sidereal Time"},
        {&TTimeSheet::JulianDatePanel, "JulianDatePanel", &TTimeSheet::JulianDateLabel,
         "JulianDateLabel", " Julian Date"},
    };
    for (const auto& r : rows) {
        this->*r.Panel = NewPanel(this, QString::fromLatin1(r.PanelName));
        this->*r.Label =
            NewLabel(this, QString::fromLatin1(r.LabelName), QString::fromLatin1(r.Caption));
        Grid->addWidget(this->*r.Panel, Row, 0);
        Grid->addWidget(this->*r.Label, Row, 1);
        ++Row;
    }
    Grid->setRowMinimumHeight(Row++, fontMetrics().height());
    for (int i = 0; i < TTimeClocks::CityCount; ++i, ++Row) {
        const size_t n = static_cast<size_t>(i);
        CityTime[n] = NewPanel(this, QStringLiteral("CityTime%1").arg(i + 1));
        CityLabel[n] = NewLabel(this, QStringLiteral("CityLabel%1").arg(i + 1),
                                QString::fromLatin1(CityNames[n]));
        Grid->addWidget(CityTime[n], Row, 0);
        Grid->addWidget(CityLabel[n], Row, 1);
    }
    WorldClockBut = new QPushButton(QStringLiteral("World Clock"), this);
    WorldClockBut->setObjectName(QStringLiteral("WorldClockBut"));
    WorldClockBut->setToolTip(QStringLiteral("Go to World Clock"));
    Grid->addWidget(WorldClockBut, Row++, 0, Qt::AlignLeft);
}

// The server and its button, the time obtained beside the switch that sets the PC clock
// with it, and the result line.
void TTimeSheet::CreateInternetTime(QGridLayout* Grid, int& Row) {
    TimeServerBox = new QComboBox(this);
    TimeServerBox->setObjectName(QStringLiteral("TimeServerBox"));
    TimeServerBox->setEditable(true);
    TimeServerBox->setInsertPolicy(QComboBox::NoInsert);
    TimeServerBox->addItems(TimeServerNames());
    connect(TimeServerBox->lineEdit(), &QLineEdit::editingFinished, this,
            &TTimeSheet::TakeTimeServer);
    connect(TimeServerBox, &QComboBox::activated, this, &TTimeSheet::TakeTimeServer);
    GetInternetTimeBut = new QPushButton(QStringLiteral("Get Time"), this);
    GetInternetTimeBut->setObjectName(QStringLiteral("GetInternetTimeBut"));
    Grid->addWidget(TimeServerBox, Row, 0);
    Grid->addWidget(GetInternetTimeBut, Row++, 1, Qt::AlignLeft);

    TimeStampEd = new QLineEdit(this);
    TimeStampEd->setObjectName(QStringLiteral("TimeStampEd"));
    TimeStampEd->setReadOnly(true);
    UpdateClockBox = NewCheckBox(this, "UpdateClockBox", QStringLiteral("Update PC Clock"));
    connect(UpdateClockBox, &QCheckBox::toggled, this, &TTimeSheet::UpdateClockBoxClick);
    Grid->addWidget(TimeStampEd, Row, 0);
    Grid->addWidget(UpdateClockBox, Row++, 1);

    AdjustLab = NewLabel(this, QStringLiteral("AdjustLab"));
    AdjustLab->setWordWrap(true);
    AdjustLab->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Grid->addWidget(AdjustLab, Row++, 0, 1, 2);
}

void TTimeSheet::CreateSchedules(QGridLayout* Grid, int& Row) {
    const TCaptionParts caption = SplitAtBlanks(QString::fromLatin1(ScheduleCaption));
    // A switch with its minutes editor in the gap of its caption.
    const auto scheduleRow = [&](QCheckBox*& Box, const char* BoxName, QSpinBox*& Edit,
                                 const char* EditName) {
        Box = NewCheckBox(this, BoxName, caption.Before);
        Edit = new TMinutesEdit(this);
        Edit->setObjectName(QString::fromLatin1(EditName));
        auto* unit =
            NewLabel(this, QString::fromLatin1(EditName) + QStringLiteral("Unit"), caption.After);
        unit->setBuddy(Edit);
        auto* line = new QHBoxLayout;
        line->addWidget(Box);
        line->addWidget(Edit);
        line->addWidget(unit);
        line->addStretch(1);
        Grid->addLayout(line, Row++, 0, 1, 2);
    };
    const auto startupRow = [&](QCheckBox*& Box, const char* BoxName, const QString& Caption) {
        Box = NewCheckBox(this, BoxName, Caption);
        Grid->addWidget(Box, Row++, 0, 1, 2);
    };
    startupRow(UpdateClockOnStartupBox, "UpdateClockOnStartupBox",
               QStringLiteral("Update PC Clock on Startup"));
    scheduleRow(UpdateClockPerScheduleBox, "UpdateClockPerScheduleBox", UpdateClockMinutesEd,
                "UpdateClockMinutesEd");
    Grid->setRowMinimumHeight(Row++, fontMetrics().height());  // the weather's own pair
    startupRow(UpdateWeatherOnStartupBox, "UpdateWeatherOnStartupBox",
               QStringLiteral("Update Temperature on Startup"));
    scheduleRow(UpdateWeatherPerScheduleBox, "UpdateWeatherPerScheduleBox", UpdateWeatherMinutesEd,
                "UpdateWeatherMinutesEd");

    connect(UpdateClockOnStartupBox, &QCheckBox::toggled, this,
            &TTimeSheet::UpdateClockOnStartupBoxClick);
    connect(UpdateClockPerScheduleBox, &QCheckBox::toggled, this,
            &TTimeSheet::UpdateClockPerScheduleBoxClick);
    connect(UpdateClockMinutesEd, &QSpinBox::valueChanged, this,
            &TTimeSheet::UpdateClockMinutesEdChange);
    connect(UpdateWeatherOnStartupBox, &QCheckBox::toggled, this,
            &TTimeSheet::UpdateWeatherOnStartupBoxClick);
    connect(UpdateWeatherPerScheduleBox, &QCheckBox::toggled, this,
            &TTimeSheet::UpdateWeatherPerScheduleBoxClick);
    connect(UpdateWeatherMinutesEd, &QSpinBox::valueChanged, this,
            &TTimeSheet::UpdateWeatherMinutesEdChange);
}

void TTimeSheet::ShowClocks(const TTimeClocks& Clocks) {
    LocTimePanel->setText(Clocks.Local);
    LocTimeLabel->setText(Clocks.LocalZone);
    UTCTimePanel->setText(Clocks.Utc);
    SiderealTimePanel->setText(Clocks.Sidereal);
    JulianDatePanel->setText(Clocks.JulianDate);
    for (size_t i = 0; i < CityTime.size(); ++i) CityTime[i]->setText(Clocks.Cities[i]);
}

void TTimeSheet::ShowSettings() {
    UpdateClockBox->setChecked(Settings.UpdateClock);
    UpdateClockOnStartupBox->setChecked(Settings.UpdateClockOnStartup);
    UpdateClockPerScheduleBox->setChecked(Settings.UpdateClockPerSchedule);
    UpdateClockMinutesEd->setValue(Settings.UpdateClockMinutes);
    UpdateWeatherOnStartupBox->setChecked(Settings.UpdateWeatherOnStartup);
    UpdateWeatherPerScheduleBox->setChecked(Settings.UpdateWeatherPerSchedule);
    UpdateWeatherMinutesEd->setValue(Settings.UpdateWeatherMinutes);
    TimeServerBox->setEditText(Settings.TimeServer);
}

void TTimeSheet::ShowInternetTime(const TInternetTimeResult& Result) {
    const TInternetTimeTexts texts = InternetTimeTexts(Result, QLocale());
    TimeStampEd->setText(texts.TimeStamp);
    AdjustLab->setText(texts.Result);
}

void TTimeSheet::TakeTimeServer() {
    const QString server = TimeServerBox->currentText().trimmed();
    if (!server.isEmpty()) Settings.TimeServer = server.left(MaxTimeServerLength);
}

void TTimeSheet::UpdateClockBoxClick() {
    Settings.UpdateClock = UpdateClockBox->isChecked();
}

void TTimeSheet::UpdateClockOnStartupBoxClick() {
    Settings.UpdateClockOnStartup = UpdateClockOnStartupBox->isChecked();
}

void TTimeSheet::UpdateClockPerScheduleBoxClick() {
    Settings.UpdateClockPerSchedule = UpdateClockPerScheduleBox->isChecked();
}

// The editors' range keeps the intervals within 1 to 1440 minutes.
void TTimeSheet::UpdateClockMinutesEdChange() {
    Settings.UpdateClockMinutes = UpdateClockMinutesEd->value();
}

void TTimeSheet::UpdateWeatherOnStartupBoxClick() {
    Settings.UpdateWeatherOnStartup = UpdateWeatherOnStartupBox->isChecked();
}

void TTimeSheet::UpdateWeatherPerScheduleBoxClick() {
    Settings.UpdateWeatherPerSchedule = UpdateWeatherPerScheduleBox->isChecked();
}

void TTimeSheet::UpdateWeatherMinutesEdChange() {
    Settings.UpdateWeatherMinutes = UpdateWeatherMinutesEd->value();
}

}  // namespace orbelune
