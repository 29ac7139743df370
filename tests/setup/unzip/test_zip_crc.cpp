#include "zip_crc.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace unzip {
namespace {

const std::string_view kCheck = "123456789";
const auto* kCheckBytes = reinterpret_cast<const std::uint8_t*>(kCheck.data());

TEST(ZipCrc, KnownValuesOfTheCheckString) {
  std::uint32_t crc32 = 0xFFFFFFFF;
  Crc32Block(kCheckBytes, kCheck.size(), crc32);
  EXPECT_EQ(crc32 ^ 0xFFFFFFFF, 0xCBF43926u);

  std::uint32_t crc16 = 0;
  Crc16Block(kCheckBytes, kCheck.size(), crc16);
  EXPECT_EQ(crc16, 0xBB3Du);
}

TEST(ZipCrc, BlocksOfAnyLengthAndAlignmentAgreeWithBytes) {
  std::vector<std::uint8_t> data(1000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7 + (i >> 3));
  for (std::size_t start : {0, 1, 3}) {
    for (std::size_t length : {0, 7, 8, 9, 500, 997}) {
      std::uint32_t byByte = 0x12345678;
      for (std::size_t i = 0; i < length; ++i) byByte = Crc32Byte(data[start + i], byByte);
      std::uint32_t byBlock = 0x12345678;
      Crc32Block(data.data() + start, length, byBlock);
      EXPECT_EQ(byBlock, byByte) << start << " " << length;
    }
  }
}

}  // namespace
}  // namespace unzip
