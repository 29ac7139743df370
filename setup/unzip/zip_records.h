// The fixed zip records the component reads (PKWARE application note layout, little-endian),
// kept as the bytes read so that a short or damaged record can still be looked at.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace unzip {

inline constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
inline constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
inline constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
inline constexpr std::uint32_t kSpanMarkerSignature = 0x08074B50;

inline constexpr std::size_t kLocalHeaderSize = 30;
inline constexpr std::size_t kCentralHeaderSize = 46;
inline constexpr std::size_t kEndRecordSize = 22;

inline std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

inline std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

template <std::size_t N>
struct ZipRecord {
  std::array<std::uint8_t, N> bytes{};
  std::uint32_t Signature() const { return Le32(&bytes[0]); }
  void ClearSignature() { bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0; }

 protected:
  std::uint16_t U16(std::size_t at) const { return Le16(&bytes[at]); }
  std::uint32_t U32(std::size_t at) const { return Le32(&bytes[at]); }
};

struct LocalHeaderRecord : ZipRecord<kLocalHeaderSize> {
  std::uint16_t Flags() const { return U16(6); }
  std::uint16_t Method() const { return U16(8); }
  std::uint16_t Time() const { return U16(10); }
  std::uint32_t DateTime() const { return U32(10); }
  std::uint32_t Crc32() const { return U32(14); }
  std::uint32_t CompressedSize() const { return U32(18); }
  std::uint32_t UncompressedSize() const { return U32(22); }
  std::uint16_t NameLength() const { return U16(26); }
  std::uint16_t ExtraLength() const { return U16(28); }
};

struct CentralHeaderRecord : ZipRecord<kCentralHeaderSize> {
  std::uint16_t Flags() const { return U16(8); }
  std::uint16_t Method() const { return U16(10); }
  std::uint32_t DateTime() const { return U32(12); }
  std::uint32_t Crc32() const { return U32(16); }
  std::uint32_t CompressedSize() const { return U32(20); }
  std::uint32_t UncompressedSize() const { return U32(24); }
  std::uint16_t NameLength() const { return U16(28); }
  std::uint16_t ExtraLength() const { return U16(30); }
  std::uint16_t CommentLength() const { return U16(32); }
  std::uint16_t DiskNumberStart() const { return U16(34); }
  std::uint32_t ExternalAttributes() const { return U32(38); }
  std::uint32_t LocalHeaderOffset() const { return U32(42); }
};

struct EndRecordRecord : ZipRecord<kEndRecordSize> {
  std::uint16_t ThisDisk() const { return U16(4); }
  std::uint16_t CentralDirectoryDisk() const { return U16(6); }
  std::uint16_t EntryCount() const { return U16(10); }
  std::uint32_t CentralDirectorySize() const { return U32(12); }
  std::uint32_t CentralDirectoryOffset() const { return U32(16); }
  void SetCentralDirectoryDisk(std::uint16_t disk) {
    bytes[6] = static_cast<std::uint8_t>(disk);
    bytes[7] = static_cast<std::uint8_t>(disk >> 8);
  }
};

}  // namespace unzip
