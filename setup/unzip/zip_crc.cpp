#include "zip_crc.h"

#include <array>
#include <cstring>

namespace unzip {

namespace {

// Eight tables let the block routine fold eight bytes per step; table 0 is the plain byte table.
using Crc32Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Crc32Tables MakeCrc32Tables() {
  Crc32Tables t{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[0][n] = c;
  }
  for (std::size_t k = 1; k < 8; ++k) {
    for (std::uint32_t n = 0; n < 256; ++n) t[k][n] = t[0][t[k - 1][n] & 0xFF] ^ (t[k - 1][n] >> 8);
  }
  return t;
}

constexpr std::array<std::uint16_t, 256> MakeCrc16Table() {
  std::array<std::uint16_t, 256> t{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xA001u ^ (c >> 1) : c >> 1;
    t[n] = static_cast<std::uint16_t>(c);
  }
  return t;
}

constexpr Crc32Tables kCrc32 = MakeCrc32Tables();
constexpr std::array<std::uint16_t, 256> kCrc16 = MakeCrc16Table();

}  // namespace

std::uint32_t Crc32Byte(std::uint8_t byte, std::uint32_t value) {
  return kCrc32[0][(byte ^ value) & 0xFF] ^ (value >> 8);
}

void Crc32Block(const std::uint8_t* data, std::size_t count, std::uint32_t& value) {
  std::uint32_t v = value;
  for (; count >= 8; data += 8, count -= 8) {
    std::uint32_t low;
    std::uint32_t high;
    std::memcpy(&low, data, 4);  // little-endian hosts
    std::memcpy(&high, data + 4, 4);
    low ^= v;
    v = kCrc32[7][low & 0xFF] ^ kCrc32[6][(low >> 8) & 0xFF] ^ kCrc32[5][(low >> 16) & 0xFF] ^ kCrc32[4][low >> 24] ^
        kCrc32[3][high & 0xFF] ^ kCrc32[2][(high >> 8) & 0xFF] ^ kCrc32[1][(high >> 16) & 0xFF] ^ kCrc32[0][high >> 24];
  }
  for (; count > 0; --count) v = Crc32Byte(*data++, v);
  value = v;
}

void Crc16Block(const std::uint8_t* data, std::size_t count, std::uint32_t& value) {
  for (std::size_t i = 0; i < count; ++i) value = kCrc16[(value ^ data[i]) & 0xFF] ^ (value >> 8);
}

}  // namespace unzip
