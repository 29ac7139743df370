// The system services the archive component needs beyond plain file access.
//
// The component was made for a system of drive letters, volume labels and floppy disks;
// on Linux a "drive" is the folder that holds a file, and what Linux cannot tell gets the
// answer "not available" documented at each call. Tests put a fake in its place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
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

// One file that an extraction writes.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  // False when not every byte could be written (a full disk, for one).
  virtual bool Write(const std::uint8_t* data, std::size_t count) = 0;
  // Failures are of no consequence.
  virtual void SetModificationTime(std::time_t moment) = 0;
  virtual bool Close() = 0;
  // Closes and deletes what was written.
  virtual void Discard() = 0;
};

// Where extracted entries go: the disk, or memory where only the walk itself is of interest.
// Both answer the same questions with the same refusals, so a run takes the same road.
class UnzipOutput {
 public:
  virtual ~UnzipOutput() = default;
  // True for an existing file; a folder of that name is not one.
  virtual bool FileExists(const std::string& name) = 0;
  // Creates a folder with its missing parents; what can't be made shows when the file is created.
  virtual void CreateFolders(const std::string& folder) = 0;
  // True when path, with "." and ".." and any links resolved, lies inside folder.
  virtual bool LiesInsideFolder(const std::string& path, const std::string& folder) = 0;
  // Creates the file or truncates an existing one; nothing when it can't.
  virtual std::unique_ptr<OutputSink> CreateFile(const std::string& name) = 0;
  // The entry's stored attributes given to a written file.
  virtual void ApplyAttributes(const std::string& name, std::uint32_t attributes) = 0;
};

// Files and folders on the disk.
UnzipOutput& DiskOutput();

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
  // Where extracted entries are written.
  virtual UnzipOutput& Output() { return DiskOutput(); }
};

// The platform of the running system.
UnzipPlatform& SystemUnzipPlatform();

}  // namespace unzip
