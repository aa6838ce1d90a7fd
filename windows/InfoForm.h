#pragma once
// TInfoForm: the information window. Thirteen tabs in one page control, a menu, an
// action list shared by the menus and the Set tab's check boxes, a status bar, and the
// start-up work the clock window's first tick asks for. The tabs' own controls and
// handlers live with their tabs.

#include "InfoFormModel.h"
#include "StDate.h"

#include <QMainWindow>
#include <QTabWidget>

#include <array>

class QAction;
class QLabel;
class QStatusBar;

namespace orbelune {

// A page control whose tabs are all drawn alike: the button face with the caption
// centred.
class TInfoPageControl : public QTabWidget {
  Q_OBJECT

 public:
  explicit TInfoPageControl(QWidget* AOwner = nullptr);
};

class TInfoForm : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int MinimumWidth = 400;
  static constexpr int MinimumHeight = 300;
  static constexpr int StatusPanelCount = 4;

  explicit TInfoForm(QWidget* AOwner = nullptr);

  // The start-up work of the clock window's first tick.
  void DoStartTasks();
  // Refreshes the window for the clock calendar's date.
  void UpdateInfoForm();

  TInfoPageControl* InfoFormPageControl = nullptr;
  std::array<QWidget*, InfoFormTabs.size()> Sheets{};
  QTabWidget* SetSheetPageControl = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  std::array<QLabel*, StatusPanelCount> StatusPanels{};

  QAction* Close1 = nullptr;
  QAction* SendEmail1 = nullptr;
  QAction* GoToHomePage1 = nullptr;
  QAction* LabelGoRed = nullptr;
  QAction* LabelGoNavy = nullptr;
  QAction* LabelGoBlack = nullptr;
  QAction* ToggleMinimizeToTray1 = nullptr;
  QAction* ToggleStartMinimized1 = nullptr;
  QAction* ToggleSaveOnExit1 = nullptr;
  QAction* ToggleShowHolidays1 = nullptr;
  QAction* ToggleShowTinyMoons1 = nullptr;
  QAction* PrintImageAction1 = nullptr;
  QAction* SizeDefaultAction1 = nullptr;
  QAction* SizeMaximumAction1 = nullptr;
  QAction* SizeMinimumAction1 = nullptr;
  QAction* RunWhenWindowsStartsAction = nullptr;

  // The clickable labels' colours as the mouse enters or leaves them.
  static void LabelGoRedExecute(QWidget* Label);
  static void LabelGoNavyExecute(QWidget* Label);
  static void LabelGoBlackExecute(QWidget* Label);
  static void LabelGoBlueExecute(QWidget* Label);

  void ToggleMinimizeToTray1Execute();
  void ToggleShowHolidays1Execute();
  void ToggleShowTinyMoons1Execute();
  void ToggleStartMinimized1Execute();
  void ToggleSaveOnExit1Execute();
  void SizeDefaultAction1Execute();
  void SizeMaximumAction1Execute();
  void SizeMinimumAction1Execute();
  void RunWhenWindowsStartsActionExecute();
  void Close1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void createPages();
  void createActions();
  void createMenus();
  void createStatusBar();

  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormDeactivate();

  // False while FormCreate sets the minimise-to-tray controls.
  bool MinToTrayReady = false;
};

// The program's one information window; null until it is created.
extern TInfoForm* InfoForm;

// The information window's location: the settings' one at creation, later the place
// list's choice.
extern TInfoLocation InfoLocation;

// Raised at start-up when the weather is to be fetched; the start tasks consume it once
// the clock window can download.
extern bool PendingStartupWeather;

}  // namespace orbelune
