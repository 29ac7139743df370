// The component's system services on Linux.
//
// A "drive" is the absolute folder that holds a file. Volume labels come from the udev
// links under /dev/disk/by-label, the removable flag from sysfs and the kind of file system
// from statfs. Floppy drive kinds and string tables of executables are not available here:
// the answers are 0 and "can't be loaded", which the callers already treat as unknown.
#include "unzip_platform.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace unzip {

namespace {

namespace fs = std::filesystem;

// statfs magic numbers of the file systems that are not local disks.
constexpr long kNfsMagic = 0x6969;
constexpr long kSmbMagic = 0x517B;
constexpr long kCifsMagic = static_cast<long>(0xFF534D42);
constexpr long kSmb2Magic = static_cast<long>(0xFE534D42);
constexpr long kIsoMagic = 0x9660;
constexpr long kUdfMagic = 0x15013346;
constexpr long kTmpfsMagic = 0x01021994;
constexpr long kRamfsMagic = static_cast<long>(0x858458F6);

// udev writes blanks and other special characters of a label as \xHH.
std::string DecodeUdevName(const std::string& name) {
  std::string result;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
        std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      result += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      result += name[i];
    }
  }
  return result;
}

std::string LabelOfDevice(dev_t device) {
  std::error_code error;
  for (const auto& link : fs::directory_iterator("/dev/disk/by-label", error)) {
    struct stat target {};
    if (stat(link.path().c_str(), &target) == 0 && S_ISBLK(target.st_mode) && target.st_rdev == device) {
      return DecodeUdevName(link.path().filename().string());
    }
  }
  return {};
}

bool IsRemovableDevice(dev_t device) {
  const std::string base = "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
  // A partition keeps the flag in its disk's folder, one level up.
  for (const char* candidate : {"/removable", "/../removable"}) {
    std::ifstream flag(base + candidate);
    char value = 0;
    if (flag >> value) return value == '1';
  }
  return false;
}

class LinuxUnzipPlatform final : public UnzipPlatform {
 public:
  std::string DriveOf(const std::string& path) override {
    std::error_code error;
    fs::path absolute = fs::absolute(path.empty() ? fs::path(".") : fs::path(path), error);
    if (error) return {};
    if (!fs::is_directory(absolute, error)) absolute = absolute.parent_path();
    return absolute.lexically_normal().string();
  }

  std::optional<VolumeInformation> QueryVolume(const std::string& drive) override {
    struct statvfs info {};
    struct stat where {};
    if (drive.empty() || statvfs(drive.c_str(), &info) != 0 || stat(drive.c_str(), &where) != 0) {
      return std::nullopt;
    }
    VolumeInformation volume;
    volume.label = LabelOfDevice(where.st_dev);
    volume.serialNumber = static_cast<std::uint32_t>(info.f_fsid);
    volume.maxComponentLength = static_cast<std::uint32_t>(info.f_namemax);
    // Linux has no file-system flags of that kind nor a cheap name of the file system.
    return volume;
  }

  std::uint8_t DriveType(const std::string& drive) override {
    struct statfs info {};
    struct stat where {};
    if (drive.empty() || statfs(drive.c_str(), &info) != 0 || stat(drive.c_str(), &where) != 0) {
      return kDriveNoRoot;
    }
    switch (static_cast<long>(info.f_type)) {
      case kNfsMagic:
      case kSmbMagic:
      case kCifsMagic:
      case kSmb2Magic:
        return kDriveRemote;
      case kIsoMagic:
      case kUdfMagic:
        return kDriveCdRom;
      case kTmpfsMagic:
      case kRamfsMagic:
        return kDriveRamDisk;
      default:
        return IsRemovableDevice(where.st_dev) ? kDriveRemovable : kDriveFixed;
    }
  }

  std::optional<FreeSpaceInformation> QueryFreeSpace(const std::string& drive) override {
    struct statvfs info {};
    if (drive.empty() || statvfs(drive.c_str(), &info) != 0) return std::nullopt;
    FreeSpaceInformation space;
    space.sectorsPerCluster = 1;
    space.bytesPerSector = info.f_frsize;
    space.freeClusters = info.f_bavail;
    space.totalClusters = info.f_blocks;
    return space;
  }

  std::uint8_t FloppyKind(const std::string&) override { return 0; }

  std::string LastErrorText() override { return std::strerror(errno); }

  std::optional<std::vector<std::string>> LoadStringTable(const std::string&, int) override { return std::nullopt; }

  std::uint32_t TickCount() override {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
};

}  // namespace

UnzipPlatform& SystemUnzipPlatform() {
  static LinuxUnzipPlatform platform;
  return platform;
}

}  // namespace unzip
