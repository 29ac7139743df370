// TUnZIP: the installer's zip-extraction component.
//
// Assigning ArchiveFile detects the archive's type and finds its zip directory; ExtractFiles
// writes the entries that FileSpec selects into ExtractDir. Everything the caller may want to
// hear about arrives through the events; every failure also carries one of the library's
// message numbers (messages.h).
//
// An extraction that could not write every selected entry is not a success: each failed entry
// is reported through OnError, its partial output deleted, FailedCount() counts them, and
// ExtractFiles ends by throwing E_RAISE with the number of the first failure.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "arc_type.h"
#include "decompress.h"
#include "disk_manager.h"
#include "dos_date_time.h"
#include "read_only_file.h"
#include "tarq_timer.h"
#include "unzip_platform.h"
#include "zip_crypt.h"
#include "zip_records.h"

namespace unzip {

enum class TOverwriteMode : std::uint8_t { omOverwrite, omSkip };
enum class TCpuType : std::uint8_t { cptAuto, cpt80286, cpt80386, cpt80486 };
enum class TDateAttribute : std::uint8_t { daFileDate, daSysDate, daMaxFileDate };

// HeaderFlags bits: what detection found sound.
inline constexpr std::uint8_t kFoundEndRecord = 1;
inline constexpr std::uint8_t kFoundCentralHeader = 8;
inline constexpr std::uint8_t kFoundLocalHeader = 16;

// One entry selected for extraction.
struct ZipEntry {
  std::uint16_t Flags = 0;
  std::uint16_t Method = 0;
  std::uint16_t Disk = 0;  // the volume that holds its local header (spanned archives)
  std::uint64_t LocalHeaderOffset = 0;
  std::uint32_t CompressedSize = 0;  // with the 12-byte encryption header, if any
  std::uint32_t UncompressedSize = 0;
  std::uint32_t Crc32 = 0;
  std::uint32_t Attributes = 0;
  std::string StoredName;  // the name that selected the entry, in the archive's code page
};

class TUnZIP;
using TNotifyEvent = std::function<void(TUnZIP& sender)>;
using TOnElapsedTime = std::function<void(TUnZIP& sender, float elapsedTime)>;
using TOnError = std::function<void(TUnZIP& sender, const std::string& fn, const std::string& msgEx,
                                    const std::string& volumeId, int eCode)>;
using TOnBegin = std::function<void(TUnZIP& sender, const std::string& fn, int recNum, bool& extract)>;
using TOnEnd = std::function<void(TUnZIP& sender, const std::string& fn, bool crcPass)>;
using TOnGetPassword =
    std::function<void(TUnZIP& sender, const std::string& fn, std::string& password, bool& tryAgain)>;
using TOnGetZipFirstDisk = std::function<void(TUnZIP& sender, bool& cancel)>;
using TOnGetZipNextDisk = std::function<void(TUnZIP& sender, const std::string& volumeName, bool& cancel)>;
using TOnGetZipLastDisk = std::function<void(TUnZIP& sender, bool& cancel)>;
using TOnFileExists =
    std::function<void(TUnZIP& sender, const std::string& fn, TDateTime fileDate, TOverwriteMode& overwriteMode)>;
using TOnProgress = std::function<void(TUnZIP& sender, std::uint8_t progressByFile, std::uint8_t progressByArchive)>;
using TOnRenameFile = std::function<void(TUnZIP& sender, std::string& filename)>;
using TOnCorruptZipHeader = std::function<void(TUnZIP& sender, std::uint8_t headFlag, bool& cancel)>;

class TUnZIP {
 public:
  explicit TUnZIP(UnzipPlatform& platform = SystemUnzipPlatform());
  ~TUnZIP();
  TUnZIP(const TUnZIP&) = delete;
  TUnZIP& operator=(const TUnZIP&) = delete;

  // --- published properties ---
  const std::string& ArchiveFile() const { return archiveFile_; }
  void SetArchiveFile(const std::string& name);  // runs the detection
  TArcType ArcType() const { return arcType_; }
  void SetArcType(TArcType ignored);  // runs the detection again
  const std::string& ExtractDir() const { return extractDir_; }
  void SetExtractDir(const std::string& folder);
  const std::vector<std::string>& FileSpec() const { return fileSpec_; }
  void SetFileSpec(const std::vector<std::string>& specs);
  void AddFileSpec(const std::string& spec);  // the list's Add, normalised like the setter
  int ZipCmntBufSize() const { return zipCmntBufSize_; }
  void SetZipCmntBufSize(int size);  // clamped to 2000 ... 32767
  std::vector<std::string> Passwords;
  bool ConfirmOverwrites = true;
  TOverwriteMode OverwriteMode = TOverwriteMode::omOverwrite;
  TCpuType CpuType = TCpuType::cptAuto;
  int PasswordAttempts = 3;
  bool RestoreFileAttr = true;
  TDateAttribute DateAttribute = TDateAttribute::daFileDate;
  bool UseStoredDirs = true;

  // --- events ---
  TOnElapsedTime OnElapsedTime;
  TOnError OnError;
  TNotifyEvent OnActivate;
  TOnBegin OnBegin;
  TNotifyEvent OnDeactivate;
  TOnEnd OnEnd;
  TOnGetPassword OnGetPassword;
  TOnGetZipFirstDisk OnGetZipFirstDisk;
  TOnGetZipNextDisk OnGetZipNextDisk;
  TOnGetZipLastDisk OnGetZipLastDisk;
  TOnFileExists OnFileExists;
  TOnProgress OnProgress;
  TOnRenameFile OnRenameCompressedFile;
  TOnCorruptZipHeader OnCorruptZipHeader;

  // --- the run ---
  // Extracts the selected entries; returns how many were counted for writing. Throws E_RAISE
  // when the archive can't be used at all, and after the walk when it was incomplete.
  int ExtractFiles();
  void SetCancel(bool cancel) { cancelFlag_ = cancel; }

  // --- what detection and the last run found ---
  std::uint64_t HeaderPos() const { return headerPos_; }
  std::uint8_t HeaderFlags() const { return headerFlags_; }
  std::uint64_t ArchiveSize() const { return archiveSize_; }
  std::uint32_t ArchiveDate() const { return archiveDate_; }
  int VolumeNumber() const { return volumeNumber_; }
  char VolumeLetter() const { return volumeLetter_; }
  int ProcessedCount() const { return processedCount_; }
  int FailedCount() const { return failedCount_; }
  // True when the last run left selected entries unwritten or could not vouch for the
  // archive's directory.
  bool Incomplete() const { return firstFailureCode_ != 0; }
  TDiskManager& DiskManager() { return diskManager_; }

 private:
  // detection (archive_detection.cpp, zip_directory.cpp, other_formats.cpp)
  void DetectArchiveType();
  void ProbeExecutable(const std::uint8_t* block);
  void ProbeOtherFile(const std::uint8_t* block, std::size_t blockFill);
  TArcType ArcTypeFromSignature(const std::uint8_t signature[4], SignaturePlace place);
  bool CheckZipAtKnownOffsets();
  std::uint64_t LocateCentralDirectory();
  std::uint64_t FindFirstLocalHeader();
  std::uint64_t ScanForArchiveStart(std::uint64_t start);
  bool IsUueFile();
  bool IsTarFile();
  void SetupVolumeNumbering();
  void RefreshArchiveDrive();
  bool DriveIsRemovable() const { return diskManager_.DriveType == kDriveRemovable; }
  bool DriveHasSpanLabel() const;
  std::size_t ReadAt(std::uint64_t position, void* buffer, std::size_t count);

  // the run (zip_walk.cpp, zip_selection.cpp)
  int RunExtract();
  void EndRun();
  void ExtractArchive();
  bool ScanDirectory(bool centralScan, bool keep);
  ZipEntry EntryOfCentralHeader() const;
  ZipEntry EntryOfLocalHeader(std::uint64_t position) const;
  void ExtractEntry(const ZipEntry& entry);
  bool ClaimArchiveRange(std::uint16_t disk, std::uint64_t start, std::uint64_t end);
  bool IsSelected(const std::string& name) const;
  bool SpecMayMatchMany() const;
  bool LocalScanReachedDirectoryEnd(std::uint64_t position);

  // one entry's output (zip_entry_output.cpp)
  bool BuildOutputName(const std::string& name);
  std::string OutputFolder() const;
  bool ConfirmEntryWrite(bool& exists, TDateTime fileDate);
  bool CheckPassword(const LocalHeaderRecord& local);
  void WriteEntry(bool encrypted, bool& crcPass);

  // spanned archives (spanned_archive.cpp)
  bool StartSpannedArchive();
  bool RequestVolume(std::uint16_t disk);
  bool OpenVolume();
  // Positioned reads of the archive that move on to the next disk of a spanned archive.
  void SeekArchive(std::uint16_t disk, std::uint64_t position);
  std::size_t ReadArchive(void* buffer, std::size_t count);
  void SkipArchive(std::uint64_t count);
  std::uint64_t ArchivePosition() const;

  // reporting (zip_errors.cpp)
  [[noreturn]] void RaiseError(const std::string& fn, const std::string& msgEx, const std::string& volumeId, int eCode);
  void ReportError(const std::string& fn, const std::string& msgEx, int eCode, const std::string& volumeId = "0");
  // A selected entry that could not be written, and a run that could not vouch for the
  // whole archive: both make the run incomplete.
  void FailEntry(const std::string& fn, const std::string& msgEx, int eCode);
  void FailRun(int eCode, bool reported);
  void ReportProgress(std::uint64_t done, std::uint64_t total);
  void FireOnError(const std::string& fn, const std::string& msgEx, const std::string& volumeId, int eCode);
  // Calls an event handler, when there is one, with the clock paused.
  template <class Handler, class... Args>
  void Fire(const Handler& handler, Args&&... args) {
    if (!handler) return;
    timer_.Pause();
    struct ResumeClock {
      TarqTimer& timer;
      ~ResumeClock() { timer.Resume(); }
    } resumeClock{timer_};
    handler(std::forward<Args>(args)...);
  }

  // The component whose run started last; one extraction runs at a time.
  static TUnZIP* activeExtractor_;

  UnzipPlatform& platform_;
  TDiskManager diskManager_;
  TarqTimer timer_;
  ReadOnlyFile archive_;

  // property stores
  std::string archiveFile_;
  TArcType arcType_ = atNA;
  std::string extractDir_;
  std::vector<std::string> fileSpec_;
  int zipCmntBufSize_ = 0;

  // detection results
  std::uint64_t headerPos_ = 0;
  std::uint8_t headerFlags_ = 0;
  std::uint64_t archiveSize_ = 0;
  std::uint32_t archiveDate_ = 0;
  std::uint64_t startPos_ = 1;
  // Added to every offset the directory records: the length of whatever precedes a zip whose
  // offsets count from its own start (a self-extractor stub that was not adjusted).
  std::uint64_t offsetBias_ = 0;
  char volumeLetter_ = 0;
  int volumeNumber_ = 0;
  LocalHeaderRecord localHeader_;
  CentralHeaderRecord centralHeader_;
  EndRecordRecord endRecord_;

  // run state
  int processedCount_ = 0;
  int failedCount_ = 0;
  int firstFailureCode_ = 0;
  bool cancelFlag_ = false;
  std::vector<ZipEntry> entryList_;
  ZipEntry currentEntry_;
  std::string outputName_;
  std::uint32_t newestFileDate_ = 0;
  std::string currentPassword_;
  std::uint64_t archiveTotal_ = 0;
  std::uint64_t archiveRemaining_ = 0;
  std::uint8_t filePercent_ = 0;
  std::uint8_t archivePercent_ = 0;
  std::string currentVolume_;
  bool walkEnded_ = false;
  // Per disk, the archive bytes (start to end) that the entries written so far occupy.
  std::map<std::uint16_t, std::map<std::uint64_t, std::uint64_t>> claimedRanges_;
  ZipCipher cipher_;
  bool spanned_ = false;
  std::uint16_t currentDisk_ = 0;
  std::uint16_t spanLastDisk_ = 0;
};

}  // namespace unzip
