#include "engine/scene/bot_chart_boost.h"

namespace ORB {

OC_BOT_CHART_BOOST::OC_BOT_CHART_BOOST() {
  order = kBotOrder;
  flag = 0;
}

int32_t OC_BOT_CHART_BOOST::Handle(int32_t msg, float, float, float, void*) {
  return msg == kBotTick ? kResultFinished : kResultNone;
}

}  // namespace ORB
