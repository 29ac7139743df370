// Hand-made compressed streams for the decompressor tests, and a run of DecompressEntry over
// them with the input cut into pieces of a chosen size.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "decompress.h"

namespace unzip::test {

using Bytes = std::vector<std::uint8_t>;

// Writes bits least significant first, the order of every zip method.
class BitWriter {
 public:
  void Bits(std::uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
      if (used_ == 0) bytes_.push_back(0);
      bytes_.back() |= static_cast<std::uint8_t>(((value >> i) & 1) << used_);
      used_ = (used_ + 1) % 8;
    }
  }
  void Zeros(unsigned count) {
    for (unsigned i = 0; i < count; ++i) Bits(0, 1);
  }
  // Huffman and Shannon-Fano codes go out most significant bit first.
  void Code(std::uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;) Bits((code >> i) & 1, 1);
  }
  void AlignToByte() { used_ = 0; }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
  unsigned used_ = 0;
};

struct RunResult {
  DecompressResult result;
  Bytes output;
};

struct RunOptions {
  std::size_t chunk = SIZE_MAX;        // most bytes the input hands over per call
  std::size_t failWriteAt = SIZE_MAX;  // the output call (from 0) that fails
  std::size_t cancelAfterReads = SIZE_MAX;
  std::uint16_t flags = 0;
};

inline RunResult Decompress(std::uint16_t method, const Bytes& data, std::uint64_t size, RunOptions options = {}) {
  RunResult run;
  std::size_t position = 0;
  std::size_t reads = 0;
  std::size_t writes = 0;
  EntryStreams streams;
  streams.input = [&](std::uint8_t* buffer, std::size_t capacity) {
    ++reads;
    const std::size_t n = std::min({capacity, options.chunk, data.size() - position});
    if (n > 0) std::memcpy(buffer, data.data() + position, n);
    position += n;
    return n;
  };
  streams.output = [&](const std::uint8_t* bytes, std::size_t count) {
    if (writes++ == options.failWriteAt) return false;
    run.output.insert(run.output.end(), bytes, bytes + count);
    return true;
  };
  streams.cancelled = [&] { return reads >= options.cancelAfterReads; };
  run.result = DecompressEntry({method, options.flags, data.size(), size}, streams);
  return run;
}

}  // namespace unzip::test
