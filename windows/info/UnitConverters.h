#pragma once
// The Tools tab's converter and trigonometric keys and the number texts of its
// calculator. A key reads the number the calculator shows, converts it in 80-bit
// extended precision (operations in the order written, left to right) and writes the
// result back as text; the result keeps its own sign.

#include <QString>

#include <array>
#include <optional>

namespace orbelune {

struct TConverterKey {
    const char* Name;  // the button's object name
    const char* Caption;
    long double (*Convert)(long double X);
};

// Kg to Lb, Lb to Kg, C° to F°, F° to C°, L to Gal, Gal to L, MM to In, In to MM,
// Km to Mi, Mi to Km, Gm to Oz, Oz to Gm, ML to Oz, Oz to ML (US fluid ounces), then
// SIN, COS, TAN of degrees and ASIN, ACOS, ATAN in degrees.
extern const std::array<TConverterKey, 20> ConverterKeys;

// The number of a text of digits with an optional sign, decimal point and exponent
// (blanks around allowed); nothing for any other text, "NAN" and "INF" included.
std::optional<long double> TextToFloat(const QString& Text);

// The shortest general text of Value with at most 15 significant digits: fixed point
// while the integer part has at most 15 digits and |Value| >= 0.00001, else
// scientific ("1.5E-7", "2E20"); "NAN", "INF", "-INF" for the special values.
QString FloatText(long double Value);

// The display text after Key on a display reading Display; nothing when Display is
// not a number. Out-of-domain inputs (ASIN 2, TAN 90) write what the math library
// gives.
std::optional<QString> ConvertDisplayText(const TConverterKey& Key, const QString& Display);

// π as the calculator shows it.
QString PiText();

}  // namespace orbelune
