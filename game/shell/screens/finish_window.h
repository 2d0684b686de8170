#pragma once
// GG_WINDOW_FINISH: the window over a won level ("GP_Finish"): the level's
// time, hints, errors, coins, best time, number and the player's score, and
// one to three stars popping in one after another. The gameplay hands it the
// results (cFinishResults::ShowResults, game/play/level_result.h) when the
// level is won, and opens it once the end sweep is over.
//
// Its description:
//
//   <window _name="GP_Finish" _type="GG_WINDOW_FINISH" ... _modal="1">
//     <GUI> ...the widgets below... </GUI>
//     <settings shift="-80 -110">
//       <star_sprite><FILE>data/share/image/screens star_big.png</FILE></star_sprite>
//       <star_effect time="0.45" amplitude="0.35" frequency="2.5" decay="4"/>
//       <picture at="0 -188" size="128"><cell><FILE>...</FILE></cell></picture>
//     </settings>
//   </window>
//
// GUI ids (each may be missing; labels are wide labels):
//   1 next, 2 restart, 3 the level list (buttons)
//   4 the time ("01:05"), 5 the hints used, 6 the errors, 7 the level's
//   coins, 8 the player's best time of the level, 9 the level's number (its
//   place in the pack from 1), 10 the player's score. Numbers show in full.
//
// "settings" (each optional):
//   star_sprite  a sprite description (framework/sprite.h: FILE, HOT_SPOT,
//                ...): the won star; its hot spot is the point it grows
//                about (the centre by default)
//   shift        "x y": the first star's point from the window's position;
//                each next star stands one star width to the right [0 0]
//   star_effect  time (seconds each star takes), amplitude, frequency and
//                decay of the pop (engine/scene/bot_blob.h) [0.4 0.3 2 3]
//   picture      where the solved picture is drawn on the window, and its
//                cell (game/shell/screens/picture_view.h): the window may cover the
//                board, so the player sees what they solved on it [none]
// Stars: 3 for a level without an error, 2 with one, 1 with more. When the
// window has opened, the stars of the level before go and the new ones pop
// in, each after the one before has had its time; each plays "star" as it
// begins. They are drawn after the widgets, and the solved picture after
// them; the star's and the picture's pictures are loaded and given back with
// the window's.
//
// Buttons:
// - Next stops the stars. After the pack's last level, behind
//   "Fade_Transition", the window closes, the level stops and gives back its
//   pictures and the pack list opens. Otherwise the level stops, the next
//   level (the current level's id + 1) starts and the window closes; a next
//   level that cannot start opens the pack's level list instead. Without a
//   heart nothing starts: the window stays and "Confirm_NoHealth" offers the
//   shop (cScreenHost::CanPlayLevelOrAsk).
// - Restart asks "Confirm_Restart_In_Finish" (without it
//   "Confirm_Restart_Level"); yes restarts the level and closes the window.
//   No heart is spent; without one the shop is offered instead, as for
//   Next.
// - Levels stops the stars; behind the fade the window closes, the level
//   stops and gives back its pictures, and the pack's level list opens.
#include <cstdint>
#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/bot_list.h"
#include "framework/sprite.h"
#include "framework/window.h"
#include "game/play/level_result.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/picture_view.h"
#include "game/shell/screens/screen_host.h"

namespace game {

struct StarEffect {
  float time = 0.4f;
  float amplitude = 0.3f;
  float frequency = 2.0f;
  float decay = 3.0f;
};

class GG_WINDOW_FINISH : public gHostedScreen, public ORB_GF::G_WINDOW, public cFinishResults {
 public:
  static constexpr int32_t kNextId = 1;
  static constexpr int32_t kRestartId = 2;
  static constexpr int32_t kLevelsId = 3;
  static constexpr int32_t kTimeId = 4;
  static constexpr int32_t kHintsId = 5;
  static constexpr int32_t kErrorsId = 6;
  static constexpr int32_t kCoinsId = 7;
  static constexpr int32_t kBestTimeId = 8;
  static constexpr int32_t kLevelNumberId = 9;
  static constexpr int32_t kScoreId = 10;
  static constexpr const char* kRestartDialog = "Confirm_Restart_In_Finish";
  static constexpr const char* kRestartDialogOther = "Confirm_Restart_Level";
  static constexpr const char* kStarSound = "star";

  explicit GG_WINDOW_FINISH(const pugi::xml_node& node, cScreenHost* host = nullptr);

  // cFinishResults: keeps the results and fills the labels.
  void ShowResults(const LevelResult& result) override;
  const LevelResult& GetResult() const { return result_; }
  // Stars the results earn.
  int32_t GetStarCount() const { return StarsForErrors(result_.errors); }

  // The stars laid now, and each one's scale (0 before it pops).
  size_t StarsShown() const { return stars_.size(); }
  float StarScale(size_t i) const { return stars_[i]->scale.x; }
  // Where the i-th star's point stands on the screen now.
  ORB::Vector2 StarPosition(size_t i) const;
  // The stars stop where they are going: all at full size.
  void StopStars();
  bool AreStarsPopping() const { return !star_bots_.Empty(); }
  const StarEffect& GetStarEffect() const { return effect_; }
  const ORB::Vector2& GetShift() const { return shift_; }
  // The solved picture as the window draws it.
  const gPictureView& GetPicture() const { return picture_; }

 protected:
  void OnOpened() override;
  void OnLoadResources() override;
  void OnReleaseResources() override;
  void OnDraw() override;
  void OnUpdate() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  void SetLabel(int32_t id, const std::wstring& text);
  void LayStars();
  void Next();
  static void RestartAnswered(void* self, int32_t answer);

  LevelResult result_;
  ORB_GF::G_SPRITE star_;
  ORB::Vector2 shift_;
  StarEffect effect_;
  gPictureView picture_;
  std::vector<std::unique_ptr<ORB::OS_TRANSFORM3>> stars_;
  ORB::OC_BOT_LIST star_bots_;
  float star_clock_ = 0.0f;
  size_t stars_sounded_ = 0;
  gFadeTransition fade_;
};

}  // namespace game
