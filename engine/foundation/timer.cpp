#include "engine/foundation/timer.h"

#include "engine/platform/clock.h"

namespace ORB {

std::atomic<float>& FrameDelta() {
  static std::atomic<float> delta{0.0f};
  return delta;
}

void Timer::Reset() {
  output_ = nullptr;
  start_time_ = current_time_ = last_time_ = platform::GetTimeMs();
  total_ = delta_ = max_delta_ = 0.0f;
}

float Timer::Tick() {
  const uint32_t now = platform::GetTimeMs();
  current_time_ = now;
  // Unsigned difference: a wrap of the 32-bit clock still gives the step.
  delta_ = static_cast<float>(static_cast<double>(now - last_time_) / 1000.0);
  last_time_ = now;
  if (max_delta_ != 0.0f && delta_ > max_delta_) delta_ = max_delta_;
  if (output_ != nullptr) output_->store(delta_, std::memory_order_relaxed);
  total_ += delta_;
  return delta_;
}

}  // namespace ORB
