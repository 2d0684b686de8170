#pragma once
// gGuidedTutorial: the guided tutorial of the first levels (GG_TUTORIAL) as
// the hub drives it (cHubTutorial). The driver makes one before the hub's
// start-up, which reads the edition's tutorial file through it, and gives
// it to the hub; once the gameplay screen and its play screen exist it is
// attached to them, and detached before they go:
//
//   gGuidedTutorial tutorial;
//   hub.SetTutorial(&tutorial);
//   hub.Init();                                        // Load
//   ... GG_GAMEPLAY gameplay(&hub); gPlayScreen screen(gameplay);
//   tutorial.Attach(&gameplay, &screen.Controls());    // its control delegate
//   ... at the end: tutorial.Attach(nullptr, nullptr), then the screens go.
//
// The steps' texts are string keys: they are put in the game's language as
// the windows' labels are, when the file is read.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "game/play/screen/tutorial.h"
#include "game/shell/hub/hub_tutorial.h"

namespace game {

class GG_GAMEPLAY;
class gControlBar;

class gGuidedTutorial final : public cHubTutorial {
 public:
  gGuidedTutorial() = default;
  gGuidedTutorial(const gGuidedTutorial&) = delete;
  gGuidedTutorial& operator=(const gGuidedTutorial&) = delete;

  // The play screen it guides (both null: none). Its steps lock the board
  // and the controls, and it follows the controls as their delegate.
  void Attach(GG_GAMEPLAY* gameplay, gControlBar* controls) {
    tutorial_.Attach(gameplay, controls);
  }

  // --- cHubTutorial.
  bool Load(const pugi::xml_node& tutorial, const std::string& file) override;
  const std::string& Error() const override { return tutorial_.Error(); }
  bool SelectLevel(int32_t level_id) override { return tutorial_.SelectLevel(level_id); }
  void Activate() override { tutorial_.Activate(); }
  void Deactivate() override { tutorial_.Deactivate(); }
  bool IsActive() const override { return tutorial_.IsActive(); }
  void Update() override { tutorial_.Update(); }
  void Draw() override { tutorial_.Draw(); }
  void OnButtonDown(int32_t button) override { (void)tutorial_.OnButtonDown(button); }
  void OnButtonUp(int32_t button) override { (void)tutorial_.OnButtonUp(button); }
  void OnPointerMove() override { (void)tutorial_.OnPointerMove(); }
  cControlDelegate& ControlDelegate() override { return tutorial_; }

  GG_TUTORIAL& Tutorial() { return tutorial_; }

 private:
  GG_TUTORIAL tutorial_;
};

}  // namespace game
