#pragma once
// Deciphering of the program's stored literals: Base64 text of a Blowfish-CBC
// (zero IV, PKCS#7 padding) enciphered UTF-8 value. tools/scramble.py makes them.

#include <QString>

#include <array>
#include <cstdint>

namespace orbelune {

using TScrambleKey = std::array<std::uint8_t, 16>;

// The plain text of `stored`, or an empty string when `stored` is empty, holds a
// character outside '+'..'z', is not well-formed Base64, or does not decipher to
// well-padded printable text under `key` (a wrong key, for instance).
QString UnscrambleString(const QString& stored, const TScrambleKey& key);

// UnscrambleString under the program's own key.
QString UnscrambleLiteral(const char* stored);

}  // namespace orbelune
