// Deciphering of stored literals on any text, under the program's key and another.
#include "Scramble.h"

#include <cstddef>
#include <cstdint>

using namespace orbelune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString stored =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    UnscrambleString(stored, TScrambleKey{});
    UnscrambleLiteral(stored.toLatin1().constData());
    return 0;
}
