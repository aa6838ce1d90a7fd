#include "SetOptionsPage.h"

#include "ColorBox.h"
#include "NamedWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace orbelune {

namespace {

QGroupBox* NewGroup(QWidget* Owner, const QString& Name, const QString& Title) {
    return Named(new QGroupBox(Title, Owner), Name);
}

}  // namespace

TSetOptionsPage::TSetOptionsPage(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("SetOptionsPage"));
    auto* row = new QHBoxLayout(this);
    FLeftColumn = new QVBoxLayout;
    FLeftColumn->addWidget(createTrayIcon(this));
    FLeftColumn->addWidget(createTrayColors(this));
    FLeftColumn->addWidget(createCalendarMarks(this));
    FLeftColumn->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(createWeatherServer(this));
    right->addWidget(createProxy(this));
    right->addWidget(createStartup(this));
    right->addStretch(1);
    row->addLayout(FLeftColumn);
    row->addLayout(right);
    row->addStretch(1);
}

void TSetOptionsPage::PlaceTemperatureUnits(QGroupBox* Group) {
    // Below the tray's groups, above the stretch.
    FLeftColumn->insertWidget(FLeftColumn->count() - 1, Group);
}

QWidget* TSetOptionsPage::createTrayIcon(QWidget* Owner) {
    TrayIconGroup =
        NewGroup(Owner, QStringLiteral("TrayIconGroup"), QStringLiteral(" Tray Icon: "));
    auto* column = new QVBoxLayout(TrayIconGroup);
    const char* captions[] = {"Tray Icon Off", "Tray Temperature", "Tray Moon", "Tray Animation"};
    for (size_t i = 0; i < TrayIconItems.size(); ++i) {
        TrayIconItems[i] = Named(new QRadioButton(QString::fromLatin1(captions[i]), TrayIconGroup),
                                 QStringLiteral("TrayIconGroup%1").arg(i));
        column->addWidget(TrayIconItems[i]);
    }
    return TrayIconGroup;
}

QWidget* TSetOptionsPage::createTrayColors(QWidget* Owner) {
    QGroupBox* group =
        NewGroup(Owner, QStringLiteral("TrayColorGroup"), QStringLiteral(" Tray Colors: "));
    auto* form = new QFormLayout(group);
    ForeColorBox = Named(new TColorBox(group), QStringLiteral("ForeColorBox"));
    BackColorBox = Named(new TColorBox(group), QStringLiteral("BackColorBox"));
    form->addRow(QStringLiteral("Text:"), ForeColorBox);
    form->addRow(QStringLiteral("Background:"), BackColorBox);
    TrayBackTransparentBox =
        Named(new QCheckBox(QStringLiteral("Tray Transparent Background"), group),
              QStringLiteral("TrayBackTransparentBox"));
    form->addRow(TrayBackTransparentBox);
    return group;
}

QWidget* TSetOptionsPage::createWeatherServer(QWidget* Owner) {
    QGroupBox* group =
        NewGroup(Owner, QStringLiteral("WeatherServerGroup"), QStringLiteral(" Weather Server: "));
    auto* column = new QVBoxLayout(group);
    WeatherServerComboBox = Named(new QComboBox(group), QStringLiteral("WeatherServerComboBox"));
    WeatherServerComboBox->setEditable(true);
    WeatherServerComboBox->setInsertPolicy(QComboBox::NoInsert);
    WeatherServerComboBox->setMinimumContentsLength(24);
    column->addWidget(WeatherServerComboBox);
    return group;
}

QWidget* TSetOptionsPage::createProxy(QWidget* Owner) {
    QGroupBox* group =
        NewGroup(Owner, QStringLiteral("ProxyServerGroup"), QStringLiteral(" Proxy Server: "));
    auto* form = new QFormLayout(group);
    UseProxyServerBox = Named(new QCheckBox(QStringLiteral("Use Proxy Server"), group),
                              QStringLiteral("UseProxyServerBox"));
    form->addRow(UseProxyServerBox);
    ProxyServerEd = Named(new QLineEdit(group), QStringLiteral("ProxyServerEd"));
    ProxyServerPortEd = Named(new QLineEdit(group), QStringLiteral("ProxyServerPortEd"));
    ProxyUserNameEd = Named(new QLineEdit(group), QStringLiteral("ProxyUserNameEd"));
    ProxyPasswordEd = Named(new QLineEdit(group), QStringLiteral("ProxyPasswordEd"));
    ProxyPasswordEd->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : {ProxyServerEd, ProxyUserNameEd, ProxyPasswordEd})
        edit->setMaxLength(128);
    ProxyServerPortEd->setMaxLength(5);
    form->addRow(QStringLiteral("Server:"), ProxyServerEd);
    form->addRow(QStringLiteral("Port:"), ProxyServerPortEd);
    form->addRow(QStringLiteral("User Name:"), ProxyUserNameEd);
    form->addRow(QStringLiteral("Password:"), ProxyPasswordEd);
    return group;
}

// The boxes take their captions from the information window's actions they work.
QWidget* TSetOptionsPage::createStartup(QWidget* Owner) {
    QGroupBox* group =
        NewGroup(Owner, QStringLiteral("StartupGroup"), QStringLiteral(" Start and Exit: "));
    auto* column = new QVBoxLayout(group);
    const std::pair<QCheckBox * TSetOptionsPage::*, const char*> boxes[] = {
        {&TSetOptionsPage::RunWhenWindowsStartsBox, "RunWhenWindowsStartsBox"},
        {&TSetOptionsPage::StartMinimizedBox, "StartMinimizedBox"},
        {&TSetOptionsPage::MinToTrayBox, "MinToTrayBox"},
        {&TSetOptionsPage::SaveSettingsOnExitBox, "SaveSettingsOnExitBox"}};
    for (const auto& [box, name] : boxes) {
        this->*box = Named(new QCheckBox(group), QString::fromLatin1(name));
        column->addWidget(this->*box);
    }
    return group;
}

QWidget* TSetOptionsPage::createCalendarMarks(QWidget* Owner) {
    QGroupBox* group =
        NewGroup(Owner, QStringLiteral("CalendarMarksGroup"), QStringLiteral(" Calendar: "));
    auto* column = new QVBoxLayout(group);
    ShowHolidaysBox = Named(new QCheckBox(group), QStringLiteral("ShowHolidaysBox"));
    ShowTinyMoonsBox = Named(new QCheckBox(group), QStringLiteral("ShowTinyMoonsBox"));
    column->addWidget(ShowHolidaysBox);
    column->addWidget(ShowTinyMoonsBox);
    return group;
}

}  // namespace orbelune
