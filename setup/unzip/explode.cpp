// Implode (method 6): literals, lengths and distances coded with Shannon-Fano trees sent at the
// start of the entry, copies out of a 4 KB or 8 KB dictionary.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "methods.h"

namespace unzip {

namespace {

// A decode tree: nodes of two slots, leaves are values (at most 255 or 63), inner nodes are
// taken downward from the root at the last index. -1 marks a slot no code reaches.
class ShannonFanoTree {
 public:
  ShannonFanoTree(BitInput& in, unsigned valueCount) : in_(in), lastValue_(valueCount - 1) {
    nodes_.assign(2 * valueCount, {-1, -1});
    Read();
  }

  unsigned Decode() const {
    unsigned node = Root();
    for (;;) {
      const int next = nodes_[node][in_.Read(1)];
      if (next < 0) FailBadData(kMsgAmbiguousTree);
      if (static_cast<unsigned>(next) <= lastValue_) return static_cast<unsigned>(next);
      node = static_cast<unsigned>(next);
    }
  }

 private:
  unsigned Root() const { return static_cast<unsigned>(nodes_.size() - 1); }

  void Read() {
    struct Code {
      unsigned length;
      unsigned value;
    };
    std::vector<Code> codes;
    const unsigned groups = in_.Read(8) + 1;
    for (unsigned g = 0; g < groups; ++g) {
      const unsigned byte = in_.Read(8);
      const unsigned length = (byte & 15) + 1;
      const unsigned run = (byte >> 4) + 1;
      if (codes.size() + run > lastValue_ + 1) FailBadData(kMsgAmbiguousTree);
      for (unsigned i = 0; i < run; ++i) {
        codes.push_back({length, static_cast<unsigned>(codes.size())});
      }
    }
    std::stable_sort(codes.begin(), codes.end(), [](const Code& a, const Code& b) { return a.length < b.length; });

    // The longest codes get the lowest code values, counting upward in 16-bit steps.
    std::uint32_t code = 0;
    std::uint32_t increment = 0;
    unsigned lastLength = 0;
    unsigned nextInner = Root() - 1;
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
      code += increment;
      if (it->length != lastLength) {
        lastLength = it->length;
        increment = 1u << (16 - lastLength);
      }
      Insert((code >> (16 - it->length)) & ((1u << it->length) - 1), it->length, it->value, nextInner);
    }
  }

  // Follows the code from its most significant bit; a code that lands on a leaf or on a
  // taken slot, or that needs more inner nodes than the tree has, makes the tree ambiguous.
  void Insert(std::uint32_t code, unsigned length, unsigned value, unsigned& nextInner) {
    unsigned node = Root();
    for (unsigned bit = length - 1; bit > 0; --bit) {
      int& slot = nodes_[node][(code >> bit) & 1];
      if (slot < 0) {
        if (nextInner <= lastValue_) FailBadData(kMsgAmbiguousTree);
        slot = static_cast<int>(nextInner--);
      } else if (static_cast<unsigned>(slot) <= lastValue_) {
        FailBadData(kMsgAmbiguousTree);
      }
      node = static_cast<unsigned>(slot);
    }
    int& leaf = nodes_[node][code & 1];
    if (leaf >= 0) FailBadData(kMsgAmbiguousTree);
    leaf = static_cast<int>(value);
  }

  BitInput& in_;
  unsigned lastValue_;
  std::vector<std::array<int, 2>> nodes_;
};

}  // namespace

void Explode(BitInput& in, OutputWindow& out, std::uint16_t flags) {
  const bool literalTree = (flags & kFlagImplodeLitTree) != 0;
  const unsigned lowDistanceBits = (flags & kFlagImplode8K) ? 7 : 6;
  const unsigned distanceMask = (flags & kFlagImplode8K) ? 8191 : 4095;
  const unsigned minMatch = literalTree ? 3 : 2;

  std::optional<ShannonFanoTree> literals;  // the trees come in this order
  if (literalTree) literals.emplace(in, 256);
  const ShannonFanoTree lengths(in, 64);
  const ShannonFanoTree distances(in, 64);

  while (out.Remaining() > 0) {
    if (in.Read(1) != 0) {
      const unsigned byte = literalTree ? literals->Decode() : in.Read(8);
      out.Put(static_cast<std::uint8_t>(byte));
      continue;
    }
    const unsigned low = in.Read(lowDistanceBits);
    const unsigned distance = ((distances.Decode() << lowDistanceBits) | low) & distanceMask;
    unsigned length = lengths.Decode();
    if (length == 63) length += in.Read(8);
    out.CopyMatch(distance + 1, length + minMatch);
  }
}

}  // namespace unzip
