#pragma once
// The game's display mode: its 1024 x 768 screen, windowed or fullscreen as
// the settings say, and the desktop's shape against it, which decides where
// the border pictures go (screen_borders.h). CreateGame applies it at the
// end, and the hub again whenever the player changes (the player's choice
// may differ).
#include <cstdint>

namespace game {

struct DisplayChoice {
  bool fullscreen = false;
  // Bars left and right (the desktop is wider than 4:3, or exactly 4:3),
  // or above and below.
  bool wider_than_4_3 = false;
  bool taller_than_4_3 = false;
};

// What a desktop of that size gets when `fullscreen` is asked: a desktop
// smaller than the game's screen in either direction only fits it in
// fullscreen. An unknown (empty) desktop changes nothing and has no shape.
DisplayChoice ChooseDisplayMode(bool fullscreen, int32_t desktop_width, int32_t desktop_height);

// Chooses for the game window's desktop, stores the choice in the game
// settings (fullscreen forced on stays on) and sets the game service's video
// mode to 1024 x 768 with it, when a service runs.
void ApplyDisplayMode();

}  // namespace game
