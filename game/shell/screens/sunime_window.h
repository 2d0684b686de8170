#pragma once
// GG_WINDOW_SUNIME: the panel ("Sumie") over the pack and level lists that
// shows the current player's stars and coins. The coins are the player's
// score statistic: a won level adds its coins to it, and buying a pack
// spends it.
//
// Its GUI, by id (either may be missing; everything else only shows):
//   1  a wide label: the stars won over every pack, as a whole number
//   2  a wide label: the coins, as a whole number
// Both are written when the panel begins to open and again at every
// refresh (a purchase, a trophy's bonus, another player); without a
// current player both are emptied.
#include <cstdint>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_SUNIME : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kStarsId = 1;
  static constexpr int32_t kCoinsId = 2;

  explicit GG_WINDOW_SUNIME(const pugi::xml_node& node, cScreenHost* host = nullptr)
      : gHostedScreen(host), G_WINDOW(node) {}

  // Seconds of the panel's running second (0 up to 1, then again from 0).
  float GetTimer() const { return timer_; }

 protected:
  void OnOpenBegin() override;
  void Refresh() override;
  void OnUpdate() override;
  void OnGuiEvent(int32_t /*widget_id*/) override {}

 private:
  void SetLabel(int32_t id, const std::wstring& text);

  float timer_ = 0.0f;
};

}  // namespace game
