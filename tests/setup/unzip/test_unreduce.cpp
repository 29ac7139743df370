// Unreduce on streams written by hand: follower sets and the DLE expansion of every factor.
#include <gtest/gtest.h>

#include <map>

#include "stream_builder.h"

namespace unzip::test {
namespace {

// Follower sets (for the bytes 255 down to 0), then the coded bytes. With an empty set for the
// previous byte a byte goes out as 8 raw bits; otherwise a flag bit first.
class ReduceWriter {
 public:
  explicit ReduceWriter(std::map<unsigned, std::vector<std::uint8_t>> sets = {}) : sets_(std::move(sets)) {
    for (unsigned c = 256; c-- > 0;) {
      const auto& set = sets_[c];
      w_.Bits(static_cast<std::uint32_t>(set.size()), 6);
      for (std::uint8_t f : set) w_.Bits(f, 8);
    }
  }
  void Raw(std::initializer_list<unsigned> bytes) {
    for (unsigned b : bytes) {
      if (!sets_[last_].empty()) w_.Bits(1, 1);
      w_.Bits(b, 8);
      last_ = b;
    }
  }
  void Follower(unsigned index, unsigned bits) {
    w_.Bits(0, 1);
    w_.Bits(index, bits);
    if (index < sets_[last_].size()) last_ = sets_[last_][index];
  }
  const Bytes& bytes() const { return w_.bytes(); }

 private:
  std::map<unsigned, std::vector<std::uint8_t>> sets_;
  BitWriter w_;
  unsigned last_ = 0;
};

std::string Text(const RunResult& run) { return std::string(run.output.begin(), run.output.end()); }

TEST(Unreduce, CopiesAndEscapedDle) {
  ReduceWriter w;
  // factor 1: V = 3 gives length 3 + 3, distance (V >> 7) * 256 + 2 + 1 = 3
  w.Raw({'a', 'b', 'c', 144, 3, 2, 144, 0, 'x'});
  const RunResult run = Decompress(2, w.bytes(), 11);
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_EQ(Text(run), "abcabcabc\x90x");
}

TEST(Unreduce, FactorFourTakesTheLengthByteAndFourDistanceBits) {
  std::string expected(300, '\0');
  for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<char>('A' + i % 26);
  ReduceWriter w;
  for (char c : expected) {
    w.Raw({static_cast<std::uint8_t>(c)});
    if (c == '\x90') w.Raw({0});
  }
  // V = 0x1F: length 15 + next byte 2 = 17, + 3; distance 1 * 256 + 43 + 1 = 300
  w.Raw({144, 0x1F, 2, 43});
  expected += expected.substr(0, 20);
  const RunResult run = Decompress(5, w.bytes(), expected.size());
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_EQ(Text(run), expected);
}

TEST(Unreduce, CopyBeforeTheStartReadsZeros) {
  ReduceWriter w;
  w.Raw({'a', 144, 1, 9});  // factor 1: 4 bytes from 10 back
  const RunResult run = Decompress(2, w.bytes(), 5);
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_EQ(run.output, (Bytes{'a', 0, 0, 0, 0}));
}

TEST(Unreduce, FollowerSetsCodeTheNextByte) {
  ReduceWriter w({{0, {'x', 'y', 'z'}}, {'y', {'q'}}});
  w.Follower(1, 2);  // 'y' after the start byte 0
  w.Follower(0, 1);  // 'q' after 'y'
  w.Raw({'!'});
  const RunResult run = Decompress(3, w.bytes(), 3);
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_EQ(Text(run), "yq!");
}

TEST(Unreduce, BadFollowerDataIsRefused) {
  BitWriter tooMany;  // a set of 33 followers
  tooMany.Bits(33, 6);
  tooMany.Zeros(33 * 8 + 64);
  ReduceWriter indexOutside({{0, {'x', 'y', 'z'}}});
  indexOutside.Follower(3, 2);
  for (const Bytes* stream : {&tooMany.bytes(), &indexOutside.bytes()}) {
    EXPECT_EQ(Decompress(2, *stream, 5).result.status, DecompressStatus::BadData);
  }
}

TEST(Unreduce, EndOfDataBeforeTheSizeIsTruncated) {
  ReduceWriter w;
  w.Raw({'a', 'b'});
  const RunResult run = Decompress(2, w.bytes(), 10);
  EXPECT_EQ(run.result.status, DecompressStatus::UnexpectedEnd);
  EXPECT_EQ(Text(run), "ab");
}

}  // namespace
}  // namespace unzip::test
