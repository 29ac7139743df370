// Unshrink on LZW code streams written by hand.
#include <gtest/gtest.h>

#include "stream_builder.h"

namespace unzip::test {
namespace {

constexpr std::uint16_t kShrink = 1;

struct Code {
  std::uint32_t value;
  unsigned width;
};

Bytes Codes(std::initializer_list<Code> codes) {
  BitWriter w;
  for (const Code& c : codes) w.Bits(c.value, c.width);
  return w.bytes();
}

std::string Text(const RunResult& run) { return std::string(run.output.begin(), run.output.end()); }

TEST(Unshrink, CodesBuildStringsIncludingTheOneBeingDefined) {
  // a b 257="ab" 259: not yet defined, so "ab" + 'a'
  const Bytes stream = Codes({{'a', 9}, {'b', 9}, {257, 9}, {259, 9}});
  for (std::size_t chunk : {std::size_t{1}, SIZE_MAX}) {
    const RunResult run = Decompress(kShrink, stream, 7, {.chunk = chunk});
    EXPECT_EQ(run.result.status, DecompressStatus::Ok);
    EXPECT_EQ(Text(run), "abababa");
  }
}

TEST(Unshrink, ControlCodesWidenCodesAndClearLeaves) {
  // 256,1 makes codes 10 bits wide; 256,2 frees 257 ("ab", a leaf), which "bc" then takes.
  const Bytes stream = Codes({{'a', 9}, {'b', 9}, {256, 9}, {1, 9}, {256, 10}, {2, 10}, {'c', 10}, {257, 10}});
  const RunResult run = Decompress(kShrink, stream, 5);
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_EQ(Text(run), "abcbc");
}

TEST(Unshrink, BadCodesAreRefused) {
  const Bytes unknownControl = Codes({{'a', 9}, {256, 9}, {3, 9}, {'b', 9}});
  const Bytes firstCodeNotAByte = Codes({{300, 9}, {'a', 9}});
  BitWriter tooWide;
  tooWide.Bits('a', 9);
  for (unsigned width = 9; width <= 13; ++width) {  // the fifth widening would make 14 bits
    tooWide.Bits(256, width);
    tooWide.Bits(1, width);
  }
  tooWide.Zeros(64);
  for (const Bytes* stream : {&unknownControl, &firstCodeNotAByte}) {
    const RunResult run = Decompress(kShrink, *stream, 10);
    EXPECT_EQ(run.result.status, DecompressStatus::BadData);
    EXPECT_EQ(run.result.message, kMsgBadBlock);
  }
  const RunResult wide = Decompress(kShrink, tooWide.bytes(), 10);
  EXPECT_EQ(wide.result.status, DecompressStatus::BadData);
  EXPECT_EQ(wide.output, Bytes{'a'});
}

TEST(Unshrink, DataEndingBeforeTheSizeIsTruncated) {
  const Bytes stream = Codes({{'a', 9}, {'b', 9}, {257, 9}});
  const RunResult run = Decompress(kShrink, stream, 10);
  EXPECT_EQ(run.result.status, DecompressStatus::UnexpectedEnd);
  EXPECT_EQ(Text(run), "abab");
}

TEST(Unshrink, StringRunningPastTheSizeIsBadData) {
  const Bytes stream = Codes({{'a', 9}, {'b', 9}, {257, 9}});
  const RunResult run = Decompress(kShrink, stream, 3);
  EXPECT_EQ(run.result.status, DecompressStatus::BadData);
  EXPECT_EQ(Text(run), "aba");
}

}  // namespace
}  // namespace unzip::test
