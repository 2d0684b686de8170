#pragma once
// Time for the engine: a millisecond counter for frame timing, the calendar
// clock in seconds (hearts refill by it, also while the game is closed) and
// sleeping. Tests replace the source with their own clock.
#include <cstdint>

namespace ORB::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary start; wraps at 2^32 like any u32 counter.
  virtual uint32_t NowMs() = 0;
  // Seconds since 1970-01-01 UTC.
  virtual int64_t CalendarSeconds() = 0;
  virtual void SleepMs(uint32_t milliseconds) = 0;
  // Milliseconds until the calendar clock's next whole second (1 to 1000).
  virtual uint32_t MsToNextCalendarSecond() { return 1000; }
};

// The clock in use: the system's unless a test installed its own.
Clock& CurrentClock();
// Installs a clock (not owned); null restores the system's.
void SetClock(Clock* clock);
// True unless a test installed a clock of its own.
bool UsesSystemClock();

uint32_t GetTimeMs();
int64_t GetCalendarTime();
void SleepMs(uint32_t milliseconds);

// A clock that moves only when told to: sleeping advances it by the time slept.
class ManualClock final : public Clock {
 public:
  uint32_t NowMs() override { return now_ms_; }
  int64_t CalendarSeconds() override { return calendar_seconds_; }
  void SleepMs(uint32_t milliseconds) override {
    now_ms_ += milliseconds;
    slept_ms_ += milliseconds;
  }
  void AdvanceMs(uint32_t milliseconds) { now_ms_ += milliseconds; }
  void SetNowMs(uint32_t now) { now_ms_ = now; }
  void SetCalendarSeconds(int64_t seconds) { calendar_seconds_ = seconds; }
  uint64_t SleptMs() const { return slept_ms_; }
  uint32_t MsToNextCalendarSecond() override { return to_next_second_ms_; }
  void SetMsToNextCalendarSecond(uint32_t ms) { to_next_second_ms_ = ms; }

 private:
  uint32_t now_ms_ = 0;
  int64_t calendar_seconds_ = 0;
  uint64_t slept_ms_ = 0;
  uint32_t to_next_second_ms_ = 1000;
};

}  // namespace ORB::platform
