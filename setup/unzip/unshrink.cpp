// Shrink (method 1): LZW with codes of 9 to 13 bits, a code that widens them and a partial
// clear that frees every leaf of the code tree.
#include <vector>

#include "methods.h"

namespace unzip {

namespace {

constexpr unsigned kFirstFreeCode = 257;
constexpr unsigned kMaxCode = 8191;
constexpr unsigned kControlCode = 256;
constexpr unsigned kMinWidth = 9;
constexpr unsigned kMaxWidth = 13;

struct Node {
  int parent = -1;  // -1: code not in use (codes 0-255 are the bytes themselves)
  std::uint8_t character = 0;
  std::uint16_t children = 0;
};

class Unshrinker {
 public:
  Unshrinker(BitInput& in, OutputWindow& out) : in_(in), out_(out), nodes_(kMaxCode + 1), stack_(kMaxCode + 1) {
    for (unsigned c = 0; c < 256; ++c) nodes_[c].character = static_cast<std::uint8_t>(c);
    for (unsigned c = kFirstFreeCode; c <= kMaxCode; ++c) {
      freeCodes_.push_back(static_cast<std::uint16_t>(c));
    }
  }

  void Run() {
    unsigned previous = in_.Read(width_);
    if (previous > 255) FailBadData();
    std::uint8_t firstChar = static_cast<std::uint8_t>(previous);
    out_.Put(firstChar);

    while (out_.Remaining() > 0) {
      const unsigned code = in_.Read(width_);
      if (code == kControlCode) {
        Control();
        continue;
      }
      unsigned depth = 0;
      unsigned node = code;
      if (code > kControlCode && nodes_[code].parent < 0) {
        // The code the encoder is defining right now: previous string + its first byte.
        stack_[depth++] = firstChar;
        node = previous;
      }
      while (node > kControlCode) {
        // A freed node inside a chain, or a chain that loops, cannot come from an encoder.
        if (nodes_[node].parent < 0) FailBadData();
        if (depth == stack_.size()) FailBadData(kMsgStackOverflow);
        stack_[depth++] = nodes_[node].character;
        node = static_cast<unsigned>(nodes_[node].parent);
      }
      if (node == kControlCode) FailBadData();
      firstChar = static_cast<std::uint8_t>(node);
      out_.Put(firstChar);
      while (depth > 0) out_.Put(stack_[--depth]);

      if (nextFree_ < freeCodes_.size()) {
        Node& added = nodes_[freeCodes_[nextFree_++]];
        added.parent = static_cast<int>(previous);
        added.character = firstChar;
        ++nodes_[previous].children;
      }
      previous = code;
    }
  }

 private:
  void Control() {
    switch (in_.Read(width_)) {
      case 1:
        if (width_ == kMaxWidth) FailBadData();
        ++width_;
        break;
      case 2:
        PartialClear();
        break;
      default:
        FailBadData();
    }
  }

  // Frees the leaves as they stand when the clear code arrives (a parent that loses its last
  // child stays), then hands the free codes out again from the lowest.
  void PartialClear() {
    std::vector<bool> leaf(kMaxCode + 1, false);
    for (unsigned c = kFirstFreeCode; c <= kMaxCode; ++c) {
      leaf[c] = nodes_[c].parent >= 0 && nodes_[c].children == 0;
    }
    for (unsigned c = kFirstFreeCode; c <= kMaxCode; ++c) {
      if (!leaf[c]) continue;
      --nodes_[static_cast<unsigned>(nodes_[c].parent)].children;
      nodes_[c] = Node{};
    }
    freeCodes_.clear();
    nextFree_ = 0;
    for (unsigned c = kFirstFreeCode; c <= kMaxCode; ++c) {
      if (nodes_[c].parent < 0) freeCodes_.push_back(static_cast<std::uint16_t>(c));
    }
  }

  BitInput& in_;
  OutputWindow& out_;
  std::vector<Node> nodes_;
  std::vector<std::uint8_t> stack_;
  std::vector<std::uint16_t> freeCodes_;
  std::size_t nextFree_ = 0;
  unsigned width_ = kMinWidth;
};

}  // namespace

void Unshrink(BitInput& in, OutputWindow& out) { Unshrinker(in, out).Run(); }

}  // namespace unzip
