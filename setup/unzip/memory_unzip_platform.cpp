#include "memory_unzip_platform.h"

#include <filesystem>

namespace unzip {

namespace {

namespace fs = std::filesystem;

// Names are kept absolute and lexically normal, with no trailing '/'.
std::string Normal(const std::string& name) {
  std::string normal = (fs::path("/") / fs::path(name)).lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

std::string Parent(const std::string& normal) {
  const std::size_t slash = normal.rfind('/');
  return slash == 0 ? "/" : normal.substr(0, slash);
}

}  // namespace

class MemoryFile final : public OutputSink {
 public:
  MemoryFile(MemoryUnzipPlatform& platform, std::string name) : platform_(platform), name_(std::move(name)) {}

  bool Write(const std::uint8_t* data, std::size_t count) override {
    if (count > platform_.capacity_ - platform_.used_) return false;
    platform_.files_[name_].append(reinterpret_cast<const char*>(data), count);
    platform_.used_ += count;
    return true;
  }
  void SetModificationTime(std::time_t) override {}
  bool Close() override { return true; }
  void Discard() override { platform_.Remove(name_); }

 private:
  MemoryUnzipPlatform& platform_;
  std::string name_;
};

std::uint32_t MemoryUnzipPlatform::AttributesOf(const std::string& name) const {
  const auto found = attributes_.find(Normal(name));
  return found == attributes_.end() ? 0 : found->second;
}

void MemoryUnzipPlatform::Remove(const std::string& normal) {
  const auto found = files_.find(normal);
  if (found == files_.end()) return;
  used_ -= found->second.size();
  files_.erase(found);
  attributes_.erase(normal);
}

std::string MemoryUnzipPlatform::DriveOf(const std::string&) { return "/"; }

std::optional<VolumeInformation> MemoryUnzipPlatform::QueryVolume(const std::string&) {
  VolumeInformation volume;
  volume.serialNumber = 1;
  volume.maxComponentLength = 255;
  volume.fileSystemName = "memory";
  return volume;
}

std::optional<FreeSpaceInformation> MemoryUnzipPlatform::QueryFreeSpace(const std::string&) {
  FreeSpaceInformation space;
  space.sectorsPerCluster = 1;
  space.bytesPerSector = 1;
  space.freeClusters = capacity_ - used_;
  space.totalClusters = capacity_;
  return space;
}

bool MemoryUnzipPlatform::FileExists(const std::string& name) { return files_.count(Normal(name)) != 0; }

void MemoryUnzipPlatform::CreateFolders(const std::string& folder) {
  const std::string normal = Normal(folder);
  std::string path;
  for (const auto& component : fs::path(normal).relative_path()) {
    path += '/';
    path += component.string();
    if (files_.count(path) != 0) return;  // a file where a folder is needed
    folders_.insert(path);
  }
}

bool MemoryUnzipPlatform::LiesInsideFolder(const std::string& path, const std::string& folder) {
  // Memory holds no links: the lexical answer is the whole answer.
  const fs::path relative = fs::path(Normal(path)).lexically_relative(Normal(folder));
  return !relative.empty() && *relative.begin() != ".." && relative != ".";
}

std::unique_ptr<OutputSink> MemoryUnzipPlatform::CreateFile(const std::string& name) {
  const std::string normal = Normal(name);
  if (normal == "/" || folders_.count(normal) != 0 || folders_.count(Parent(normal)) == 0) return nullptr;
  Remove(normal);
  files_[normal];
  return std::make_unique<MemoryFile>(*this, normal);
}

void MemoryUnzipPlatform::ApplyAttributes(const std::string& name, std::uint32_t attributes) {
  if (files_.count(Normal(name)) != 0) attributes_[Normal(name)] = attributes;
}

}  // namespace unzip
