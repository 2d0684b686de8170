#pragma once
// OC_BASE: a bot, a small behaviour that changes one value of another object
// a little every frame and then reports that it has finished. Bots are owned
// and ticked by an OC_BOT_LIST; the same base also serves the items of paged
// grids, which receive further message codes through the same entry.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/result_codes.h"

namespace ORB {

// Message codes every bot understands.
constexpr int32_t kBotTick = 1;           // advance one frame by the frame delta
constexpr int32_t kBotBroadcast4 = 4;     // sent by BroadcastMessage4
constexpr int32_t kBotTakeCallback = 38;  // data: a Callback* to copy (null ignored)
constexpr int32_t kBotFinishNow = 45;     // run the finish step at once

// Results of Handle (result_codes.h): kResultFinished (the list deletes the
// bot), kResultStopPass (the list stops its current pass), anything else
// (normally kResultNone) to carry on.

// A 32-bit id from four characters in memory order ("noid" -> 'n' in the
// low byte).
constexpr uint32_t BotId(const char (&text)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) |
         static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[3])) << 24;
}

// The order key every bot sets: 3.4e38, just below the largest float.
constexpr float kBotOrder = 3.4e38f;

class OC_BASE {
 public:
  OC_BASE() = default;
  virtual ~OC_BASE() = default;
  OC_BASE(const OC_BASE&) = delete;
  OC_BASE& operator=(const OC_BASE&) = delete;

  // One message; answers kResultFinished, kResultStopPass or anything else to
  // carry on. Codes a bot does not handle answer 0.
  virtual int32_t Handle(int32_t msg, float a, float b, float c, void* data) = 0;

  std::string name = "nonamed";  // filtered on by messages, Delete and Detach
  std::string lastname = "nolastname";
  std::vector<uint32_t> extra;  // spare storage; no bot uses it
  uint32_t id = BotId("noid");
  uint32_t reserved = 0;
  float order = 0.0f;    // the list keeps bots by this key, largest first
  void* link = nullptr;  // cleared by OC_BOT_LIST::Detach
  uint8_t enabled = 1;   // tested by the list's enabled filter
  uint8_t flag = 1;
};

// Calls Handle(4, 0, 0, 0, null) on every element, front to back; null
// elements and a null vector are skipped.
void BroadcastMessage4(const std::vector<OC_BASE*>* bots);

}  // namespace ORB
