#pragma once
// The temperature as the clock window shows it: its texts in the unit of the settings,
// the caption, the tray's temperature picture, and the once-per-run "connection
// refused" message. User-interface thread only.

#include "StDate.h"

#include <QImage>
#include <QString>

#include <cstdint>

class QWidget;

namespace orbelune {

// The value rounded to a whole number (halves to even) and the degree sign.
QString FormatDegrees(double Value);

double FahrenheitToCelsius(double TemperatureF);

// The temperature text, a blank, a carriage return and the summary.
QString TemperatureCaption(const QString& TemperatureText, const QString& TraySummaryText);

// The tray temperature as a Size x Size picture: Text antialiased in Fore, as large as
// fits, centred. Back fills the picture, or, when Transparent, the picture is clear and
// Back only outlines the letters, so they read on light and dark panels alike. Colours
// are Windows values.
QImage TrayTemperatureImage(const QString& Text, std::int32_t Fore, bool Transparent,
                            std::int32_t Back, int Size);

// Records the temperature (F) and the sky text in the weather state, and sets its
// TemperatureText in the unit of the settings.
void RecordTemperature(const QString& SkyText, double TemperatureF);

// Rebuilds the tray summary from the last report in the unit of the settings (its
// wind speed follows the unit); a report without a summary keeps the old one.
void RebuildTraySummary(TDateTime NowUtc);

// "Internet connection may be blocked by firewall.", at most once per run, in a box over
// Owner, the window whose request was refused.
void ShowConnectionRefusedMessage(QWidget* Owner);

}  // namespace orbelune
