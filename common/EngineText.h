#pragma once
// Texts between the engine and Qt. The engine's own texts are single bytes in Latin-1
// (its degree sign is the byte 0xB0); the date formats it is handed come from the
// locale, may hold any character, and pass through it byte for byte, so they go in as
// UTF-8. A text that comes back as valid UTF-8 is read as such; any other is Latin-1.

#include <QString>

#include <string>

namespace orbelune {

QString FromEngineText(const std::string& Text);
std::string ToEngineText(const QString& Text);

}  // namespace orbelune
