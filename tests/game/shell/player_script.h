#pragma once
// A player's script for the whole-game tests: a queue of steps run one a
// frame from the game's frame script (SetFrameScript). A step either waits
// (it answers false until what it waits for is there) or acts through the
// system's events only (the SDL event injector); where to click is read from
// the game's read-only view (game_view.h).
//
//   PlayerScript script;
//   script.Key(SDLK_SPACE);                       // the splash
//   script.ClickWidget("Title", 1);               // play
//   script.Then([] { return IsWindowOpen("Players_EditBox"); });
//   SetFrameScript([&] { script.Frame(); });
//
// A step that needs the state of the game to plan (the board's cells) is
// `Plan`: it runs once when it comes up and puts its steps first in line.
// What the script last waited for and how long it has waited is kept, so
// a run that stops making progress says where it stuck.
#include <SDL_keycode.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/window.h"
#include "engine/platform/sdl_event_injector.h"
#include "game/instruments/game_view.h"

namespace game {

class PlayerScript {
 public:
  using Step = std::function<bool()>;  // true: done, the next step comes

  // SDL's numbering of the mouse buttons.
  static constexpr int32_t kLeft = 1;
  static constexpr int32_t kRight = 3;

  // One frame: the step in front runs; a step that is done goes.
  void Frame() {
    ++frame_;
    if (steps_.empty()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (!step()) {
      steps_.push_front(std::move(step));
      ++waited_;
      return;
    }
    waited_ = 0;
    ++done_;
  }
  bool Finished() const { return steps_.empty(); }
  // Steps done so far, and frames the one in front has waited.
  int32_t Done() const { return done_; }
  int32_t Waited() const { return waited_; }
  const std::string& Label() const { return label_; }

  // --- Steps.
  void Then(Step step) { steps_.push_back(std::move(step)); }
  // Does `act` and goes on.
  void Do(std::function<void()> act) {
    Then([act = std::move(act)] {
      act();
      return true;
    });
  }
  // Names what the following steps do, for the failure message.
  void Say(std::string label) {
    Do([this, label = std::move(label)] { label_ = label; });
  }
  // Runs `plan` when it comes up; the steps it adds come before the rest.
  void Plan(std::function<void()> plan) {
    Then([this, plan = std::move(plan)] {
      std::deque<Step> rest;
      rest.swap(steps_);
      plan();
      for (Step& step : rest) steps_.push_back(std::move(step));
      return true;
    });
  }
  void Wait(int32_t frames) {
    for (int32_t i = 0; i < frames; ++i) Then([] { return true; });
  }
  // Nothing moving: no window opening or closing, no fade over the screen.
  static bool Settled() { return !IsAnyWindowMoving() && !IsWindowOpen("Fade_Transition"); }
  void WaitSettled() {
    Then([] { return Settled(); });
  }
  void WaitWindow(const std::string& window) {
    Then([window] { return IsWindowOpen(window) && Settled(); });
  }

  // A key pressed and released, with its text when it types one.
  void Key(int32_t sdl_key, const std::string& text = {}) {
    Do([sdl_key, text] {
      ORB::platform::InjectKey(sdl_key, true);
      if (!text.empty()) ORB::platform::InjectText(text);
    });
    Do([sdl_key] { ORB::platform::InjectKey(sdl_key, false); });
  }
  void Type(const std::string& letters) {
    for (const char letter : letters) Key(letter, std::string(1, letter));
  }

  // A click at a point found when the step comes up (the script waits
  // until `where` answers one and nothing moves).
  void Click(std::function<std::optional<PixelPoint>()> where, int32_t button = kLeft) {
    Then([this, where = std::move(where)] {
      if (!Settled()) return false;
      const std::optional<PixelPoint> at = where();
      if (!at) return false;
      at_ = *at;
      ORB::platform::InjectMouseMove(at_.x, at_.y);
      return true;
    });
    Do([this, button] { ORB::platform::InjectMouseButton(button, true, at_.x, at_.y); });
    Do([this, button] { ORB::platform::InjectMouseButton(button, false, at_.x, at_.y); });
  }
  void ClickWidget(const std::string& window, int32_t id, int32_t button = kLeft) {
    Click(
        [window, id]() -> std::optional<PixelPoint> {
          if (const std::optional<PixelRect> rect = WidgetRect(window, id)) return rect->Centre();
          return std::nullopt;
        },
        button);
  }
  void ClickPageItem(const std::string& window, int32_t index) {
    Click([window, index]() -> std::optional<PixelPoint> {
      if (const std::optional<PixelRect> rect = PageItemRect(window, index)) return rect->Centre();
      return std::nullopt;
    });
  }
  void ClickControl(PlayControl control) {
    Click([control]() -> std::optional<PixelPoint> {
      if (const std::optional<PixelRect> rect = PlayControlRect(control)) return rect->Centre();
      return std::nullopt;
    });
  }
  // A press at one point, the pointer through `path`, the release at its
  // end (one event a frame).
  void Drag(const std::vector<PixelPoint>& path, int32_t button) {
    if (path.empty()) return;
    const PixelPoint from = path.front();
    const PixelPoint to = path.back();
    Do([from] { ORB::platform::InjectMouseMove(from.x, from.y); });
    Do([from, button] { ORB::platform::InjectMouseButton(button, true, from.x, from.y); });
    for (size_t i = 1; i < path.size(); ++i) {
      const PixelPoint at = path[i];
      Do([at] { ORB::platform::InjectMouseMove(at.x, at.y); });
    }
    Do([to, button] { ORB::platform::InjectMouseButton(button, false, to.x, to.y); });
  }
  // A press on the cells of a row from `first` to `last` column (a click
  // when they are one), through each cell's centre.
  void DragRow(int32_t row, int32_t first, int32_t last, int32_t button) {
    std::vector<PixelPoint> path;
    for (int32_t col = first; col <= last; ++col) {
      if (const std::optional<PixelPoint> at = CellCentre(row, col)) path.push_back(*at);
    }
    Drag(path, button);
  }
  // The window losing or getting the focus.
  void Focus(bool gained) {
    Do([gained] {
      ORB::platform::InjectWindowEvent(ORB::Engine().window->GetHandle(),
                                       gained ? ORB::platform::InjectedWindowEvent::FocusGained
                                              : ORB::platform::InjectedWindowEvent::FocusLost);
    });
  }
  // The window's close button.
  void CloseWindow() {
    Do([] {
      ORB::platform::InjectWindowEvent(ORB::Engine().window->GetHandle(),
                                       ORB::platform::InjectedWindowEvent::Close);
    });
  }

 private:
  std::deque<Step> steps_;
  PixelPoint at_;
  std::string label_;
  int32_t frame_ = 0;
  int32_t done_ = 0;
  int32_t waited_ = 0;
};

}  // namespace game
