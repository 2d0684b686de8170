#pragma once
// The frame timer: measures the step between two ticks on the millisecond
// clock, clamps it and publishes it. The engine's global timer publishes into
// the process-wide frame delta that every animation reads.
#include <atomic>
#include <cstdint>

namespace ORB {

class Timer {
 public:
  Timer() { Reset(); }

  // Output none; start, current and last time = now; sums and clamp 0.
  void Reset();
  // Seconds since the previous tick (or the reset), clamped to the max delta
  // when one is set; also written to the output and added to the total.
  float Tick();
  // Seconds of the clock at the last tick.
  float GetTime() const { return static_cast<float>(current_time_) / 1000.0f; }

  void SetOutput(std::atomic<float>* output) { output_ = output; }
  void SetMaxDelta(float seconds) { max_delta_ = seconds; }
  float MaxDelta() const { return max_delta_; }
  float Delta() const { return delta_; }
  float Total() const { return total_; }

 private:
  std::atomic<float>* output_ = nullptr;
  uint32_t start_time_ = 0;
  uint32_t current_time_ = 0;
  uint32_t last_time_ = 0;
  float total_ = 0.0f;
  float delta_ = 0.0f;
  float max_delta_ = 0.0f;
};

// The seconds of the last frame, read by every update (also from the audio
// thread, hence atomic).
std::atomic<float>& FrameDelta();
inline float GetFrameDelta() { return FrameDelta().load(std::memory_order_relaxed); }

}  // namespace ORB
