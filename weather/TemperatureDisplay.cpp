#include "TemperatureDisplay.h"

#include "PlatformSeams.h"
#include "ReportFields.h"
#include "ReportText.h"
#include "Settings.h"
#include "WeatherState.h"
#include "WinColor.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

#include <cmath>

namespace orbelune {

namespace {

constexpr QChar DegreeSign(0x00B0);
// The letters fill about three quarters of the picture's height, never less than this.
constexpr int SmallestFontPixels = 5;

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

QImage TrayTemperatureImage(const QString& Text, std::int32_t Fore, bool Transparent,
                            std::int32_t Back, int Size) {
    QImage image(std::max(Size, 1), std::max(Size, 1), QImage::Format_ARGB32_Premultiplied);
    const QColor back = ColorFromWinColor(Back);
    image.fill(Transparent ? QColor(Qt::transparent) : back);
    // The letters take three quarters of the height; a text wider than the picture is
    // narrowed, not shrunk, so that it keeps its height.
    QFont font;
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPixelSize(std::max(SmallestFontPixels, Size * 3 / 4));
    const qreal outline = Transparent ? std::max(1.0, Size / 12.0) : 0.0;
    const qreal room = Size - outline;
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(Text);
    const qreal narrowing = width > room ? room / width : 1.0;
    QPainterPath letters;
    letters.addText(
        QPointF((Size - width * narrowing) / 2 / narrowing, (Size + metrics.capHeight()) / 2), font,
        Text);
    letters = QTransform::fromScale(narrowing, 1.0).map(letters);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (Transparent)
        painter.strokePath(letters,
                           QPen(back, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters, ColorFromWinColor(Fore));
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

void ShowConnectionRefusedMessage(QWidget* Owner) {
    if (WeatherState.ConnectionRefusedShown) return;
    WeatherState.ConnectionRefusedShown = true;
    Platform().Messages->Inform(Owner, TMessageIcon::None, QStringLiteral("Orbelune"),
                                QStringLiteral("Internet connection may be blocked by firewall."));
}

}  // namespace orbelune
