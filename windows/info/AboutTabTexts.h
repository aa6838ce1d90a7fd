#pragma once
// The About tab's texts: the program line with its version, and the description and link
// captions, which the program keeps as stored enciphered literals.

#include <QString>

namespace orbelune {

struct TAboutTexts {
    QString ProgramLine;  // "Orbelune v0.1.0"
    QString Description;
    QString SupportCaption;   // beside the e-mail link
    QString SupportAddress;   // the e-mail link's caption
    QString HomePageCaption;  // beside the home-page link
    QString HomePageAddress;  // the home-page link's caption
};

// Version is the program's version text; an empty one gives "v2.0", the line the
// program shows when it cannot read its own version.
TAboutTexts AboutTexts(const QString& Version);

}  // namespace orbelune
