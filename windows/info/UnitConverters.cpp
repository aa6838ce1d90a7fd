#include "UnitConverters.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>

namespace orbelune {

namespace {

constexpr long double DegreesToRadians = 0.017453292519943295769L;
constexpr long double RadiansToDegrees = 57.295779513082320877L;
constexpr long double Pi = 3.1415926535897932385L;
constexpr int Precision = 15;

// Temperatures are rounded to double precision, so that 100 °C reads 212 and 32 °F 0.
long double ToDouble(long double X) {
    return static_cast<double>(X);
}

}  // namespace

const std::array<TConverterKey, 20> ConverterKeys = {{
    {"KgToLbBut", "Kg to Lb", [](long double x) { return x * 1000 / 453.59237L; }},
    {"LbToKgBut", "Lb to Kg", [](long double x) { return x * 453.59237L / 1000; }},
    {"CToFBut", "C\u00B0 to F\u00B0", [](long double x) { return ToDouble(x * 9 / 5 + 32); }},
    {"FToCBut", "F\u00B0 to C\u00B0", [](long double x) { return ToDouble((x - 32) * 5 / 9); }},
    {"LtoGalBut", "L to Gal", [](long double x) { return x / 3.785411784L; }},
    {"GalToLBut", "Gal to L", [](long double x) { return x * 3.785411784L; }},
    {"MMToInBut", "MM to In", [](long double x) { return x / 0.0254L / 1000; }},
    {"InToMMBut", "In to MM", [](long double x) { return x * 0.0254L * 1000; }},
    {"KmToMiBut", "Km to Mi", [](long double x) { return x / 1609.344L * 1000; }},
    {"MiToKmBut", "Mi to Km", [](long double x) { return x * 1609.344L / 1000; }},
    {"GmToOzBut", "Gm to Oz", [](long double x) { return x / 28.349523125L; }},
    {"OzToGmBut", "Oz to Gm", [](long double x) { return x * 28.349523125L; }},
    {"MLtoOzBut", "ML to Oz", [](long double x) { return x / 1000 * 128 / 3.785411784L; }},
    {"OzToMLBut", "Oz to ML", [](long double x) { return x * 1000 / 128 * 3.785411784L; }},
    {"SinBut", "SIN", [](long double x) { return std::sin(x * DegreesToRadians); }},
    {"CosBut", "COS", [](long double x) { return std::cos(x * DegreesToRadians); }},
    {"TanBut", "TAN", [](long double x) { return std::tan(x * DegreesToRadians); }},
    {"ASinBut", "ASIN", [](long double x) { return std::asin(x) * RadiansToDegrees; }},
    {"ACosBut", "ACOS", [](long double x) { return std::acos(x) * RadiansToDegrees; }},
    {"ATanBut", "ATAN", [](long double x) { return std::atan(x) * RadiansToDegrees; }},
}};

std::optional<long double> TextToFloat(const QString& Text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!number.match(Text).hasMatch()) return std::nullopt;
    // from_chars reads the same in every locale: the display's point is always ".".
    QByteArray latin = Text.trimmed().toLatin1();
    if (latin.startsWith('+')) latin.remove(0, 1);
    long double value = 0;
    const auto [end, error] =
        std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString FloatText(long double Value) {
    if (std::isnan(Value)) return QStringLiteral("NAN");
    if (std::isinf(Value)) return Value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (Value == 0) return QStringLiteral("0");
    // "d.dddddddddddddde+XX": 15 significant digits, rounded, and the exponent.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(Value),
                                            std::chars_format::scientific, Precision - 1);
    const QString scientific = QString::fromLatin1(buffer, end - buffer);
    const int e = scientific.indexOf(u'e');
    QString digits = scientific.left(e).remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);

    QString text;
    if (exponent + 1 <= Precision && std::fabs(Value) >= 0.00001L) {
        if (exponent < 0) {
            text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
        } else {
            const int whole = exponent + 1;
            if (digits.size() <= whole)
                text = digits + QString(whole - digits.size(), u'0');
            else
                text = digits.left(whole) + u'.' + digits.mid(whole);
        }
    } else {
        text = digits.left(1);
        if (digits.size() > 1) text += u'.' + digits.mid(1);
        text += u'E' + QString::number(exponent);
    }
    return Value < 0 ? u'-' + text : text;
}

std::optional<QString> ConvertDisplayText(const TConverterKey& Key, const QString& Display) {
    const std::optional<long double> x = TextToFloat(Display);
    if (!x) return std::nullopt;
    return FloatText(Key.Convert(*x));
}

QString PiText() {
    return FloatText(Pi);
}

}  // namespace orbelune
