// Compressed input of one entry as a stream of bits, least significant bit of each byte first
// (the order of every zip method).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "decode_failure.h"
#include "decompress.h"

namespace unzip {

class BitInput {
 public:
  static constexpr std::size_t kBufferSize = 32768;

  explicit BitInput(const EntryStreams& streams);

  // Makes at least n (<= 56) bits available. Past the end of the data, zero bits are supplied
  // so that a decoder may look ahead, but consuming any of them fails the entry as truncated.
  void Need(unsigned n) {
    while (count < n) {
      if (next == end && !RefillBuffer()) {
        padBits += 8;
      } else {
        bits |= std::uint64_t{*next++} << count;
      }
      count += 8;
    }
  }
  std::uint32_t Peek(unsigned n) const { return static_cast<std::uint32_t>(bits & ((std::uint64_t{1} << n) - 1)); }
  void Drop(unsigned n) {
    bits >>= n;
    count -= n;
    if (count < padBits) FailTruncated();
  }
  std::uint32_t Read(unsigned n) {
    Need(n);
    const std::uint32_t value = Peek(n);
    Drop(n);
    return value;
  }
  void AlignToByte() { Drop(count % 8); }

  // Copies n whole bytes that follow a byte boundary (inflate's stored blocks) into the
  // caller's memory in pieces; sink(data, count) receives each piece.
  template <class Sink>
  void CopyAlignedBytes(std::size_t n, Sink&& sink) {
    while (n > 0 && count >= 8) {
      const std::uint8_t byte = static_cast<std::uint8_t>(bits);
      Drop(8);
      sink(&byte, 1);
      --n;
    }
    while (n > 0) {
      if (next == end && !RefillBuffer()) FailTruncated();
      const std::size_t piece = std::min<std::size_t>(n, static_cast<std::size_t>(end - next));
      sink(next, piece);
      next += piece;
      n -= piece;
    }
  }

  // Keeps the unread bytes and appends fresh ones from the entry; false once the entry's data
  // are exhausted. Asks the cancel hook first, so a cancelled entry stops at its next read.
  bool RefillBuffer();

  // Open to inflate's fast loop, which keeps copies of them in registers.
  const std::uint8_t* next = nullptr;
  const std::uint8_t* end = nullptr;
  std::uint64_t bits = 0;
  unsigned count = 0;    // valid bits in `bits`, padding included
  unsigned padBits = 0;  // zero bits supplied past the end of the data, at the top of `bits`

 private:
  const EntryStreams& streams_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  bool exhausted_ = false;
};

}  // namespace unzip
