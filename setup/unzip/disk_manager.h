// Facts about the drive that holds the archive: its type, volume label and free space.
//
// Zip archives spanned over removable disks carry volume labels "PKBACK# " followed by the
// disk number; detection and extraction read that number from here. When a drive can't be
// read, the owner is asked whether to try again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "unzip_platform.h"

namespace unzip {

class TDiskManager {
 public:
  explicit TDiskManager(UnzipPlatform& platform);

  // Switches to another drive (exact comparison) and reads its facts.
  void SetDrive(const std::string& drive);
  // Reads every fact of Drive again; false when the volume can't be read.
  bool Refresh();

  // Asked with the message text when a drive can't be read; true means try again.
  // Without a handler the answer is "cancel".
  std::function<bool(const std::string& message)> OnAskRetry;

  struct FreeSpaceFacts {
    std::uint64_t sectorsPerCluster = 0;
    std::uint64_t bytesPerSector = 0;
    std::uint64_t freeClusters = 0;
    std::uint64_t totalClusters = 0;
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
  };

  std::string Drive;
  std::string VolumeLabel;
  std::string DriveTypeName;
  FreeSpaceFacts FreeSpace;
  std::string SerialNumber;  // 8 upper-case hexadecimal digits
  std::uint32_t MaxComponentLength = 0;
  std::uint32_t FileSystemFlags = 0;
  std::uint8_t DriveType = 0;
  std::string FileSystemName;
  std::uint8_t FloppyKind = 0;
  bool Ready = false;
  std::uint32_t SpanDiskNumber = 0;

 private:
  bool AskRetry();
  bool QueryFreeSpace();

  UnzipPlatform& platform_;
};

// The disk number of a "PKBACK# nnn" label: the text after the last "PKBACK# " when it is all
// digits, else 0.
std::uint32_t SpanDiskNumberOfLabel(const std::string& label);

// The label marker of the disks of a spanned zip archive.
inline constexpr const char* kSpanLabelMarker = "PKBACK# ";

}  // namespace unzip
