#pragma once
// G_WINDOW: the base of every screen and dialog of the game. A window is made
// from one window description (an XML element, every item optional), owns a
// widget tree (OC_GUI_ROOT), an optional full-screen background picture, a
// live transform that carries the whole tree, and a bot list that plays its
// show and hide movements. The window manager (window_manager.h) makes the
// windows through the game's factory, opens and closes them by name and
// drives them every frame; game screens derive from it and override the
// empty hooks (OnOpened, OnGuiEvent, ...).
//
// The description (the window element):
//
//   <window _name="Confirm_Exit" _type="G_WINDOW_CONFIRM" _typeOpen="SH_MOVE_DOWN"
//           _typeClose="SH_MOVE_UP" _typePos="POS_MIDDLE_SCREEN" _timeShow="0.4"
//           _timeHide="0.3" _delayShow="0" _delayHide="0" _modal="1" layer="10"
//           _position="0.5 0.4">
//     <background START_COLOR="0 255 255 255" END_COLOR="255 255 255 255"
//                 SIZE="1024 768">data/share/image/gui backdrop.png</background>
//     <GUI> ...widget elements (GUI XML)... </GUI>
//     <sounds><item id="3" sound="click"/><item id="4" sound="click"/></sounds>
//   </window>
//
//   "_name" the window's name ("gWidnow" when absent); "_typeOpen" and
//   "_typeClose" a show kind: "SH_MOMENTAL", "SH_FADE" (the window stands
//   still, only the background's colour changes), "SH_MOVE_UP",
//   "SH_MOVE_DOWN" (the default), "SH_MOVE_LEFT", "SH_MOVE_RIGHT" (any other
//   name: kind 6, which stands still); "_typePos" "POS_MIDDLE_SCREEN" (the
//   default: the screen's centre), "POS_IN_PIX" ("_position" in pixels) or
//   any other name ("_position" as fractions of the screen); "_timeShow"
//   seconds of the opening (also of the closing; ignored for "SH_MOMENTAL"),
//   "_timeHide" of the closing (0.5 each by default); "_delayShow" and
//   "_delayHide" seconds before each starts; "_modal" 1 keeps input from the
//   windows behind; "layer" orders the open windows (higher in front);
//   "background" a picture drawn at the screen's centre, not moving with the
//   window, fading from START_COLOR to END_COLOR (a r g b) as the window
//   opens and back as it closes; "GUI" the widget tree; "sounds" the sound
//   each widget id plays when clicked; "bots" is accepted and ignored.
//   Unknown show and position names are logged.
//
// The life cycle: constructed -> opening (open, moving) -> shown (open) ->
// closing (open, moving) -> closed -> opening again. Each step runs a hook
// of the window and then the life-cycle callback of its kind (WindowEvent):
// kOpenBegin, kOpenMoving, kOpened, kCloseBegin, kCloseMoving, kClosed,
// kInputDisabled, kInputEnabled. A callback may be changed, cleared or may
// open and close windows while it runs.
//
// Input: the manager hands the window its mouse passes while it takes input.
// A window still moving answers kEventSwallowed (-109) to a press or a
// release, so nothing behind it gets the event. A release the window took
// the press of but that clicks nothing there (it swallowed it, a modal
// window stood in front of it, it had closed) makes the manager drop the
// press its widgets hold (DropPress). A closing window is moving
// until its closing ends, also when it was closed during its opening (the
// end of that opening does not make it take clicks again). A click (code 8) on a widget
// plays the widget's mapped sound through the click-sound hook, then runs
// OnGuiEvent(id) and the event callback; a value change (code 10, a slider
// or a typed character) runs OnGuiEvent(id) alone. The last answer is kept
// as a copy of its id and code (LastGuiEvent).
//
// Resources are taken by LoadResources (the manager calls it before the
// first opening) and given back by ReleaseResources; a release asked for
// while the window moves waits for the end of the next closing.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "engine/foundation/callback.h"
#include "engine/foundation/colour.h"
#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_root.h"
#include "engine/scene/bot_list.h"
#include "framework/sprite.h"
#include "framework/transform_auto.h"

namespace ORB_GF {

// Show kinds ("_typeOpen", "_typeClose").
enum ShowKind : int32_t {
  SH_MOMENTAL = 0,
  SH_FADE = 1,
  SH_MOVE_UP = 2,
  SH_MOVE_DOWN = 3,
  SH_MOVE_LEFT = 4,
  SH_MOVE_RIGHT = 5,
  SH_UNKNOWN = 6,  // any other name: the window stands still
};

// Position kinds ("_typePos").
enum PositionKind : int32_t {
  POS_MIDDLE_SCREEN = 0,
  POS_IN_PIX = 1,
  POS_AUTO = 2,  // any other name: "_position" as fractions of the screen
};

// Life-cycle callback kinds, and the one event callback kind.
enum WindowEvent : int32_t {
  kOpenBegin = 0,    // Open began (after OnOpenBegin)
  kOpenMoving = 1,   // the opening movement was started (after OnOpening)
  kOpened = 2,       // fully shown (after OnOpened)
  kCloseBegin = 3,   // Close began (after OnCloseBegin)
  kCloseMoving = 4,  // the closing movement was started (after OnClosing)
  kClosed = 5,       // fully closed (after OnClosed)
  kInputDisabled = 6,
  kInputEnabled = 7,
  kWidgetClicked = 8,  // SetEventCallback only
};

// What the mouse handlers answer: a widget answered the pass, nothing did,
// or kEventSwallowed while the window moves.
inline constexpr int32_t kWindowEventTaken = ORB::kResultOk;
inline constexpr int32_t kWindowNoEvent = ORB::kResultNone;

// What Update answers: the window has finished closing (the manager takes it
// off its open list), the manager ends its pass, or it goes on.
inline constexpr int32_t kWindowClosed = 0;
inline constexpr int32_t kWindowStopPass = 1;
inline constexpr int32_t kWindowRunning = 2;

// "SH_MOVE_UP" ... to a show kind; SH_UNKNOWN for any other text.
int32_t ShowKindFromName(std::string_view name);
// "POS_MIDDLE_SCREEN", "POS_IN_PIX"; POS_AUTO for any other text.
int32_t PositionKindFromName(std::string_view name);

class G_WINDOW {
 public:
  using LifeCycleFunction = void (*)(void* context);
  using EventFunction = void (*)(void* context, int32_t widget_id);
  // Plays a sound of the game by name ("" plays nothing); answers the sound
  // bank's answer.
  using ClickSoundFunction = int32_t (*)(const std::string& name);
  // Fills a window's widget tree from its description's "GUI" element.
  using GuiBuilder = std::function<void(ORB::OC_GUI_ROOT& root, const pugi::xml_node& gui)>;

  // Reads the description (each item optional; see the top of this file),
  // builds the widget tree through the GUI builder and places the window at
  // its opening start.
  explicit G_WINDOW(const pugi::xml_node& node);
  // The bots go first (they point at the transforms and the background).
  virtual ~G_WINDOW();
  G_WINDOW(const G_WINDOW&) = delete;
  G_WINDOW& operator=(const G_WINDOW&) = delete;

  // How every window made from now on fills its widget tree from the "GUI"
  // element: the GUI XML loader (ORB::LoadGuiXml with no name); an empty
  // builder restores it. Answers the builder that was set.
  static GuiBuilder SetGuiBuilder(GuiBuilder builder);

  // --- Passes (the manager calls them).
  // The background (in its own place), the widget tree, then OnDraw.
  virtual void Draw();
  // Answer kWindowEventTaken, kWindowNoEvent, or kEventSwallowed while the
  // window moves (press and release only). The button is not read: the
  // widgets read the input state themselves.
  virtual int32_t HandleMouseDown(int32_t button);
  virtual int32_t HandleMouseUp(int32_t button);
  virtual int32_t HandleMouseMove();
  // The widgets forget the press they hold (their pressed looks go, and a
  // later release clicks nothing); the manager calls it for the release of
  // a press the window took when that release clicks nothing there.
  void DropPress() { root_->DropPresses(); }
  // Once a frame: kWindowClosed once the window has finished closing,
  // else the bots, the widgets' per-frame pass and OnUpdate run, and
  // kWindowRunning (kWindowClosed when that closed it).
  int32_t Update();

  // --- Showing and hiding.
  // Nothing while the window is open (also while it closes). `instant` (or a
  // "SH_MOMENTAL" kind, or a show time of 0 or less) keeps the window off the
  // screen until the show delay has passed and then shows it at once.
  void Open(bool instant);
  // Nothing unless the window is open, or while it is already closing.
  void Close(bool instant);
  // true: the show delay, false: the hide delay.
  void SetDelay(bool show, float seconds);

  // --- Resources.
  // Loads the widgets' and the background's textures, then
  // OnLoadResources; nothing when loaded. Cancels a release waiting for the
  // end of a closing.
  void LoadResources();
  // Gives them back, then OnReleaseResources, and lets the repository unload
  // what nothing uses. Nothing when not loaded; while the window moves, only
  // marks the release for the end of the next closing unless `force`.
  void ReleaseResources(bool force);

  // --- Input gating (the manager decides). Each runs its hook and callback
  // every time; enabling also runs a move pass, so hover looks match the
  // pointer.
  void EnableInput();
  void DisableInput();

  // --- Callbacks. Kinds 0 to 7 (WindowEvent); others are ignored. A null
  // function clears the slot.
  void SetCallback(int32_t kind, void* context, LifeCycleFunction function);
  // Kind 8 (kWidgetClicked) only: function(context, widget id) after each
  // click on a widget.
  void SetEventCallback(int32_t kind, void* context, EventFunction function);
  // Set by the game's window factory to the game's sound player.
  ClickSoundFunction click_sound = nullptr;

  // --- What the manager and the game read.
  ORB::OC_GUI_ROOT& GetGuiRoot() { return *root_; }
  const ORB::OC_GUI_ROOT& GetGuiRoot() const { return *root_; }
  const std::string& GetName() const { return name_; }
  bool IsOpen() const { return open_; }
  bool IsClosed() const { return closed_; }
  bool IsModal() const { return modal_; }
  bool IsLoaded() const { return loaded_; }
  bool IsInputEnabled() const { return input_enabled_; }
  bool IsAnimating() const { return animating_; }
  bool IsReleasePending() const { return release_pending_; }
  uint32_t GetLayer() const { return layer_; }
  // The sound mapped to the widget id ("" when none).
  std::string GetSound(int32_t widget_id) const;
  // The last answer of a mouse pass (a copy of its id and code), or null
  // when the last pass had none.
  const ORB::GuiEvent* LastGuiEvent() const { return has_last_event_ ? &last_event_ : nullptr; }
  // Calls Refresh (the manager's refresh pass).
  void CallRefresh() { Refresh(); }

  int32_t GetOpenKind() const { return open_kind_; }
  int32_t GetCloseKind() const { return close_kind_; }
  int32_t GetPositionKind() const { return position_kind_; }
  float GetShowTime() const { return show_time_; }
  float GetHideTime() const { return hide_time_; }
  float GetShowDelay() const { return show_delay_; }
  float GetHideDelay() const { return hide_delay_; }
  // Where the window is now, where it starts opening, stands shown and ends
  // closing.
  const OS_TRANSFORM3_AUTO& GetLiveTransform() const { return *live_; }
  const OS_TRANSFORM3_AUTO& GetOpenStart() const { return open_start_; }
  const OS_TRANSFORM3_AUTO& GetShown() const { return shown_; }
  const OS_TRANSFORM3_AUTO& GetCloseEnd() const { return close_end_; }
  // Null without a "background" element.
  const G_SPRITE* GetBackground() const { return background_.get(); }
  ORB::Colour GetStartColour() const { return start_colour_; }
  ORB::Colour GetEndColour() const { return end_colour_; }
  const ORB::OC_BOT_LIST& GetBots() const { return bots_; }

 protected:
  // --- Hooks: empty here; screens override what they need.
  virtual void OnOpenBegin() {}
  virtual void OnOpening() {}
  virtual void OnOpened() {}
  virtual void OnCloseBegin() {}
  virtual void OnClosing() {}
  virtual void OnClosed() {}
  virtual void OnInputDisabled() {}
  virtual void OnInputEnabled() {}
  // After a player switch, a purchase, a trophy or a shop change.
  virtual void Refresh() {}
  virtual void OnLoadResources() {}
  virtual void OnReleaseResources() {}
  virtual void OnDraw() {}
  virtual void OnUpdate() {}
  // The manager's SendWindowMessage; answers its result (0 here).
  virtual int32_t OnMessage(int32_t /*a*/, int32_t /*b*/) { return 0; }
  // A widget of the tree was clicked (8) or changed its value (10).
  virtual void OnGuiEvent(int32_t widget_id) = 0;

  // For derived windows: the first widget of the tree with that id that is
  // a Widget, or null (missing, or of another class).
  template <typename Widget>
  Widget* FindWidget(int32_t id) const {
    return dynamic_cast<Widget*>(root_->FindById(id));
  }

 public:
  // The manager's message to the window (OnMessage).
  int32_t SendMessage(int32_t a, int32_t b) { return OnMessage(a, b); }

 private:
  struct LifeCycleSlot {
    void* context = nullptr;
    LifeCycleFunction function = nullptr;
  };

  void ReadDescription(const pugi::xml_node& node);
  void ReadBackground(const pugi::xml_node& node);
  void ReadSounds(const pugi::xml_node& node);
  void ComputeTransforms();
  void OpenFinished();
  void CloseFinished();
  void Fire(int32_t kind);
  // Keeps the pass's answer; kWindowEventTaken or kWindowNoEvent.
  int32_t Keep(const ORB::GuiEvent* answer);
  static bool IsWidgetEvent(int32_t code) {
    return code == ORB::kGuiEventClicked || code == ORB::kGuiEventValueChanged;
  }

  // The transforms and the background are declared before the bots, so the
  // bots (which point at them) go first.
  std::unique_ptr<OS_TRANSFORM3_AUTO> live_;
  OS_TRANSFORM3_AUTO open_start_;
  OS_TRANSFORM3_AUTO shown_;
  OS_TRANSFORM3_AUTO close_end_;
  std::unique_ptr<G_SPRITE> background_;
  std::unique_ptr<ORB::OC_GUI_ROOT> root_;
  ORB::GuiEvent last_event_;
  bool has_last_event_ = false;

  std::string name_ = "gWidnow";
  int32_t open_kind_ = SH_MOVE_DOWN;
  int32_t close_kind_ = SH_MOVE_DOWN;
  int32_t position_kind_ = POS_MIDDLE_SCREEN;
  bool closed_ = false;
  bool modal_ = false;
  bool open_ = false;
  bool loaded_ = false;
  bool input_enabled_ = true;
  bool animating_ = false;
  bool closing_ = false;
  bool release_pending_ = false;
  uint32_t layer_ = 0;
  float show_time_ = 0.5f;
  float hide_time_ = 0.5f;
  float show_delay_ = 0.0f;
  float hide_delay_ = 0.0f;
  ORB::Colour start_colour_{0xFFFFFFFFu};
  ORB::Colour end_colour_{0xFFFFFFFFu};

  // What the sleep bots of Open and Close fire.
  ORB::Callback open_finished_;
  ORB::Callback close_finished_;
  std::map<int32_t, std::string> sounds_;
  void* event_context_ = nullptr;
  EventFunction event_function_ = nullptr;
  LifeCycleSlot callbacks_[8];

  ORB::OC_BOT_LIST bots_;
};

}  // namespace ORB_GF

// Usage: a screen of the game's, from its description to a click.
//
//   // 1. Its layout in tools/sources/windows/<file>.txt (tools/make_windows.py writes
//   //    data/share/main/windows Hello.xml and lists it in the scene list):
//   //      window Hello GG_WINDOW_HELLO
//   //        modal
//   //        gui
//   //          BUTTON5 ID=3 TEXTURE=$button at=0,60
//   //        sound 3 click
//
//   // 2. Its class: the hooks it needs and OnGuiEvent; the game's window
//   //    factory makes it for its "_type".
//   class GG_WINDOW_HELLO : public ORB_GF::G_WINDOW {
//    public:
//     explicit GG_WINDOW_HELLO(const pugi::xml_node& node) : G_WINDOW(node) {}
//    protected:
//     void OnOpened() override { ... }
//     void OnGuiEvent(int32_t id) override {
//       if (id == 3) Close(false);   // widget 3 was clicked (its sound played)
//     }
//   };
//
//   // 3. Open it by name and hear when it is gone:
//   G_WINDOW* hello = ORB_GF::GetWindowManager()->OpenWindow("Hello", false);
//   hello->SetCallback(ORB_GF::kClosed, this, [](void* self) { ... });
//
//   // 4. The manager routes the player's press, release and moves to it;
//   //    after a release the window's last event tells what happened:
//   if (const ORB::GuiEvent* event = hello->LastGuiEvent()) {
//     event->id;    // 3
//     event->code;  // ORB::kGuiEventClicked (8)
//   }
