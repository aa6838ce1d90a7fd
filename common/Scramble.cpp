#include "Scramble.h"

#include "StoredLiterals.h"

#include <QByteArray>
#include <QStringDecoder>

#include <nettle/base64.h>
#include <nettle/blowfish.h>
#include <nettle/cbc.h>

#include <vector>

namespace orbelune {

namespace {

bool InStoredAlphabet(const QString& text) {
    for (QChar c : text)
        if (c < QLatin1Char('+') || c > QLatin1Char('z')) return false;
    return true;
}

bool DecodeBase64(const QByteArray& text, std::vector<std::uint8_t>& out) {
    base64_decode_ctx ctx;
    base64_decode_init(&ctx);
    out.resize(BASE64_DECODE_LENGTH(text.size()));
    size_t length = out.size();
    if (!base64_decode_update(&ctx, &length, out.data(), text.size(),
                              reinterpret_cast<const char*>(text.constData())))
        return false;
    if (!base64_decode_final(&ctx)) return false;
    out.resize(length);
    return true;
}

// Strips PKCS#7 padding; false when the padding is not well formed.
bool StripPadding(std::vector<std::uint8_t>& data) {
    if (data.empty()) return false;
    const unsigned pad = data.back();
    if (pad < 1 || pad > BLOWFISH_BLOCK_SIZE || pad > data.size()) return false;
    for (size_t i = data.size() - pad; i < data.size(); ++i)
        if (data[i] != pad) return false;
    data.resize(data.size() - pad);
    return true;
}

// A wrong key yields bytes that are almost never valid UTF-8 text without control
// characters, so such a result is refused rather than returned as garbage.
bool ToPrintableText(const std::vector<std::uint8_t>& data, QString& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder(QByteArrayView(data.data(), static_cast<qsizetype>(data.size())));
    if (decoder.hasError()) return false;
    for (QChar c : text)
        if (c.category() == QChar::Other_Control) return false;
    return true;
}

}  // namespace

QString UnscrambleString(const QString& stored, const TScrambleKey& key) {
    if (stored.isEmpty() || !InStoredAlphabet(stored)) return {};
    std::vector<std::uint8_t> cipher;
    if (!DecodeBase64(stored.toLatin1(), cipher)) return {};
    if (cipher.empty() || cipher.size() % BLOWFISH_BLOCK_SIZE != 0) return {};

    blowfish_ctx ctx;
    if (!blowfish128_set_key(&ctx, key.data())) return {};  // a weak key
    std::uint8_t iv[BLOWFISH_BLOCK_SIZE] = {};
    std::vector<std::uint8_t> plain(cipher.size());
    cbc_decrypt(&ctx, reinterpret_cast<nettle_cipher_func*>(blowfish_decrypt), BLOWFISH_BLOCK_SIZE,
                iv, cipher.size(), plain.data(), cipher.data());

    QString text;
    if (!StripPadding(plain) || !ToPrintableText(plain, text)) return {};
    return text;
}

QString UnscrambleLiteral(const char* stored) {
    return UnscrambleString(QString::fromLatin1(stored), LiteralKey);
}

}  // namespace orbelune
