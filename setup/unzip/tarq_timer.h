// Elapsed time of an extraction without the time spent in the caller's event handlers:
// the run pauses the clock around every handler it calls.
#pragma once

#include <cstdint>

#include "unzip_platform.h"

namespace unzip {

class TarqTimer {
 public:
  explicit TarqTimer(UnzipPlatform& platform) : platform_(platform) {}

  void Start();
  void Stop();
  void Pause();
  void Resume();
  float ElapsedSeconds() const { return elapsed_; }

 private:
  UnzipPlatform& platform_;
  std::uint32_t startTick_ = 0;
  std::uint32_t pauseTick_ = 0;
  float elapsed_ = 0;
};

}  // namespace unzip
