#include "disk_manager.h"

#include <array>
#include <cstdio>

#include "messages.h"

namespace unzip {

namespace {

// Indexed by drive type, or by floppy kind for removable drives; the fractions are the
// single characters of code page 1252 as the table always held them.
const std::array<std::string, 9> kDriveTypeNames{"Unknown", "None", "Floppy",       "Fixed",       "Network",
                                                 "CD-ROM",  "RAM",  "3\xBD Floppy", "5\xBC Floppy"};

bool IsAllDigitsText(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::uint32_t SpanDiskNumberOfLabel(const std::string& label) {
  const std::size_t marker = label.rfind(kSpanLabelMarker);
  if (marker == std::string::npos) return 0;
  const std::string number = label.substr(marker + std::string(kSpanLabelMarker).size());
  // Nine digits at most: a label is short, and more could not be a disk number anyway.
  if (number.empty() || number.size() > 9 || !IsAllDigitsText(number)) return 0;
  return static_cast<std::uint32_t>(std::stoul(number));
}

TDiskManager::TDiskManager(UnzipPlatform& platform) : platform_(platform) {}

void TDiskManager::SetDrive(const std::string& drive) {
  if (drive == Drive) return;
  Drive = drive;
  Refresh();
}

bool TDiskManager::Refresh() {
  std::optional<VolumeInformation> volume = platform_.QueryVolume(Drive);
  while (!volume) {
    if (!AskRetry()) {
      Ready = false;
      return false;
    }
    volume = platform_.QueryVolume(Drive);
  }
  VolumeLabel = volume->label;
  SpanDiskNumber = SpanDiskNumberOfLabel(VolumeLabel);
  char serial[9];
  std::snprintf(serial, sizeof serial, "%08X", volume->serialNumber);
  SerialNumber = serial;
  MaxComponentLength = volume->maxComponentLength;
  FileSystemName = volume->fileSystemName;
  DriveType = Drive.empty() ? kDriveNoRoot : platform_.DriveType(Drive);

  if (DriveType == kDriveRemovable) {
    FloppyKind = platform_.FloppyKind(Drive);
    while (!QueryFreeSpace() && AskRetry()) {
    }
    DriveTypeName = kDriveTypeNames[FloppyKind < kDriveTypeNames.size() ? FloppyKind : 0];
  } else {
    bool known = QueryFreeSpace();
    while (!known && AskRetry()) known = QueryFreeSpace();
    if (!known) {
      Ready = true;
      return true;
    }
    DriveTypeName = kDriveTypeNames[DriveType < kDriveTypeNames.size() ? DriveType : 0];
  }
  FileSystemFlags = volume->fileSystemFlags;
  Ready = true;
  return true;
}

bool TDiskManager::QueryFreeSpace() {
  if (DriveType == kDriveRemote) return true;
  FreeSpace = {};
  const std::optional<FreeSpaceInformation> space = platform_.QueryFreeSpace(Drive);
  if (!space) return false;
  FreeSpace.sectorsPerCluster = space->sectorsPerCluster;
  FreeSpace.bytesPerSector = space->bytesPerSector;
  FreeSpace.freeClusters = space->freeClusters;
  FreeSpace.totalClusters = space->totalClusters;
  const std::uint64_t bytesPerCluster = space->sectorsPerCluster * space->bytesPerSector;
  FreeSpace.totalBytes = bytesPerCluster * space->totalClusters;
  FreeSpace.freeBytes = bytesPerCluster * space->freeClusters;
  return true;
}

bool TDiskManager::AskRetry() {
  if (!OnAskRetry) return false;
  std::string drive = Drive;
  if (!drive.empty() && drive.back() != '/') drive += '/';
  return OnAskRetry(drive + MessageText(kMsgNotAccessible) + "\n\n" + platform_.LastErrorText());
}

}  // namespace unzip
