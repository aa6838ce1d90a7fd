#pragma once
// The temperature in the clock window's caption and in the tray, the status echo into
// the weather memo, and the once-per-run "connection refused" message. User-interface
// thread only.

#include "WeatherViews.h"

#include <QIcon>
#include <QImage>
#include <QString>

#include <cstdint>

namespace orbelune {

// The value rounded to a whole number (halves to even) and the degree sign.
QString FormatDegrees(double Value);

double FahrenheitToCelsius(double TemperatureF);

// The temperature text, a blank, a carriage return and the summary.
QString TemperatureCaption(const QString& TemperatureText, const QString& TraySummaryText);

// The 16 x 16 picture of the tray temperature: Back filled, Text drawn in Fore at (0, 2).
// Colours are Windows values.
QImage TrayTemperatureImage(const QString& Text, std::int32_t Fore, std::int32_t Back);

// Records the temperature (F) and the sky text, sets TemperatureText in the unit of
// the settings, puts the caption on the clock window and, with the tray showing the
// temperature, redraws the tray icon.
void ShowTemperatureOn(TWeatherClockView& Clock, const QString& SkyText, double TemperatureF);

// Draws Text as the tray icon.
void ShowTrayTempOn(TWeatherClockView& Clock, const QString& Text, std::int32_t Fore,
                    bool Transparent, std::int32_t Back);

// "Internet connection may be blocked by firewall.", at most once per run.
void ShowConnectionRefusedMessage();

// A download status text as a new line of the weather memo, when the echo is on and
// the information window exists. Safe from any thread.
void ShowStatus(const QString& Text);

}  // namespace orbelune
