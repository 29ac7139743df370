#include "tarq_timer.h"

namespace unzip {

void TarqTimer::Start() {
  elapsed_ = 0;
  startTick_ = platform_.TickCount();
  pauseTick_ = 0;
}

void TarqTimer::Stop() {
  if (startTick_ == 0) return;
  elapsed_ = static_cast<float>(platform_.TickCount() - startTick_) / 1000.0f;
  startTick_ = 0;
}

void TarqTimer::Pause() {
  if (startTick_ != 0) pauseTick_ = platform_.TickCount();
}

void TarqTimer::Resume() {
  if (startTick_ == 0 || pauseTick_ == 0) return;
  startTick_ += platform_.TickCount() - pauseTick_;
  pauseTick_ = 0;
}

}  // namespace unzip
