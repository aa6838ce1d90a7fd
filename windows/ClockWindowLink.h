#pragma once
// What the information window uses of the clock window: its month grid, its moon
// picture, its pop-up menu and two of its actions, and a few of its operations. The
// clock window fills this at start-up; a missing piece is skipped, so the information
// window also works on its own (as in tests).

#include "StDate.h"

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace orbelune {

class TCalendar;
class TMoon;

struct TClockWindowLink {
    TCalendar* Calendar1 = nullptr;
    TMoon* Moon2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* GoToToday = nullptr;  // "go to today"
    QAction* ShowHelp = nullptr;   // "&Help"

    std::function<void(int Milliseconds)> SetTimer1Interval;
    std::function<void(const QString& Text)> SetCaption;
    // Whether the HTTP client of the weather requests exists yet.
    std::function<bool()> HttpClientExists;
    std::function<void(const QString& StationCode, bool Show)> GetWeather;
    std::function<void(TDateTime T)> SetMoonIcons;
    std::function<void(bool Southern)> UpdateMenuItems;
    // The tray icon's minimise-to-tray switch.
    std::function<void(bool On)> SetMinimizeToTray;
    // Whether the application shows the clock window at start-up.
    std::function<void(bool Show)> SetShowMainForm;
    // Eclipse N (1 to 7) of the shown year in the clock window's jump actions and menus:
    // its picture of ImageList2 and menu caption, or hidden when the year has fewer.
    std::function<void(int N, bool Visible, int Image, const QString& Caption)> SetEclipseItem;
    std::function<void(int N)> GoToEclipseExecute;
};

// The program's one link, owned by the user-interface thread.
TClockWindowLink& ClockWindow();

}  // namespace orbelune
