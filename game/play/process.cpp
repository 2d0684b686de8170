#include "game/play/process.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "game/play/level_file.h"

namespace game {

GG_PROCESS::GG_PROCESS(cBoardEvents* owner) : owner_(owner) {}

GG_PROCESS::~GG_PROCESS() { Clear(); }

void GG_PROCESS::Clear() {
  left_panel_.Clear();
  top_panel_.Clear();
  numbers_.Clear();
  cells_to_find_.clear();
  found_cells_.clear();
  cells_.clear();
  active_ = false;
  sweep_time_ = 0.0f;
  sweep_elapsed_ = 0.0f;
}

bool GG_PROCESS::LoadNumbers(const pugi::xml_node& numbers) {
  return left_panel_.Load(numbers.child("numbersLeft")) &&
         top_panel_.Load(numbers.child("numbersUp"));
}

bool GG_PROCESS::Load(const LevelFile& level, BoardSettings* settings,
                      const pugi::xml_node& numbers) {
  Clear();
  settings_ = settings;
  if (settings_ == nullptr) return false;
  if (!LoadNumbers(numbers)) {
    settings_ = nullptr;
    return false;
  }
  const std::vector<uint32_t>& types = level.CellTypes();
  if (settings_->grid.x <= 0 || settings_->grid.y <= 0 ||
      types.size() !=
          static_cast<size_t>(settings_->grid.x) * static_cast<size_t>(settings_->grid.y)) {
    settings_ = nullptr;
    return false;
  }
  LoadCells(types);
  ChooseBonusCells();
  numbers_.BuildRuns(&cells_, settings_->grid.x, settings_->grid.y);
  left_panel_.Build(*settings_);
  top_panel_.Build(*settings_);
  return true;
}

void GG_PROCESS::LoadCells(const std::vector<uint32_t>& types) {
  const int32_t columns = settings_->grid.x;
  cells_.reserve(types.size());
  for (size_t i = 0; i < types.size(); ++i) {
    const int32_t row = static_cast<int32_t>(i / static_cast<size_t>(columns));
    const int32_t col = static_cast<int32_t>(i % static_cast<size_t>(columns));
    auto cell = std::make_unique<GG_ELEMENT>(types[i], static_cast<uint32_t>(row),
                                             static_cast<uint32_t>(col));
    cell->SetSize(settings_->elSize);
    cell->SetPosition(settings_->CellCentre(row, col));
    if (templates_ != nullptr) cell->SetVisuals(*templates_);
    if (cell->IsFilled()) cells_to_find_.push_back(cell.get());
    cells_.push_back(std::move(cell));
  }
}

void GG_PROCESS::ChooseBonusCells() {
  std::vector<GG_ELEMENT*> candidates = cells_to_find_;
  ORB::Random fallback(0);
  ORB::Random* random = ORB::GetDefaultRandom();
  if (random == nullptr) random = &fallback;
  const uint32_t count =
      std::min<uint32_t>(settings_->bonuses, static_cast<uint32_t>(candidates.size()));
  for (uint32_t i = 0; i < count && !candidates.empty(); ++i) {
    const int32_t index = random->Range(0, static_cast<int32_t>(candidates.size()));
    const size_t at = static_cast<size_t>(
        std::clamp<int32_t>(index, 0, static_cast<int32_t>(candidates.size()) - 1));
    candidates[at]->SetBonus(true);
    candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(at));
  }
}

GG_ELEMENT* GG_PROCESS::CellAt(int32_t row, int32_t col) const {
  if (cells_.empty() || settings_ == nullptr) return nullptr;
  if (col < 0 || col >= settings_->grid.x || row < 0 || row >= settings_->grid.y) return nullptr;
  const size_t index =
      static_cast<size_t>(col) + static_cast<size_t>(settings_->grid.x) * static_cast<size_t>(row);
  return index < cells_.size() ? cells_[index].get() : nullptr;
}

bool GG_PROCESS::CellUnderPoint(const ORB::Vector2& point, int32_t* row, int32_t* col) const {
  int32_t r = -1;
  int32_t c = -1;
  if (settings_ != nullptr && !cells_.empty()) {
    r = settings_->RowAt(point.y);
    c = settings_->ColumnAt(point.x);
    if (r < 0 || c < 0) r = c = -1;
  }
  if (row != nullptr) *row = r;
  if (col != nullptr) *col = c;
  return r >= 0;
}

double GG_PROCESS::GetProgress() const {
  if (cells_to_find_.empty()) return 0.0;
  return static_cast<double>(found_cells_.size()) / static_cast<double>(cells_to_find_.size());
}

void GG_PROCESS::SetCellsLocked(bool locked) {
  for (const auto& cell : cells_) cell->SetLocked(locked);
}

std::vector<GG_ELEMENT*> GG_PROCESS::CollectSelection(int32_t startRow, int32_t startCol,
                                                      int32_t endRow, int32_t endCol) const {
  std::vector<GG_ELEMENT*> line;
  if (settings_ == nullptr) return line;
  const int64_t dRow = static_cast<int64_t>(endRow) - startRow;
  const int64_t dCol = static_cast<int64_t>(endCol) - startCol;
  const bool alongRow = std::llabs(dRow) <= std::llabs(dCol);
  const int64_t from = alongRow ? startCol : startRow;
  const int64_t to = alongRow ? endCol : endRow;
  const int64_t count = alongRow ? settings_->grid.x : settings_->grid.y;
  // Only the part of the line inside the grid is walked, in the order from
  // the start.
  const int64_t low = std::max<int64_t>(std::min(from, to), 0);
  const int64_t high = std::min<int64_t>(std::max(from, to), count - 1);
  if (low > high) return line;
  const int64_t first = from <= to ? low : high;
  const int64_t step = from <= to ? 1 : -1;
  for (int64_t i = first; i >= low && i <= high; i += step) {
    GG_ELEMENT* cell = alongRow ? CellAt(startRow, static_cast<int32_t>(i))
                                : CellAt(static_cast<int32_t>(i), startCol);
    if (cell != nullptr) line.push_back(cell);
  }
  return line;
}

void GG_PROCESS::ApplyClick(int32_t startRow, int32_t startCol, int32_t endRow, int32_t endCol,
                            bool fill) {
  const std::vector<GG_ELEMENT*> line = CollectSelection(startRow, startCol, endRow, endCol);
  double delay = 0.0;
  for (GG_ELEMENT* cell : line) {
    if (cell->IsOpen()) continue;
    const int32_t result = fill ? cell->OpenAsFilled(delay) : cell->OpenAsEmpty(delay);
    if (result == GG_ELEMENT::kOpenNothing) continue;
    if (cell->IsFilled()) found_cells_.push_back(cell);
    std::string sound;
    if (result == GG_ELEMENT::kOpenRight) {
      if (owner_ != nullptr) owner_->OnRightCell(*cell);
      sound = cell->IsFilled() ? "fulltileclick" : "emptytileclick";
    } else {
      if (owner_ != nullptr) owner_->OnWrongCell(*cell);
      sound = "errorclick";
    }
    numbers_.UpdateCrossed(static_cast<int32_t>(cell->Row()), static_cast<int32_t>(cell->Col()));
    if (delay == 0.0) {
      PlaySound(sound);
    } else {
      cell->SetSoundName(std::move(sound));
    }
    delay += open_delay_step_;
  }
  if (owner_ != nullptr) owner_->CheckFinished();
}

void GG_PROCESS::OpenAll(const std::vector<GG_ELEMENT*>& cells) {
  for (const GG_ELEMENT* cell : cells) {
    if (cell == nullptr) continue;
    const int32_t row = static_cast<int32_t>(cell->Row());
    const int32_t col = static_cast<int32_t>(cell->Col());
    ApplyClick(row, col, row, col, true);
  }
}

void GG_PROCESS::PlaySound(const std::string& name) {
  if (owner_ != nullptr && !name.empty()) owner_->PlayCellSound(name);
}

void GG_PROCESS::AcquireResources() {
  for (const auto& cell : cells_) cell->AcquireTextures();
  left_panel_.AcquireResources();
  top_panel_.AcquireResources();
}

void GG_PROCESS::ReleaseResources() {
  for (const auto& cell : cells_) cell->ReleaseTextures();
  left_panel_.ReleaseResources();
  top_panel_.ReleaseResources();
}

void GG_PROCESS::Draw() {
  for (const auto& cell : cells_) cell->DrawFilled();
  for (const auto& cell : cells_) cell->DrawCross();
  for (const auto& cell : cells_) cell->DrawOverlay();
  for (const GG_ELEMENT* cell : cells_to_find_) cell->DrawEnd();
  // While the sweep runs its lights are drawn once more, brighter over the
  // picture.
  if (active_) {
    for (const GG_ELEMENT* cell : cells_to_find_) cell->DrawEnd();
  }
  if (!numbers_.Empty()) {
    left_panel_.Draw(numbers_);
    top_panel_.Draw(numbers_);
  }
}

void GG_PROCESS::Update() {
  const float frameTime = ORB::GetFrameDelta();
  left_panel_.Update();
  top_panel_.Update();
  if (active_) UpdateSweep(frameTime);
  for (const auto& cell : cells_) {
    if (cell->UpdateOpenDelay(frameTime)) PlaySound(cell->SoundName());
  }
}

float GG_PROCESS::StartEndEffect(float speed) {
  if (settings_ == nullptr) return 0.0f;
  active_ = true;
  for (GG_ELEMENT* cell : cells_to_find_) cell->SetEndStarted(false);
  const float side = static_cast<float>(std::max(settings_->width, settings_->height));
  const ORB::Vector2 origin = settings_->origin;
  sweep_start_a_ = ORB::Vector2(origin.x + side / 2.0f, origin.y - side / 2.0f);
  sweep_start_b_ = ORB::Vector2(origin.x - side / 2.0f, origin.y + side / 2.0f);
  sweep_a_ = sweep_start_a_;
  sweep_b_ = sweep_start_b_;
  sweep_move_ = ORB::Vector2(side, side);
  // A speed of 0 (or less) would take forever: the sweep then ends at once.
  sweep_time_ = speed > 0.0f ? sweep_move_.Length() / speed : 0.0f;
  sweep_elapsed_ = 0.0f;
  if (!(sweep_time_ > 0.0f) || !std::isfinite(sweep_time_)) sweep_time_ = 0.0f;
  return sweep_time_;
}

void GG_PROCESS::UpdateSweep(float frameTime) {
  sweep_elapsed_ += frameTime;
  const float t = sweep_time_ > 0.0f ? std::min(1.0f, sweep_elapsed_ / sweep_time_) : 1.0f;
  sweep_a_ = sweep_start_a_ + sweep_move_ * t;
  sweep_b_ = sweep_start_b_ + sweep_move_ * t;
  // A cell lights when the segment touches it (inside the thin ellipse
  // round the segment) or has passed over it since the last frame: with
  // whole frames as steps, cells near the segment's ends would otherwise be
  // stepped over.
  const float span = ORB::Vector2::Distance(sweep_a_, sweep_b_);
  const ORB::Vector2 along = span > 0.0f ? (sweep_b_ - sweep_a_) / span : ORB::Vector2();
  ORB::Vector2 normal = sweep_move_;
  normal.Normalize();
  const float front = ORB::Vector2::Dot(sweep_a_, normal);
  for (GG_ELEMENT* cell : cells_to_find_) {
    if (cell->EndStarted()) continue;
    const ORB::Vector2 centre = cell->Centre();
    const bool touched =
        ORB::Vector2::Distance(centre, sweep_a_) + ORB::Vector2::Distance(centre, sweep_b_) <=
        1.005f * span;
    const float offset = ORB::Vector2::Dot(centre - sweep_a_, along);
    const bool passed =
        ORB::Vector2::Dot(centre, normal) <= front && offset >= 0.0f && offset <= span;
    if (touched || passed) cell->StartEnd();
  }
  if (t >= 1.0f) {
    active_ = false;
    if (owner_ != nullptr) owner_->OnEndSweepFinished();
  }
}

}  // namespace game
