#pragma once
// The engine's key and mouse hooks handed to the game hub, as the game's
// driver installs them, for as long as the object lives.
#include <cstdint>

#include "engine/foundation/hooks.h"
#include "engine/foundation/result_codes.h"
#include "game/shell/hub/game_hub.h"

namespace game {

class HubHooks {
 public:
  HubHooks() {
    ORB::SetHook(ORB::Hook::KeyDown, [](intptr_t code) {
      if (gGame* hub = gGame::Instance()) hub->OnKeyDown(static_cast<int32_t>(code));
      return ORB::kResultNone;
    });
    ORB::SetHook(ORB::Hook::KeyUp, [](intptr_t code) {
      if (gGame* hub = gGame::Instance()) hub->OnKeyUp(static_cast<int32_t>(code));
      return ORB::kResultNone;
    });
    ORB::SetHook(ORB::Hook::MouseMove, [](intptr_t) {
      if (gGame* hub = gGame::Instance()) hub->OnMouseMove();
      return ORB::kResultNone;
    });
  }
  ~HubHooks() {
    for (ORB::Hook hook : {ORB::Hook::KeyDown, ORB::Hook::KeyUp, ORB::Hook::MouseMove}) {
      ORB::ClearHook(hook);
    }
  }
  HubHooks(const HubHooks&) = delete;
  HubHooks& operator=(const HubHooks&) = delete;
};

}  // namespace game
