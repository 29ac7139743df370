#include "huffman_table.h"

#include <array>

namespace unzip {

namespace {

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                                         33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                                         1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Kind and value of a symbol, without the bit count.
std::uint32_t Meaning(Alphabet alphabet, unsigned symbol) {
  using namespace entry;
  switch (alphabet) {
    case Alphabet::LiteralLength:
      if (symbol < 256) return Make(0, kLiteral, symbol);
      if (symbol == 256) return Make(0, kEndOfBlock, 0);
      if (symbol - 257 < kLengthBase.size()) {
        return Make(0, kBase | kLengthExtra[symbol - 257], kLengthBase[symbol - 257]);
      }
      return Make(0, kInvalid, 0);  // 286 and 287
    case Alphabet::Distance:
      if (symbol < kDistanceBase.size()) {
        return Make(0, kBase | kDistanceExtra[symbol], kDistanceBase[symbol]);
      }
      return Make(0, kInvalid, 0);  // 30 and 31
    case Alphabet::CodeLength:
      break;
  }
  return Make(0, kLiteral, symbol);
}

unsigned Reverse(unsigned code, unsigned bits) {
  unsigned reversed = 0;
  for (unsigned i = 0; i < bits; ++i, code >>= 1) reversed = (reversed << 1) | (code & 1);
  return reversed;
}

void Fill(std::uint32_t* table, unsigned first, unsigned size, unsigned step, std::uint32_t e) {
  for (unsigned i = first; i < size; i += step) table[i] = e;
}

}  // namespace

BuildResult BuildHuffmanTable(const std::uint8_t* lengths, unsigned count, Alphabet alphabet, unsigned rootBits,
                              HuffmanTable& table) {
  std::array<unsigned, kMaxCodeBits + 1> perLength{};
  for (unsigned s = 0; s < count; ++s) ++perLength[lengths[s]];
  perLength[0] = 0;

  // Code space left after each length: below zero the code cannot exist.
  int left = 1;
  unsigned longest = 0;
  for (unsigned len = 1; len <= kMaxCodeBits; ++len) {
    left = 2 * left - static_cast<int>(perLength[len]);
    if (left < 0) return BuildResult::OverSubscribed;
    if (perLength[len] != 0) longest = len;
  }
  const BuildResult result = (left == 0 || longest == 0) ? BuildResult::Complete : BuildResult::Incomplete;

  // Sub-tables: at most one per code longer than the root, none wider than 15 - root bits.
  const unsigned rootSize = 1u << rootBits;
  const unsigned widest = rootBits < kMaxCodeBits ? kMaxCodeBits - rootBits : 0;
  const std::size_t capacity = rootSize + (static_cast<std::size_t>(count) << widest);
  if (table.entries.size() < capacity) table.entries.resize(capacity);
  table.rootBits = rootBits;
  Fill(table.entries.data(), 0, rootSize, 1, entry::Make(rootBits, entry::kInvalid, 0));
  if (longest == 0) return result;

  // Symbols in canonical order: by length, then by value.
  std::array<unsigned, kMaxCodeBits + 2> offset{};
  for (unsigned len = 1; len <= kMaxCodeBits; ++len) offset[len + 1] = offset[len] + perLength[len];
  std::array<std::uint16_t, 320> sorted{};
  for (unsigned s = 0; s < count; ++s) {
    if (lengths[s] != 0) sorted[offset[lengths[s]]++] = static_cast<std::uint16_t>(s);
  }

  std::uint32_t* t = table.entries.data();
  std::array<unsigned, kMaxCodeBits + 1> remaining = perLength;
  unsigned code = 0;
  unsigned codeLength = 0;
  unsigned used = rootSize;  // entries taken by the primary table and sub-tables
  unsigned subPrefix = ~0u;  // primary index of the current sub-table
  unsigned subOffset = 0;
  unsigned subBits = 0;
  for (unsigned i = 0; i < offset[kMaxCodeBits]; ++i) {
    const unsigned symbol = sorted[i];
    const unsigned len = lengths[symbol];
    if (len != codeLength) {
      code <<= len - codeLength;
      codeLength = len;
    }
    const unsigned reversed = Reverse(code, len);
    const std::uint32_t meaning = Meaning(alphabet, symbol);
    if (len <= rootBits) {
      Fill(t, reversed, rootSize, 1u << len, meaning | len);
    } else {
      const unsigned prefix = reversed & (rootSize - 1);
      if (prefix != subPrefix) {
        // Wide enough for every code still to come under this prefix.
        subBits = len - rootBits;
        int room = 1 << subBits;
        while (subBits + rootBits < longest) {
          room -= static_cast<int>(remaining[subBits + rootBits]);
          if (room <= 0) break;
          ++subBits;
          room <<= 1;
        }
        subPrefix = prefix;
        subOffset = used;
        used += 1u << subBits;
        t[prefix] = entry::Make(rootBits, entry::kSubTable | subBits, subOffset);
        Fill(t + subOffset, 0, 1u << subBits, 1, entry::Make(subBits, entry::kInvalid, 0));
      }
      const unsigned subLen = len - rootBits;
      Fill(t + subOffset, reversed >> rootBits, 1u << subBits, 1u << subLen, meaning | subLen);
    }
    --remaining[len];
    ++code;
  }
  return result;
}

namespace {

HuffmanTable BuildFixed(Alphabet alphabet) {
  std::array<std::uint8_t, 288> lengths{};
  HuffmanTable table;
  if (alphabet == Alphabet::LiteralLength) {
    for (unsigned s = 0; s < 288; ++s) lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
    BuildHuffmanTable(lengths.data(), 288, alphabet, 9, table);
  } else {
    lengths.fill(5);
    BuildHuffmanTable(lengths.data(), 32, alphabet, 5, table);
  }
  return table;
}

}  // namespace

const HuffmanTable& FixedLiteralLengthTable() {
  static const HuffmanTable table = BuildFixed(Alphabet::LiteralLength);
  return table;
}

const HuffmanTable& FixedDistanceTable() {
  static const HuffmanTable table = BuildFixed(Alphabet::Distance);
  return table;
}

}  // namespace unzip
