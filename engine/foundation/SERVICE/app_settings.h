#pragma once
// The game service's display settings and names.
#include <cstdint>
#include <string>

#include "engine/foundation/point.h"

namespace ORB {

struct AppSettings {
  bool fullscreen = false;
  // In fullscreen the back buffer takes the desktop size.
  bool desktop_resolution = false;
  bool running = false;
  std::string game_name = "Vorlane Game";
  std::string company_name = "Vorlane";
  Point screen_size;
  Point resolution{1024, 768};
  int32_t render_fps = 0;
  int32_t render_cap = 60;
  int32_t update_fps = 0;
  int32_t update_cap = 0;
};

}  // namespace ORB
