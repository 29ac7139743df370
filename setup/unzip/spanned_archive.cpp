// Reading a zip archive spanned over removable disks ("PKBACK# nnn" labels): the archive file
// keeps its name while the disks change under it. The last disk holds the directory; every
// other disk is asked for through the events when the walk needs it, and the disk manager
// checks the label of the disk that was put in.
#include <string>

#include "messages.h"
#include "tunzip.h"

namespace unzip {

bool TUnZIP::StartSpannedArchive() {
  RefreshArchiveDrive();
  if (!DriveIsRemovable()) {
    // Not on a removable disk: whatever the markers say, it is one volume.
    endRecord_.SetCentralDirectoryDisk(0);
    return true;
  }
  if (endRecord_.Signature() != kEndRecordSignature) {
    if (!DriveHasSpanLabel() || !OnGetZipLastDisk) return false;
    zipCmntBufSize_ = 32000;
    while ((headerFlags_ & kFoundEndRecord) == 0) {
      bool cancel = true;
      Fire(OnGetZipLastDisk, *this, cancel);
      if (cancel) return false;
      SetArchiveFile(archiveFile_);
    }
  }
  if (!archive_.IsOpen() && !archive_.Open(archiveFile_)) return false;
  spanned_ = true;
  spanLastDisk_ = endRecord_.ThisDisk();
  currentDisk_ =
      diskManager_.SpanDiskNumber > 0 ? static_cast<std::uint16_t>(diskManager_.SpanDiskNumber - 1) : spanLastDisk_;
  volumeNumber_ = static_cast<int>(diskManager_.SpanDiskNumber);
  currentVolume_ = diskManager_.VolumeLabel;
  // The directory is the only sound way through a spanned archive.
  headerFlags_ |= kFoundCentralHeader;
  return true;
}

bool TUnZIP::OpenVolume() {
  if (!archive_.Close()) RaiseError(currentVolume_, "", std::to_string(volumeNumber_), kMsgErrorClosing);
  diskManager_.Refresh();
  if (!archive_.Open(archiveFile_)) return false;
  try {
    archiveSize_ = archive_.Size();
  } catch (const EInOutError&) {
    RaiseError(archiveFile_, "", "0", kMsgErrorReading);
  }
  currentVolume_ = diskManager_.VolumeLabel;
  volumeNumber_ = static_cast<int>(diskManager_.SpanDiskNumber);
  return true;
}

bool TUnZIP::RequestVolume(std::uint16_t disk) {
  for (;;) {
    if (OpenVolume() && diskManager_.SpanDiskNumber == std::uint32_t{disk} + 1) {
      currentDisk_ = disk;
      return true;
    }
    bool cancel = true;
    if (disk == 0 && OnGetZipFirstDisk) {
      Fire(OnGetZipFirstDisk, *this, cancel);
    } else if (disk == spanLastDisk_ && OnGetZipLastDisk) {
      Fire(OnGetZipLastDisk, *this, cancel);
    } else if (OnGetZipNextDisk) {
      Fire(OnGetZipNextDisk, *this, std::to_string(disk + 1), cancel);
    } else {
      return false;
    }
    if (cancel) return false;
  }
}

std::uint64_t TUnZIP::ArchivePosition() const { return archive_.Position(); }

void TUnZIP::SeekArchive(std::uint16_t disk, std::uint64_t position) {
  if (spanned_ && disk != currentDisk_ && !RequestVolume(disk)) throw EInOutError("volume not available");
  archive_.Seek(position);
}

std::size_t TUnZIP::ReadArchive(void* buffer, std::size_t count) {
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  std::size_t got = archive_.Read(bytes, count);
  while (spanned_ && got < count && currentDisk_ < spanLastDisk_) {
    if (!RequestVolume(static_cast<std::uint16_t>(currentDisk_ + 1))) break;
    archive_.Seek(0);
    got += archive_.Read(bytes + got, count - got);
  }
  return got;
}

void TUnZIP::SkipArchive(std::uint64_t count) {
  std::uint64_t target = archive_.Position() + count;
  while (spanned_ && target > archiveSize_ && currentDisk_ < spanLastDisk_) {
    target -= archiveSize_;
    if (!RequestVolume(static_cast<std::uint16_t>(currentDisk_ + 1))) throw EInOutError("volume not available");
  }
  archive_.Seek(target);
}

}  // namespace unzip
