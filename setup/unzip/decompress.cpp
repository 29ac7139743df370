#include "decompress.h"

#include <algorithm>
#include <memory>

#include "decode_failure.h"
#include "methods.h"

namespace unzip {

namespace {

// A stored entry needs neither window nor bit reader: its bytes go straight through.
void CopyStored(const EntryInfo& entry, const EntryStreams& streams, std::uint64_t& written) {
  auto buffer = std::make_unique<std::uint8_t[]>(kOutputBlockSize);
  while (written < entry.uncompressedSize) {
    if (streams.cancelled && streams.cancelled()) FailAborted();
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(kOutputBlockSize, entry.uncompressedSize - written));
    const std::size_t got = streams.input(buffer.get(), want);
    if (got == 0) FailTruncated();
    if (!streams.output(buffer.get(), got)) {
      throw DecodeFailure{DecompressStatus::WriteError, kMsgErrorWriting};
    }
    written += got;
  }
}

bool IsOldMethod(std::uint16_t method) { return method >= 1 && method <= 6; }

void RunMethod(const EntryInfo& entry, BitInput& in, OutputWindow& out) {
  // The old tools stored empty files, but an empty entry of an old method has nothing to read.
  if (IsOldMethod(entry.method) && entry.uncompressedSize == 0) return;
  switch (entry.method) {
    case 1:
      Unshrink(in, out);
      break;
    case 2:
    case 3:
    case 4:
    case 5:
      Unreduce(in, out, entry.method - 1u);
      break;
    case 6:
      Explode(in, out, entry.flags);
      break;
    case 8:
      Inflate(in, out);
      break;
  }
}

}  // namespace

DecompressResult DecompressEntry(const EntryInfo& entry, const EntryStreams& streams) {
  const std::uint16_t method = entry.method;
  if (method == 7 || method > 8) {
    return {DecompressStatus::UnsupportedMethod, kMsgUnsupportedMethod, 0};
  }
  if (method == 0) {
    DecompressResult result;
    try {
      CopyStored(entry, streams, result.bytesWritten);
    } catch (const DecodeFailure& failure) {
      result.status = failure.status;
      result.message = failure.message;
    }
    return result;
  }

  BitInput in(streams);
  OutputWindow out(streams, entry.uncompressedSize, IsOldMethod(method));
  DecompressResult result;
  try {
    RunMethod(entry, in, out);
    // A stream that ends before the entry's size has lost data somewhere.
    if (out.Remaining() != 0) result = {DecompressStatus::BadData, kMsgBadBlock, 0};
    out.Flush();
  } catch (const DecodeFailure& failure) {
    result = {failure.status, failure.message, 0};
    // What was decoded before the failure still reaches the file, as the walk expects;
    // after a failed write or a cancel nothing more is written.
    if (failure.status != DecompressStatus::WriteError && failure.status != DecompressStatus::Aborted) {
      try {
        out.Flush();
      } catch (const DecodeFailure&) {
        // The first failure is the one to report; this write adds nothing to it.
      }
    }
  }
  result.bytesWritten = out.Written();
  return result;
}

}  // namespace unzip
