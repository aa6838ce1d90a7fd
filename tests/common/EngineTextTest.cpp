// Engine texts in Qt: the engine's Latin-1 degree sign, and locale formats that pass
// through the engine unchanged.
#include "Astronomy.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(EngineText, TheEnginesDegreeSignIsOneCharacter) {
    const QString text = FromEngineText(FormatDMS(40.5L));
    EXPECT_EQ(text, QString::fromUtf8("40°  30'  0''"));
    EXPECT_EQ(FromEngineText("\xB0"), QString(QChar(0x00B0)));
}

TEST(EngineText, LocaleFormatsKeepEveryCharacter) {
    const TDateTime day = EncodeDate(2026, 12, 9);
    const struct {
        const char* Format;
        const char* Shown;
    } cases[] = {{"yyyy年m月d日", "2026年12月9日"},
                 {"dd/mm/yyyy г.", "09/12/2026 г."},
                 {"d. mmmm yyyy", "9. December 2026"}};
    for (const auto& c : cases)
        EXPECT_EQ(FromEngineText(DateTimeToString(ToEngineText(QString::fromUtf8(c.Format)), day)),
                  QString::fromUtf8(c.Shown))
            << c.Format;
}

}  // namespace
}  // namespace orbelune
