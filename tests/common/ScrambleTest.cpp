#include "Scramble.h"
#include "StoredLiterals.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace orbelune {
namespace {

// The stored literals were enciphered by tools/scramble.py, an independent Blowfish;
// deciphering them here with nettle checks the two against each other.
TEST(UnscrambleString, DeciphersEveryStoredLiteral) {
    EXPECT_EQ(UnscrambleLiteral(StoredLiteral::ProgramName), "Orbelune");
    EXPECT_EQ(UnscrambleLiteral(StoredLiteral::SettingsKeyPath), "Orbelune/orbelune");
    EXPECT_EQ(UnscrambleLiteral(StoredLiteral::SettingsSection), "Settings");
    EXPECT_EQ(UnscrambleLiteral(StoredLiteral::SupportAddress), "orbelune-support@example.org");
    EXPECT_EQ(UnscrambleLiteral(StoredLiteral::HomePage), "https://orbelune.example.org/");
    EXPECT_EQ(UnscrambleLiteral(StoredLiteral::ElectionDayText), "Remember to vote");
}

TEST(UnscrambleString, RefusesCharactersOutsideTheStoredAlphabet) {
    const QString good = QString::fromLatin1(StoredLiteral::ProgramName);
    EXPECT_EQ(UnscrambleString(good, LiteralKey), "Orbelune");
    EXPECT_EQ(UnscrambleString(QString(good).insert(4, ' '), LiteralKey), "");
    EXPECT_EQ(UnscrambleString(QString(good).insert(4, '~'), LiteralKey), "");
    EXPECT_EQ(UnscrambleString(QString(good).insert(4, '*'), LiteralKey), "");
    EXPECT_EQ(UnscrambleString("", LiteralKey), "");
}

TEST(UnscrambleString, RefusesBadBase64Padding) {
    QString cut = QString::fromLatin1(StoredLiteral::ProgramName);
    cut.chop(1);  // "...VA=" lacks its last '='
    EXPECT_EQ(UnscrambleString(cut, LiteralKey), "");
    EXPECT_EQ(UnscrambleString("QUJD=A==", LiteralKey), "");  // '=' inside the text
}

TEST(UnscrambleString, RefusesBadBlockPaddingAndPartialBlocks) {
    QByteArray cipher = QByteArray::fromBase64(StoredLiteral::ProgramName);
    cipher[cipher.size() - 1] = static_cast<char>(cipher[cipher.size() - 1] ^ 0x5A);
    EXPECT_EQ(UnscrambleString(QString::fromLatin1(cipher.toBase64()), LiteralKey), "");
    const QByteArray partial = QByteArray::fromBase64(StoredLiteral::ProgramName).left(12);
    EXPECT_EQ(UnscrambleString(QString::fromLatin1(partial.toBase64()), LiteralKey), "");
}

TEST(UnscrambleString, RefusesAWrongKey) {
    TScrambleKey wrong = LiteralKey;
    wrong[0] = static_cast<std::uint8_t>(wrong[0] ^ 1);
    EXPECT_EQ(UnscrambleString(QString::fromLatin1(StoredLiteral::ProgramName), wrong), "");
    EXPECT_EQ(UnscrambleString(QString::fromLatin1(StoredLiteral::SupportAddress), wrong), "");
    EXPECT_EQ(UnscrambleString(QString::fromLatin1(StoredLiteral::HomePage), wrong), "");
}

}  // namespace
}  // namespace orbelune
