// Recognition of the two text-like formats that carry no signature at their start:
// uuencoded files and tar archives.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "messages.h"
#include "tunzip.h"

namespace unzip {

namespace {

constexpr std::size_t kTarBlock = 512;
constexpr std::size_t kTarChecksumAt = 148;
constexpr std::size_t kTarChecksumWidth = 8;
constexpr std::size_t kTarTypeAt = 156;

bool StartsWithBegin(const std::vector<std::uint8_t>& data, std::size_t at) {
  return at + 6 <= data.size() && std::memcmp(&data[at], "begin ", 6) == 0;
}

}  // namespace

std::uint32_t OctalToInt(const std::string& text) {
  std::uint32_t result = 0;
  for (char c : text) {
    if (c >= '0' && c <= '7') result = result * 8 + static_cast<std::uint32_t>(c - '0');
  }
  return result;
}

bool TUnZIP::IsUueFile() {
  try {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(std::min<std::uint64_t>(archiveSize_, 2500)));
    data.resize(ReadAt(0, data.data(), data.size()));
    bool found = StartsWithBegin(data, 0);
    for (std::size_t i = 0; !found && i < data.size(); ++i) {
      found = data[i] == '\n' && i + 2 < data.size() && StartsWithBegin(data, i + 1);
    }
    if (found) {
      arcType_ = atUue;
      headerPos_ = 1;
    }
    return found;
  } catch (const EInOutError&) {
    return false;
  }
}

bool TUnZIP::IsTarFile() {
  if (archiveSize_ <= kTarBlock) return false;
  std::array<std::uint8_t, kTarBlock> header{};
  if (ReadAt(0, header.data(), header.size()) != kTarBlock) return false;
  if (header[kTarTypeAt] == 'V') {
    // A volume header comes first; the archive's own header follows it.
    headerPos_ = kTarBlock + 1;
    if (headerPos_ + kTarBlock >= archiveSize_) return false;
    if (ReadAt(kTarBlock, header.data(), header.size()) != kTarBlock) return false;
  }
  const char* field = reinterpret_cast<const char*>(&header[kTarChecksumAt]);
  const std::string stored(field, strnlen(field, kTarChecksumWidth));
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kTarBlock; ++i) {
    const bool inChecksum = i >= kTarChecksumAt && i < kTarChecksumAt + kTarChecksumWidth;
    sum += inChecksum ? 32u : header[i];
  }
  if (OctalToInt(stored) == sum) {
    arcType_ = atTar;
    return true;
  }
  headerPos_ = 1;
  return false;
}

}  // namespace unzip
