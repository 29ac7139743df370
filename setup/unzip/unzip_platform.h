// The system services the archive component needs beyond plain file access.
//
// The component was made for a system of drive letters, volume labels and floppy disks;
// on Linux a "drive" is the folder that holds a file, and what Linux cannot tell gets the
// answer "not available" documented at each call. Tests put a fake in its place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace unzip {

// Drive types, numbered as the component keeps them.
inline constexpr std::uint8_t kDriveUnknown = 0;
inline constexpr std::uint8_t kDriveNoRoot = 1;
inline constexpr std::uint8_t kDriveRemovable = 2;
inline constexpr std::uint8_t kDriveFixed = 3;
inline constexpr std::uint8_t kDriveRemote = 4;
inline constexpr std::uint8_t kDriveCdRom = 5;
inline constexpr std::uint8_t kDriveRamDisk = 6;

struct VolumeInformation {
  std::string label;
  std::uint32_t serialNumber = 0;
  std::uint32_t maxComponentLength = 0;
  std::uint32_t fileSystemFlags = 0;
  std::string fileSystemName;
};

struct FreeSpaceInformation {
  std::uint64_t sectorsPerCluster = 0;
  std::uint64_t bytesPerSector = 0;
  std::uint64_t freeClusters = 0;
  std::uint64_t totalClusters = 0;
  std::uint64_t FreeBytes() const { return sectorsPerCluster * bytesPerSector * freeClusters; }
};

class UnzipPlatform {
 public:
  virtual ~UnzipPlatform() = default;

  // The drive that holds a file or folder: the identifier the other queries take.
  virtual std::string DriveOf(const std::string& path) = 0;
  // Volume facts of a drive; nothing when the drive can't be read.
  virtual std::optional<VolumeInformation> QueryVolume(const std::string& drive) = 0;
  virtual std::uint8_t DriveType(const std::string& drive) = 0;
  virtual std::optional<FreeSpaceInformation> QueryFreeSpace(const std::string& drive) = 0;
  // 7 for a 3½-inch floppy drive, 8 for a 5¼-inch one, 0 when unknown.
  virtual std::uint8_t FloppyKind(const std::string& drive) = 0;
  // The system's text for the last failed call.
  virtual std::string LastErrorText() = 0;
  // The string resources 1..count of an executable loaded as data (an empty text where one is
  // missing); nothing when the file can't be loaded that way.
  virtual std::optional<std::vector<std::string>> LoadStringTable(const std::string& executable, int count) = 0;
  // Milliseconds since some fixed moment, wrapping at 2^32.
  virtual std::uint32_t TickCount() = 0;
};

// The platform of the running system.
UnzipPlatform& SystemUnzipPlatform();

}  // namespace unzip
