#include "engine/platform/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace ORB::platform {

namespace {

class SystemClock final : public Clock {
 public:
  uint32_t NowMs() override {
    const auto since = std::chrono::steady_clock::now() - start_;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  }
  int64_t CalendarSeconds() override {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  }
  void SleepMs(uint32_t milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
  uint32_t MsToNextCalendarSecond() override {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    return static_cast<uint32_t>(1000 - ms % 1000);
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

SystemClock& System() {
  static SystemClock clock;
  return clock;
}

std::atomic<Clock*> g_clock{nullptr};

}  // namespace

Clock& CurrentClock() {
  Clock* clock = g_clock.load();
  return clock != nullptr ? *clock : System();
}

void SetClock(Clock* clock) { g_clock.store(clock); }

bool UsesSystemClock() { return g_clock.load() == nullptr; }

uint32_t GetTimeMs() { return CurrentClock().NowMs(); }
int64_t GetCalendarTime() { return CurrentClock().CalendarSeconds(); }
void SleepMs(uint32_t milliseconds) { CurrentClock().SleepMs(milliseconds); }

}  // namespace ORB::platform
