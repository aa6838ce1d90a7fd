#include "TemperatureDisplay.h"

#include "GraphicsHelpers.h"
#include "PlatformSeams.h"
#include "ReportFields.h"
#include "ReportText.h"
#include "Settings.h"
#include "WeatherState.h"
#include "WinColor.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace orbelune {

namespace {

constexpr int TrayImageSize = 16;
// A drawing surface's default font: 8 points at 96 dots per inch.
constexpr int TrayFontPixels = 11;
constexpr QChar DegreeSign(0x00B0);

}  // namespace

QString FormatDegrees(double Value) {
    // Adding 0.0 turns a rounded -0 into 0, so -0.4 reads "0" rather than "-0".
    return QString::number(std::nearbyint(Value) + 0.0, 'f', 0) + DegreeSign;
}

double FahrenheitToCelsius(double TemperatureF) {
    return (TemperatureF - 32.0) * 5.0 / 9.0;
}

QString TemperatureCaption(const QString& TemperatureText, const QString& TraySummaryText) {
    return TemperatureText + QStringLiteral(" \r") + TraySummaryText;
}

QImage TrayTemperatureImage(const QString& Text, std::int32_t Fore, std::int32_t Back) {
    QImage image(TrayImageSize, TrayImageSize, QImage::Format_RGB32);
    FillBitmap(image, Back);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(TrayFontPixels);
    painter.setFont(font);
    painter.setPen(ColorFromWinColor(Fore));
    // (0, 2) is the top left of the text; QPainter places text by its baseline.
    painter.drawText(QPoint(0, 2 + painter.fontMetrics().ascent()), Text);
    return image;
}

void RecordTemperature(const QString& SkyText, double TemperatureF) {
    TWeatherState& state = WeatherState;
    state.CurrentTemperatureF = TemperatureF;
    state.CurrentTemperatureC = FahrenheitToCelsius(TemperatureF);
    state.WeatherText = SkyText.left(WeatherTextWidth);
    const double shown =
        Settings.TemperatureUnits == 'C' ? state.CurrentTemperatureC : state.CurrentTemperatureF;
    state.TemperatureText = FormatDegrees(shown).left(TemperatureTextWidth);
}

void RebuildTraySummary(TDateTime NowUtc) {
    TWeatherState& state = WeatherState;
    if (state.ReportLines.isEmpty()) return;
    const TWeatherSummary summary = BuildWeatherSummary(
        state.ReportLines.join(QLatin1Char('\n')), ReportAgeMinutes(NowUtc, state.ReportTimeUtc),
        Settings.TemperatureUnits);
    if (!summary.Tray.isEmpty()) state.TraySummaryText = summary.Tray.left(TraySummaryTextWidth);
}

void ShowConnectionRefusedMessage() {
    if (WeatherState.ConnectionRefusedShown) return;
    WeatherState.ConnectionRefusedShown = true;
    Platform().Messages->Inform(QStringLiteral("Orbelune"),
                                QStringLiteral("Internet connection may be blocked by firewall."));
}

}  // namespace orbelune
