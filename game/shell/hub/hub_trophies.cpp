// The hub's trophies: awarding one, the queue that shows them in
// "Trophy_Get", and the trophies of the player who becomes current.
#include <algorithm>
#include <span>
#include <string>

#include "framework/trophy_list.h"
#include "framework/trophy_values.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/screen_roles.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

namespace values = ORB_GF::trophy_values;

// The trophy of a pack is named by the pack's id, as a won level names it.
std::string PackTrophy(const gPackRecord& pack) {
  return "tr_pack_" + std::to_string(pack.GetId());
}

}  // namespace

void gGame::AwardTrophy(const ORB_GF::TrophyRecord* trophy) {
  if (trophy == nullptr) return;
  if (current_player_ != nullptr) {
    current_player_->GetStatistics().AddScore(
        static_cast<uint32_t>(std::max(trophy->GetBonus(), 0)));
    ReportLeaderboards();
  }
  trophy_queue_.push_back(trophy);
  ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList();
  if (trophies == nullptr) return;
  const ORB_GF::TrophyRecord* all = trophies->Find(kAllTrophiesTrophy);
  if (all == nullptr || all->IsGot()) return;
  // Got from here on, so this runs once.
  if (trophies->TestValue(kAllTrophiesTrophy,
                          ORB_GF::TrophyValue(values::kAllTrophies, AllTrophiesGot()))) {
    AwardTrophy(all);
  }
}

void gGame::AwardTrophy(const std::string& name) {
  if (ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList()) AwardTrophy(trophies->Find(name));
}

bool gGame::TestTrophy(const std::string& name, const ORB_GF::TrophyValue& value) {
  ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList();
  return trophies != nullptr && trophies->TestValue(name, value);
}

bool gGame::AllTrophiesGot() const {
  const ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList();
  if (trophies == nullptr) return false;
  for (const auto& pack : packs_) {
    if (!trophies->IsGot(PackTrophy(*pack))) return false;
  }
  static constexpr const char* kDesktop[] = {"pc_tr_without_hint", "tr_without_error",
                                             "pc_tr_hint_use",     "tr_stars_1",
                                             "tr_stars_2",         "tr_stars_3"};
  static constexpr const char* kMobile[] = {"m_tr_without_error", "m_tr_lifes", "m_tr_time",
                                            "tr_stars_1",         "tr_stars_2", "tr_stars_3"};
  for (const char* name : IsMobilePlatform() ? std::span<const char* const>(kMobile)
                                             : std::span<const char* const>(kDesktop)) {
    if (!trophies->IsGot(name)) return false;
  }
  return true;
}

void gGame::TestPlayerTrophy(const std::string& name, const ORB_GF::TrophyValue& value) {
  if (ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList())
    (void)trophies->TestValue(name, value);
}

void gGame::SyncTrophies(const GG_PLAYER* player) {
  ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList();
  if (trophies == nullptr) return;
  trophies->ResetAll();
  if (player == nullptr) return;
  // Each with the value a won level (or a hint, or a purchase) tests it with.
  for (const auto& pack : packs_) {
    const gPackState* progress = player->FindPack(pack->GetId());
    const float completion =
        progress != nullptr ? static_cast<float>(progress->GetCompletion()) : 0.0f;
    TestPlayerTrophy(PackTrophy(*pack), ORB_GF::TrophyValue(values::kPackCompletion, completion));
  }
  const gStatistics& statistics = player->GetStatistics();
  TestPlayerTrophy("pc_tr_without_hint",
                   ORB_GF::TrophyValue(values::kWithoutHintMax, statistics.without_hint_max));
  TestPlayerTrophy("tr_without_error",
                   ORB_GF::TrophyValue(values::kWithoutErrorMax, statistics.without_error_max));
  TestPlayerTrophy("m_tr_without_error",
                   ORB_GF::TrophyValue(values::kWithoutErrorMax, statistics.without_error_max));
  TestPlayerTrophy("pc_tr_hint_use", ORB_GF::TrophyValue(values::kHintUse, statistics.hint_use));
  TestPlayerTrophy("m_tr_time",
                   ORB_GF::TrophyValue(values::kMinLevelTime, statistics.min_level_time));
  TestPlayerTrophy(kLivesTrophy,
                   ORB_GF::TrophyValue(kHealthValue, player->GetItemCount(kHealthValue)));
  const auto three_stars = static_cast<uint32_t>(std::max(player->CountThreeStarLevels(), 0));
  for (const char* name : {"tr_stars_1", "tr_stars_2", "tr_stars_3"}) {
    TestPlayerTrophy(name, ORB_GF::TrophyValue(values::kThreeStarLevels, three_stars));
  }
  for (const char* name : {"tr_bronze_coin", "tr_silver_coin", "tr_gold_coin"}) {
    TestPlayerTrophy(name, ORB_GF::TrophyValue(values::kMaxScore, statistics.max_score));
  }
  TestPlayerTrophy(kAllTrophiesTrophy, ORB_GF::TrophyValue(values::kAllTrophies, AllTrophiesGot()));
}

void gGame::UpdateTrophyQueue() {
  if (trophy_queue_.empty() || windows_ == nullptr || windows_->IsOpen(kTrophyGet)) return;
  ORB_GF::G_WINDOW* window = windows_->FindWindow(kTrophyGet);
  auto* award = dynamic_cast<cTrophyAward*>(window);
  // Without the window the trophies wait (they are got and paid already).
  if (award == nullptr) return;
  if (gameplay_ != nullptr && gameplay_->IsActive() && !gameplay_->IsEnded()) {
    window->SetCallback(ORB_GF::kOpenBegin, this, &gGame::PauseForTrophy);
    window->SetCallback(ORB_GF::kClosed, this, &gGame::ResumeAfterTrophy);
  } else {
    // No level to pause: a resume left from an earlier award must not
    // restart one under the in-game menu.
    window->SetCallback(ORB_GF::kOpenBegin, nullptr, nullptr);
    window->SetCallback(ORB_GF::kClosed, nullptr, nullptr);
  }
  windows_->OpenWindow(kTrophyGet, false);
  const ORB_GF::TrophyRecord* trophy = trophy_queue_.back();
  trophy_queue_.pop_back();
  award->SetTrophy(*trophy);
}

void gGame::PauseForTrophy(void* hub) { static_cast<gGame*>(hub)->PauseLevel(); }

void gGame::ResumeAfterTrophy(void* hub) { static_cast<gGame*>(hub)->ResumeLevel(); }

void gGame::ReportLeaderboards() {
  // A leaderboard service would be sent the current player's score and stars
  // under the leaderboards "Score" and "Stars" of the leaderboard list; none
  // exists on this platform.
}

}  // namespace game
