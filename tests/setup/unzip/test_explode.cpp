// Explode on streams written by hand, with and without the literal tree, 4 KB and 8 KB.
#include <gtest/gtest.h>

#include "stream_builder.h"

namespace unzip::test {
namespace {

constexpr std::uint16_t kImplode = 6;

// A tree in which every one of `values` values has a code of `bits` bits. The codes count down
// from the lowest value, so value v is sent as (values - 1 - v).
void FlatTree(BitWriter& w, unsigned values, unsigned bits) {
  const unsigned groups = values / 16;
  w.Bits(groups - 1, 8);
  for (unsigned g = 0; g < groups; ++g) w.Bits((15u << 4) | (bits - 1), 8);
}

class ImplodeWriter {
 public:
  explicit ImplodeWriter(std::uint16_t flags) : flags_(flags) {
    if (LiteralTree()) FlatTree(w_, 256, 8);
    FlatTree(w_, 64, 6);  // lengths
    FlatTree(w_, 64, 6);  // distances
  }
  void Literal(std::uint8_t byte) {
    w_.Bits(1, 1);
    if (LiteralTree())
      w_.Code(255u - byte, 8);
    else
      w_.Bits(byte, 8);
  }
  void Match(unsigned distance, unsigned length) {
    const unsigned lowBits = (flags_ & kFlagImplode8K) ? 7 : 6;
    const unsigned d = distance - 1;
    w_.Bits(0, 1);
    w_.Bits(d & ((1u << lowBits) - 1), lowBits);
    w_.Code(63 - (d >> lowBits), 6);
    const unsigned l = length - (LiteralTree() ? 3 : 2);
    w_.Code(63 - std::min(l, 63u), 6);
    if (l >= 63) w_.Bits(l - 63, 8);
  }
  Bytes& bytes() { return const_cast<Bytes&>(w_.bytes()); }

 private:
  bool LiteralTree() const { return (flags_ & kFlagImplodeLitTree) != 0; }
  BitWriter w_;
  std::uint16_t flags_;
};

TEST(Explode, EveryVariantDecodesLiteralsAndMatches) {
  for (std::uint16_t flags : {0, 2, 4, 6}) {
    ImplodeWriter w(flags);
    std::string expected = "abc";
    for (char c : expected) w.Literal(static_cast<std::uint8_t>(c));
    w.Match(3, 5);
    expected += "abcab";
    w.Match(1, 100);  // long length: 63 plus a byte
    expected += std::string(100, 'b');
    const unsigned far = (flags & kFlagImplode8K) ? 8192 : 4096;  // the whole dictionary
    w.Match(far, 4);
    expected += std::string(4, '\0');
    for (std::size_t chunk : {std::size_t{1}, SIZE_MAX}) {
      const RunResult run = Decompress(kImplode, w.bytes(), expected.size(), {.chunk = chunk, .flags = flags});
      EXPECT_EQ(run.result.status, DecompressStatus::Ok) << flags;
      EXPECT_EQ(std::string(run.output.begin(), run.output.end()), expected) << flags;
    }
  }
}

TEST(Explode, TreesThatCannotBeBuiltAreAmbiguous) {
  BitWriter overfull;  // 64 lengths of 5 bits: more codes than 5 bits can hold
  overfull.Bits(3, 8);
  for (int g = 0; g < 4; ++g) overfull.Bits((15u << 4) | 4, 8);
  overfull.Zeros(64);

  BitWriter tooManyValues;  // 80 values for a tree of 64
  tooManyValues.Bits(4, 8);
  for (int g = 0; g < 5; ++g) tooManyValues.Bits((15u << 4) | 6, 8);
  tooManyValues.Zeros(64);

  BitWriter missingCode;  // one value only: the other half of the root stays empty
  missingCode.Bits(0, 8);
  missingCode.Bits(0, 8);
  FlatTree(missingCode, 64, 6);
  missingCode.Bits(0, 1);
  missingCode.Bits(0, 6);
  missingCode.Code(63, 6);  // distance 0
  missingCode.Bits(1, 1);   // the empty slot of the length tree
  missingCode.Zeros(32);

  for (const BitWriter* w : {&overfull, &tooManyValues, &missingCode}) {
    const RunResult run = Decompress(kImplode, w->bytes(), 10);
    EXPECT_EQ(run.result.status, DecompressStatus::BadData);
    EXPECT_EQ(run.result.message, kMsgAmbiguousTree);
  }
}

TEST(Explode, EndOfDataBeforeTheSizeIsTruncated) {
  ImplodeWriter w(0);
  w.Literal('a');
  const RunResult run = Decompress(kImplode, w.bytes(), 10);
  EXPECT_EQ(run.result.status, DecompressStatus::UnexpectedEnd);
  EXPECT_EQ(run.output, Bytes{'a'});
}

TEST(Explode, MatchPastTheSizeIsBadData) {
  ImplodeWriter w(0);
  w.Literal('a');
  w.Match(1, 10);
  const RunResult run = Decompress(kImplode, w.bytes(), 5);
  EXPECT_EQ(run.result.status, DecompressStatus::BadData);
  EXPECT_EQ(run.output, Bytes(5, 'a'));
}

}  // namespace
}  // namespace unzip::test
