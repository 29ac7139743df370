#include "bit_input.h"

#include <cstring>

namespace unzip {

BitInput::BitInput(const EntryStreams& streams)
    : streams_(streams), buffer_(std::make_unique<std::uint8_t[]>(kBufferSize)) {
  next = end = buffer_.get();
}

bool BitInput::RefillBuffer() {
  if (exhausted_) return false;
  if (streams_.cancelled && streams_.cancelled()) FailAborted();
  const std::size_t kept = static_cast<std::size_t>(end - next);
  std::memmove(buffer_.get(), next, kept);
  next = buffer_.get();
  end = next + kept;
  const std::size_t room = kBufferSize - kept;
  const std::size_t got = streams_.input(buffer_.get() + kept, room);
  if (got == 0) {
    exhausted_ = true;
    return false;
  }
  end += got;
  return true;
}

}  // namespace unzip
