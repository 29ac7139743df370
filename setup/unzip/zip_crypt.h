// The traditional PKWARE cipher of zip entries (flag bit 0): three 32-bit keys driven by the
// password and by every plain byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace unzip {

inline constexpr std::size_t kEncryptionHeaderSize = 12;
using EncryptionHeader = std::array<std::uint8_t, kEncryptionHeaderSize>;

struct ZipCipher {
  std::uint32_t keys[3] = {0, 0, 0};
};

void CryptInitKeys(std::string_view password, ZipCipher& cipher);
std::uint8_t CryptByte(const ZipCipher& cipher);
void CryptUpdateKeys(std::uint8_t plain, ZipCipher& cipher);

// Deciphers in place, carrying the keys on from byte to byte and from call to call.
void CryptDecryptBlock(std::uint8_t* data, std::size_t count, ZipCipher& cipher);

// Tells whether the password fits the entry: the last byte of the deciphered header must equal
// the high byte of the file time (entries with a data descriptor, flag bit 3) or of the CRC-32.
// The header itself is left untouched, so the check can be repeated with other passwords. When
// the password fits, the keys stand ready for the entry's data. An empty password never fits and
// leaves the keys alone.
bool CryptCheckHeader(const EncryptionHeader& header, std::uint16_t flags, std::string_view password,
                      std::uint16_t time, std::uint32_t crc, ZipCipher& cipher);

}  // namespace unzip
