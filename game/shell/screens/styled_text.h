#pragma once
// gStyledText: a text a screen draws itself (not a label of its widget tree)
// in a font style of the game's font list (framework/font_style.h), at an
// offset from its owner's transform, optionally broken into lines that fit a
// width. The trophy items and the trophy-award window draw their titles and
// descriptions so.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "framework/font_style.h"

namespace game {

class gStyledText {
 public:
  gStyledText() = default;
  gStyledText(const gStyledText&) = delete;
  gStyledText& operator=(const gStyledText&) = delete;

  // The style from a font-style element (its font looked up in the game's
  // font list, none without one); a missing element leaves no font.
  void LoadStyle(const pugi::xml_node& node);
  // Where the text goes: the offset from the owner's transform.
  void Place(ORB::OS_TRANSFORM3* owner, float x, float y);
  // Lines are broken to fit this many pixels (0: never).
  void SetWrapWidth(int32_t width) { wrap_width_ = width; }

  // The text to draw (broken into lines when a width is set and the style
  // has its font).
  void SetText(const std::wstring& text);
  // Nothing without a font or a text.
  void Draw() const;

  const std::wstring& GetText() const { return text_; }
  const ORB_GF::FontStyle& GetStyle() const { return style_; }
  const ORB::OS_TRANSFORM3& GetPlace() const { return at_; }
  // The font's line height; 0 without a font.
  int32_t LineHeight() const;

 private:
  ORB_GF::FontStyle style_;
  ORB::OS_TRANSFORM3 at_;
  std::wstring text_;
  int32_t wrap_width_ = 0;
};

}  // namespace game
