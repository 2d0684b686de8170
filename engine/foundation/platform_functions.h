#pragma once
// The thin system functions the rest of the engine calls.
#include <cstdint>
#include <string>

#include "engine/foundation/point.h"

namespace ORB {

uint32_t GetTimeMs();       // milliseconds of the frame clock
int64_t GetTime();          // calendar time in seconds
void SleepMs(uint32_t milliseconds);

// Hands an existing file to the desktop's opener; true when it was started.
bool OpenWithShell(const std::string& path);
bool OpenUrl(const std::string& path);

// 0: a desktop. The game asks whether it runs on a mobile platform.
int32_t GetPlatformType();
inline bool IsMobilePlatform() { return GetPlatformType() != 0; }
// False: the engine runs its own frame loop and paces itself.
bool IsHostDriven();
std::string GetSystemLocale();

}  // namespace ORB
