#include "PkzipCipher.h"

#include <zlib.h>

namespace orbelune {

namespace {

// One byte of the reflected CRC-32 (polynomial 0xEDB88320), without the final inversion.
std::uint32_t Crc32Byte(std::uint32_t Crc, std::uint8_t Byte) {
    static const z_crc_t* Table = get_crc_table();
    return Table[(Crc ^ Byte) & 0xFFu] ^ (Crc >> 8);
}

}  // namespace

TPkzipCipher::TPkzipCipher(QByteArrayView PassPhrase) {
    for (char C : PassPhrase) UpdateKeys(static_cast<std::uint8_t>(C));
}

void TPkzipCipher::UpdateKeys(std::uint8_t Plain) {
    Keys[0] = Crc32Byte(Keys[0], Plain);
    Keys[1] = (Keys[1] + (Keys[0] & 0xFFu)) * 134775813u + 1u;
    Keys[2] = Crc32Byte(Keys[2], static_cast<std::uint8_t>(Keys[1] >> 24));
}

std::uint8_t TPkzipCipher::KeyStreamByte() const {
    const std::uint32_t Temp = (Keys[2] | 2u) & 0xFFFFu;
    return static_cast<std::uint8_t>((Temp * (Temp ^ 1u)) >> 8);
}

void TPkzipCipher::Decrypt(char* Data, qsizetype Size) {
    for (qsizetype I = 0; I < Size; ++I) {
        const auto Plain =
            static_cast<std::uint8_t>(static_cast<std::uint8_t>(Data[I]) ^ KeyStreamByte());
        UpdateKeys(Plain);
        Data[I] = static_cast<char>(Plain);
    }
}

void TPkzipCipher::Encrypt(char* Data, qsizetype Size) {
    for (qsizetype I = 0; I < Size; ++I) {
        const auto Plain = static_cast<std::uint8_t>(Data[I]);
        Data[I] = static_cast<char>(Plain ^ KeyStreamByte());
        UpdateKeys(Plain);
    }
}

}  // namespace orbelune
