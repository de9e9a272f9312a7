// The text cipher: single DES (FIPS 46) in electronic-codebook mode with zero
// padding, over the GBK bytes of a text, with a lower-case hexadecimal form
// for INI files and text columns. Stored logins and user passwords use it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <stdexcept>

namespace tj::common {

// Refused cipher input; what() is the message shown to the operator.
class CipherError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Key of the login name and password stored in ConnectDB.ini.
inline constexpr char kConnectionSettingsKey[] = "XXXkbplhgtyuam72618";
// Key of the user passwords stored in pub_yhu.mma.
inline constexpr char kUserPasswordKey[] = "pvkoda";

// Enciphers bytes with the first eight bytes of key (zero-padded); the
// result has a multiple of 8 bytes. Throws CipherError if text ends in 0.
QByteArray DesEncryptText(const QByteArray& text, const QByteArray& key);

// Deciphers whole 8-byte blocks (a trailing partial block is ignored) and
// drops the zero bytes at the end.
QByteArray DesDecryptText(const QByteArray& cipher, const QByteArray& key);

// GBK bytes of text enciphered, as lower-case hex (two digits per byte).
QString DesEncryptToHex(const QString& text, const QString& key);

// Inverse of DesEncryptToHex; accepts either letter case, ignores a last odd
// digit. Throws CipherError on a character that is not a hex digit.
QString DesDecryptFromHex(const QString& hex, const QString& key);

// Value of a hex text (used on two-digit pairs); throws CipherError on any
// other character. Longer texts wrap around modulo 2^32.
int HexPairToNumber(QStringView hex);

// One DES block; bit 1 of the standard is the most significant bit.
std::uint64_t DesEncryptBlock(std::uint64_t block, std::uint64_t key);
std::uint64_t DesDecryptBlock(std::uint64_t block, std::uint64_t key);

}  // namespace tj::common
