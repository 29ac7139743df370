// Finding a zip archive's directory: the end record at the file's end, the central directory
// it points to and the first local header, plus the probes at the offsets where
// self-extractors of old put their archive.
#include <algorithm>
#include <array>
#include <vector>

#include "messages.h"
#include "tunzip.h"

namespace unzip {

namespace {

struct KnownOffset {
  std::uint64_t offset;
  bool marksLocalHeader;
};

// Where the self-extractor stubs of old end.
constexpr std::array<KnownOffset, 3> kKnownOffsets{{{7612, true}, {15770, true}, {25661, false}}};

constexpr std::size_t kScanChunk = 32768;

}  // namespace

std::size_t TUnZIP::ReadAt(std::uint64_t position, void* buffer, std::size_t count) {
  archive_.Seek(position);
  return archive_.Read(buffer, count);
}

bool TUnZIP::CheckZipAtKnownOffsets() {
  arcType_ = atZipExe;
  bool found = false;
  std::uint8_t signature[4];
  if (archiveSize_ > 4) {
    try {
      if (ReadAt(0, signature, 4) == 4 && Le32(signature) == kLocalHeaderSignature) {
        headerPos_ = FindFirstLocalHeader();
        if (headerPos_ > 0) arcType_ = atZip;
        found = headerPos_ > 0;
        if (!found) arcType_ = atNA;
        return found;
      }
    } catch (const EInOutError&) {
      arcType_ = atNA;
      return false;
    }
  }
  for (const KnownOffset& known : kKnownOffsets) {
    if (archiveSize_ <= known.offset + 4) continue;
    try {
      if (ReadAt(known.offset, signature, 4) == 4 && Le32(signature) == kLocalHeaderSignature) {
        headerPos_ = known.offset;
        if (known.marksLocalHeader) headerFlags_ = kFoundLocalHeader;
        found = true;
        break;
      }
    } catch (const EInOutError&) {
      if (known.offset == kKnownOffsets[0].offset) break;
    }
  }
  if (!found) arcType_ = atNA;
  return found;
}

std::uint64_t TUnZIP::LocateCentralDirectory() {
  std::uint64_t window = static_cast<std::uint64_t>(zipCmntBufSize_) + 23;
  if (window > archiveSize_) {
    if (zipCmntBufSize_ == 0) {
      window = 23;
    } else if (archiveSize_ > 32768) {
      window = 32768;
    } else {
      window = archiveSize_ - 1;
    }
  }
  headerFlags_ = 0;
  offsetBias_ = 0;
  if (archiveSize_ <= window) return 0;

  try {
    std::vector<std::uint8_t> tail(window);
    const std::uint64_t tailStart = archiveSize_ - window;
    const std::size_t got = ReadAt(tailStart, tail.data(), tail.size());
    if (got < kEndRecordSize) return 0;
    // Backwards, so that the record nearest the end wins over look-alikes in a comment.
    std::size_t at = got - 21;
    while (at >= 1 && Le32(&tail[at]) != kEndRecordSignature) --at;
    if (at == 0 || at + kEndRecordSize > got) return 0;

    std::copy_n(tail.begin() + static_cast<std::ptrdiff_t>(at), kEndRecordSize, endRecord_.bytes.begin());
    headerFlags_ |= kFoundEndRecord;

    const std::uint64_t stored = endRecord_.CentralDirectoryOffset();
    bool central = ReadAt(stored, centralHeader_.bytes.data(), kCentralHeaderSize) == kCentralHeaderSize &&
                   centralHeader_.Signature() == kCentralHeaderSignature;
    // A zip whose offsets count from its own start, behind a stub that was not accounted
    // for: the directory ends where the end record begins, so its true start is known.
    const std::uint64_t endRecordPos = tailStart + at;
    const std::uint64_t directorySize = endRecord_.CentralDirectorySize();
    if (!central && endRecord_.ThisDisk() == 0 && endRecord_.CentralDirectoryDisk() == 0 &&
        endRecordPos >= directorySize && endRecordPos - directorySize > stored) {
      const std::uint64_t actual = endRecordPos - directorySize;
      central = ReadAt(actual, centralHeader_.bytes.data(), kCentralHeaderSize) == kCentralHeaderSize &&
                centralHeader_.Signature() == kCentralHeaderSignature;
      if (central) offsetBias_ = actual - stored;
    }
    if (!central) return 0;
    headerFlags_ |= kFoundCentralHeader;

    if (ReadAt(centralHeader_.LocalHeaderOffset() + offsetBias_, localHeader_.bytes.data(), kLocalHeaderSize) !=
            kLocalHeaderSize ||
        localHeader_.Signature() != kLocalHeaderSignature) {
      return 0;
    }
    headerFlags_ |= kFoundLocalHeader;
    return stored + offsetBias_;
  } catch (const EInOutError&) {
    return 0;
  }
}

std::uint64_t TUnZIP::FindFirstLocalHeader() {
  arcType_ = atUnknown;
  LocateCentralDirectory();
  const std::uint64_t directory = static_cast<std::uint64_t>(endRecord_.CentralDirectoryOffset()) + offsetBias_;
  if (directory >= archiveSize_ || (headerFlags_ & kFoundEndRecord) == 0) return 0;
  if (directory > 0) {
    if (ReadAt(directory, centralHeader_.bytes.data(), kCentralHeaderSize) == kCentralHeaderSize &&
        centralHeader_.Signature() == kCentralHeaderSignature) {
      return directory;
    }
    return 0;
  }
  if (archiveSize_ <= 25000) return 0;
  std::vector<std::uint8_t> chunk(kScanChunk);
  const std::size_t got = ReadAt(25000, chunk.data(), chunk.size());
  for (std::size_t i = 0; i + 4 <= got; ++i) {
    if (Le32(&chunk[i]) == kLocalHeaderSignature) {
      headerFlags_ = kFoundLocalHeader;
      return 25000 + i;
    }
  }
  return 0;
}

std::uint64_t TUnZIP::ScanForArchiveStart(std::uint64_t start) {
  arcType_ = atUnknown;
  if (archiveSize_ <= start) return 0;
  try {
    std::vector<std::uint8_t> chunk(kScanChunk);
    archive_.Seek(start);
    for (int number = 0; number < 6; ++number) {
      const std::size_t got = archive_.Read(chunk.data(), chunk.size());
      if (got == 0) break;
      const std::uint64_t chunkStart = start + static_cast<std::uint64_t>(number) * kScanChunk;
      for (std::size_t i = 0; i < got; ++i) {
        const std::uint64_t at = chunkStart + i;
        const std::uint8_t* p = &chunk[i];
        if (i + 4 < got && p[0] == '-' && p[1] == 'l' && p[2] == 'h' && p[4] == '-' && at + 5 < archiveSize_) {
          arcType_ = atLhaExe;
          return at - 1;
        }
        if (i + 4 <= got && Le32(p) == kLocalHeaderSignature) {
          arcType_ = atZipExe;
          headerFlags_ = kFoundLocalHeader;
          return at;
        }
        if (i + 4 <= got && p[0] == 'R' && p[1] == 'a' && p[2] == 'r' && p[3] == '!') {
          arcType_ = atRarExe;
          return at + 1;
        }
      }
    }
  } catch (const EInOutError&) {
  }
  return 0;
}

}  // namespace unzip
