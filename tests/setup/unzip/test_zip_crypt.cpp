#include "zip_crypt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace unzip {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Enciphers as an archiver does: the keys advance with the plain bytes.
Bytes Encipher(std::string_view password, const Bytes& plain) {
  ZipCipher cipher;
  CryptInitKeys(password, cipher);
  Bytes out;
  for (std::uint8_t p : plain) {
    out.push_back(p ^ CryptByte(cipher));
    CryptUpdateKeys(p, cipher);
  }
  return out;
}

// Header (11 filler bytes and the check byte) followed by the entry's data.
Bytes Entry(std::string_view password, std::uint8_t check, const std::string& data) {
  Bytes plain = {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, check};
  plain.insert(plain.end(), data.begin(), data.end());
  return Encipher(password, plain);
}

EncryptionHeader HeaderOf(const Bytes& entry) {
  EncryptionHeader header;
  std::copy_n(entry.begin(), header.size(), header.begin());
  return header;
}

TEST(ZipCrypt, FittingPasswordLeavesTheKeysReadyForTheData) {
  const std::uint32_t crc = 0xA1B2C3D4;
  const Bytes entry = Entry("secret", 0xA1, "payload");
  ZipCipher cipher;
  ASSERT_TRUE(CryptCheckHeader(HeaderOf(entry), 0, "secret", 0x5A5A, crc, cipher));
  Bytes data(entry.begin() + kEncryptionHeaderSize, entry.end());
  CryptDecryptBlock(data.data(), 3, cipher);  // in two pieces, as blocks arrive
  CryptDecryptBlock(data.data() + 3, data.size() - 3, cipher);
  EXPECT_EQ(std::string(data.begin(), data.end()), "payload");
}

TEST(ZipCrypt, CheckByteIsTheTimeWithADataDescriptorElseTheCrc) {
  const Bytes entry = Entry("pw", 0x7E, "");
  ZipCipher cipher;
  EXPECT_TRUE(CryptCheckHeader(HeaderOf(entry), 0x0008, "pw", 0x7E00, 0, cipher));
  EXPECT_FALSE(CryptCheckHeader(HeaderOf(entry), 0x0000, "pw", 0x7E00, 0, cipher));
  EXPECT_TRUE(CryptCheckHeader(HeaderOf(entry), 0x0000, "pw", 0, 0x7E000000, cipher));
}

TEST(ZipCrypt, WrongOrEmptyPasswordsDoNotFit) {
  const Bytes entry = Entry("secret", 0x42, "");
  ZipCipher cipher;
  EXPECT_FALSE(CryptCheckHeader(HeaderOf(entry), 0, "Secret", 0, 0x42000000, cipher));
  EXPECT_FALSE(CryptCheckHeader(HeaderOf(entry), 0, "secret ", 0, 0x42000000, cipher));

  CryptInitKeys("secret", cipher);
  const ZipCipher before = cipher;
  EXPECT_FALSE(CryptCheckHeader(HeaderOf(entry), 0, "", 0, 0x42000000, cipher));
  EXPECT_EQ(std::vector<std::uint32_t>(cipher.keys, cipher.keys + 3),
            std::vector<std::uint32_t>(before.keys, before.keys + 3));
}

}  // namespace
}  // namespace unzip
