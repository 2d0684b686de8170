#include "engine/scene/bot_base.h"

namespace ORB {

void BroadcastMessage4(const std::vector<OC_BASE*>* bots) {
  if (bots == nullptr) return;
  // By index: a handler may append to the vector.
  for (size_t i = 0; i < bots->size(); ++i) {
    OC_BASE* bot = (*bots)[i];
    if (bot != nullptr) bot->Handle(kBotBroadcast4, 0.0f, 0.0f, 0.0f, nullptr);
  }
}

}  // namespace ORB
