#pragma once
// A read-only look at the running game for scripts that play it as a person
// would (the whole-game tests, the soak): where things are on the window and
// what state the game is in, so that a script knows where to click and when
// to go on. Nothing here changes the game; a script acts only through the
// system's events (engine/platform/sdl_event_injector.h), and its own code
// runs once a frame through SetFrameScript (driver_instruments.h).
//
// Places are in the window's pixels (what a mouse event carries): the game's
// coordinates taken through the window's letterbox. Every answer is empty
// (or false, or null) outside a run or when the thing asked for is not
// there.
//
//   SetFrameScript([&] {
//     if (IsAnyWindowMoving()) return;              // wait for the screens to settle
//     if (auto play = WidgetRect("Title", 3)) {     // the title's "play" button
//       const PixelPoint at = play->Centre();
//       InjectMouseMove(at.x, at.y);
//       InjectMouseButton(1, true, at.x, at.y);
//       InjectMouseButton(1, false, at.x, at.y);
//     }
//   });
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace game {

class GG_PLAYER;

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
  int32_t x = 0;  // left
  int32_t y = 0;  // top
  int32_t width = 0;
  int32_t height = 0;
  PixelPoint Centre() const { return {x + width / 2, y + height / 2}; }
  bool Contains(PixelPoint p) const {
    return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height;
  }
};

// One cell of the level in play: part of the picture, and opened.
struct CellView {
  bool picture = false;
  bool open = false;
};

// The play screen's controls a script clicks that are no window's widgets.
enum class PlayControl {
  kPause,         // the pause button: opens the in-game menu
  kTutorialSkip,  // the guided tutorial's skip button on its current step
};

// The level on the gameplay screen.
struct PlayView {
  bool active = false;  // a level is loaded and running
  bool paused = false;
  bool ended = false;  // won or lost, the end is playing
  int32_t pack_id = 0;
  int32_t level_id = 0;
  int32_t rows = 0;
  int32_t columns = 0;
  int32_t errors = 0;
  int32_t allowed_errors = 0;
  double progress = 0.0;  // picture cells opened over all picture cells
};

// The open windows' names, front first.
std::vector<std::string> OpenWindowNames();
bool IsWindowOpen(const std::string& name);
// An open window still opening or closing, or the window of that name.
bool IsAnyWindowMoving();
bool IsWindowMoving(const std::string& name);
// The drawn rectangle of the widget with that id in the open window of that
// name (the first in the window's tree); empty when either is missing or the
// widget has no size.
std::optional<PixelRect> WidgetRect(const std::string& window, int32_t id);
// The ids of the shown widgets with a size in the open window of that name,
// in tree order (pre-order); a script picks what to click among them.
std::vector<int32_t> WidgetIds(const std::string& window);
// The drawn rectangle of an item of the open paged window of that name
// (the pack list's packs, the level list's levels, the shop's offers, the
// help's pages), by its index among the grid's items; empty when the window
// is not open or not paged, or the item is not on the page shown.
std::optional<PixelRect> PageItemRect(const std::string& window, int32_t index);
// The drawn rectangle of a control of the play screen; empty without a
// level in play, or when the control is hidden (the skip button without an
// active tutorial step).
std::optional<PixelRect> PlayControlRect(PlayControl control);
// A game point (1024 x 768 space) on the window.
PixelPoint GameToWindow(float x, float y);
// The centre of a cell of the level in play (row and column from 0).
std::optional<PixelPoint> CellCentre(int32_t row, int32_t col);
// A cell of the level in play (row and column from 0).
std::optional<CellView> Cell(int32_t row, int32_t col);
// The hub's current player (null when none is chosen).
const GG_PLAYER* CurrentPlayer();
// The level in play; empty without a gameplay screen.
std::optional<PlayView> Play();

}  // namespace game
