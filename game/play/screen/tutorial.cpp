#include "game/play/screen/tutorial.h"

#include <string>

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/result_codes.h"
#include "framework/window_confirm.h"
#include "framework/window_manager.h"
#include "game/play/element.h"
#include "game/play/gameplay.h"
#include "game/play/screen/control_bar.h"
#include "game/records/game_player.h"

namespace game {

GG_TUTORIAL::GG_TUTORIAL() = default;

GG_TUTORIAL::~GG_TUTORIAL() {
  ReleaseSkipDialog();
  if (controls_ != nullptr) controls_->RemoveDelegate(this);
}

void GG_TUTORIAL::Attach(GG_GAMEPLAY* gameplay, gControlBar* controls) {
  if (gameplay != gameplay_) ReleaseSkipDialog();
  if (controls_ != nullptr && controls_ != controls) controls_->RemoveDelegate(this);
  gameplay_ = gameplay;
  controls_ = controls;
  if (controls_ != nullptr) controls_->AddDelegate(this);
}

bool GG_TUTORIAL::Load(const pugi::xml_node& tutorial, const std::string& file) {
  Deactivate();
  steps_.clear();
  active_ = false;
  current_ = -1;
  level_id_ = -1;
  file_ = file;
  error_.clear();
  if (!tutorial) {
    error_ = "The tutorial file \"" + file + "\" has no \"tutorial\" element";
    return false;
  }
  std::vector<std::unique_ptr<gTutorialStep>> steps;
  for (const pugi::xml_node level : tutorial.children("level")) {
    const int32_t id = level.attribute("id").as_int(-1);
    for (const pugi::xml_node node : level.children("step")) {
      auto step = std::make_unique<gTutorialStep>();
      std::string why;
      if (!step->Load(node, id, why)) {
        error_ = "The tutorial file \"" + file + "\", level " + std::to_string(id) + ": " + why;
        return false;
      }
      steps.push_back(std::move(step));
    }
  }
  steps_ = std::move(steps);
  return true;
}

const gTutorialStep* GG_TUTORIAL::CurrentStep() const {
  if (current_ < 0 || current_ >= static_cast<int32_t>(steps_.size())) return nullptr;
  return steps_[static_cast<size_t>(current_)].get();
}

void GG_TUTORIAL::ApplyLocks(const gPlayLocks& locks) {
  if (gameplay_ != nullptr && controls_ != nullptr) ApplyPlayLocks(*gameplay_, *controls_, locks);
}

bool GG_TUTORIAL::SelectLevel(int32_t levelId) {
  for (size_t i = 0; i < steps_.size(); ++i) {
    if (steps_[i]->level_id != levelId) continue;
    current_ = static_cast<int32_t>(i);
    level_id_ = levelId;
    active_ = true;
    fresh_step_ = false;
    StartStep();
    return true;
  }
  // A level without steps plays unlocked.
  active_ = false;
  ApplyLocks(gPlayLocks());
  return false;
}

void GG_TUTORIAL::Activate() {
  if (activated_) return;
  activated_ = true;
  for (const auto& step : steps_) {
    if (step->cells_animation) step->cells_animation->LoadTexture();
    if (step->arrow) step->arrow->LoadTexture();
    if (step->gui) {
      step->gui->LoadResources();
      step->gui->Widget().SetEnabled(true);
    }
  }
}

void GG_TUTORIAL::Deactivate() {
  if (!activated_) return;
  activated_ = false;
  for (const auto& step : steps_) {
    if (step->cells_animation) step->cells_animation->ReleaseTexture();
    if (step->arrow) step->arrow->ReleaseTexture();
    if (step->gui) {
      step->gui->ReleaseResources();
      step->gui->Widget().SetEnabled(false);
    }
  }
}

void GG_TUTORIAL::StartStep() {
  auto* step = const_cast<gTutorialStep*>(CurrentStep());
  if (step == nullptr || gameplay_ == nullptr) return;
  ApplyLocks(step->locks);
  if (step->kind == eTutorialStep::kClickBonus) {
    // The first closed picture cell carries the bonus, and the step waits
    // for it like any cell step.
    step->kind = eTutorialStep::kCell;
    step->cells.clear();
    for (GG_ELEMENT* cell : gameplay_->Board().CellsToFind()) {
      if (cell->IsOpen()) continue;
      cell->SetBonus(true);
      step->cells.push_back({static_cast<int32_t>(cell->Row()), static_cast<int32_t>(cell->Col())});
      break;
    }
    StartStep();
    return;
  }
  const bool pointsAtCells = step->kind == eTutorialStep::kCell ||
                             step->kind == eTutorialStep::kCellEmpty ||
                             step->kind == eTutorialStep::kHint;
  if (pointsAtCells) {
    step->markers.clear();
    std::vector<gTutorialCell> inside;
    for (const gTutorialCell& listed : step->cells) {
      GG_ELEMENT* cell = gameplay_->Board().CellAt(listed.row, listed.col);
      if (cell == nullptr) {
        // Left out: a cell the level does not have can never open.
        error_ = "The tutorial file \"" + file_ + "\" names the cell " +
                 std::to_string(listed.row) + " " + std::to_string(listed.col) +
                 " outside the grid of level " + std::to_string(step->level_id);
        ORB::RaiseError(error_);
        continue;
      }
      inside.push_back(listed);
      step->markers.push_back(cell->Centre());
      cell->SetLocked(false);
    }
    step->cells = std::move(inside);
    if (step->cells_animation) step->cells_animation->Play(0.0f);
  }
  if (step->arrow) step->arrow->Play(0.0f);
  if (step->kind == eTutorialStep::kMakeError) step->errors_at_start = gameplay_->Errors();
}

void GG_TUTORIAL::NextStep() {
  ++current_;
  if (current_ >= static_cast<int32_t>(steps_.size())) {
    // The last step is done: the tutorial is passed.
    Skip();
    return;
  }
  if (steps_[static_cast<size_t>(current_)]->level_id != level_id_) {
    // It goes on when the next step's level is selected.
    active_ = false;
    ApplyLocks(gPlayLocks());
    return;
  }
  StartStep();
}

void GG_TUTORIAL::EndStepOf(eTutorialStep kind) {
  const gTutorialStep* step = CurrentStep();
  if (!active_ || step == nullptr || step->kind != kind) return;
  NextStep();
  fresh_step_ = true;
}

void GG_TUTORIAL::Draw() {
  const gTutorialStep* step = CurrentStep();
  if (!active_ || step == nullptr) return;
  if (step->cells_animation &&
      (step->kind == eTutorialStep::kCell || step->kind == eTutorialStep::kCellEmpty)) {
    for (const ORB::Vector2& at : step->markers) {
      step->cells_animation->SetPosition(at.x, at.y, 0.0f);
      step->cells_animation->Draw();
    }
  }
  if (step->arrow) step->arrow->Draw();
  if (step->gui) step->gui->Draw();
}

void GG_TUTORIAL::Update() {
  const gTutorialStep* step = CurrentStep();
  if (!active_ || step == nullptr) return;
  if (step->cells_animation) step->cells_animation->Update();
  if (step->arrow) step->arrow->Update();
  if (step->gui) step->gui->Process();
}

int32_t GG_TUTORIAL::OnButtonDown(int32_t /*button*/) {
  fresh_step_ = false;
  const gTutorialStep* step = CurrentStep();
  if (!active_ || step == nullptr) return ORB::kResultNone;
  const ORB::GuiEvent* answer = step->gui ? step->gui->OnMouseDown() : nullptr;
  if (step->kind == eTutorialStep::kHint && gameplay_ != nullptr) {
    const ORB::InputState* input = ORB::InputState::Current();
    int32_t row = -1;
    int32_t col = -1;
    if (input != nullptr) {
      const ORB::Point at = input->MousePosition();
      gameplay_->Board().CellUnderPoint(
          ORB::Vector2(static_cast<float>(at.x), static_cast<float>(at.y)), &row, &col);
    }
    for (const gTutorialCell& listed : step->cells) {
      if (listed.row != row || listed.col != col) continue;
      // Only the hint button opens it.
      if (GG_ELEMENT* cell = gameplay_->Board().CellAt(row, col)) cell->SetLocked(true);
      return ORB::kEventSwallowed;
    }
  }
  return answer != nullptr ? ORB::kEventSwallowed : ORB::kResultNone;
}

int32_t GG_TUTORIAL::OnPointerMove() {
  const gTutorialStep* step = CurrentStep();
  if (active_ && step != nullptr && step->gui) step->gui->OnMouseMove();
  return ORB::kResultNone;
}

int32_t GG_TUTORIAL::OnButtonUp(int32_t /*button*/) {
  const gTutorialStep* step = CurrentStep();
  if (!active_ || step == nullptr) return ORB::kResultNone;
  if (step->gui) step->gui->OnMouseUp();
  return StepDone();
}

bool GG_TUTORIAL::AllListedOpen() const {
  const gTutorialStep* step = CurrentStep();
  if (step == nullptr || gameplay_ == nullptr) return false;
  for (const gTutorialCell& listed : step->cells) {
    const GG_ELEMENT* cell = gameplay_->Board().CellAt(listed.row, listed.col);
    if (cell != nullptr && !cell->IsOpen()) return false;
  }
  return true;
}

void GG_TUTORIAL::UnlockListedCells() {
  const gTutorialStep* step = CurrentStep();
  if (step == nullptr || gameplay_ == nullptr) return;
  for (const gTutorialCell& listed : step->cells) {
    if (GG_ELEMENT* cell = gameplay_->Board().CellAt(listed.row, listed.col)) {
      cell->SetLocked(false);
    }
  }
}

int32_t GG_TUTORIAL::StepDone() {
  const gTutorialStep* step = CurrentStep();
  if (!active_ || step == nullptr) return ORB::kResultNone;
  if (fresh_step_) {
    fresh_step_ = false;
    return ORB::kResultNone;
  }
  if (step->gui && step->gui->EventId() == kSkipButton &&
      step->gui->EventCode() == ORB::kGuiEventClicked) {
    OpenSkipDialog();
    return ORB::kResultNone;
  }
  switch (step->kind) {
    case eTutorialStep::kCell:
    case eTutorialStep::kCellEmpty:
      if (!AllListedOpen()) return ORB::kResultNone;
      break;
    case eTutorialStep::kHint: UnlockListedCells(); return ORB::kResultNone;
    case eTutorialStep::kMakeError:
    case eTutorialStep::kEndless: break;
    default: return ORB::kResultNone;
  }
  NextStep();
  return ORB::kResultFinished;
}

void GG_TUTORIAL::OpenSkipDialog() {
  cGameplayHost* host = gameplay_ != nullptr ? gameplay_->Host() : nullptr;
  ORB_GF::G_WINDOW_MANAGER* windows = host != nullptr ? host->GetWindowManager() : nullptr;
  auto* dialog = dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(
      windows != nullptr ? windows->FindWindow(kSkipDialog) : nullptr);
  if (dialog == nullptr) {
    ORB::RaiseError(std::string("No dialogue \"") + kSkipDialog + "\" to ask whether to skip");
    return;
  }
  windows->OpenWindow(kSkipDialog, false);
  dialog->SetAnswerCallback(this, &GG_TUTORIAL::SkipAnswered);
  skip_pending_ = true;
  gameplay_->Pause();
}

void GG_TUTORIAL::ReleaseSkipDialog() {
  if (!skip_pending_) return;
  skip_pending_ = false;
  cGameplayHost* host = gameplay_ != nullptr ? gameplay_->Host() : nullptr;
  ORB_GF::G_WINDOW_MANAGER* windows = host != nullptr ? host->GetWindowManager() : nullptr;
  if (windows == nullptr) return;
  if (auto* dialog = dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(windows->FindWindow(kSkipDialog))) {
    dialog->SetAnswerCallback(nullptr, nullptr);
  }
}

void GG_TUTORIAL::SkipAnswered(void* self, int32_t answer) {
  static_cast<GG_TUTORIAL*>(self)->OnSkipAnswer(answer);
}

void GG_TUTORIAL::OnSkipAnswer(int32_t answer) {
  ReleaseSkipDialog();
  cGameplayHost* host = gameplay_ != nullptr ? gameplay_->Host() : nullptr;
  if (ORB_GF::G_WINDOW_MANAGER* windows = host != nullptr ? host->GetWindowManager() : nullptr) {
    windows->CloseWindow(kSkipDialog, false);
  }
  if (gameplay_ != nullptr) gameplay_->Resume();
  if (answer == 1) Skip();
}

void GG_TUTORIAL::Skip() {
  active_ = false;
  ApplyLocks(gPlayLocks());
  Deactivate();
  // The level goes on with the left button filling, however the steps (or
  // a skip in the middle of them) left the switch.
  if (controls_ != nullptr) controls_->ToolSwitch().SetFill(true);
  if (gameplay_ != nullptr) gameplay_->SetToolSwitch(true);
  cGameplayHost* host = gameplay_ != nullptr ? gameplay_->Host() : nullptr;
  GG_PLAYER* player = host != nullptr ? host->GetCurrentPlayer() : nullptr;
  // Without a player there is no one to have passed it.
  if (player == nullptr) return;
  player->SetTutorialPassed(true);
  host->SaveAll();
}

void GG_TUTORIAL::OnStoreButton() { EndStepOf(eTutorialStep::kClickStore); }
void GG_TUTORIAL::OnHintButton() { EndStepOf(eTutorialStep::kHint); }
void GG_TUTORIAL::OnToolSwitch() { EndStepOf(eTutorialStep::kTool); }
void GG_TUTORIAL::OnResetSelection() { EndStepOf(eTutorialStep::kUseResetSelection); }

}  // namespace game
