// Decompression of one zip entry.
//
// How the walk uses it: once the output file of an entry is open (and, for an encrypted entry,
// once the 12-byte encryption header has been read and checked), the walk fills an EntryInfo
// from the entry's record and calls DecompressEntry with
//   - input:  reads the entry's compressed bytes (the walk's ReadBlock: bounded by the compressed
//             size, deciphered when the entry is encrypted, moving on to the next volume of a
//             spanned archive); it returns the number of bytes placed, 0 only when the entry's data
//             are exhausted (or the next volume could not be had);
//   - output: takes each block of plain output, at most kOutputBlockSize bytes (the walk's
//             DecryptWriteBlock: CRC-32, write, progress report); false means the write failed;
//   - cancelled (optional): polled before every input read and after every output block; true ends
//             the entry with DecompressStatus::Aborted and nothing is reported.
// Every method (stored included) produces at most UncompressedSize bytes. The result tells apart
// success from each kind of failure; `message` is the library's message number the walk reports
// through its error event (0 when nothing is to be reported). Bytes decoded before a failure have
// already been passed to output, so the walk dates and closes the file and checks the CRC as usual.
// An exception thrown by one of the callables passes through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace unzip {

// Message numbers the decompressors report.
inline constexpr int kMsgBadBlock = 25109;
inline constexpr int kMsgErrorWriting = 25136;
inline constexpr int kMsgIncompleteCodeSet = 25138;
inline constexpr int kMsgBadLengths = 25247;
inline constexpr int kMsgAmbiguousTree = 25293;
inline constexpr int kMsgStackOverflow = 25298;
inline constexpr int kMsgUnsupportedMethod = 25326;

inline constexpr std::size_t kOutputBlockSize = 32768;

// General-purpose flag bits that matter to the decompressors.
inline constexpr std::uint16_t kFlagEncrypted = 0x0001;
inline constexpr std::uint16_t kFlagImplode8K = 0x0002;       // explode: 8192-byte dictionary
inline constexpr std::uint16_t kFlagImplodeLitTree = 0x0004;  // explode: literal tree present
inline constexpr std::uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr std::uint16_t kFlagUtf8Name = 0x0800;

struct EntryInfo {
  std::uint16_t method = 0;          // 0 stored, 1 shrunk, 2-5 reduced, 6 imploded, 8 deflated
  std::uint16_t flags = 0;           // general-purpose flags of the entry
  std::uint64_t compressedSize = 0;  // bytes of compressed data, without the encryption header
  std::uint64_t uncompressedSize = 0;
};

struct EntryStreams {
  std::function<std::size_t(std::uint8_t* buffer, std::size_t capacity)> input;
  std::function<bool(const std::uint8_t* data, std::size_t count)> output;
  std::function<bool()> cancelled;
};

enum class DecompressStatus {
  Ok,                 // exactly UncompressedSize bytes produced, stream well formed
  BadData,            // malformed stream, or more/less output than UncompressedSize
  UnexpectedEnd,      // the compressed data ran out in the middle of the stream
  UnsupportedMethod,  // method 7, 9 and above (nothing written)
  WriteError,         // output returned false
  Aborted,            // cancelled returned true
};

struct DecompressResult {
  DecompressStatus status = DecompressStatus::Ok;
  int message = 0;                 // message number to report, 0 for Ok and Aborted
  std::uint64_t bytesWritten = 0;  // bytes handed to output
};

DecompressResult DecompressEntry(const EntryInfo& entry, const EntryStreams& streams);

}  // namespace unzip
