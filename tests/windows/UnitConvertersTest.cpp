// The Tools tab's converter keys: published conversion factors (NIST: 1 lb =
// 0.45359237 kg, 1 mi = 1.609344 km, 1 US gal = 3.785411784 L, 1 oz = 28.349523125 g),
// the signs of negative inputs, texts that are not numbers, and the number texts.
#include "QStringPrinter.h"
#include "UnitConverters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

const TConverterKey& Key(const char* Name) {
    for (const TConverterKey& key : ConverterKeys)
        if (QLatin1String(key.Name) == QLatin1String(Name)) return key;
    throw std::invalid_argument(Name);
}

TEST(UnitConverters, KeysGiveThePublishedValuesWithTheirOwnSign) {
    struct Case {
        const char* Key;
        const char* Display;
        const char* Expected;
    };
    const Case cases[] = {
        {"KgToLbBut", "1", "2.20462262184878"},
        {"KgToLbBut", "-1", "-2.20462262184878"},
        {"LbToKgBut", "1", "0.45359237"},
        {"MiToKmBut", "1", "1.609344"},
        {"KmToMiBut", "1.609344", "1"},
        {"CToFBut", "100", "212"},
        {"CToFBut", "-10", "14"},
        {"CToFBut", "-40", "-40"},
        {"FToCBut", "32", "0"},
        {"FToCBut", "-40", "-40"},
        {"FToCBut", "14", "-10"},
        {"GalToLBut", "1", "3.785411784"},
        {"LtoGalBut", "-3.785411784", "-1"},
        {"InToMMBut", "1", "25.4"},
        {"MMToInBut", "-25.4", "-1"},
        {"OzToGmBut", "1", "28.349523125"},
        {"GmToOzBut", "28.349523125", "1"},
        {"OzToMLBut", "1", "29.5735295625"},  // 3.785411784 L / 128
        {"MLtoOzBut", "29.5735295625", "1"},
        {"SinBut", "30", "0.5"},
        {"SinBut", "-30", "-0.5"},
        {"CosBut", "60", "0.5"},
        {"TanBut", "45", "1"},
        {"ASinBut", "0.5", "30"},
        {"ASinBut", "-0.5", "-30"},
        {"ACosBut", "-1", "180"},
        {"ATanBut", "1", "45"},
        {"ASinBut", "2", "NAN"},
        {"ACosBut", "-1.5", "NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Key << " on " << c.Display);
        EXPECT_EQ(ConvertDisplayText(Key(c.Key), QString::fromLatin1(c.Display)),
                  QString::fromLatin1(c.Expected));
    }
    // Tangent of a right angle: the library's huge number, written as a number.
    const std::optional<QString> tan90 = ConvertDisplayText(Key("TanBut"), QStringLiteral("90"));
    ASSERT_TRUE(tan90.has_value());
    EXPECT_GT(std::fabs(TextToFloat(*tan90).value_or(0)), 1e15L) << tan90->toStdString();
}

TEST(UnitConverters, TextsThatAreNotNumbersDoNothing) {
    for (const char* text : {"", " ", "abc", "1..2", "1e", "--1", "0x10", "NAN", "INF", "1,5",
                             "Cannot divide by zero"})
        EXPECT_FALSE(ConvertDisplayText(ConverterKeys[0], QString::fromLatin1(text)).has_value())
            << text;
    EXPECT_EQ(TextToFloat(QStringLiteral(" +1.5E3 ")), 1500.0L);
    EXPECT_EQ(TextToFloat(QStringLiteral(".5")), 0.5L);
    EXPECT_EQ(TextToFloat(QStringLiteral("-2.")), -2.0L);
}

TEST(UnitConverters, NumberTextsOfFifteenDigits) {
    const struct {
        long double Value;
        const char* Text;
    } cases[] = {
        {0, "0"},
        {1e20L, "1E20"},
        {-1.5e-7L, "-1.5E-7"},
        {0.00001L, "0.00001"},
        {0.0000099L, "9.9E-6"},
        {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {2.0L / 3, "0.666666666666667"},
        {-1234.5L, "-1234.5"},
        {INFINITY, "INF"},
        {-INFINITY, "-INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatText(c.Value), QString::fromLatin1(c.Text));
    EXPECT_EQ(PiText(), "3.14159265358979");
    EXPECT_EQ(QString::fromUtf8(Key("CToFBut").Caption), QString::fromUtf8("C\u00B0 to F\u00B0"));
}

}  // namespace
}  // namespace orbelune
