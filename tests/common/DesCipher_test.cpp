#include "common/DesCipher.h"

#include <gtest/gtest.h>

using namespace tj::common;

namespace {

QByteArray hexBytes(const char* hex) { return QByteArray::fromHex(hex); }

}  // namespace

// Published DES known-answer vectors (FIPS 81 example, NBS validation tests).
TEST(DesCipher, MatchesPublishedBlockVectors)
{
    struct Vector {
        std::uint64_t key, plain, cipher;
    };
    const Vector vectors[] = {
        {0x133457799BBCDFF1ull, 0x0123456789ABCDEFull, 0x85E813540F0AB405ull},
        {0x0123456789ABCDEFull, 0x4E6F772069732074ull, 0x3FA40E8A984D4815ull},
        {0x0101010101010101ull, 0x95F8A5E5DD31D900ull, 0x8000000000000000ull},
        {0x8001010101010101ull, 0x0000000000000000ull, 0x95A8D72813DAA94Dull},
    };
    for (const Vector& v : vectors) {
        EXPECT_EQ(DesEncryptBlock(v.plain, v.key), v.cipher) << std::hex << v.key;
        EXPECT_EQ(DesDecryptBlock(v.cipher, v.key), v.plain) << std::hex << v.key;
    }
}

// The FIPS 81 ECB example through the text interface: byte order, block
// order and no chaining.
TEST(DesCipher, EnciphersTextBlockByBlock)
{
    const QByteArray key = hexBytes("0123456789abcdef");
    const QByteArray cipher = DesEncryptText("Now is the time for all ", key);
    EXPECT_EQ(cipher.toHex(), "3fa40e8a984d48156a271787ab8883f9893d51ec4b563b53");
    EXPECT_EQ(DesDecryptText(cipher, key), "Now is the time for all ");
}

TEST(DesCipher, PadsWithZerosAndKeepsTrailingSpaces)
{
    const QString key = QString::fromLatin1(kUserPasswordKey);
    EXPECT_EQ(DesEncryptToHex(QString(), key), QString());
    EXPECT_EQ(DesDecryptFromHex(QString(), key), QString());
    EXPECT_EQ(DesEncryptToHex(QStringLiteral("12345678"), key).size(), 16);
    EXPECT_EQ(DesEncryptToHex(QStringLiteral("123456789"), key).size(), 32);
    EXPECT_EQ(DesEncryptToHex(QStringLiteral("1"), key).size(), 16);

    for (const QString& text : {QStringLiteral("abc  "), QStringLiteral("12345678"),
                                QStringLiteral("pass word 9"), QStringLiteral("体检中心a1")}) {
        const QString hex = DesEncryptToHex(text, key);
        EXPECT_EQ(hex, hex.toLower());
        EXPECT_EQ(DesDecryptFromHex(hex, key), text);
        EXPECT_EQ(DesDecryptFromHex(hex.toUpper(), key), text);
    }
    // Short texts are zero-padded before enciphering.
    const std::uint64_t block = DesEncryptBlock(0x6162000000000000ull, 0x6B00000000000000ull);
    EXPECT_EQ(DesEncryptText("ab", "k").toHex(), QByteArray::number(qulonglong(block), 16).rightJustified(16, '0'));
}

TEST(DesCipher, EnciphersTheGbkBytesOfChineseText)
{
    // 张三 is D5C5 C8FD in GBK: a password typed on the earlier Windows
    // program gives the same stored text.
    const QString hex = DesEncryptToHex(QStringLiteral("张三"), QStringLiteral("pvkoda"));
    EXPECT_EQ(hex, QString::fromLatin1(DesEncryptText(hexBytes("d5c5c8fd"), "pvkoda").toHex()));
}

TEST(DesCipher, UsesOnlyTheFirstEightKeyCharacters)
{
    const QString text = QStringLiteral("sa");
    EXPECT_EQ(DesEncryptToHex(text, QString::fromLatin1(kConnectionSettingsKey)),
              DesEncryptToHex(text, QStringLiteral("XXXkbplh")));
    EXPECT_EQ(DesEncryptToHex(text, QStringLiteral("XXXkbplhOTHER")),
              DesEncryptToHex(text, QStringLiteral("XXXkbplh")));
    // A short key is padded with zero bytes.
    EXPECT_EQ(DesEncryptText("secret", "pvkoda"), DesEncryptText("secret", QByteArray("pvkoda\0\0", 8)));
    EXPECT_NE(DesEncryptToHex(text, QStringLiteral("XXXkbplg")),
              DesEncryptToHex(text, QStringLiteral("XXXkbplh")));
}

TEST(DesCipher, WrongKeyGivesOtherTextWithoutError)
{
    const QString hex = DesEncryptToHex(QStringLiteral("password"), QStringLiteral("pvkoda"));
    QString other;
    EXPECT_NO_THROW(other = DesDecryptFromHex(hex, QStringLiteral("pvkodb")));
    EXPECT_NE(other, QStringLiteral("password"));
}

TEST(DesCipher, RefusesBadInput)
{
    const auto message = [](auto&& call) -> std::string {
        try {
            call();
        } catch (const CipherError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message([] { DesEncryptText(QByteArray("abc\0", 4), "k"); }),
              "Error: the last char is NULL char.");
    EXPECT_EQ(message([] { DesEncryptToHex(QStringLiteral("abc") + QChar(0), QStringLiteral("k")); }),
              "Error: the last char is NULL char.");
    EXPECT_EQ(message([] { DesDecryptFromHex(QStringLiteral("0g"), QStringLiteral("k")); }),
              "Error: not a Hex String");
    EXPECT_EQ(message([] { DesDecryptFromHex(QStringLiteral("00112233445566 7"), QStringLiteral("k")); }),
              "Error: not a Hex String");
    // A zero inside the text is fine; only a last zero would be lost.
    EXPECT_NO_THROW(DesEncryptText(QByteArray("a\0b", 3), "k"));
}

TEST(DesCipher, IgnoresAnOddLastDigitAndAPartialBlock)
{
    const QString key = QStringLiteral("pvkoda");
    const QString hex = DesEncryptToHex(QStringLiteral("admin"), key);
    EXPECT_EQ(DesDecryptFromHex(hex + QLatin1Char('z'), key), QStringLiteral("admin"));
    EXPECT_EQ(DesDecryptFromHex(hex + QStringLiteral("abcd"), key), QStringLiteral("admin"));
}

TEST(DesCipher, HexPairToNumber)
{
    EXPECT_EQ(HexPairToNumber(u"00"), 0);
    EXPECT_EQ(HexPairToNumber(u"0a"), 10);
    EXPECT_EQ(HexPairToNumber(u"Ff"), 255);
    EXPECT_EQ(HexPairToNumber(u"7B"), 123);
    EXPECT_EQ(HexPairToNumber(u"1234"), 0x1234);
    EXPECT_EQ(HexPairToNumber(u""), 0);
    EXPECT_THROW(HexPairToNumber(u"x1"), CipherError);
    EXPECT_THROW(HexPairToNumber(u"１"), CipherError);  // full-width digit
}
