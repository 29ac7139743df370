// Archive-type detection: runs whenever an archive name is assigned. It recognises the format
// from signatures (also inside self-extracting executables), finds the zip directory and
// records where the archive's data start.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "messages.h"
#include "tunzip.h"

namespace unzip {

namespace {

constexpr std::size_t kBlockSize = 32768;
constexpr std::uint32_t kUnknownArchiveDate = 29221;

// The extension of a file name without its dot; empty when there is none.
std::string ExtensionOf(const std::string& name) {
  const std::size_t slash = name.find_last_of('/');
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return name.substr(dot + 1);
}

std::string UpperText(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool HasAceMarker(const std::uint8_t* block) { return std::memcmp(block + 7, "**ACE**", 7) == 0; }

// The executable's string resources hold, as decimal text, where its archive may begin.
bool ParseResourceOffset(const std::string& text, std::uint64_t& offset) {
  const std::string digits = text.substr(0, 5);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  offset = std::stoull(digits);
  return true;
}

}  // namespace

void TUnZIP::SetArchiveFile(const std::string& name) {
  if (name.empty()) {
    archiveFile_.clear();
    if (activeExtractor_ == this) activeExtractor_ = nullptr;
    arcType_ = atNA;
    return;
  }
  processedCount_ = 0;
  startPos_ = 1;
  archiveFile_ = name;
  SetArcType(atUnknown);
  SetupVolumeNumbering();
}

void TUnZIP::SetArcType(TArcType) { DetectArchiveType(); }

void TUnZIP::RefreshArchiveDrive() {
  const std::string drive = platform_.DriveOf(archiveFile_);
  // A removable drive may hold another disk than when it was last looked at.
  if (drive == diskManager_.Drive && DriveIsRemovable()) {
    diskManager_.Refresh();
  } else {
    diskManager_.SetDrive(drive);
  }
}

bool TUnZIP::DriveHasSpanLabel() const { return diskManager_.VolumeLabel.find(kSpanLabelMarker) != std::string::npos; }

TArcType TUnZIP::ArcTypeFromSignature(const std::uint8_t signature[4], SignaturePlace place) {
  const int row = SignatureRow(signature);
  if (row == kRowSpanMarker) {
    RefreshArchiveDrive();
    headerFlags_ = kFoundLocalHeader;
    if (!DriveIsRemovable()) return atZip;
    return DriveHasSpanLabel() ? atZipMV : atNA;
  }
  if (row == kRowCentralHeader) {
    if (!DriveHasSpanLabel()) return atNA;
    LocateCentralDirectory();
    return atZipMV;
  }
  if (row == kRowArcExeOffset) headerPos_ = 7717;
  return ArcTypeOfSignatureRow(row, place);
}

void TUnZIP::DetectArchiveType() {
  if (archiveFile_.empty()) {
    arcType_ = atNA;
    return;
  }
  arcType_ = atFileOpenErr;
  if (!archive_.Open(archiveFile_)) return;
  struct CloseOnExit {
    ReadOnlyFile& file;
    ~CloseOnExit() { file.Close(); }
  } closeOnExit{archive_};

  RefreshArchiveDrive();
  headerPos_ = 1;
  offsetBias_ = 0;
  bool sized = true;
  try {
    archiveSize_ = archive_.Size();
  } catch (const EInOutError&) {
    sized = false;
  }
  headerFlags_ = 0;
  if (sized && archiveSize_ > 19 && !CheckZipAtKnownOffsets()) {
    std::vector<std::uint8_t> block(kBlockSize, 0);
    const std::size_t fill = ReadAt(0, block.data(), kBlockSize - 1);
    if (block[0] == 'M' && block[1] == 'Z') {
      ProbeExecutable(block.data());
    } else {
      ProbeOtherFile(block.data(), fill);
    }
  }

  archiveDate_ = kUnknownArchiveDate;
  if (IsKnownArcType(arcType_)) {
    if (arcType_ == atZip && UpperText(ExtensionOf(archiveFile_)) == "JAR") arcType_ = atJar;
    std::uint32_t date = 0;
    if (archive_.ModificationDosDateTime(date)) archiveDate_ = date;
  }
}

void TUnZIP::ProbeExecutable(const std::uint8_t* block) {
  arcType_ = atUnknown;

  // Self-extractors may name their archive's offset in their string table.
  if (const auto strings = platform_.LoadStringTable(archiveFile_, 4)) {
    for (const std::string& text : *strings) {
      if (text.empty() || !ParseResourceOffset(text, headerPos_) || headerPos_ >= archiveSize_) break;
      std::uint8_t signature[4];
      try {
        if (ReadAt(headerPos_, signature, 4) != 4) continue;
      } catch (const EInOutError&) {
        continue;
      }
      arcType_ = ArcTypeFromSignature(signature, SignaturePlace::InsideExecutable);
      if (arcType_ != atUnknown) {
        headerFlags_ = kFoundLocalHeader;
        return;
      }
    }
  }

  // What follows the DOS image.
  const std::int64_t imageEnd = (static_cast<std::int64_t>(Le16(block + 4)) - 1) * 512 + Le16(block + 2);
  if (imageEnd > 0 && static_cast<std::uint64_t>(imageEnd) + 4 < archiveSize_) {
    std::uint64_t end = static_cast<std::uint64_t>(imageEnd);
    std::uint8_t signature[4];
    try {
      archive_.Seek(end);
    } catch (const EInOutError&) {
      arcType_ = atFileOpenErr;
      return;
    }
    if (archive_.Read(signature, 4) == 4) {
      if (signature[2] == 0x60 && signature[3] == 0xEA) end += 2;
      headerPos_ = end + 1;
      if (headerPos_ + 4 < archiveSize_) {
        try {
          archive_.Seek(end);
        } catch (const EInOutError&) {
          return;
        }
        if (archive_.Read(signature, 4) == 4 && Le32(signature) != kLocalHeaderSignature) {
          arcType_ = ArcTypeFromSignature(signature, SignaturePlace::InsideExecutable);
          if (IsKnownArcType(arcType_)) return;
        }
      }
    }
  }

  // A zip appended to the executable: its end record leads to it.
  endRecord_.ClearSignature();
  headerPos_ = IsKnownArcType(arcType_) ? FindFirstLocalHeader() : LocateCentralDirectory();
  if (headerPos_ > 0) {
    arcType_ = atZipExe;
    return;
  }
  if (endRecord_.Signature() == kEndRecordSignature && !IsKnownArcType(arcType_)) {
    headerPos_ = FindFirstLocalHeader();
    if (headerPos_ > 0) arcType_ = atZipExe;
    return;
  }
  headerPos_ = ScanForArchiveStart(17000);
}

void TUnZIP::ProbeOtherFile(const std::uint8_t* block, std::size_t fill) {
  // Leading zero bytes (padding before the archive) are skipped.
  std::size_t zeros = 0;
  while (zeros < fill && block[zeros] == 0) ++zeros;
  std::uint8_t signature[4] = {0, 0, 0, 0};
  if (zeros < fill) std::memcpy(signature, block + zeros, std::min<std::size_t>(4, kBlockSize - zeros));
  arcType_ = ArcTypeFromSignature(signature, SignaturePlace::FileStart);

  if (arcType_ == atJar || arcType_ == atZip || arcType_ == atZipExe) {
    if (DriveIsRemovable()) arcType_ = atZipMV;
    headerPos_ = LocateCentralDirectory();
    if (headerPos_ == 0) {
      headerPos_ = zeros;
      headerFlags_ |= kFoundLocalHeader;
    }
  } else if (arcType_ != atZipMV && HasAceMarker(block)) {
    arcType_ = atACE;
  }
  if (IsKnownArcType(arcType_)) return;

  if (DriveIsRemovable() && DriveHasSpanLabel()) {
    headerPos_ = LocateCentralDirectory();
    if ((headerFlags_ & kFoundLocalHeader) == 0) arcType_ = atZipMV;
  } else if (HasAceMarker(block)) {
    arcType_ = atACE;
  } else if (!IsUueFile() && !IsTarFile()) {
    headerPos_ = LocateCentralDirectory();
    if (headerPos_ > 0) arcType_ = atZip;
  }
}

void TUnZIP::SetupVolumeNumbering() {
  volumeNumber_ = 0;
  const char* defaultExtension = nullptr;
  switch (arcType_) {
    case atACE:
      volumeLetter_ = 'C';
      defaultExtension = "Ace";
      break;
    case atArj:
      volumeLetter_ = 'a';
      defaultExtension = "Arj";
      break;
    case atRar:
    case atRarExe:
      volumeLetter_ = 'r';
      defaultExtension = "Rar";
      break;
    default:
      return;
  }
  std::string extension = ExtensionOf(archiveFile_);
  if (extension.empty()) extension = defaultExtension;
  std::size_t digitsFrom = extension.size();
  while (digitsFrom > 0 && std::isdigit(static_cast<unsigned char>(extension[digitsFrom - 1]))) --digitsFrom;
  if (digitsFrom == extension.size()) {
    volumeNumber_ = arcType_ == atArj ? 1 : 0;
    return;
  }
  // Nine digits are plenty for a volume number and can't overflow.
  volumeNumber_ =
      std::stoi(extension.substr(std::max(digitsFrom, extension.size() - std::min<std::size_t>(9, extension.size())))) +
      1;
  volumeLetter_ = extension[0];
}

}  // namespace unzip
