#include "engine/foundation/platform_functions.h"

#include "engine/platform/clock.h"
#include "engine/platform/shell.h"

namespace ORB {

uint32_t GetTimeMs() { return platform::GetTimeMs(); }
int64_t GetTime() { return platform::GetCalendarTime(); }
void SleepMs(uint32_t milliseconds) { platform::SleepMs(milliseconds); }

bool OpenWithShell(const std::string& path) { return platform::OpenWithShell(path); }
bool OpenUrl(const std::string& path) { return platform::OpenWithShell(path); }

int32_t GetPlatformType() { return 0; }
bool IsHostDriven() { return false; }
std::string GetSystemLocale() { return "no locale"; }

}  // namespace ORB
