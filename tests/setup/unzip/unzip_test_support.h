// Shared helpers of the zip component's tests: the test archives, a scratch folder, a SHA-256
// of written files, a platform whose drive the test controls, and a builder of small archives.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "unzip_platform.h"

namespace unzip::test {

using Bytes = std::vector<std::uint8_t>;

// A file of the test data folder.
std::string DataPath(const std::string& name);
Bytes ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);
std::string Sha256Hex(const Bytes& bytes);

// A fresh folder, removed with everything in it at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& Path() const { return path_; }
  std::string Slash() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// The system's services, except that every drive has the type, label and free space the test
// sets, and a failing volume query can be switched on.
class FakeUnzipPlatform : public UnzipPlatform {
 public:
  std::uint8_t driveType = kDriveFixed;
  std::string label;
  std::uint64_t freeBytes = UINT64_C(1) << 40;
  bool volumeReadable = true;
  int volumeQueries = 0;

  std::string DriveOf(const std::string& path) override { return SystemUnzipPlatform().DriveOf(path); }
  std::optional<VolumeInformation> QueryVolume(const std::string& drive) override;
  std::uint8_t DriveType(const std::string&) override { return driveType; }
  std::optional<FreeSpaceInformation> QueryFreeSpace(const std::string&) override;
  std::uint8_t FloppyKind(const std::string&) override { return 0; }
  std::string LastErrorText() override { return "The device is not ready."; }
  std::optional<std::vector<std::string>> LoadStringTable(const std::string&, int) override { return std::nullopt; }
  std::uint32_t TickCount() override { return SystemUnzipPlatform().TickCount(); }
};

// One entry of a hand-made archive.
struct TestEntry {
  std::string name;
  Bytes data;  // stored as is (method 0) unless method says otherwise
  std::uint16_t method = 0;
  std::uint16_t flags = 0;
  std::uint32_t externalAttributes = 0x20;
  bool badCrc = false;
};

// A zip archive of the given entries (local headers, central directory, end record).
Bytes MakeZip(const std::vector<TestEntry>& entries);
Bytes TextBytes(const std::string& text);
// The start of a file padded with fill up to size bytes.
Bytes Padded(const Bytes& start, std::size_t size, std::uint8_t fill);

}  // namespace unzip::test
