#include "output_window.h"

#include <algorithm>
#include <cstring>

namespace unzip {

OutputWindow::OutputWindow(const EntryStreams& streams, std::uint64_t size, bool zeroHistory)
    : streams_(streams),
      storage_(std::make_unique_for_overwrite<std::uint8_t[]>(kHistory + kSpan + kSlack)),
      size_(size) {
  begin_ = storage_.get();
  end_ = begin_ + kHistory + kSpan;
  std::memset(begin_, 0, kHistory);
  floor = zeroHistory ? begin_ : begin_ + kHistory;
  next = flushed_ = begin_ + kHistory;
  producedAtBegin_ = std::uint64_t{0} - kHistory;
  SetStop();
}

void OutputWindow::SetStop() {
  const std::uint64_t room = static_cast<std::uint64_t>(end_ - next);
  stop = next + static_cast<std::size_t>(std::min(room, Remaining()));
}

void OutputWindow::CopyMatch(std::size_t distance, std::size_t length) {
  if (distance == 0 || distance > kHistory || distance > static_cast<std::size_t>(next - floor)) {
    FailBadData();
  }
  while (length > 0) {
    if (next == stop) MakeRoom();
    const std::size_t run = std::min(length, static_cast<std::size_t>(stop - next));
    const std::uint8_t* from = next - distance;
    for (std::size_t i = 0; i < run; ++i) next[i] = from[i];
    next += run;
    length -= run;
  }
}

void OutputWindow::Append(const std::uint8_t* data, std::size_t count) {
  while (count > 0) {
    if (next == stop) MakeRoom();
    const std::size_t run = std::min(count, static_cast<std::size_t>(stop - next));
    std::memcpy(next, data, run);
    next += run;
    data += run;
    count -= run;
  }
}

void OutputWindow::MakeRoom() {
  if (Remaining() == 0) FailBadData();  // more output than the entry's size
  Flush();
  const std::size_t drop = static_cast<std::size_t>(next - begin_) - kHistory;
  std::memmove(begin_, next - kHistory, kHistory);
  producedAtBegin_ += drop;
  next = flushed_ = begin_ + kHistory;
  floor = begin_;  // every byte kept is now output of this entry (or its zero history)
  SetStop();
}

void OutputWindow::Flush() {
  while (flushed_ < next) {
    const std::size_t block = std::min(kOutputBlockSize, static_cast<std::size_t>(next - flushed_));
    if (!streams_.output(flushed_, block)) {
      throw DecodeFailure{DecompressStatus::WriteError, kMsgErrorWriting};
    }
    flushed_ += block;
    if (streams_.cancelled && streams_.cancelled()) FailAborted();
  }
}

}  // namespace unzip
