#include "framework/game_screen.h"

#include "engine/foundation/SERVICE/app_settings.h"
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"

namespace ORB_GF {

ORB::Point GameScreenSize() {
  const ORB::OC_GAME_SERVICE_ONE* service = ORB::Engine().service;
  return service != nullptr ? service->Settings().resolution : ORB::AppSettings().resolution;
}

}  // namespace ORB_GF
