// The rules of a level on the gameplay screen: what every opened cell pays or
// costs, the hints, the win with its records, trophies and finish window,
// the loss with its dialogues, and leaving the level.
#include <algorithm>
#include <string>
#include <utility>

#include "engine/foundation/callback.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/random.h"
#include "engine/platform/log.h"
#include "engine/scene/bot_sleep.h"
#include "framework/trophy_values.h"
#include "framework/window_confirm.h"
#include "framework/window_manager.h"
#include "game/play/element.h"
#include "game/play/gameplay.h"
#include "game/play/level_progress.h"
#include "game/records/game_player.h"

namespace game {

namespace values = ORB_GF::trophy_values;

LevelResult GG_GAMEPLAY::Result() const {
  LevelResult result = score_.Result(pack_id_, level_id_);
  const BoardSettings* settings = board_.Settings();
  const GG_PROCESS::Cells& cells = board_.GetCells();
  if (settings == nullptr || settings->Columns() <= 0 || settings->Rows() <= 0 ||
      cells.size() !=
          static_cast<size_t>(settings->Columns()) * static_cast<size_t>(settings->Rows())) {
    return result;
  }
  SolvedPicture& picture = result.picture;
  picture.columns = settings->Columns();
  picture.rows = settings->Rows();
  picture.cells.reserve(cells.size());
  for (const auto& cell : cells) picture.cells.push_back(cell && cell->IsFilled() ? 1 : 0);
  return result;
}

// --- Opened cells.

void GG_GAMEPLAY::OnRightCell(GG_ELEMENT& cell) {
  // A rightly crossed empty cell earns nothing.
  if (!cell.IsFilled()) return;
  pieces_->AddCoins(score_.PayCell());
  // The bonus is the level's at once, so a win before its coin lands pays
  // it too; the coin flies to the counter, or is there at once without a
  // flight, and the counter ends on the level's coins.
  if (cell.HasBonus()) {
    const int32_t bonus = score_.PayBonus();
    if (!pieces_->StartBonusEffect(cell, bonus)) pieces_->AddCoins(bonus);
  }
  if (score_.AwardHintAt(board_.GetProgress())) pieces_->ShowHints(score_.GetHintsHeld());
}

void GG_GAMEPLAY::OnWrongCell(GG_ELEMENT& cell) {
  // A picture cell crossed by mistake is revealed and pays all the same.
  if (cell.IsFilled()) pieces_->AddCoins(score_.PayCell());
  const bool lost = score_.CountError();
  pieces_->MarkError();
  if (lost) EndLevel(false);
}

void GG_GAMEPLAY::CheckFinished() {
  if (board_.GetProgress() >= 1.0) EndLevel(true);
}

void GG_GAMEPLAY::EndLevel(bool won) {
  if (ended_ || !active_) return;
  ended_ = true;
  if (won) {
    OnLevelWin();
  } else {
    OnLevelLose();
  }
}

// --- Pending work of the level.

void GG_GAMEPLAY::After(float seconds, std::function<void()> action) {
  ORB::Callback callback;
  callback.name = "gameplay";
  const uint32_t generation = generation_;
  callback.function = [this, generation, action = std::move(action)](intptr_t) {
    // A bot that outlived its level (its list let go of it while it ran)
    // touches nothing of the next one.
    if (generation == generation_) action();
    return ORB::kResultOk;
  };
  bots_.Add(new ORB::OT_BOT_SLEEP<int32_t>(nullptr, 0, seconds, &callback));
}

ORB_GF::G_WINDOW_MANAGER* GG_GAMEPLAY::Windows() const {
  return host_ != nullptr ? host_->GetWindowManager() : nullptr;
}

void GG_GAMEPLAY::DropPending() {
  bots_.DeleteAll();
  // The music does not stay at half volume for the next level.
  RestoreMusic();
  ReleaseDialog();
  ReleaseFade();
  ReleaseFinish();
  hint_target_ = nullptr;
  pieces_->Reset();
}

void GG_GAMEPLAY::TestTrophy(const std::string& name, const ORB_GF::TrophyValue& value) {
  if (host_->TestTrophy(name, value)) host_->AwardTrophy(name);
}

// --- The win.

void GG_GAMEPLAY::OnLevelWin() {
  busy_ = true;
  const float sweep = board_.StartEndEffect(end_sweep_speed_);
  finish_delay_ = sweep * 0.95f;
  // A board that cannot sweep ends its sweep at once.
  if (!board_.IsSweeping()) After(0.0f, [this] { OpenFinishWhenEffectsLanded(); });
  LowerMusicForWin();

  RecordWinStatistics(player_->GetStatistics(), score_);
  // Without a level record there is nowhere to keep the stars and the time.
  if (level_record_ != nullptr) RecordLevelWin(*level_record_, score_);
  UnlockAfterWin(*player_, *pack_record_, level_record_, level_id_, host_->IsPackLogicStars(),
                 [this](int32_t id) { return host_->FindPackRecord(id); });
  TestTrophy("tr_pack_" + std::to_string(pack_id_),
             ORB_GF::TrophyValue(values::kPackCompletion,
                                 static_cast<float>(pack_record_->GetCompletion())));
  PrepareFinishWindow();
  TestWinTrophies();
  host_->ReportLeaderboards();
  host_->SaveAll();
}

void GG_GAMEPLAY::TestWinTrophies() {
  // Read afresh for every test: an award pays coins into the score.
  const gStatistics& statistics = player_->GetStatistics();
  TestTrophy("pc_tr_without_hint",
             ORB_GF::TrophyValue(values::kWithoutHintMax, statistics.without_hint_max));
  TestTrophy("tr_without_error",
             ORB_GF::TrophyValue(values::kWithoutErrorMax, statistics.without_error_max));
  TestTrophy("m_tr_without_error",
             ORB_GF::TrophyValue(values::kWithoutErrorMax, statistics.without_error_max));
  TestTrophy("m_tr_time", ORB_GF::TrophyValue(values::kMinLevelTime, statistics.min_level_time));
  for (const char* name : {"tr_stars_1", "tr_stars_2", "tr_stars_3"}) {
    const auto threeStars = static_cast<uint32_t>(std::max(player_->CountThreeStarLevels(), 0));
    TestTrophy(name, ORB_GF::TrophyValue(values::kThreeStarLevels, threeStars));
  }
  for (const char* name : {"tr_bronze_coin", "tr_silver_coin", "tr_gold_coin"}) {
    TestTrophy(name, ORB_GF::TrophyValue(values::kMaxScore, statistics.max_score));
  }
}

void GG_GAMEPLAY::LowerMusicForWin() {
  // A second win before the music came back keeps the first volume.
  if (!music_lowered_) music_volume_ = player_->GetMusicVolume();
  music_lowered_ = true;
  host_->SetMusicVolume(music_volume_ / 2.0f);
  host_->PlaySound(kWinSound);
  After(host_->GetSoundLength(kWinSound), [this] { RestoreMusic(); });
}

void GG_GAMEPLAY::RestoreMusic() {
  if (!music_lowered_) return;
  music_lowered_ = false;
  if (host_ != nullptr) host_->SetMusicVolume(music_volume_);
}

void GG_GAMEPLAY::PrepareFinishWindow() {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  ORB_GF::G_WINDOW* finish = windows != nullptr ? windows->FindWindow(kFinishWindow) : nullptr;
  // A missing window is reported when it is to open, after the sweep.
  if (finish == nullptr) return;
  finish->SetCallback(ORB_GF::kOpened, this, &GG_GAMEPLAY::FinishOpened);
  finish_pending_ = true;
  if (auto* results = dynamic_cast<cFinishResults*>(finish)) {
    results->ShowResults(Result());
  } else {
    ORB::platform::Log(
        ORB::platform::LogLevel::kWarning, "level",
        std::string("the window \"") + kFinishWindow + "\" cannot show a level's results");
  }
}

void GG_GAMEPLAY::OnEndSweepFinished() {
  // Called from inside the board's frame: what follows runs from the bot
  // list, where it may open windows or leave the level.
  After(0.0f, [this] { OpenFinishWhenEffectsLanded(); });
}

void GG_GAMEPLAY::OpenFinishWhenEffectsLanded() {
  if (pieces_->GetFlyingEffects() > 0) {
    After(kFlyingEffectsWait, [this] { OpenFinishWhenEffectsLanded(); });
    return;
  }
  OpenFinish();
}

void GG_GAMEPLAY::OpenFinish() {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (windows == nullptr || windows->FindWindow(kFinishWindow) == nullptr) {
    LeaveForMissing(std::string("the window \"") + kFinishWindow + "\"");
    return;
  }
  // Still closing from the level before: it opens once it has closed.
  if (windows->IsOpen(kFinishWindow)) {
    After(kFlyingEffectsWait, [this] { OpenFinish(); });
    return;
  }
  windows->OpenWindow(kFinishWindow, false);
}

void GG_GAMEPLAY::FinishOpened(void* self) {
  auto* gameplay = static_cast<GG_GAMEPLAY*>(self);
  ++gameplay->finish_opened_;
  gameplay->ReleaseFinish();
}

void GG_GAMEPLAY::ReleaseOpened(bool& pending, const char* window) {
  if (!pending) return;
  pending = false;
  if (ORB_GF::G_WINDOW_MANAGER* windows = Windows()) {
    if (ORB_GF::G_WINDOW* found = windows->FindWindow(window)) {
      found->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
    }
  }
}

void GG_GAMEPLAY::ReleaseFinish() { ReleaseOpened(finish_pending_, kFinishWindow); }

// --- The loss.

void GG_GAMEPLAY::OnLevelLose() {
  busy_ = true;
  host_->PlaySound(kLoseSound);
  RecordLossStatistics(player_->GetStatistics());
  host_->SpendHeart();
  if (!OfferSecondChance()) OfferRestart();
}

bool GG_GAMEPLAY::OfferSecondChance() {
  // Without a level record there is nothing to play again; without a store
  // able to sell it, "buy" could only bring the same question back.
  if (!active_ || level_record_ == nullptr || !host_->CanBuy(kSecondChanceProduct)) return false;
  ScheduleDialog(Dialog::kSecondChance);
  return true;
}

void GG_GAMEPLAY::OfferRestart() {
  ScheduleDialog(host_->GetHeartCount() >= 1 ? Dialog::kRestart : Dialog::kNoHealth);
}

void GG_GAMEPLAY::ScheduleDialog(Dialog dialog) {
  busy_ = true;
  After(pieces_->GetErrorAnimationTime(), [this, dialog] { OpenDialog(dialog); });
}

const char* GG_GAMEPLAY::DialogName(Dialog dialog) {
  switch (dialog) {
    case Dialog::kSecondChance: return kSecondChanceDialog;
    case Dialog::kSecondChanceBuy: return kSecondChanceBuyDialog;
    case Dialog::kRestart: return kRestartDialog;
    case Dialog::kNoHealth: return kNoHealthDialog;
    case Dialog::kNone: break;
  }
  return "";
}

void GG_GAMEPLAY::OpenDialog(Dialog dialog) {
  const std::string name = DialogName(dialog);
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  auto* confirm = dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(
      windows != nullptr ? windows->FindWindow(name) : nullptr);
  if (confirm == nullptr) {
    LeaveForMissing("the dialogue \"" + name + "\"");
    return;
  }
  // Still closing from its last question: it opens again once it has
  // closed (opening it now would be swallowed by the closing).
  if (confirm->IsOpen()) {
    After(kFlyingEffectsWait, [this, dialog] { OpenDialog(dialog); });
    return;
  }
  ReleaseDialog();
  busy_ = true;
  windows->OpenWindow(name, false);
  open_dialog_ = dialog;
  if (dialog == Dialog::kSecondChance) {
    confirm->SetAnswerCallback(nullptr, nullptr);
    confirm->SetChoiceCallback(this, &GG_GAMEPLAY::DialogAnswered<Dialog::kSecondChance>);
    return;
  }
  confirm->SetChoiceCallback(nullptr, nullptr);
  switch (dialog) {
    case Dialog::kSecondChanceBuy:
      confirm->SetAnswerCallback(this, &GG_GAMEPLAY::DialogAnswered<Dialog::kSecondChanceBuy>);
      break;
    case Dialog::kRestart:
      confirm->SetAnswerCallback(this, &GG_GAMEPLAY::DialogAnswered<Dialog::kRestart>);
      break;
    case Dialog::kNoHealth:
      confirm->SetAnswerCallback(this, &GG_GAMEPLAY::DialogAnswered<Dialog::kNoHealth>);
      break;
    case Dialog::kSecondChance:
    case Dialog::kNone: break;
  }
}

void GG_GAMEPLAY::ReleaseDialog() {
  if (open_dialog_ == Dialog::kNone) return;
  const std::string name = DialogName(open_dialog_);
  open_dialog_ = Dialog::kNone;
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (windows == nullptr) return;
  if (auto* confirm = dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(windows->FindWindow(name))) {
    confirm->SetAnswerCallback(nullptr, nullptr);
    confirm->SetChoiceCallback(nullptr, nullptr);
    // A question about a level that is gone is closed (the dialogue closes
    // itself anyway when it is the one answering).
    confirm->Close(false);
  }
}

void GG_GAMEPLAY::AnswerDialog(Dialog dialog, int32_t answer) {
  if (dialog != open_dialog_) return;
  ReleaseDialog();
  switch (dialog) {
    case Dialog::kSecondChance: OnSecondChanceAnswer(answer); break;
    case Dialog::kSecondChanceBuy: OnSecondChanceBuyAnswer(answer); break;
    case Dialog::kRestart: OnRestartAnswer(answer); break;
    case Dialog::kNoHealth: OnNoHealthAnswer(answer); break;
    case Dialog::kNone: break;
  }
}

void GG_GAMEPLAY::OnSecondChanceAnswer(int32_t answer) {
  if (answer == 1) {
    if (host_->GetHeartCount() < 1) {
      ScheduleDialog(Dialog::kNoHealth);
    } else {
      Leave(true, false);
    }
  } else if (answer == -1) {
    OpenDialog(Dialog::kSecondChanceBuy);
  } else {
    Leave(false, false);
  }
}

void GG_GAMEPLAY::OnSecondChanceBuyAnswer(int32_t answer) {
  // A purchase that started ends through the hub: UseSecondChance when it is
  // delivered, OfferSecondChance when it fails.
  if (answer == 1 && host_->Buy(kSecondChanceProduct)) return;
  if (!OfferSecondChance()) OfferRestart();
}

void GG_GAMEPLAY::UseSecondChance() {
  if (!active_) return;
  busy_ = false;
  ended_ = false;
  score_.ClearErrors();
  pieces_->ClearErrors();
}

void GG_GAMEPLAY::OnRestartAnswer(int32_t answer) { Leave(answer == 1, false); }

void GG_GAMEPLAY::OnNoHealthAnswer(int32_t answer) { Leave(false, answer == 1); }

// --- Leaving.

void GG_GAMEPLAY::Leave(bool restart, bool toShop) {
  if (restart) {
    // No heart left to play it again: the question about hearts instead.
    if (!host_->RestartLevel()) OpenDialog(Dialog::kNoHealth);
    return;
  }
  fade_to_shop_ = toShop;
  OpenFade();
}

void GG_GAMEPLAY::OpenFade() {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  ORB_GF::G_WINDOW* fade = windows != nullptr ? windows->FindWindow(kFadeWindow) : nullptr;
  if (fade == nullptr) {
    // Logged only: the error text keeps what made the level leave.
    ORB::platform::Log(ORB::platform::LogLevel::kError, "level",
                       std::string("no window \"") + kFadeWindow + "\": the level is left at once");
    After(0.0f, [this] {
      if (fade_to_shop_) {
        OnFadeToShop();
      } else {
        OnFadeToLevels();
      }
    });
    return;
  }
  // Another screen change still fading: this one follows it.
  if (fade->IsOpen()) {
    After(kFlyingEffectsWait, [this] { OpenFade(); });
    return;
  }
  busy_ = true;
  windows->OpenWindow(kFadeWindow, false);
  fade->SetCallback(ORB_GF::kOpened, this, &GG_GAMEPLAY::FadeOpened);
  fade_pending_ = true;
}

void GG_GAMEPLAY::OnFadeOpened() {
  if (!fade_pending_) return;
  if (fade_to_shop_) {
    OnFadeToShop();
  } else {
    OnFadeToLevels();
  }
}

void GG_GAMEPLAY::ReleaseFade() { ReleaseOpened(fade_pending_, kFadeWindow); }

void GG_GAMEPLAY::OnFadeToLevels() {
  ReleaseFade();
  host_->LeaveToLevels();
  if (ORB_GF::G_WINDOW_MANAGER* windows = Windows()) windows->CloseWindow(kFadeWindow, false);
}

void GG_GAMEPLAY::OnFadeToShop() {
  ReleaseFade();
  host_->LeaveToLevels();
  if (ORB_GF::G_WINDOW_MANAGER* windows = Windows()) {
    if (windows->OpenWindow(kShopWindow, false) == nullptr) {
      ORB::RaiseError(std::string("No window \"") + kShopWindow + "\" to open");
    }
    windows->CloseWindow(kFadeWindow, false);
  }
}

void GG_GAMEPLAY::LeaveForMissing(const std::string& what) {
  ORB::RaiseError("The level cannot go on without " + what + ": back to the level list");
  Leave(false, false);
}

// --- Hints and purchases.

void GG_GAMEPLAY::StartHint() {
  if (!active_ || busy_ || paused_) return;
  std::vector<GG_ELEMENT*> candidates;
  for (GG_ELEMENT* cell : board_.CellsToFind()) {
    if (!cell->IsOpen() && !cell->IsLocked()) candidates.push_back(cell);
  }
  if (candidates.empty()) return;
  ORB::Random fallback(0);
  ORB::Random* random = ORB::GetDefaultRandom();
  if (random == nullptr) random = &fallback;
  const int32_t count = static_cast<int32_t>(candidates.size());
  const int32_t index = std::clamp(random->Range(0, count), 0, count - 1);
  GG_ELEMENT* target = candidates[static_cast<size_t>(index)];
  busy_ = true;
  hint_target_ = target;
  score_.TakeHint();
  pieces_->ShowHints(score_.GetHintsHeld());
  if (!pieces_->StartHintFlight(*target)) UseHint(*target);
}

void GG_GAMEPLAY::UseHint(GG_ELEMENT& cell) {
  // Only the cell the hint is flying to, of this level.
  if (hint_target_ == nullptr || &cell != hint_target_) return;
  hint_target_ = nullptr;
  busy_ = false;
  // Counted before the cell opens: when it finishes the level, the win
  // saves the player with this hint in the statistics.
  gStatistics& statistics = player_->GetStatistics();
  if (statistics.hint_use < UINT32_MAX) ++statistics.hint_use;
  TestTrophy("pc_tr_hint_use", ORB_GF::TrophyValue(values::kHintUse, statistics.hint_use));
  board_.OpenAll({&cell});
}

void GG_GAMEPLAY::SetAllowedErrors(int32_t errors) {
  score_.SetAllowedErrors(errors);
  pieces_->SetErrorPlaces(errors);
}

bool GG_GAMEPLAY::IsOutOfHints() const {
  return score_.GetHintsHeld() == 0 && player_ != nullptr &&
         player_->GetItemCount(kStartHintValue) > 0;
}

void GG_GAMEPLAY::OnStoreEvent(const std::string& event, const std::string& productId) {
  if (!active_ || event != "buy") return;
  if (productId == kRefillHintProduct) {
    score_.AddHints(player_->GetItemCount(kStartHintValue));
    pieces_->ShowHints(score_.GetHintsHeld());
  } else if (productId == kErrorsValue) {
    SetAllowedErrors(player_->GetItemCount(kErrorsValue));
  }
}

}  // namespace game
