#pragma once
// OC_GUI_TEXTBOX: a simpler text field built by code, which does all its work
// in the per-frame pass: a background picture, a line of text in a bitmap
// font drawn from a fixed start near the left edge, and a caret that blinks
// on a one-second cycle while the box has the focus.
//
// Per frame: a left-button press on the background takes the focus (code 7)
// and puts the caret at the clicked character cell, a release on it while
// focused answers 8, a press elsewhere gives the focus up. While focused, the
// keys that went down this frame move the caret (Left, Right) or erase
// (Backspace, Delete), and the character typed this frame (in the player's
// layout; also one typed by no key) is inserted at the caret while the text
// is shorter than the number of character cells that fit (no code).
//
// Character cells are the font's line height plus the spacing wide; the
// cells that fit leave a twentieth of the width free at each side. The font
// page and the background are the caller's textures (never given back).
#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/texture_record.h"
#include "engine/gui/gui_input.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/font.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_TEXTBOX : public OC_GUI_OBJECT {
 public:
  static constexpr int32_t kMarginDivisor = 20;

  // Built at once: the font from its description (its "font" element) on
  // the page, the background at its size. A null background leaves a box of
  // size 0.
  OC_GUI_TEXTBOX(int32_t id, pugi::xml_node fontDescription, TextureRecord* fontTexture,
                 TextureRecord* background);
  ~OC_GUI_TEXTBOX() override;

  // A value of 0 (or less) keeps the old one; the cells that fit follow.
  void SetSize(int32_t w, int32_t h) override;
  // Extra pixels per character cell (not negative).
  void SetSpacing(int32_t pixels);

  const std::wstring& GetText() const { return text_; }
  // The text as 8-bit characters (those above 255 as "?").
  std::string GetTextA() const;
  // Clipped to the cells that fit; caret 0.
  void SetText(std::wstring text);
  int32_t GetCaret() const { return caret_; }
  // Characters that fit (0 when a cell has no width).
  int32_t GetMaxLength() const { return max_length_; }
  bool IsCaretVisible() const { return caret_visible_; }

  GuiEvent* Process() override;
  void Draw() override;
  float GetWidth() const override { return static_cast<float>(width_); }
  float GetHeight() const override { return static_cast<float>(height_); }

  const OC_HIT_SHAPE& GetHitShape() const { return hit_; }
  OC_FONT& GetFont() { return *font_; }

 private:
  int32_t CellWidth() const { return char_width_ + spacing_; }
  void Fit();
  void Keys(const GuiInput& input);

  std::unique_ptr<OC_FONT> font_;
  std::unique_ptr<OC_MESH> background_;
  OC_HIT_SHAPE hit_;
  std::wstring text_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t char_width_ = 0;
  int32_t spacing_ = 0;
  int32_t max_length_ = 0;
  int32_t caret_ = 0;
  float blink_timer_ = 0.0f;
  bool caret_visible_ = true;
};

}  // namespace ORB
