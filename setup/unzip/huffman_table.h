// Deflate's decoding tables: a primary table indexed by the next rootBits bits of the stream
// (least significant bit first) and sub-tables for the longer codes.
#pragma once

#include <cstdint>
#include <vector>

namespace unzip {

// One 32-bit entry: bits 0-7 the number of bits the entry uses up, bits 8-15 its kind, bits
// 16-31 its value (literal byte, base of a length or distance, or offset of a sub-table).
namespace entry {
inline constexpr std::uint32_t kLiteral = 0x00;  // value: the byte (or a code-length symbol)
inline constexpr std::uint32_t kBase = 0x10;     // value: base, low 4 bits: extra bits to add
inline constexpr std::uint32_t kEndOfBlock = 0x20;
inline constexpr std::uint32_t kSubTable = 0x40;  // value: offset, low 4 bits: its index width
inline constexpr std::uint32_t kInvalid = 0x80;   // no code, or a code deflate leaves unused

constexpr std::uint32_t Make(std::uint32_t bits, std::uint32_t kind, std::uint32_t value) {
  return bits | kind << 8 | value << 16;
}
constexpr unsigned Bits(std::uint32_t e) { return e & 0xFF; }
constexpr unsigned Kind(std::uint32_t e) { return (e >> 8) & 0xFF; }
constexpr unsigned Value(std::uint32_t e) { return e >> 16; }
}  // namespace entry

// What the symbols of an alphabet decode to.
enum class Alphabet { LiteralLength, Distance, CodeLength };

enum class BuildResult { Complete, Incomplete, OverSubscribed };

struct HuffmanTable {
  std::vector<std::uint32_t> entries;
  unsigned rootBits = 0;
};

inline constexpr unsigned kMaxCodeBits = 15;

// Builds the table of the code given by its lengths (0 = symbol unused). An empty code (all
// lengths 0) counts as complete and gives a table of invalid entries only; so does any slot an
// incomplete code leaves free. The table is left unusable when the code is over-subscribed.
BuildResult BuildHuffmanTable(const std::uint8_t* lengths, unsigned count, Alphabet alphabet, unsigned rootBits,
                              HuffmanTable& table);

// The fixed codes of block type 1, built once per process.
const HuffmanTable& FixedLiteralLengthTable();
const HuffmanTable& FixedDistanceTable();

}  // namespace unzip
