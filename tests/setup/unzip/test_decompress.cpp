// The dispatch on the method and what every method shares: the stored copy, the end statuses of
// a failed write, a cancel and an unknown method.
#include <gtest/gtest.h>

#include "stream_builder.h"

namespace unzip::test {
namespace {

Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 251);
  return bytes;
}

TEST(DecompressEntry, StoredEntryIsCopiedInBlocks) {
  const Bytes content = Pattern(100000);
  const RunResult run = Decompress(0, content, content.size(), {.chunk = 3000});
  EXPECT_EQ(run.result.status, DecompressStatus::Ok);
  EXPECT_EQ(run.output, content);
  EXPECT_EQ(run.result.bytesWritten, content.size());

  const RunResult empty = Decompress(0, {}, 0);
  EXPECT_EQ(empty.result.status, DecompressStatus::Ok);
  EXPECT_TRUE(empty.output.empty());
}

TEST(DecompressEntry, StoredEntryShorterThanItsSizeIsTruncated) {
  const Bytes content = Pattern(5000);
  const RunResult run = Decompress(0, content, 6000);
  EXPECT_EQ(run.result.status, DecompressStatus::UnexpectedEnd);
  EXPECT_EQ(run.output, content);
}

TEST(DecompressEntry, UnknownMethodsWriteNothing) {
  for (std::uint16_t method : {7, 9, 12, 99}) {
    const RunResult run = Decompress(method, Pattern(100), 100);
    EXPECT_EQ(run.result.status, DecompressStatus::UnsupportedMethod) << method;
    EXPECT_EQ(run.result.message, kMsgUnsupportedMethod);
    EXPECT_TRUE(run.output.empty());
  }
}

TEST(DecompressEntry, EmptyEntriesOfTheOldMethodsNeedNoData) {
  for (std::uint16_t method = 1; method <= 6; ++method) {
    const RunResult run = Decompress(method, {}, 0);
    EXPECT_EQ(run.result.status, DecompressStatus::Ok) << method;
    EXPECT_TRUE(run.output.empty());
  }
}

// Deflate's stored blocks give a long entry without a compressor.
Bytes StoredDeflate(const Bytes& content) {
  BitWriter w;
  for (std::size_t at = 0; at < content.size(); at += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, content.size() - at);
    w.Bits(at + n == content.size() ? 1 : 0, 3);
    w.AlignToByte();
    w.Bits(static_cast<std::uint32_t>(n), 16);
    w.Bits(~static_cast<std::uint32_t>(n) & 0xFFFF, 16);
    for (std::size_t i = 0; i < n; ++i) w.Bits(content[at + i], 8);
  }
  return w.bytes();
}

TEST(DecompressEntry, FailedWriteEndsTheEntryAsWriteError) {
  const Bytes content = Pattern(300000);
  for (std::uint16_t method : {0, 8}) {
    const Bytes data = method == 0 ? content : StoredDeflate(content);
    const RunResult run = Decompress(method, data, content.size(), {.failWriteAt = 1});
    EXPECT_EQ(run.result.status, DecompressStatus::WriteError) << method;
    EXPECT_EQ(run.result.message, kMsgErrorWriting);
    EXPECT_EQ(run.result.bytesWritten, run.output.size()) << "only what the sink accepted";
    EXPECT_LE(run.output.size(), kOutputBlockSize);
  }
}

TEST(DecompressEntry, CancelEndsTheEntryWithoutAMessage) {
  const Bytes content = Pattern(300000);
  for (std::uint16_t method : {0, 8}) {
    const Bytes data = method == 0 ? content : StoredDeflate(content);
    const RunResult run = Decompress(method, data, content.size(), {.chunk = 1000, .cancelAfterReads = 5});
    EXPECT_EQ(run.result.status, DecompressStatus::Aborted) << method;
    EXPECT_EQ(run.result.message, 0);
    EXPECT_LT(run.output.size(), content.size());
  }
}

}  // namespace
}  // namespace unzip::test
