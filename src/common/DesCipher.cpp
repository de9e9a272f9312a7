#include "common/DesCipher.h"

#include "common/Gbk.h"

#include <array>

namespace tj::common {

namespace {

// Tables of FIPS 46, positions counted from 1 at the most significant bit.
constexpr std::array<std::uint8_t, 64> kInitialPermutation = {
    58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
    62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
    57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
    61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};

constexpr std::array<std::uint8_t, 64> kFinalPermutation = {
    40, 8, 48, 16, 56, 24, 64, 32, 39, 7, 47, 15, 55, 23, 63, 31,
    38, 6, 46, 14, 54, 22, 62, 30, 37, 5, 45, 13, 53, 21, 61, 29,
    36, 4, 44, 12, 52, 20, 60, 28, 35, 3, 43, 11, 51, 19, 59, 27,
    34, 2, 42, 10, 50, 18, 58, 26, 33, 1, 41, 9,  49, 17, 57, 25};

constexpr std::array<std::uint8_t, 48> kExpansion = {
    32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,  8,  9,  10, 11,
    12, 13, 12, 13, 14, 15, 16, 17, 16, 17, 18, 19, 20, 21, 20, 21,
    22, 23, 24, 25, 24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1};

constexpr std::array<std::uint8_t, 32> kPermutation = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

constexpr std::array<std::uint8_t, 56> kPermutedChoice1 = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

constexpr std::array<std::uint8_t, 48> kPermutedChoice2 = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
    26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
    51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

constexpr std::array<std::uint8_t, 16> kRotations = {1, 1, 2, 2, 2, 2, 2, 2,
                                                     1, 2, 2, 2, 2, 2, 2, 1};

constexpr std::uint8_t kSBoxes[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8,  3,  10, 6,  12, 5,  9,  0, 7,
     0,  15, 7,  4, 14, 2,  13, 1,  10, 6,  12, 11, 9,  5,  3, 8,
     4,  1,  14, 8, 13, 6,  2,  11, 15, 12, 9,  7,  3,  10, 5, 0,
     15, 12, 8,  2, 4,  9,  1,  7,  5,  11, 3,  14, 10, 0,  6, 13},
    {15, 1,  8,  14, 6,  11, 3,  4,  9,  7, 2,  13, 12, 0, 5,  10,
     3,  13, 4,  7,  15, 2,  8,  14, 12, 0, 1,  10, 6,  9, 11, 5,
     0,  14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,  9,  3, 2,  15,
     13, 8,  10, 1,  3,  15, 4,  2,  11, 6, 7,  12, 0,  5, 14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7,  11, 4,  2,  8,
     13, 7,  0,  9,  3, 4,  6,  10, 2,  8,  5,  14, 12, 11, 15, 1,
     13, 6,  4,  9,  8, 15, 3,  0,  11, 1,  2,  12, 5,  10, 14, 7,
     1,  10, 13, 0,  6, 9,  8,  7,  4,  15, 14, 3,  11, 5,  2,  12},
    {7,  13, 14, 3, 0,  6,  9,  10, 1,  2, 8, 5,  11, 12, 4,  15,
     13, 8,  11, 5, 6,  15, 0,  3,  4,  7, 2, 12, 1,  10, 14, 9,
     10, 6,  9,  0, 12, 11, 7,  13, 15, 1, 3, 14, 5,  2,  8,  4,
     3,  15, 0,  6, 10, 1,  13, 8,  9,  4, 5, 11, 12, 7,  2,  14},
    {2,  12, 4,  1,  7,  10, 11, 6,  8,  5,  3,  15, 13, 0, 14, 9,
     14, 11, 2,  12, 4,  7,  13, 1,  5,  0,  15, 10, 3,  9, 8,  6,
     4,  2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,  6,  3, 0,  14,
     11, 8,  12, 7,  1,  14, 2,  13, 6,  15, 0,  9,  10, 4, 5,  3},
    {12, 1,  10, 15, 9, 2,  6,  8,  0,  13, 3,  4,  14, 7,  5,  11,
     10, 15, 4,  2,  7, 12, 9,  5,  6,  1,  13, 14, 0,  11, 3,  8,
     9,  14, 15, 5,  2, 8,  12, 3,  7,  0,  4,  10, 1,  13, 11, 6,
     4,  3,  2,  12, 9, 5,  15, 10, 11, 14, 1,  7,  6,  0,  8,  13},
    {4,  11, 2,  14, 15, 0, 8,  13, 3,  12, 9, 7,  5,  10, 6, 1,
     13, 0,  11, 7,  4,  9, 1,  10, 14, 3,  5, 12, 2,  15, 8, 6,
     1,  4,  11, 13, 12, 3, 7,  14, 10, 15, 6, 8,  0,  5,  9, 2,
     6,  11, 13, 8,  1,  4, 10, 7,  9,  5,  0, 15, 14, 2,  3, 12},
    {13, 2,  8,  4, 6,  15, 11, 1,  10, 9,  3,  14, 5,  0,  12, 7,
     1,  15, 13, 8, 10, 3,  7,  4,  12, 5,  6,  11, 0,  14, 9,  2,
     7,  11, 4,  1, 9,  12, 14, 2,  0,  6,  10, 13, 15, 3,  5,  8,
     2,  1,  14, 7, 4,  10, 8,  13, 15, 12, 9,  0,  3,  5,  6,  11}};

// Picks the bits named by table (1 = most significant of an inBits-wide value).
template <std::size_t N>
std::uint64_t permute(std::uint64_t in, int inBits, const std::array<std::uint8_t, N>& table)
{
    std::uint64_t out = 0;
    for (std::uint8_t position : table)
        out = (out << 1) | ((in >> (inBits - position)) & 1u);
    return out;
}

using RoundKeys = std::array<std::uint64_t, 16>;

RoundKeys keySchedule(std::uint64_t key)
{
    const std::uint64_t cd = permute(key, 64, kPermutedChoice1);
    std::uint32_t c = std::uint32_t(cd >> 28) & 0x0FFFFFFF;
    std::uint32_t d = std::uint32_t(cd) & 0x0FFFFFFF;
    RoundKeys keys{};
    for (int round = 0; round < 16; ++round) {
        const int r = kRotations[round];
        c = ((c << r) | (c >> (28 - r))) & 0x0FFFFFFF;
        d = ((d << r) | (d >> (28 - r))) & 0x0FFFFFFF;
        keys[round] = permute((std::uint64_t(c) << 28) | d, 56, kPermutedChoice2);
    }
    return keys;
}

std::uint32_t feistel(std::uint32_t right, std::uint64_t roundKey)
{
    const std::uint64_t mixed = permute(right, 32, kExpansion) ^ roundKey;
    std::uint32_t substituted = 0;
    for (int box = 0; box < 8; ++box) {
        const unsigned six = unsigned(mixed >> (42 - 6 * box)) & 0x3F;
        const unsigned row = ((six & 0x20) >> 4) | (six & 1);
        const unsigned column = (six >> 1) & 0x0F;
        substituted = (substituted << 4) | kSBoxes[box][row * 16 + column];
    }
    return std::uint32_t(permute(substituted, 32, kPermutation));
}

std::uint64_t cryptBlock(std::uint64_t block, const RoundKeys& keys, bool decipher)
{
    const std::uint64_t permuted = permute(block, 64, kInitialPermutation);
    std::uint32_t left = std::uint32_t(permuted >> 32);
    std::uint32_t right = std::uint32_t(permuted);
    for (int round = 0; round < 16; ++round) {
        const std::uint32_t next = left ^ feistel(right, keys[decipher ? 15 - round : round]);
        left = right;
        right = next;
    }
    // The halves are swapped after the last round.
    return permute((std::uint64_t(right) << 32) | left, 64, kFinalPermutation);
}

// The DES key of a key text: its first eight bytes, zero-padded.
std::uint64_t prepareKey(const QByteArray& keyText)
{
    std::uint64_t key = 0;
    for (int i = 0; i < 8; ++i)
        key = (key << 8) | (i < keyText.size() ? static_cast<unsigned char>(keyText[i]) : 0u);
    return key;
}

std::uint64_t loadBlock(const char* bytes)
{
    std::uint64_t block = 0;
    for (int i = 0; i < 8; ++i)
        block = (block << 8) | static_cast<unsigned char>(bytes[i]);
    return block;
}

void storeBlock(std::uint64_t block, char* bytes)
{
    for (int i = 7; i >= 0; --i) {
        bytes[i] = char(block & 0xFF);
        block >>= 8;
    }
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

}  // namespace

std::uint64_t DesEncryptBlock(std::uint64_t block, std::uint64_t key)
{
    return cryptBlock(block, keySchedule(key), false);
}

std::uint64_t DesDecryptBlock(std::uint64_t block, std::uint64_t key)
{
    return cryptBlock(block, keySchedule(key), true);
}

QByteArray DesEncryptText(const QByteArray& text, const QByteArray& key)
{
    if (!text.isEmpty() && text.back() == '\0')
        throw CipherError("Error: the last char is NULL char.");
    QByteArray padded = text;
    if (padded.size() % 8 != 0)
        padded.append(8 - padded.size() % 8, '\0');
    const RoundKeys keys = keySchedule(prepareKey(key));
    QByteArray out(padded.size(), Qt::Uninitialized);
    for (qsizetype at = 0; at < padded.size(); at += 8)
        storeBlock(cryptBlock(loadBlock(padded.constData() + at), keys, false), out.data() + at);
    return out;
}

QByteArray DesDecryptText(const QByteArray& cipher, const QByteArray& key)
{
    const RoundKeys keys = keySchedule(prepareKey(key));
    const qsizetype whole = cipher.size() / 8 * 8;
    QByteArray out(whole, Qt::Uninitialized);
    for (qsizetype at = 0; at < whole; at += 8)
        storeBlock(cryptBlock(loadBlock(cipher.constData() + at), keys, true), out.data() + at);
    qsizetype end = out.size();
    while (end > 0 && out[end - 1] == '\0')
        --end;
    out.truncate(end);
    return out;
}

QString DesEncryptToHex(const QString& text, const QString& key)
{
    return QString::fromLatin1(DesEncryptText(toGbk(text), toGbk(key)).toHex());
}

QString DesDecryptFromHex(const QString& hex, const QString& key)
{
    const qsizetype pairs = hex.size() / 2;
    QByteArray cipher(pairs, Qt::Uninitialized);
    for (qsizetype i = 0; i < pairs; ++i)
        cipher[i] = char(HexPairToNumber(QStringView(hex).mid(2 * i, 2)));
    return fromGbk(DesDecryptText(cipher, toGbk(key)));
}

int HexPairToNumber(QStringView hex)
{
    std::uint32_t value = 0;
    for (QChar c : hex) {
        const int digit = hexDigit(c);
        if (digit < 0)
            throw CipherError("Error: not a Hex String");
        value = value * 16 + std::uint32_t(digit);
    }
    return int(value);
}

}  // namespace tj::common
