#pragma once
// OC_BOT_CHART_BOOST: a placeholder of the engine's interface for an
// advertising hand-off that this platform does not have. It carries two
// strings and a word set by whoever makes it, and reports that it has
// finished at its first tick, so its list deletes it at once.
#include <cstdint>
#include <string>

#include "engine/scene/bot_base.h"

namespace ORB {

class OC_BOT_CHART_BOOST : public OC_BASE {
 public:
  // No class word: the name stays "nonamed".
  OC_BOT_CHART_BOOST();

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  std::string first;
  std::string second;
  uint32_t word = 0;
};

}  // namespace ORB
