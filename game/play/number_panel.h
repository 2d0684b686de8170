#pragma once
// One strip of clue numbers beside the board: the left strip (vertical)
// holds each row's numbers, the top strip each column's. Numbers line up
// with their row or column, the number nearest to the board first, and step
// away from the board by the interval.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/font.h"
#include "framework/animation.h"

namespace game {

class GG_NUMBERCROSS;
struct BoardSettings;

class NumberPanel {
 public:
  explicit NumberPanel(bool vertical) : vertical_(vertical) {}
  virtual ~NumberPanel() = default;
  NumberPanel(const NumberPanel&) = delete;
  NumberPanel& operator=(const NumberPanel&) = delete;

  // Reads "font", "font_color", "font_cross", "interval" and "shift_first"
  // of the panel's element ("numbersLeft" or "numbersUp"); each is optional
  // and keeps its default when absent. The element itself describes the
  // cross-out animation. False for a missing element.
  [[nodiscard]] bool Load(const pugi::xml_node& element);
  // Takes the board's geometry along the panel's axis.
  void Build(const BoardSettings& settings);

  // The font the numbers are drawn with (not owned; null draws nothing).
  void SetFont(ORB::OC_FONT* font) { font_ = font; }
  ORB::OC_FONT* Font() const { return font_; }

  // Draws every line's numbers, from the last to the first, each in the
  // cross colour once crossed; a number crossed since the last drawing gets
  // its cross-out animation, which starts at once. The font's alignment is
  // as before afterwards.
  void Draw(GG_NUMBERCROSS& numbers);
  // Per frame: the cross-out animations.
  void Update();
  // Drops the cross-out animations (the level ends).
  void Clear();
  void AcquireResources();
  void ReleaseResources();
  size_t LiveAnimations() const { return live_.size(); }

  // Where the number of run `runIndex` (0 = first in the line) of a line
  // with `runCount` runs is drawn: its centre.
  ORB::Vector2 NumberPosition(int32_t line, int32_t runIndex, int32_t runCount) const;

  bool IsVertical() const { return vertical_; }
  const std::string& FontName() const { return font_name_; }
  ORB::Colour FontColour() const { return font_colour_; }
  ORB::Colour CrossColour() const { return cross_colour_; }
  int32_t Interval() const { return interval_; }
  ORB::Vector2 ShiftFirst() const { return shift_first_; }
  const ORB_GF::G_ANIMATION* CrossOutTemplate() const { return cross_out_.get(); }
  int32_t LineCount() const { return line_count_; }

 private:
  bool vertical_;
  std::string font_name_;
  ORB::Colour font_colour_{0xFF2E3440u};
  ORB::Colour cross_colour_{0xFFBDB5A8u};
  int32_t interval_ = 20;
  ORB::Vector2 shift_first_;
  std::unique_ptr<ORB_GF::G_ANIMATION> cross_out_;  // the template
  std::vector<std::unique_ptr<ORB_GF::G_ANIMATION>> live_;
  ORB::OC_FONT* font_ = nullptr;
  bool acquired_ = false;

  // From the board, along the panel's axis.
  int32_t shift_ = 0;
  int32_t cell_size_ = 0;
  int32_t line_count_ = 0;
  int32_t block_ = 0;
  ORB::Vector2 origin_;
};

// Reads a colour written as four decimal numbers "a r g b" or as one
// hexadecimal ARGB word.
bool ParseColourText(const char* text, ORB::Colour& colour);

}  // namespace game
