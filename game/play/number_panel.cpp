#include "game/play/number_panel.h"

#include <cstring>

#include "engine/foundation/number_text.h"
#include "game/play/board_settings.h"

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
  animation_.reset();
  animation_.append_copy(element);
  return true;
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
