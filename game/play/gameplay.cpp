#include "game/play/gameplay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"
#include "game/play/element.h"
#include "game/play/level_file.h"

namespace game {

GG_GAMEPLAY::GG_GAMEPLAY(cGameplayHost* host) : host_(host), board_(this) {
  ReadSettingsFile();
  ReadEffectsFile();
  cell_templates_.filled = filled_template_.get();
  cell_templates_.cross = cross_template_.get();
  cell_templates_.overlay = locked_template_.get();
  cell_templates_.end = end_template_.get();
  board_.SetCellTemplates(&cell_templates_);
}

GG_GAMEPLAY::~GG_GAMEPLAY() {
  selection_.clear();
  board_.Clear();
}

void GG_GAMEPLAY::ReadSettingsFile() {
  if (host_ == nullptr) return;
  pugi::xml_document* document = host_->GetDocument(kSettingsFile);
  if (document == nullptr) return;
  const pugi::xml_node root = document->document_element();
  const pugi::xml_attribute one = root.attribute("sunime_one");
  const pugi::xml_attribute bonus = root.attribute("sunime_bonus");
  const pugi::xml_attribute hints = root.attribute("max_hints");
  // All three or none: a partial file keeps the defaults.
  if (one && bonus && hints) {
    coins_per_cell_ = ORB::ParseIntText(one.value());
    bonus_coins_ = ORB::ParseIntText(bonus.value());
    max_hints_ = static_cast<uint32_t>(ORB::ParseIntText(hints.value()));
  }
  host_->ReleaseDocument(document);
}

void GG_GAMEPLAY::ReadEffectsFile() {
  if (host_ == nullptr) return;
  pugi::xml_document* document = host_->GetDocument(kEffectsFile);
  if (document == nullptr) return;
  const pugi::xml_node root = document->document_element();
  const pugi::xml_node open = root.child("effect_open_cell");
  if (const pugi::xml_node yes = open.child("yes")) {
    filled_template_ = std::make_unique<ORB_GF::G_ANIMATION>(yes);
  }
  if (const pugi::xml_node no = open.child("no")) {
    cross_template_ = std::make_unique<ORB_GF::G_ANIMATION>(no);
  }
  if (const pugi::xml_node locked = open.child("locked")) {
    locked_template_ = std::make_unique<ORB_GF::G_SPRITE>(locked);
  }
  if (const pugi::xml_node end = root.child("end_level_effect").child("sprite_anim")) {
    end_template_ = std::make_unique<ORB_GF::G_ANIMATION>(end);
  }
  if (const pugi::xml_attribute delay = open.attribute("anim_delay")) {
    // A step that is not a finite positive number would keep cells hidden.
    const float step = ORB::ParseFloatText(delay.value());
    board_.SetOpenDelayStep(step > 0.0f && std::isfinite(step) ? step : 0.0f);
  }
  if (const pugi::xml_attribute speed = root.child("end_level_effect").attribute("speed")) {
    end_sweep_speed_ = ORB::ParseFloatText(speed.value());
  }
  host_->ReleaseDocument(document);
}

bool GG_GAMEPLAY::FailLoad(const std::string& reason) {
  last_error_ = reason;
  board_.Clear();
  level_file_.clear();
  player_ = nullptr;
  pack_record_ = nullptr;
  level_record_ = nullptr;
  active_ = false;
  ORB::RaiseError(reason);
  return false;
}

bool GG_GAMEPLAY::Load(const std::string& levelFile) {
  if (!level_file_.empty() || active_) Stop();
  busy_ = false;
  ended_ = false;
  last_error_.clear();
  if (host_ == nullptr) return FailLoad("No game to load the level \"" + levelFile + "\" for");

  player_ = host_->GetCurrentPlayer();
  if (player_ == nullptr) return FailLoad("No current player for the level \"" + levelFile + "\"");
  const int32_t packId = host_->GetCurrentPackId();
  const int32_t levelId = host_->GetCurrentLevelId();
  pack_record_ = host_->FindPackState(packId);
  if (pack_record_ == nullptr) {
    return FailLoad("The player has no record of the pack of the level \"" + levelFile + "\"");
  }
  level_record_ = host_->FindLevelRecord(packId, levelId);

  pugi::xml_document* document = host_->GetDocument(levelFile);
  if (document == nullptr) return FailLoad("Level \"" + levelFile + "\" cannot be read");
  level_file_ = levelFile;
  LevelFile level;
  const bool read = level.Read(*document, levelFile);
  if (!read) {
    host_->ReleaseDocument(document);
    return FailLoad(level.Error());
  }
  settings_ = level.Settings();
  block_sprite_ = std::make_unique<ORB_GF::G_SPRITE>(level.BlockSprite());
  selection_sprite_ = std::make_unique<ORB_GF::G_SPRITE>(level.SelectionSprite());
  selection_yes_sprite_ = std::make_unique<ORB_GF::G_SPRITE>(level.SelectionYesSprite());
  selection_no_sprite_ = std::make_unique<ORB_GF::G_SPRITE>(level.SelectionNoSprite());

  const std::string numbersFile = level.NumbersFile().empty()
                                      ? std::string(kNumbersFile)
                                      : std::string(kGameProcessFolder) + " " + level.NumbersFile();
  pugi::xml_document* numbers = host_->GetDocument(numbersFile);
  if (numbers == nullptr) {
    host_->ReleaseDocument(document);
    return FailLoad("The clue numbers file \"" + numbersFile + "\" of the level \"" + levelFile +
                    "\" cannot be read");
  }
  const bool built = board_.Load(level, &settings_, numbers->document_element());
  host_->ReleaseDocument(numbers);
  host_->ReleaseDocument(document);
  if (!built) return FailLoad("The board of the level \"" + levelFile + "\" cannot be built");

  board_.LeftPanel().SetFont(host_->FindFont(board_.LeftPanel().FontName()));
  board_.TopPanel().SetFont(host_->FindFont(board_.TopPanel().FontName()));
  pack_id_ = packId;
  level_id_ = levelId;
  tool_switch_fill_ = true;
  active_ = true;
  paused_ = false;
  // Loaded while the screen holds its textures: the new level's too.
  if (acquired_) AcquireResources();
  return true;
}

void GG_GAMEPLAY::Stop() {
  if (active_) {
    active_ = false;
    level_file_.clear();
    pack_id_ = 0;
    level_id_ = 0;
    elapsed_time_ = 0.0f;
    errors_ = 0;
    hints_awarded_ = 0;
    hints_held_ = 0;
    hints_used_ = 0;
    level_coins_ = 0;
    pack_record_ = nullptr;
    level_record_ = nullptr;
    player_ = nullptr;
  }
  // Nothing may keep pointing at cells that are about to go.
  ClearDrag();
  hovered_row_ = -1;
  hovered_col_ = -1;
  pointer_over_board_ = false;
  selection_.clear();
  board_.Clear();
}

void GG_GAMEPLAY::Restart() {
  const std::string file = level_file_;
  Stop();
  ReleaseResources();
  if (Load(file)) AcquireResources();
}

void GG_GAMEPLAY::Update() {
  if (!active_ || paused_) return;
  elapsed_time_ += ORB::GetFrameDelta();
  board_.Update();
}

void GG_GAMEPLAY::Draw() {
  if (!active_) return;
  DrawBlocks();
  board_.Draw();
  DrawSelection();
}

void GG_GAMEPLAY::DrawBlocks() {
  // Each block's closed cells: the level's block picture over the block's
  // cells (a partial block at the edge shows only its part of the picture).
  if (!block_sprite_) return;
  ORB_GF::G_SPRITE& block = *block_sprite_;
  const BoardSettings& s = settings_;
  const float fullWidth = static_cast<float>(s.block.x) * s.elSize.x;
  const float fullHeight = static_cast<float>(s.block.y) * s.elSize.y;
  for (int32_t by = 0; by < s.blocks.y; ++by) {
    for (int32_t bx = 0; bx < s.blocks.x; ++bx) {
      const int32_t firstCol = bx * s.block.x;
      const int32_t firstRow = by * s.block.y;
      const int32_t cols = std::min(s.block.x, s.grid.x - firstCol);
      const int32_t rows = std::min(s.block.y, s.grid.y - firstRow);
      if (cols <= 0 || rows <= 0) continue;
      const float width = static_cast<float>(cols) * s.elSize.x;
      const float height = static_cast<float>(rows) * s.elSize.y;
      const ORB::Vector2 first = s.CellCentre(firstRow, firstCol);
      block.SetSize(width, height);
      block.SetUV(0.0f, 0.0f, width / fullWidth, height / fullHeight);
      block.SetPosition(first.x - s.elSize.x / 2.0f + width / 2.0f,
                        first.y - s.elSize.y / 2.0f + height / 2.0f, 0.0f);
      block.Draw();
    }
  }
}

ORB_GF::G_SPRITE* GG_GAMEPLAY::SelectionSprite(bool fill) const {
  return fill ? selection_yes_sprite_.get() : selection_no_sprite_.get();
}

void GG_GAMEPLAY::DrawSelection() {
  const bool fillNow = selection_.empty() ? tool_switch_fill_ : tool_ == kToolFill;
  ORB_GF::G_SPRITE* mark = SelectionSprite(fillNow);
  if (mark == nullptr) return;
  for (size_t i = 0; i + 1 < selection_.size(); ++i) {
    const ORB::Vector2 centre = selection_[i]->Centre();
    mark->SetPosition(centre.x, centre.y, 0.0f);
    mark->Draw();
  }
  if (const GG_ELEMENT* hovered = board_.CellAt(hovered_row_, hovered_col_)) {
    const ORB::Vector2 centre = hovered->Centre();
    mark->SetPosition(centre.x, centre.y, 0.0f);
    mark->Draw();
  }
}

void GG_GAMEPLAY::AcquireResources() {
  acquired_ = true;
  for (ORB_GF::G_SPRITE* sprite : {block_sprite_.get(), selection_sprite_.get(),
                                   selection_yes_sprite_.get(), selection_no_sprite_.get()}) {
    if (sprite != nullptr) sprite->LoadTexture();
  }
  board_.AcquireResources();
}

void GG_GAMEPLAY::ReleaseResources() {
  acquired_ = false;
  for (ORB_GF::G_SPRITE* sprite : {block_sprite_.get(), selection_sprite_.get(),
                                   selection_yes_sprite_.get(), selection_no_sprite_.get()}) {
    if (sprite != nullptr) sprite->ReleaseTexture();
  }
  board_.ReleaseResources();
}

void GG_GAMEPLAY::Pause() { paused_ = true; }

void GG_GAMEPLAY::Resume() {
  if (active_) paused_ = false;
}

void GG_GAMEPLAY::OnStoreEvent(const std::string& /*event*/, const std::string& /*productId*/) {}

ORB::Point GG_GAMEPLAY::Pointer() {
  const ORB::InputState* input = ORB::InputState::Current();
  return input != nullptr ? input->MousePosition() : ORB::Point();
}

int32_t GG_GAMEPLAY::OnPointerMove() {
  if (!active_ || paused_) return ORB::kResultNotFound;
  const ORB::Point pointer = Pointer();
  if (settings_.IsOverBoard(static_cast<float>(pointer.x), static_cast<float>(pointer.y))) {
    pointer_over_board_ = true;
    UpdateHover(pointer);
  } else {
    pointer_over_board_ = false;
    if (!dragging_ && (hovered_row_ != -1 || hovered_col_ != -1)) {
      hovered_row_ = -1;
      hovered_col_ = -1;
      RebuildSelection();
    }
  }
  return ORB::kResultNotFound;
}

void GG_GAMEPLAY::UpdateHover(const ORB::Point& pointer) {
  const float x = static_cast<float>(pointer.x);
  const float y = static_cast<float>(pointer.y);
  int32_t row = -1;
  int32_t col = -1;
  if (dragging_) {
    // A drag always points at a cell: a gap counts as the cell before it.
    row = settings_.NearestRowAt(y);
    col = settings_.NearestColumnAt(x);
    if (std::abs(row - start_row_) <= std::abs(col - start_col_)) {
      row = start_row_;
    } else {
      col = start_col_;
    }
  } else if (!board_.CellUnderPoint(ORB::Vector2(x, y), &row, &col)) {
    row = -1;
    col = -1;
  }
  if (row != hovered_row_ || col != hovered_col_) {
    hovered_row_ = row;
    hovered_col_ = col;
    RebuildSelection();
  }
}

void GG_GAMEPLAY::RebuildSelection() {
  if (dragging_ && start_row_ >= 0 && start_col_ >= 0 && hovered_row_ >= 0 && hovered_col_ >= 0) {
    selection_ = board_.CollectSelection(start_row_, start_col_, hovered_row_, hovered_col_);
  } else {
    selection_.clear();
  }
}

void GG_GAMEPLAY::ClearDrag() {
  dragging_ = false;
  start_row_ = -1;
  start_col_ = -1;
  RebuildSelection();
}

void GG_GAMEPLAY::CancelSelection() {
  ClearDrag();
  hovered_row_ = -1;
  hovered_col_ = -1;
}

int32_t GG_GAMEPLAY::OnButtonDown(int32_t button) {
  if (!active_ || paused_ || busy_) return ORB::kResultNone;
  // The hovered cell follows the pointer as it is now, also when no move was
  // reported since the level started.
  OnPointerMove();
  if (!pointer_over_board_) return ORB::kResultNone;
  GG_ELEMENT* cell = board_.CellAt(hovered_row_, hovered_col_);
  if (cell == nullptr) return ORB::kResultNotFound;
  if (cell->HitTest(button, Pointer()) != ORB::kEventSwallowed) return ORB::kResultNone;
  const bool fill = button == 1 ? tool_switch_fill_ : !tool_switch_fill_;
  tool_ = fill ? kToolFill : kToolCross;
  dragging_ = true;
  start_row_ = hovered_row_;
  start_col_ = hovered_col_;
  RebuildSelection();
  return ORB::kEventSwallowed;
}

int32_t GG_GAMEPLAY::OnButtonUp(int32_t /*button*/) {
  if (!active_ || paused_ || busy_) return ORB::kResultNone;
  if (start_row_ < ORB::kResultNone || start_col_ < ORB::kResultNone) return ORB::kResultNone;
  const int32_t startRow = start_row_;
  const int32_t startCol = start_col_;
  const int32_t endRow = hovered_row_ >= 0 ? hovered_row_ : start_row_;
  const int32_t endCol = hovered_col_ >= 0 ? hovered_col_ : start_col_;
  const bool fill = tool_ == kToolFill;
  // The drag ends before the cells open: opening them may end the level.
  ClearDrag();
  board_.ApplyClick(startRow, startCol, endRow, endCol, fill);
  return ORB::kResultNone;
}

void GG_GAMEPLAY::OnRightCell(GG_ELEMENT& cell) {
  // A rightly crossed empty cell earns nothing.
  if (cell.IsFilled()) level_coins_ += coins_per_cell_;
}

void GG_GAMEPLAY::OnWrongCell(GG_ELEMENT& cell) {
  // A picture cell crossed by mistake is revealed and pays all the same.
  if (cell.IsFilled()) level_coins_ += coins_per_cell_;
  ++errors_;
  if (errors_ >= allowed_errors_) EndLevel(false);
}

void GG_GAMEPLAY::CheckFinished() {
  if (board_.GetProgress() >= 1.0) EndLevel(true);
}

void GG_GAMEPLAY::EndLevel(bool won) {
  if (ended_) return;
  ended_ = true;
  if (won) {
    OnLevelWin();
  } else {
    OnLevelLose();
  }
}

void GG_GAMEPLAY::OnLevelWin() {
  busy_ = true;
  board_.StartEndEffect(end_sweep_speed_);
}

void GG_GAMEPLAY::OnLevelLose() { busy_ = true; }

void GG_GAMEPLAY::OnEndSweepFinished() {}

void GG_GAMEPLAY::PlayCellSound(const std::string& name) {
  if (host_ != nullptr) host_->PlaySound(name);
}

}  // namespace game
