#include "zip_crypt.h"

#include "zip_crc.h"

namespace unzip {

void CryptInitKeys(std::string_view password, ZipCipher& cipher) {
  cipher.keys[0] = 0x12345678;
  cipher.keys[1] = 0x23456789;
  cipher.keys[2] = 0x34567890;
  for (const char c : password) CryptUpdateKeys(static_cast<std::uint8_t>(c), cipher);
}

std::uint8_t CryptByte(const ZipCipher& cipher) {
  const std::uint32_t t = (cipher.keys[2] & 0xFFFF) | 2;
  return static_cast<std::uint8_t>((t * (t ^ 1)) >> 8);
}

void CryptUpdateKeys(std::uint8_t plain, ZipCipher& cipher) {
  cipher.keys[0] = Crc32Byte(plain, cipher.keys[0]);
  cipher.keys[1] = (cipher.keys[1] + (cipher.keys[0] & 0xFF)) * 134775813u + 1;
  cipher.keys[2] = Crc32Byte(static_cast<std::uint8_t>(cipher.keys[1] >> 24), cipher.keys[2]);
}

void CryptDecryptBlock(std::uint8_t* data, std::size_t count, ZipCipher& cipher) {
  for (std::size_t i = 0; i < count; ++i) {
    data[i] ^= CryptByte(cipher);
    CryptUpdateKeys(data[i], cipher);
  }
}

bool CryptCheckHeader(const EncryptionHeader& header, std::uint16_t flags, std::string_view password,
                      std::uint16_t time, std::uint32_t crc, ZipCipher& cipher) {
  if (password.empty()) return false;
  CryptInitKeys(password, cipher);
  EncryptionHeader plain = header;
  CryptDecryptBlock(plain.data(), plain.size(), cipher);
  const std::uint8_t expected =
      (flags & 0x0008) ? static_cast<std::uint8_t>(time >> 8) : static_cast<std::uint8_t>(crc >> 24);
  return plain.back() == expected;
}

}  // namespace unzip
