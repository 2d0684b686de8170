#include "game/play/gameplay.h"

#include <algorithm>
#include <cmath>

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/number_text.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"
#include "game/play/element.h"
#include "game/play/level_file.h"
#include "game/records/game_player.h"
#include "game/records/pack_record.h"

namespace game {

GG_GAMEPLAY::GG_GAMEPLAY(cGameplayHost* host) : host_(host), board_(this) {
  score_.SetStoreFlag(host_ != nullptr && host_->HasInAppConfig());
  ReadSettingsFile();
  ReadEffectsFile();
  cell_templates_.filled = filled_template_.get();
  cell_templates_.cross = cross_template_.get();
  cell_templates_.overlay = locked_template_.get();
  cell_templates_.end = end_template_.get();
  board_.SetCellTemplates(&cell_templates_);
}

GG_GAMEPLAY::~GG_GAMEPLAY() {
  // The bots go first: their callbacks point here. The windows are not
  // touched (the hub stops the level, which lets go of them, before it
  // deletes the screen; the window manager may be gone by now).
  bots_.DeleteAll();
  drag_.Clear();
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
    gLevelScore::Rules rules;
    rules.coins_per_cell = ORB::ParseIntText(one.value());
    rules.bonus_coins = ORB::ParseIntText(bonus.value());
    rules.max_hints = static_cast<uint32_t>(ORB::ParseIntText(hints.value()));
    score_.SetRules(rules);
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
  ++generation_;
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
  CopyBackground(packId);
  tool_switch_fill_ = true;
  // The level's start: the player's allowed errors and start hints.
  score_.Reset();
  score_.Start(player_->GetItemCount(kErrorsValue), player_->GetItemCount(kStartHintValue));
  pieces_->ClearCoins();
  pieces_->ClearErrors();
  pieces_->SetErrorPlaces(score_.GetAllowedErrors());
  pieces_->ShowHints(score_.GetHintsHeld());
  pieces_->StartLevel();
  active_ = true;
  paused_ = false;
  // Loaded while the screen holds its textures: the new level's too.
  if (acquired_) AcquireResources();
  return true;
}

void GG_GAMEPLAY::CopyBackground(int32_t packId) {
  background_sprite_.reset();
  const gPackRecord* pack = host_->FindPackRecord(packId);
  if (pack == nullptr || !pack->HasBackground()) return;
  background_sprite_ = std::make_unique<ORB_GF::G_SPRITE>(pack->GetBackgroundElement());
}

void GG_GAMEPLAY::Stop() {
  // Whatever the level started that could still fire goes first.
  ++generation_;
  DropPending();
  // Nothing holds the input of a level that is gone (a hint in flight, a
  // hold, a finished level).
  busy_ = false;
  if (active_) {
    active_ = false;
    level_file_.clear();
    pack_id_ = 0;
    level_id_ = 0;
    score_.Reset();
    pack_record_ = nullptr;
    level_record_ = nullptr;
    player_ = nullptr;
  }
  // Nothing may keep pointing at cells that are about to go.
  drag_.Clear();
  board_.Clear();
}

void GG_GAMEPLAY::Restart() {
  // A question answered after its level has gone (the level list or the
  // next level took over) has nothing to start again.
  if (level_file_.empty()) return;
  const std::string file = level_file_;
  Stop();
  ReleaseResources();
  if (Load(file)) AcquireResources();
}

void GG_GAMEPLAY::Update() {
  // The rules' bots run every frame, also while paused (a bot may stop the
  // level).
  bots_.Update();
  if (!active_ || paused_) return;
  score_.AddTime(ORB::GetFrameDelta());
  // The pieces (the board's pieces, the controls and the flights) before
  // the board.
  pieces_->Update();
  board_.Update();
}

void GG_GAMEPLAY::Draw() {
  if (!active_) return;
  if (background_sprite_) background_sprite_->Draw();
  pieces_->DrawUnderBlocks();
  DrawBlocks();
  pieces_->DrawOverBlocks();
  board_.Draw();
  DrawSelection();
  pieces_->DrawOverBoard();
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
  const std::vector<GG_ELEMENT*>& selection = drag_.Selection();
  const bool fillNow = selection.empty() ? tool_switch_fill_ : drag_.Tool() == kToolFill;
  ORB_GF::G_SPRITE* mark = SelectionSprite(fillNow);
  if (mark == nullptr) return;
  for (size_t i = 0; i + 1 < selection.size(); ++i) {
    const ORB::Vector2 centre = selection[i]->Centre();
    mark->SetPosition(centre.x, centre.y, 0.0f);
    mark->Draw();
    pieces_->DrawSelectionNumber(centre, static_cast<int32_t>(i + 1));
  }
  if (const GG_ELEMENT* hovered = board_.CellAt(drag_.HoveredRow(), drag_.HoveredCol())) {
    const ORB::Vector2 centre = hovered->Centre();
    mark->SetPosition(centre.x, centre.y, 0.0f);
    mark->Draw();
    if (!selection.empty()) {
      pieces_->DrawSelectionNumber(centre, static_cast<int32_t>(selection.size()));
    }
  }
}

std::vector<ORB_GF::G_SPRITE*> GG_GAMEPLAY::LevelSprites() const {
  std::vector<ORB_GF::G_SPRITE*> sprites;
  for (ORB_GF::G_SPRITE* sprite :
       {background_sprite_.get(), block_sprite_.get(), selection_sprite_.get(),
        selection_yes_sprite_.get(), selection_no_sprite_.get()}) {
    if (sprite != nullptr) sprites.push_back(sprite);
  }
  return sprites;
}

void GG_GAMEPLAY::AcquireResources() {
  acquired_ = true;
  for (ORB_GF::G_SPRITE* sprite : LevelSprites()) sprite->LoadTexture();
  board_.AcquireResources();
  pieces_->AcquireResources();
}

void GG_GAMEPLAY::ReleaseResources() {
  acquired_ = false;
  for (ORB_GF::G_SPRITE* sprite : LevelSprites()) sprite->ReleaseTexture();
  board_.ReleaseResources();
  pieces_->ReleaseResources();
}

void GG_GAMEPLAY::Pause() { paused_ = true; }

void GG_GAMEPLAY::Resume() {
  if (active_) paused_ = false;
}

ORB::Point GG_GAMEPLAY::Pointer() {
  const ORB::InputState* input = ORB::InputState::Current();
  return input != nullptr ? input->MousePosition() : ORB::Point();
}

int32_t GG_GAMEPLAY::OnPointerMove() {
  if (!active_ || paused_) return ORB::kResultNotFound;
  pieces_->OnPointerMove();
  drag_.Move(board_, Pointer());
  return ORB::kResultNotFound;
}

void GG_GAMEPLAY::CancelSelection() { drag_.Cancel(); }

void GG_GAMEPLAY::HoldInput(float seconds) {
  busy_ = true;
  After(seconds, [this] { busy_ = false; });
}

int32_t GG_GAMEPLAY::OnButtonDown(int32_t button) {
  if (!active_ || paused_ || busy_) return ORB::kResultNone;
  // The controls first (a press on one never reaches the board).
  if (pieces_->OnButtonDown(button)) return ORB::kEventSwallowed;
  if (!active_ || paused_ || busy_) return ORB::kResultNone;
  return drag_.Press(board_, Pointer(), button, tool_switch_fill_);
}

int32_t GG_GAMEPLAY::OnButtonUp(int32_t button) {
  if (!active_ || paused_ || busy_) return ORB::kResultNone;
  // The controls first: a drop on the reset target cancels the drag, so the
  // board finds no line to open.
  if (pieces_->OnButtonUp(button)) return ORB::kResultNone;
  if (!active_ || paused_ || busy_) return ORB::kResultNone;
  gDragState::Line line;
  // The drag ends before the cells open: opening them may end the level.
  if (!drag_.Release(&line)) return ORB::kResultNone;
  board_.ApplyClick(line.start_row, line.start_col, line.end_row, line.end_col, line.fill);
  return ORB::kResultNone;
}

void GG_GAMEPLAY::PlayCellSound(const std::string& name) {
  if (host_ != nullptr) host_->PlaySound(name);
}

void GG_GAMEPLAY::SetPieces(cPlayPieces* pieces) {
  pieces_ = pieces != nullptr ? pieces : &instant_pieces_;
}

}  // namespace game
