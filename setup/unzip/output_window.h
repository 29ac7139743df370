// Output of one entry: a buffer that keeps the last 32 KB as the history that matches copy from,
// hands the rest to the walk in blocks and never lets the entry grow past its uncompressed size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "decode_failure.h"
#include "decompress.h"

namespace unzip {

class OutputWindow {
 public:
  static constexpr std::size_t kHistory = 32768;
  static constexpr std::size_t kSpan = 4 * kOutputBlockSize;
  static constexpr std::size_t kSlack = 64;  // lets inflate's copies overshoot by a word

  // With zeroHistory, matches may reach up to 32 KB before the first byte of the entry and
  // read zeros there (the dictionary of the old methods starts zero-filled); without it such a
  // match is bad data.
  OutputWindow(const EntryStreams& streams, std::uint64_t size, bool zeroHistory);

  void Put(std::uint8_t byte) {
    if (next == stop) MakeRoom();
    *next++ = byte;
  }
  // Copies length bytes from distance bytes back, byte by byte so that a match may overlap
  // the bytes it produces.
  void CopyMatch(std::size_t distance, std::size_t length);

  // Appends bytes taken over unchanged (inflate's stored blocks).
  void Append(const std::uint8_t* data, std::size_t count);

  // Full buffer: writes out and slides the history down. At the entry's size: bad data.
  void MakeRoom();
  // Hands every byte not yet written to the walk.
  void Flush();

  std::uint64_t Produced() const { return producedAtBegin_ + (next - begin_); }
  std::uint64_t Remaining() const { return size_ - Produced(); }
  std::uint64_t Written() const { return producedAtBegin_ + (flushed_ - begin_); }

  // Open to inflate's fast loop.
  std::uint8_t* floor;  // earliest byte a match may read
  std::uint8_t* next;   // where the next byte goes
  std::uint8_t* stop;   // the buffer's end or the entry's size, whichever comes first

 private:
  void SetStop();

  const EntryStreams& streams_;
  std::unique_ptr<std::uint8_t[]> storage_;
  std::uint8_t* begin_;
  std::uint8_t* end_;
  std::uint8_t* flushed_;          // bytes before it have been written
  std::uint64_t producedAtBegin_;  // output count at begin_ (wraps below zero at the start)
  std::uint64_t size_;
};

}  // namespace unzip
