// Inflate on streams written by hand: every block type, the window, and damaged streams.
#include <gtest/gtest.h>

#include <array>

#include "stream_builder.h"

namespace unzip::test {
namespace {

constexpr std::uint16_t kDeflate = 8;
constexpr std::array<std::size_t, 3> kChunks = {1, 5, SIZE_MAX};

struct Length {
  unsigned symbol, extraBits, extra, value;
};
struct Distance {
  unsigned symbol, extraBits, extra, value;
};
constexpr Length kLen3{257, 0, 0, 3};
constexpr Length kLen10{264, 0, 0, 10};
constexpr Length kLen258{285, 0, 0, 258};
constexpr Distance kDist1{0, 0, 0, 1};
constexpr Distance kDist3{2, 0, 0, 3};
constexpr Distance kDist32768{29, 13, 8191, 32768};

// A fixed-code block that also keeps the output it stands for.
class FixedBlock {
 public:
  FixedBlock(BitWriter& w, Bytes& expected, bool last) : w_(w), expected_(expected) {
    w_.Bits(last ? 1 : 0, 1);
    w_.Bits(1, 2);
  }
  void Symbol(unsigned s) {
    if (s < 144)
      w_.Code(0x30 + s, 8);
    else if (s < 256)
      w_.Code(0x190 + s - 144, 9);
    else if (s < 280)
      w_.Code(s - 256, 7);
    else
      w_.Code(0xC0 + s - 280, 8);
  }
  void Literal(std::uint8_t byte) {
    Symbol(byte);
    expected_.push_back(byte);
  }
  void Match(Length length, Distance distance) {
    Symbol(length.symbol);
    w_.Bits(length.extra, length.extraBits);
    w_.Code(distance.symbol, 5);
    w_.Bits(distance.extra, distance.extraBits);
    for (unsigned i = 0; i < length.value; ++i) {
      expected_.push_back(expected_[expected_.size() - distance.value]);
    }
  }
  void End() { Symbol(256); }

 private:
  BitWriter& w_;
  Bytes& expected_;
};

void StoredBlock(BitWriter& w, Bytes& expected, const Bytes& content, bool last) {
  w.Bits(last ? 1 : 0, 1);
  w.Bits(0, 2);
  w.AlignToByte();
  w.Bits(static_cast<std::uint32_t>(content.size()), 16);
  w.Bits(~static_cast<std::uint32_t>(content.size()) & 0xFFFF, 16);
  for (std::uint8_t b : content) w.Bits(b, 8);
  expected.insert(expected.end(), content.begin(), content.end());
}

// Canonical codes of a set of code lengths, as deflate assigns them.
std::vector<std::uint32_t> CanonicalCodes(const std::vector<unsigned>& lengths) {
  std::vector<std::uint32_t> codes(lengths.size());
  std::uint32_t code = 0;
  for (unsigned len = 1; len <= 15; ++len) {
    for (std::size_t s = 0; s < lengths.size(); ++s) {
      if (lengths[s] == len) codes[s] = code++;
    }
    code <<= 1;
  }
  return codes;
}

// The header of a dynamic block announcing the given counts of literal/length and distance
// lengths, followed by `lengths`. Its code-length code gives symbol 18 one bit and 0-15 five bits
// each; runs of zeros go out as 18 (11-138), everything else one by one.
void DynamicHeader(BitWriter& w, unsigned literalCount, unsigned distanceCount, const std::vector<unsigned>& lengths) {
  w.Bits(1, 1);
  w.Bits(2, 2);
  w.Bits(literalCount - 257, 5);
  w.Bits(distanceCount - 1, 5);
  w.Bits(19 - 4, 4);
  for (unsigned symbol : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15}) {
    w.Bits(symbol == 18 ? 1 : symbol >= 16 ? 0 : 5, 3);
  }
  for (std::size_t i = 0; i < lengths.size();) {
    std::size_t zeros = 0;
    while (i + zeros < lengths.size() && lengths[i + zeros] == 0 && zeros < 138) ++zeros;
    if (zeros >= 11) {
      w.Code(0, 1);
      w.Bits(static_cast<std::uint32_t>(zeros - 11), 7);
      i += zeros;
    } else {
      w.Code(16 + lengths[i], 5);
      ++i;
    }
  }
}

void DynamicHeader(BitWriter& w, const std::vector<unsigned>& literalLengths,
                   const std::vector<unsigned>& distanceLengths) {
  std::vector<unsigned> all = literalLengths;
  all.insert(all.end(), distanceLengths.begin(), distanceLengths.end());
  DynamicHeader(w, static_cast<unsigned>(literalLengths.size()), static_cast<unsigned>(distanceLengths.size()), all);
}

TEST(Inflate, StoredBlocksAreCopied) {
  BitWriter w;
  Bytes expected;
  StoredBlock(w, expected, Bytes{'h', 'e', 'l', 'l', 'o', ' '}, false);
  StoredBlock(w, expected, Bytes{'w', 'o', 'r', 'l', 'd'}, false);
  StoredBlock(w, expected, Bytes{}, true);
  for (std::size_t chunk : kChunks) {
    const RunResult run = Decompress(kDeflate, w.bytes(), expected.size(), {.chunk = chunk});
    EXPECT_EQ(run.result.status, DecompressStatus::Ok) << chunk;
    EXPECT_EQ(run.output, expected);
    EXPECT_EQ(run.result.bytesWritten, expected.size());
  }
}

TEST(Inflate, OneEmptyStoredBlockGivesAnEmptyFile) {
  BitWriter w;
  Bytes expected;
  StoredBlock(w, expected, Bytes{}, true);
  const RunResult run = Decompress(kDeflate, w.bytes(), 0);
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_TRUE(run.output.empty());
}

TEST(Inflate, FixedBlockWithLiteralsAndAnOverlappingMatch) {
  BitWriter w;
  Bytes expected;
  FixedBlock block(w, expected, true);
  for (std::uint8_t c : {'a', 'b', 'c'}) block.Literal(c);
  block.Match(kLen10, kDist3);
  block.Literal(200);  // a nine-bit literal
  block.End();
  ASSERT_EQ(std::string(expected.begin(), expected.end() - 1), "abcabcabcabca");
  for (std::size_t chunk : kChunks) {
    const RunResult run = Decompress(kDeflate, w.bytes(), expected.size(), {.chunk = chunk});
    EXPECT_EQ(run.result.status, DecompressStatus::Ok) << chunk;
    EXPECT_EQ(run.output, expected);
  }
}

TEST(Inflate, DynamicBlockWithAnIncompleteDistanceCode) {
  std::vector<unsigned> literalLengths(258, 0);
  literalLengths['a'] = 1;
  literalLengths['b'] = 3;
  literalLengths[256] = 3;
  literalLengths[257] = 2;                            // length 3
  const std::vector<unsigned> distanceLengths = {1};  // distance 1 only: incomplete, allowed
  const auto lit = CanonicalCodes(literalLengths);

  BitWriter w;
  DynamicHeader(w, literalLengths, distanceLengths);
  w.Code(lit['a'], 1);
  w.Code(lit['a'], 1);
  w.Code(lit[257], 2);
  w.Code(0, 1);
  w.Code(lit['b'], 3);
  w.Code(lit[256], 3);
  for (std::size_t chunk : kChunks) {
    const RunResult run = Decompress(kDeflate, w.bytes(), 6, {.chunk = chunk});
    EXPECT_EQ(run.result.status, DecompressStatus::Ok) << chunk;
    EXPECT_EQ(std::string(run.output.begin(), run.output.end()), "aaaaab");
  }
}

// Stored data, then matches that reach back the full 32 KB while the output passes several
// times through the window.
Bytes LongStream(Bytes& expected) {
  BitWriter w;
  Bytes random(40000);
  std::uint32_t seed = 12345;
  for (auto& b : random) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 23);
  StoredBlock(w, expected, random, false);
  FixedBlock block(w, expected, true);
  for (int i = 0; i < 150; ++i) block.Match(kLen258, kDist32768);
  for (int i = 0; i < 700; ++i) block.Match(kLen258, kDist1);
  block.Literal('z');
  for (int i = 0; i < 10; ++i) block.Match(kLen258, kDist32768);
  for (int i = 0; i < 50; ++i) block.Literal(static_cast<std::uint8_t>(i * 7));
  block.Match(kLen3, kDist3);
  block.End();
  return w.bytes();
}

TEST(Inflate, LongOutputKeepsTheWholeWindow) {
  Bytes expected;
  const Bytes stream = LongStream(expected);
  ASSERT_GT(expected.size(), 250000u);
  for (std::size_t chunk : {std::size_t{7}, SIZE_MAX}) {
    const RunResult run = Decompress(kDeflate, stream, expected.size(), {.chunk = chunk});
    EXPECT_EQ(run.result.status, DecompressStatus::Ok) << chunk;
    EXPECT_TRUE(run.output == expected) << chunk;
  }
}

TEST(Inflate, CutStreamsEndAsTruncatedWithTheirDecodedPrefix) {
  Bytes expected;
  const Bytes stream = LongStream(expected);
  for (std::size_t cut = 0; cut < stream.size(); cut += 997) {
    const Bytes part(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(cut));
    const RunResult run = Decompress(kDeflate, part, expected.size());
    EXPECT_EQ(run.result.status, DecompressStatus::UnexpectedEnd) << cut;
    EXPECT_EQ(run.result.message, kMsgBadBlock);
    ASSERT_LE(run.output.size(), expected.size());
    EXPECT_TRUE(std::equal(run.output.begin(), run.output.end(), expected.begin())) << cut;
  }
}

TEST(Inflate, OutputMustMatchTheEntrySize) {
  Bytes expected;
  const Bytes stream = LongStream(expected);
  const RunResult more = Decompress(kDeflate, stream, expected.size() - 1);
  EXPECT_EQ(more.result.status, DecompressStatus::BadData);
  EXPECT_EQ(more.output.size(), expected.size() - 1);
  const RunResult less = Decompress(kDeflate, stream, expected.size() + 1);
  EXPECT_EQ(less.result.status, DecompressStatus::BadData);
  EXPECT_EQ(less.output, expected);
}

TEST(Inflate, DistanceBeforeTheStartOfTheEntryIsBadData) {
  for (int trailing : {0, 40}) {  // at the end of the data, and with input to spare
    BitWriter w;
    Bytes expected;
    FixedBlock block(w, expected, true);
    block.Literal('a');
    block.Literal('b');
    block.Symbol(kLen3.symbol);
    w.Code(kDist3.symbol, 5);
    for (int i = 0; i < trailing; ++i) block.Literal('x');
    block.End();
    const RunResult run = Decompress(kDeflate, w.bytes(), 100);
    EXPECT_EQ(run.result.status, DecompressStatus::BadData) << trailing;
    EXPECT_EQ(run.result.message, kMsgBadBlock);
    EXPECT_EQ(std::string(run.output.begin(), run.output.end()), "ab") << "written before the fault";
  }
}

TEST(Inflate, MalformedBlocksAreBadBlocks) {
  BitWriter type3;
  type3.Bits(1, 1);
  type3.Bits(3, 2);
  type3.Bits(0, 16);

  BitWriter badComplement;
  badComplement.Bits(1, 3);
  badComplement.AlignToByte();
  badComplement.Bits(5, 16);
  badComplement.Bits(5, 16);

  BitWriter code286;
  Bytes ignored;
  FixedBlock(code286, ignored, true).Symbol(286);
  code286.Zeros(32);

  BitWriter distance30;
  FixedBlock d30(distance30, ignored, true);
  d30.Literal('a');
  d30.Symbol(kLen3.symbol);
  distance30.Code(30, 5);
  distance30.Zeros(32);

  for (const BitWriter* w : {&type3, &badComplement, &code286, &distance30}) {
    const RunResult run = Decompress(kDeflate, w->bytes(), 10);
    EXPECT_EQ(run.result.status, DecompressStatus::BadData);
    EXPECT_EQ(run.result.message, kMsgBadBlock);
  }
}

TEST(Inflate, CodeSetsThatCannotBeUsedAreRefused) {
  auto header = [](std::vector<unsigned> literals, std::vector<unsigned> distances) {
    BitWriter w;
    DynamicHeader(w, literals, distances);
    w.Zeros(32);
    return w.bytes();
  };
  std::vector<unsigned> complete(257, 0);
  complete[0] = 1;
  complete[256] = 1;
  std::vector<unsigned> incomplete = complete;
  incomplete[256] = 2;

  BitWriter runPastEnd;  // 276 zero lengths where 258 are announced
  DynamicHeader(runPastEnd, 257, 1, std::vector<unsigned>(276, 0));
  runPastEnd.Zeros(32);

  for (const Bytes& stream : {header(incomplete, {1}), header(complete, {1, 1, 1}), runPastEnd.bytes()}) {
    const RunResult run = Decompress(kDeflate, stream, 10);
    EXPECT_EQ(run.result.status, DecompressStatus::BadData);
    EXPECT_EQ(run.result.message, kMsgIncompleteCodeSet);
  }
  const RunResult usable = Decompress(kDeflate, header(complete, {1}), 10);
  EXPECT_NE(usable.result.message, kMsgIncompleteCodeSet);
}

}  // namespace
}  // namespace unzip::test
