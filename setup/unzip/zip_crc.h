// The CRCs of the zip library: CRC-32 (reflected polynomial 0xEDB88320) and CRC-16/ARC
// (reflected polynomial 0xA001). The registers are the caller's: no start value or final
// inversion is applied here (zip starts CRC-32 at 0xFFFFFFFF and inverts the result).
#pragma once

#include <cstddef>
#include <cstdint>

namespace unzip {

std::uint32_t Crc32Byte(std::uint8_t byte, std::uint32_t value);
void Crc32Block(const std::uint8_t* data, std::size_t count, std::uint32_t& value);
void Crc16Block(const std::uint8_t* data, std::size_t count, std::uint32_t& value);

}  // namespace unzip
