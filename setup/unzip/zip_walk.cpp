// The extraction run: the driver shared by every run and the two-pass walk over a zip archive,
// first selecting entries from its directory, then writing each selected one.
#include <algorithm>

#include "messages.h"
#include "tunzip.h"
#include "zip_names.h"

namespace unzip {

TUnZIP* TUnZIP::activeExtractor_ = nullptr;

namespace {

constexpr std::uint32_t kFolderOrLabelAttributes = 0x10 | 0x08;
constexpr std::uint32_t kArchiveAttribute = 32;
constexpr std::uint16_t kZip64EntryCount = 0xFFFF;

bool NamesFolder(const std::string& name) { return !name.empty() && (name.back() == '/' || name.back() == '\\'); }

}  // namespace

int TUnZIP::ExtractFiles() { return RunExtract(); }

int TUnZIP::RunExtract() {
  activeExtractor_ = this;
  processedCount_ = 0;
  failedCount_ = 0;
  firstFailureCode_ = 0;
  newestFileDate_ = 0;
  archiveRemaining_ = 0;
  archivePercent_ = 0;
  archiveTotal_ = 0;
  SetCancel(false);
  if (CpuType == TCpuType::cpt80486) CpuType = TCpuType::cptAuto;
  currentVolume_ = archiveFile_;
  // Spanned archives re-detect as disks change; the caller's name comes back at the end.
  struct RestoreName {
    std::string& field;
    const std::string name;
    ~RestoreName() { field = name; }
  } restoreName{archiveFile_, archiveFile_};

  if (archiveFile_.empty()) RaiseError(archiveFile_, "", "0", kMsgFileNotFound);
  // Only zip archives can be walked; the other recognised formats end here.
  if (!IsZipArcType(arcType_)) RaiseError(archiveFile_, "", "0", kMsgBadArchiveType);
  if (!archive_.Open(archiveFile_)) RaiseError(archiveFile_, "", "0", kMsgErrorOpening);

  Fire(OnActivate, *this);
  currentPassword_.clear();
  outputName_.clear();
  startPos_ = headerPos_;
  entryList_.clear();
  claimedRanges_.clear();
  spanned_ = false;
  currentDisk_ = 0;
  if (OnElapsedTime) timer_.Start();

  try {
    ExtractArchive();
  } catch (const E_RAISE& error) {
    FailRun(error.Code(), true);  // reported when raised
  } catch (const EInOutError&) {
    FailRun(kMsgErrorReading, false);
  } catch (...) {
    EndRun();  // an event handler's own exception goes on to the caller
    throw;
  }
  EndRun();
  if (Incomplete()) throw E_RAISE(firstFailureCode_);
  return processedCount_;
}

void TUnZIP::EndRun() {
  entryList_.clear();
  archive_.Close();
  if (OnElapsedTime) {
    timer_.Stop();
    OnElapsedTime(*this, timer_.ElapsedSeconds());
  }
  if (OnDeactivate) OnDeactivate(*this);
}

void TUnZIP::ExtractArchive() {
  startPos_ = headerPos_;
  std::uint16_t directoryDisk = 0;
  if (arcType_ == atZipMV) {
    if (!StartSpannedArchive()) {
      FailRun(kMsgErrorReading, false);
      return;
    }
    directoryDisk = spanned_ ? endRecord_.CentralDirectoryDisk() : 0;
  } else if (OnCorruptZipHeader && (headerFlags_ & (kFoundEndRecord | kFoundCentralHeader | kFoundLocalHeader)) !=
                                       (kFoundEndRecord | kFoundCentralHeader | kFoundLocalHeader)) {
    bool cancel = true;
    Fire(OnCorruptZipHeader, *this, headerFlags_, cancel);
    if (cancel) {
      FailRun(kMsgBadFileHeader, false);
      return;
    }
  }

  const bool centralScan = (headerFlags_ & kFoundCentralHeader) != 0;
  if (centralScan) {
    startPos_ = static_cast<std::uint64_t>(endRecord_.CentralDirectoryOffset()) + (spanned_ ? 0 : offsetBias_);
  } else {
    headerFlags_ = kFoundLocalHeader;
  }
  try {
    SeekArchive(directoryDisk, startPos_);
  } catch (const EInOutError&) {
    RaiseError(archiveFile_, "", "0", kMsgSeekError);
  }

  processedCount_ = 0;
  const bool directorySound = ScanDirectory(centralScan, SpecMayMatchMany());
  archiveRemaining_ = archiveTotal_;
  walkEnded_ = false;
  for (const ZipEntry& entry : entryList_) {
    if (cancelFlag_ || walkEnded_) break;
    ExtractEntry(entry);
  }
  // Entries past a damaged directory were never seen: the caller must not take this for a
  // whole archive.
  if (!directorySound && !cancelFlag_) FailRun(kMsgErrorReading, false);
  endRecord_.ClearSignature();
}

bool TUnZIP::ScanDirectory(bool centralScan, bool keep) {
  archiveTotal_ = 0;
  entryList_.clear();
  const std::size_t headerSize = centralScan ? kCentralHeaderSize : kLocalHeaderSize;
  const std::uint32_t signature = centralScan ? kCentralHeaderSignature : kLocalHeaderSignature;
  std::uint8_t* record = centralScan ? centralHeader_.bytes.data() : localHeader_.bytes.data();
  std::uint32_t recordsSeen = 0;
  timer_.Pause();
  struct ResumeClock {
    TarqTimer& timer;
    ~ResumeClock() { timer.Resume(); }
  } resumeClock{timer_};

  for (;;) {
    const std::uint64_t recordStart = ArchivePosition();
    const std::size_t got = ReadArchive(record, headerSize);
    if (got < headerSize || Le32(record) != signature) {
      if (centralScan) {
        const std::uint16_t announced = endRecord_.EntryCount();
        return announced == kZip64EntryCount || recordsSeen >= announced;
      }
      return LocalScanReachedDirectoryEnd(recordStart);
    }
    ++recordsSeen;
    if (cancelFlag_) return true;

    const std::uint16_t nameLength = centralScan ? centralHeader_.NameLength() : localHeader_.NameLength();
    std::string name(nameLength, '\0');
    if (ReadArchive(name.data(), name.size()) != name.size()) return false;

    ZipEntry entry = centralScan ? EntryOfCentralHeader() : EntryOfLocalHeader(recordStart);
    const bool passedOver =
        NamesFolder(name) || (centralScan && (centralHeader_.ExternalAttributes() & kFolderOrLabelAttributes) != 0);
    if (!passedOver && !name.empty() && IsSelected(NormalizeStoredName(name, entry.Flags))) {
      entry.StoredName = std::move(name);
      const std::uint32_t dateTime = centralScan ? centralHeader_.DateTime() : localHeader_.DateTime();
      if (static_cast<std::int32_t>(dateTime) > static_cast<std::int32_t>(newestFileDate_)) {
        newestFileDate_ = dateTime;
      }
      archiveTotal_ += entry.UncompressedSize;
      entryList_.push_back(std::move(entry));
      if (!keep) return true;
    }
    SkipArchive(centralScan ? std::uint64_t{centralHeader_.ExtraLength()} + centralHeader_.CommentLength()
                            : std::uint64_t{localHeader_.ExtraLength()} + localHeader_.CompressedSize());
  }
}

ZipEntry TUnZIP::EntryOfCentralHeader() const {
  ZipEntry entry;
  entry.Flags = centralHeader_.Flags();
  entry.Method = centralHeader_.Method();
  entry.Disk = centralHeader_.DiskNumberStart();
  entry.LocalHeaderOffset = centralHeader_.LocalHeaderOffset() + (spanned_ ? 0 : offsetBias_);
  entry.CompressedSize = centralHeader_.CompressedSize();
  entry.UncompressedSize = centralHeader_.UncompressedSize();
  entry.Crc32 = centralHeader_.Crc32();
  entry.Attributes = centralHeader_.ExternalAttributes();
  return entry;
}

ZipEntry TUnZIP::EntryOfLocalHeader(std::uint64_t position) const {
  ZipEntry entry;
  entry.Flags = localHeader_.Flags();
  entry.Method = localHeader_.Method();
  entry.LocalHeaderOffset = position;
  entry.CompressedSize = localHeader_.CompressedSize();
  entry.UncompressedSize = localHeader_.UncompressedSize();
  entry.Crc32 = localHeader_.Crc32();
  entry.Attributes = kArchiveAttribute;
  return entry;
}

bool TUnZIP::LocalScanReachedDirectoryEnd(std::uint64_t position) {
  // After the last entry a sound archive holds its central directory and then the end record.
  CentralHeaderRecord central;
  for (;;) {
    const std::size_t got = ReadAt(position, central.bytes.data(), kCentralHeaderSize);
    if (got >= kEndRecordSize && central.Signature() == kEndRecordSignature) return true;
    if (got < kCentralHeaderSize || central.Signature() != kCentralHeaderSignature) return false;
    position +=
        kCentralHeaderSize + std::uint64_t{central.NameLength()} + central.ExtraLength() + central.CommentLength();
  }
}

bool TUnZIP::IsSelected(const std::string& name) const {
  return std::any_of(fileSpec_.begin(), fileSpec_.end(),
                     [&](const std::string& spec) { return spec == "*.*" || WildcardMatch(spec, name, false); });
}

bool TUnZIP::SpecMayMatchMany() const {
  if (fileSpec_.size() > 1) return fileSpec_.size() > entryList_.size();
  return fileSpec_.size() == 1 && fileSpec_[0].find('*') != std::string::npos;
}

}  // namespace unzip
