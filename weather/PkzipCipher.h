#pragma once
// The traditional PKZIP stream cipher (the "ZipCrypto" of the PKWARE .ZIP
// APPNOTE, section 6.1): three 32-bit keys seeded with the pass phrase and
// updated with every plain byte through CRC-32 and a linear congruential step. Weak by
// today's standards; here it only keeps the place list from being read as plain text.

#include <QByteArrayView>

#include <cstdint>

namespace orbelune {

class TPkzipCipher {
public:
    // Keys seeded with the bytes of PassPhrase.
    explicit TPkzipCipher(QByteArrayView PassPhrase);

    // Deciphers, or enciphers, Size bytes at Data in place.
    void Decrypt(char* Data, qsizetype Size);
    void Encrypt(char* Data, qsizetype Size);

private:
    void UpdateKeys(std::uint8_t Plain);
    std::uint8_t KeyStreamByte() const;

    std::uint32_t Keys[3] = {0x12345678u, 0x23456789u, 0x34567890u};
};

}  // namespace orbelune
