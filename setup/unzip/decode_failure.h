// Internal to the decompressors: how a method gives up on an entry.
#pragma once

#include "decompress.h"

namespace unzip {

// Thrown from deep inside a decoder and caught by DecompressEntry, so the hot loops need no
// status plumbing; never escapes the library.
struct DecodeFailure {
  DecompressStatus status;
  int message;
};

[[noreturn]] inline void FailBadData(int message = kMsgBadBlock) {
  throw DecodeFailure{DecompressStatus::BadData, message};
}

[[noreturn]] inline void FailTruncated() { throw DecodeFailure{DecompressStatus::UnexpectedEnd, kMsgBadBlock}; }

[[noreturn]] inline void FailAborted() { throw DecodeFailure{DecompressStatus::Aborted, 0}; }

}  // namespace unzip
