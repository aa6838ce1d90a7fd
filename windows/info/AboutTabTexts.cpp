#include "AboutTabTexts.h"

#include "Scramble.h"
#include "StoredLiterals.h"

namespace orbelune {

TAboutTexts AboutTexts(const QString& Version) {
    TAboutTexts texts;
    texts.ProgramLine = UnscrambleLiteral(StoredLiteral::ProgramName) + QStringLiteral(" v") +
                        (Version.isEmpty() ? QStringLiteral("2.0") : Version);
    texts.Description = UnscrambleLiteral(StoredLiteral::AboutText);
    texts.SupportCaption = UnscrambleLiteral(StoredLiteral::AboutSupportText);
    texts.SupportAddress = UnscrambleLiteral(StoredLiteral::SupportAddress);
    texts.HomePageCaption = UnscrambleLiteral(StoredLiteral::AboutHomePageText);
    texts.HomePageAddress = UnscrambleLiteral(StoredLiteral::HomePage);
    return texts;
}

}  // namespace orbelune
