// A platform whose output stays in memory: the files an extraction writes are kept in a map
// under their full names, with the disk's name checks and refusals. The fuzz target runs whole
// archives through it at the speed of the walk rather than of the file system, and a capacity
// stands in for a full disk so that no archive can exhaust the machine.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "unzip_platform.h"

namespace unzip {

class MemoryUnzipPlatform final : public UnzipPlatform, public UnzipOutput {
 public:
  explicit MemoryUnzipPlatform(std::uint64_t capacity) : capacity_(capacity) {}

  // Written files by full name; folders by full name with no trailing '/', "/" always there.
  const std::map<std::string, std::string>& Files() const { return files_; }
  const std::set<std::string>& Folders() const { return folders_; }
  std::uint32_t AttributesOf(const std::string& name) const;

  // UnzipPlatform: one fixed local drive, the root.
  std::string DriveOf(const std::string& path) override;
  std::optional<VolumeInformation> QueryVolume(const std::string& drive) override;
  std::uint8_t DriveType(const std::string&) override { return kDriveFixed; }
  std::optional<FreeSpaceInformation> QueryFreeSpace(const std::string& drive) override;
  std::uint8_t FloppyKind(const std::string&) override { return 0; }
  std::string LastErrorText() override { return "No space left on device"; }
  std::optional<std::vector<std::string>> LoadStringTable(const std::string&, int) override { return std::nullopt; }
  std::uint32_t TickCount() override { return ++ticks_; }
  UnzipOutput& Output() override { return *this; }

  // UnzipOutput
  bool FileExists(const std::string& name) override;
  void CreateFolders(const std::string& folder) override;
  bool LiesInsideFolder(const std::string& path, const std::string& folder) override;
  std::unique_ptr<OutputSink> CreateFile(const std::string& name) override;
  void ApplyAttributes(const std::string& name, std::uint32_t attributes) override;

 private:
  friend class MemoryFile;
  void Remove(const std::string& normal);

  std::uint64_t capacity_;
  std::uint64_t used_ = 0;
  std::map<std::string, std::string> files_;
  std::map<std::string, std::uint32_t> attributes_;
  std::set<std::string> folders_{"/"};
  std::uint32_t ticks_ = 0;
};

}  // namespace unzip
