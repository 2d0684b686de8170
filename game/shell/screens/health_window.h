#pragma once
// The heart counter, "Heart" (GG_WINDOW_HEALTH): a small panel of the pack
// screens (the hub's OpenTopPanels opens it in editions with hearts) showing
// the current player's hearts and the time until the next one comes back.
// A click on it opens "FeedBack_Heart", a note on how hearts come back,
// which closes again by itself once it has opened (after the hide delay of
// its description).
//
// Its description:
//
//   <window _name="Heart" _type="GG_WINDOW_HEALTH" ...>
//     <GUI>
//       WLABEL 1    the number of hearts
//       WLABEL 2    the countdown to the next heart (the clock text,
//                   framework/time_format.h); while no heart is on its way,
//                   its text as written (a string key, in the game's
//                   language) shows instead
//       ...any widget that clicks opens "FeedBack_Heart"
//     </GUI>
//   </window>
//
// It refreshes when it begins to open, once a second while open (its timer
// adds the frame time and starts again at 0 on reaching a second) and with
// every window's refresh.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_HEALTH : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kCountId = 1;
  static constexpr int32_t kCountdownId = 2;
  static constexpr const char* kFeedback = "FeedBack_Heart";

  explicit GG_WINDOW_HEALTH(const pugi::xml_node& node, cScreenHost* host = nullptr);

  // Label 2's idle text, in the game's language.
  const std::wstring& GetIdleText() const { return idle_text_; }
  float GetTimer() const { return timer_; }

 protected:
  void OnOpenBegin() override { Refresh(); }
  void Refresh() override;
  void OnUpdate() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  static void CloseFeedback(void* window);

  std::wstring idle_text_;
  float timer_ = 0.0f;
};

}  // namespace game
