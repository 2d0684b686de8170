#include "game/shell/startup/display_mode.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/window.h"
#include "game/shell/startup/game_settings.h"

namespace game {

DisplayChoice ChooseDisplayMode(bool fullscreen, int32_t desktop_width, int32_t desktop_height) {
  DisplayChoice choice;
  choice.fullscreen = fullscreen;
  if (desktop_width <= 0 || desktop_height <= 0) return choice;
  if (desktop_width < kVirtualWidth || desktop_height < kVirtualHeight) choice.fullscreen = true;
  const double w = static_cast<double>(desktop_width) / kVirtualWidth;
  const double h = static_cast<double>(desktop_height) / kVirtualHeight;
  choice.wider_than_4_3 = h <= w;
  choice.taller_than_4_3 = !choice.wider_than_4_3;
  return choice;
}

void ApplyDisplayMode() {
  ORB::Point desktop = ORB::GetScreenSize();
  if (const ORB::Window* window = ORB::Engine().window) desktop = window->DesktopSize();
  GameSettings& settings = GetGameSettings();
  const DisplayChoice choice = ChooseDisplayMode(settings.fullscreen, desktop.x, desktop.y);
  settings.fullscreen = choice.fullscreen;
  settings.wider_than_4_3 = choice.wider_than_4_3;
  settings.taller_than_4_3 = choice.taller_than_4_3;
  if (ORB::OC_GAME_SERVICE_ONE* service = ORB::Engine().service) {
    service->SetVideoMode(kVirtualWidth, kVirtualHeight, choice.fullscreen,
                          service->Settings().desktop_resolution);
  }
}

}  // namespace game
