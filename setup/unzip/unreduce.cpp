// Reduce (methods 2-5): bytes coded against follower sets of the previous byte, then expanded
// from a DLE (144) scheme of literal runs and copies out of a 4 KB dictionary.
#include <array>

#include "methods.h"

namespace unzip {

namespace {

constexpr unsigned kMaxFollowers = 32;
constexpr std::uint8_t kDle = 144;

struct FollowerSet {
  unsigned count = 0;
  unsigned indexBits = 0;
  std::array<std::uint8_t, kMaxFollowers> followers{};
};

// Bits of an index into a set of n followers: enough to number them all, at least one.
unsigned IndexBits(unsigned n) {
  unsigned bits = 1;
  while ((1u << bits) < n) ++bits;
  return bits;
}

}  // namespace

void Unreduce(BitInput& in, OutputWindow& out, unsigned factor) {
  std::array<FollowerSet, 256> sets;
  for (unsigned c = 256; c-- > 0;) {
    FollowerSet& set = sets[c];
    set.count = in.Read(6);
    if (set.count > kMaxFollowers) FailBadData();
    for (unsigned i = 0; i < set.count; ++i) set.followers[i] = static_cast<std::uint8_t>(in.Read(8));
    set.indexBits = IndexBits(set.count);
  }

  const unsigned lengthMask = 0xFFu >> factor;
  unsigned state = 0;
  unsigned last = 0;
  unsigned v = 0;
  unsigned length = 0;
  while (out.Remaining() > 0) {
    const FollowerSet& set = sets[last];
    unsigned byte;
    if (set.count == 0 || in.Read(1) != 0) {
      byte = in.Read(8);
    } else {
      const unsigned index = in.Read(set.indexBits);
      if (index >= set.count) FailBadData();
      byte = set.followers[index];
    }
    last = byte;

    switch (state) {
      case 0:  // plain bytes until a DLE
        if (byte == kDle)
          state = 1;
        else
          out.Put(static_cast<std::uint8_t>(byte));
        break;
      case 1:  // DLE 0 is the byte 144 itself, anything else starts a copy
        if (byte == 0) {
          out.Put(kDle);
          state = 0;
        } else {
          v = byte;
          length = v & lengthMask;
          state = length == lengthMask ? 2 : 3;
        }
        break;
      case 2:  // the length did not fit in V
        length += byte;
        state = 3;
        break;
      default:  // distance: high bits from V, low byte here
        out.CopyMatch(((v >> (8 - factor)) << 8) + byte + 1, length + 3);
        state = 0;
        break;
    }
  }
}

}  // namespace unzip
