#include "game/play/number_panel.h"

#include <cstring>

#include "engine/foundation/number_text.h"
#include "game/play/board_settings.h"
#include "game/play/number_cross.h"

namespace game {

bool ParseColourText(const char* text, ORB::Colour& colour) {
  if (text == nullptr || *text == '\0') return false;
  if (std::strchr(text, ' ') != nullptr) return colour.Parse(text);
  colour = ORB::ParseHexColour(text);
  return true;
}

bool NumberPanel::Load(const pugi::xml_node& element) {
  if (!element) return false;
  if (const pugi::xml_attribute a = element.attribute("font")) font_name_ = a.value();
  if (const pugi::xml_attribute a = element.attribute("font_color")) {
    ParseColourText(a.value(), font_colour_);
  }
  if (const pugi::xml_attribute a = element.attribute("font_cross")) {
    ParseColourText(a.value(), cross_colour_);
  }
  if (const pugi::xml_attribute a = element.attribute("interval")) {
    interval_ = ORB::ParseIntText(a.value());
  }
  if (const pugi::xml_attribute a = element.attribute("shift_first")) shift_first_.Parse(a.value());
  // The element describes the cross-out animation when it names a texture.
  cross_out_.reset();
  if (element.child("FILE")) {
    cross_out_ = std::make_unique<ORB_GF::G_ANIMATION>(element);
    cross_out_->SetLoop(false);
  }
  return true;
}

void NumberPanel::Draw(GG_NUMBERCROSS& numbers) {
  const int32_t lines = vertical_ ? numbers.Rows() : numbers.Columns();
  const int32_t saved = font_ != nullptr ? font_->alignment : 0;
  if (font_ != nullptr) font_->alignment = 4;
  for (int32_t line = 0; line < lines && line < line_count_; ++line) {
    const GG_NUMBERCROSS::Line& runs = vertical_ ? numbers.RowRuns(line) : numbers.ColumnRuns(line);
    const int32_t count = static_cast<int32_t>(runs.size());
    for (int32_t i = count - 1; i >= 0; --i) {
      NumberRun& run = *runs[static_cast<size_t>(i)];
      const ORB::Vector2 at = NumberPosition(line, i, count);
      if (run.newlyCrossed) {
        if (cross_out_) {
          live_.push_back(std::make_unique<ORB_GF::G_ANIMATION>(*cross_out_));
          ORB_GF::G_ANIMATION& strike = *live_.back();
          if (acquired_) strike.LoadTexture();
          strike.SetPosition(at.x, at.y, 0.0f);
          strike.Play(0.0f);
        }
        run.newlyCrossed = 0;
        run.shownCrossed = 1;
      }
      if (font_ != nullptr) {
        font_->SetColor((run.shownCrossed ? cross_colour_ : font_colour_).ToUInt());
        font_->DrawFormat(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y), L"%i",
                          static_cast<int32_t>(run.length));
      }
    }
  }
  if (font_ != nullptr) font_->alignment = saved;
  for (const auto& strike : live_) strike->Draw();
}

void NumberPanel::Update() {
  for (const auto& strike : live_) strike->Update();
}

void NumberPanel::Clear() { live_.clear(); }

void NumberPanel::AcquireResources() {
  acquired_ = true;
  for (const auto& strike : live_) strike->LoadTexture();
}

void NumberPanel::ReleaseResources() {
  acquired_ = false;
  for (const auto& strike : live_) strike->ReleaseTexture();
}

void NumberPanel::Build(const BoardSettings& settings) {
  shift_ = vertical_ ? settings.shiftBlock.y : settings.shiftBlock.x;
  cell_size_ = static_cast<int32_t>(vertical_ ? settings.elSize.y : settings.elSize.x);
  line_count_ = vertical_ ? settings.grid.y : settings.grid.x;
  block_ = vertical_ ? settings.block.y : settings.block.x;
  origin_ = settings.frameCorner;
}

ORB::Vector2 NumberPanel::NumberPosition(int32_t line, int32_t runIndex, int32_t runCount) const {
  // Along the board: the centre of the line's cells, with the block shift
  // taken before the first line of every block (the first included, which
  // brings the frame corner to the first cell), so one "shift_first" serves
  // every cell size.
  const int32_t blocksBefore = block_ > 0 ? line / block_ + 1 : 1;
  const float along = static_cast<float>(line * cell_size_ - blocksBefore * shift_) +
                      static_cast<float>(cell_size_) / 2.0f;
  // Away from the board: the last run sits nearest.
  const float away = static_cast<float>((runCount - 1 - runIndex) * interval_);
  if (vertical_) {
    return {origin_.x - shift_first_.x - away, origin_.y + shift_first_.y + along};
  }
  return {origin_.x + shift_first_.x + along, origin_.y - shift_first_.y - away};
}

}  // namespace game
