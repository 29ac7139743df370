#include "unzip_test_support.h"

#include <unistd.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "zip_crc.h"

namespace unzip::test {

namespace fs = std::filesystem;

std::string DataPath(const std::string& name) { return std::string(UNZIP_TEST_DATA_DIR) + "/" + name; }

Bytes ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Padded(const Bytes& start, std::size_t size, std::uint8_t fill) {
  // Filled first and then overwritten: growing a short vector in place sets
  // off a false bounds warning of g++ 12 in optimised builds.
  Bytes bytes(std::max(size, start.size()), fill);
  std::copy(start.begin(), start.end(), bytes.begin());
  return bytes;
}

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

namespace {

constexpr std::array<std::uint32_t, 64> kRoundConstants{
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

std::uint32_t RotateRight(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void CompressBlock(std::array<std::uint32_t, 8>& state, const std::uint8_t* block) {
  std::array<std::uint32_t, 64> w{};
  for (int i = 0; i < 16; ++i) {
    w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
           std::uint32_t{block[4 * i + 2]} << 8 | block[4 * i + 3];
  }
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = RotateRight(w[i - 15], 7) ^ RotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = RotateRight(w[i - 2], 17) ^ RotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  std::array<std::uint32_t, 8> v = state;
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t s1 = RotateRight(v[4], 6) ^ RotateRight(v[4], 11) ^ RotateRight(v[4], 25);
    const std::uint32_t choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
    const std::uint32_t t1 = v[7] + s1 + choice + kRoundConstants[i] + w[i];
    const std::uint32_t s0 = RotateRight(v[0], 2) ^ RotateRight(v[0], 13) ^ RotateRight(v[0], 22);
    const std::uint32_t majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
    v = {t1 + s0 + majority, v[0], v[1], v[2], v[3] + t1, v[4], v[5], v[6]};
  }
  for (int i = 0; i < 8; ++i) state[i] += v[i];
}

}  // namespace

std::string Sha256Hex(const Bytes& bytes) {
  std::array<std::uint32_t, 8> state{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                     0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  Bytes padded = bytes;
  padded.push_back(0x80);
  while (padded.size() % 64 != 56) padded.push_back(0);
  const std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
  for (int shift = 56; shift >= 0; shift -= 8) padded.push_back(static_cast<std::uint8_t>(bits >> shift));
  for (std::size_t at = 0; at < padded.size(); at += 64) CompressBlock(state, &padded[at]);
  std::string hex;
  char digits[9];
  for (std::uint32_t word : state) {
    std::snprintf(digits, sizeof digits, "%08x", word);
    hex += digits;
  }
  return hex;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() / ("unzip-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  // Read-only files and folders left by a test must not stop the clean-up.
  for (const auto& item : fs::recursive_directory_iterator(path_, error)) {
    fs::permissions(item.path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::remove_all(path_, error);
}

std::optional<VolumeInformation> FakeUnzipPlatform::QueryVolume(const std::string& drive) {
  ++volumeQueries;
  if (!volumeReadable || drive.empty()) return std::nullopt;
  VolumeInformation volume;
  volume.label = label;
  volume.serialNumber = 0x1234ABCD;
  return volume;
}

std::optional<FreeSpaceInformation> FakeUnzipPlatform::QueryFreeSpace(const std::string&) {
  FreeSpaceInformation space;
  space.sectorsPerCluster = 1;
  space.bytesPerSector = 1;
  space.freeClusters = freeBytes;
  space.totalClusters = freeBytes;
  return space;
}

namespace {

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

constexpr std::uint32_t kTestDosDateTime = (44u << 25) | (3u << 21) | (15u << 16) | (10u << 11) | (20u << 5) | 15u;

}  // namespace

Bytes MakeZip(const std::vector<TestEntry>& entries) {
  Bytes zip;
  Bytes directory;
  for (const TestEntry& entry : entries) {
    std::uint32_t crc = 0xFFFFFFFF;
    Crc32Block(entry.data.data(), entry.data.size(), crc);
    crc ^= 0xFFFFFFFF;
    if (entry.badCrc) crc ^= 1;
    const std::uint32_t offset = static_cast<std::uint32_t>(zip.size());
    // From the flags to the extra-field length both headers hold the same fields.
    auto putCommonFields = [&](Bytes& out) {
      const auto size = static_cast<std::uint32_t>(entry.data.size());
      Put16(out, entry.flags);
      Put16(out, entry.method);
      Put32(out, kTestDosDateTime);
      Put32(out, crc);
      Put32(out, size);
      Put32(out, size);
      Put16(out, static_cast<std::uint32_t>(entry.name.size()));
      Put16(out, 0);
    };
    Put32(zip, 0x04034B50);
    Put16(zip, 10);
    putCommonFields(zip);
    zip.insert(zip.end(), entry.name.begin(), entry.name.end());
    zip.insert(zip.end(), entry.data.begin(), entry.data.end());

    Put32(directory, 0x02014B50);
    Put32(directory, 10 | 10 << 16);  // made by, needed
    putCommonFields(directory);
    Put32(directory, 0);  // comment length, disk number
    Put16(directory, 0);  // internal attributes
    Put32(directory, entry.externalAttributes);
    Put32(directory, offset);
    directory.insert(directory.end(), entry.name.begin(), entry.name.end());
  }
  const auto directoryOffset = static_cast<std::uint32_t>(zip.size());
  zip.insert(zip.end(), directory.begin(), directory.end());
  Put32(zip, 0x06054B50);
  Put16(zip, 0);
  Put16(zip, 0);
  Put16(zip, static_cast<std::uint32_t>(entries.size()));
  Put16(zip, static_cast<std::uint32_t>(entries.size()));
  Put32(zip, static_cast<std::uint32_t>(directory.size()));
  Put32(zip, directoryOffset);
  Put16(zip, 0);
  return zip;
}

}  // namespace unzip::test
