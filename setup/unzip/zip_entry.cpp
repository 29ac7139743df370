// Pass 2 of the walk for one selected entry: its local header, output name, the overwrite
// decision, the password, the output file, decompression, CRC check, date and attributes.
//
// An entry that can't be written whole is a failure: it is reported, counted and its partial
// output deleted, so that nothing half-written is left looking like an installed file.
#include <algorithm>
#include <ctime>
#include <iterator>
#include <map>

#include "messages.h"
#include "output_name.h"
#include "tunzip.h"
#include "zip_crc.h"
#include "zip_crypt.h"
#include "zip_names.h"

namespace unzip {

namespace {

constexpr std::uint32_t kArchiveAttribute = 32;

}  // namespace

void TUnZIP::ExtractEntry(const ZipEntry& entry) {
  currentEntry_ = entry;
  LocalHeaderRecord local;
  SeekArchive(entry.Disk, entry.LocalHeaderOffset);
  if (ReadArchive(local.bytes.data(), kLocalHeaderSize) != kLocalHeaderSize ||
      local.Signature() != kLocalHeaderSignature) {
    FailEntry("", "", kMsgBadLocalHeader);
    return;
  }
  localHeader_ = local;
  const std::string displayName = NormalizeStoredName(entry.StoredName, entry.Flags);
  const std::uint64_t entryEnd =
      entry.LocalHeaderOffset + kLocalHeaderSize + local.NameLength() + local.ExtraLength() + entry.CompressedSize;
  if (!ClaimArchiveRange(entry.Disk, entry.LocalHeaderOffset, entryEnd)) {
    FailEntry(displayName, "", kMsgBadLocalHeader);
    return;
  }
  // The entry is named from the record that selected it, never from a second copy of the name.
  if (!BuildOutputName(displayName)) {
    FailEntry(displayName, "name leads outside the target folder", kMsgErrorOpening);
    return;
  }

  bool exists = false;
  if (!ConfirmEntryWrite(exists, DosDateToDateTime(local.DateTime()))) {
    walkEnded_ = true;
    return;
  }
  if (exists && OverwriteMode == TOverwriteMode::omSkip) {
    archiveRemaining_ -= std::min<std::uint64_t>(archiveRemaining_, entry.UncompressedSize);
    ReportProgress(0, 0);
    return;
  }
  SkipArchive(std::uint64_t{local.NameLength()} + local.ExtraLength());

  const bool encrypted = (local.Flags() & kFlagEncrypted) != 0;
  bool crcPass = false;
  if (!encrypted || CheckPassword(local)) {
    WriteEntry(encrypted, crcPass);
  } else if (OnGetPassword) {
    FailEntry(outputName_, "", kMsgPasswordFailed);
    walkEnded_ = true;
  } else {
    FailEntry(outputName_, "OnGetPassword", kMsgEventNotAssigned);
  }
  Fire(OnEnd, *this, outputName_, crcPass);
}

bool TUnZIP::ClaimArchiveRange(std::uint16_t disk, std::uint64_t start, std::uint64_t end) {
  // Directory records that share their data would write the same bytes again and again: the
  // shape of an archive built to fill the disk, never of a sound one.
  std::map<std::uint64_t, std::uint64_t>& ranges = claimedRanges_[disk];
  const auto next = ranges.lower_bound(start);
  if (next != ranges.end() && next->first < end) return false;
  if (next != ranges.begin() && std::prev(next)->second > start) return false;
  ranges.emplace(start, end);
  return true;
}

bool TUnZIP::BuildOutputName(const std::string& name) {
  if (extractDir_.empty()) SetExtractDir("");
  if (extractDir_.empty()) extractDir_ = platform_.DriveOf(".") + "/";
  const std::optional<std::string> relative = RelativeOutputPath(name, UseStoredDirs);
  if (!relative) return false;
  outputName_ = OutputFolder() + *relative;
  return true;
}

std::string TUnZIP::OutputFolder() const {
  // A relative target folder counts from the root, as it always did.
  return extractDir_.front() == '/' ? extractDir_ : "/" + extractDir_;
}

bool TUnZIP::ConfirmEntryWrite(bool& exists, TDateTime fileDate) {
  timer_.Pause();
  if (OnProgress) OnProgress(*this, 0, archivePercent_);
  exists = platform_.Output().FileExists(outputName_);
  if (ConfirmOverwrites && exists) {
    if (OnFileExists) {
      OnFileExists(*this, outputName_, fileDate, OverwriteMode);
    } else {
      OverwriteMode = TOverwriteMode::omSkip;
    }
  }
  if (!exists || (OverwriteMode == TOverwriteMode::omOverwrite && !cancelFlag_)) {
    ++processedCount_;
    std::string name = outputName_;
    bool extract = true;
    if (OnBegin) OnBegin(*this, name, processedCount_, extract);
    if (extract && OnRenameCompressedFile) OnRenameCompressedFile(*this, name);
    if (extract) outputName_ = name;
  }
  timer_.Resume();
  return !cancelFlag_;
}

bool TUnZIP::CheckPassword(const LocalHeaderRecord& local) {
  timer_.Pause();
  struct ResumeClock {
    TarqTimer& timer;
    ~ResumeClock() { timer.Resume(); }
  } resumeClock{timer_};
  EncryptionHeader header{};
  if (ReadArchive(header.data(), header.size()) != header.size()) return false;
  auto fits = [&](const std::string& password) {
    return CryptCheckHeader(header, local.Flags(), password, local.Time(), local.Crc32(), cipher_);
  };
  if (fits(currentPassword_)) return true;
  for (const std::string& password : Passwords) {
    currentPassword_ = password;
    if (fits(currentPassword_)) return true;
  }
  if (!OnGetPassword) return false;
  bool tryAgain = true;
  for (int attempt = 0; attempt < PasswordAttempts; ++attempt) {
    OnGetPassword(*this, outputName_, currentPassword_, tryAgain);
    if (!tryAgain) break;
    if (fits(currentPassword_)) {
      Passwords.insert(Passwords.begin(), currentPassword_);
      return true;
    }
    currentPassword_.clear();
    ReportError(outputName_, "", kMsgInvalidPassword);
  }
  return false;
}

void TUnZIP::WriteEntry(bool encrypted, bool& crcPass) {
  const ZipEntry& entry = currentEntry_;
  if (encrypted && entry.CompressedSize < kEncryptionHeaderSize) {
    FailEntry(outputName_, "", kMsgErrorReading);
    return;
  }
  UnzipOutput& out = platform_.Output();
  if (!out.LiesInsideFolder(outputName_, OutputFolder())) {
    FailEntry(outputName_, "name leads outside the target folder", kMsgErrorOpening);
    return;
  }
  const std::string folder = FolderPart(outputName_);
  out.CreateFolders(folder);
  // Checked again now that the folders exist: a link among them may point elsewhere.
  if (!out.LiesInsideFolder(outputName_, OutputFolder())) {
    FailEntry(outputName_, "name leads outside the target folder", kMsgErrorOpening);
    return;
  }
  if (const auto space = platform_.QueryFreeSpace(folder); space && entry.UncompressedSize > space->FreeBytes()) {
    FailEntry(outputName_, "", kMsgErrorWriting);
    return;
  }
  const std::unique_ptr<OutputSink> sink = out.CreateFile(outputName_);
  if (!sink) {
    FailEntry(outputName_, "", kMsgErrorOpening);
    return;
  }
  OutputSink& output = *sink;

  std::uint64_t budget = entry.CompressedSize - (encrypted ? kEncryptionHeaderSize : 0);
  std::uint32_t crc = 0xFFFFFFFF;
  std::uint64_t written = 0;
  EntryStreams streams;
  streams.input = [&](std::uint8_t* buffer, std::size_t capacity) -> std::size_t {
    const std::size_t got = ReadArchive(buffer, static_cast<std::size_t>(std::min<std::uint64_t>(budget, capacity)));
    budget -= got;
    if (encrypted) CryptDecryptBlock(buffer, got, cipher_);
    return got;
  };
  streams.output = [&](const std::uint8_t* data, std::size_t count) {
    if (!output.Write(data, count)) return false;
    Crc32Block(data, count, crc);
    written += count;
    archiveRemaining_ -= std::min<std::uint64_t>(archiveRemaining_, count);
    ReportProgress(written, entry.UncompressedSize);
    return true;
  };
  streams.cancelled = [this] { return cancelFlag_; };
  EntryInfo info;
  info.method = entry.Method;
  info.flags = entry.Flags;
  info.compressedSize = budget;
  info.uncompressedSize = entry.UncompressedSize;
  DecompressResult result;
  try {
    result = DecompressEntry(info, streams);
  } catch (...) {
    output.Discard();  // the archive or a disk change failed under it: the walk ends
    throw;
  }

  if (result.status == DecompressStatus::Aborted) {
    output.Discard();
    return;
  }
  if (result.status != DecompressStatus::Ok) {
    output.Discard();
    FailEntry(outputName_, "", result.message != 0 ? result.message : kMsgErrorWriting);
    return;
  }
  switch (DateAttribute) {
    case TDateAttribute::daFileDate:
      if (const auto moment = DosDateTimeToUnixTime(localHeader_.DateTime())) output.SetModificationTime(*moment);
      break;
    case TDateAttribute::daSysDate:
      break;
    case TDateAttribute::daMaxFileDate:
      if (const auto moment = DosDateTimeToUnixTime(newestFileDate_)) output.SetModificationTime(*moment);
      break;
  }
  if (!output.Close()) {
    output.Discard();
    FailEntry(outputName_, "", kMsgErrorWriting);
    return;
  }
  crcPass = (crc ^ 0xFFFFFFFF) == entry.Crc32;
  if (!crcPass) {
    output.Discard();
    FailEntry(NormalizeStoredName(entry.StoredName, entry.Flags), "", kMsgCrcFailed);
    return;
  }
  if (RestoreFileAttr && entry.Attributes != kArchiveAttribute) out.ApplyAttributes(outputName_, entry.Attributes);
}

}  // namespace unzip
