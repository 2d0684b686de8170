#pragma once
// OC_GUI_LINEBOX: a single-line text field (the GUI XML's "LINEBOX", the
// stock edit-box window's entry). A background picture, an input area inside
// it (the background less four margins), a line of text in a bitmap font with
// a blinking "|" caret, the editing keys Backspace, Left, Right and Delete, a
// maximum length, a set of characters that cannot be typed and a width limit.
//
// Input: the press pass does everything. A left-button press inside the area
// takes the focus (code 7, the caret shows at once), one outside gives it up.
// While focused, each key-down is handled: the editing keys move the caret or
// erase (no code), and the character the key typed (InputState::Text, in the
// player's keyboard layout; also one typed by no key, last key 0) is inserted
// at the caret when the box has room for it: code 10. The per-frame pass
// blinks the caret while focused and hides it otherwise; the release and move
// passes answer nothing.
//
// Room for a character c: the text is shorter than the maximum length, c is
// not a tab or a control character, the last key is no control key, c is not
// forbidden, and the area is strictly wider than the text plus twice (the
// advance of c + the letter spacing), in whole pixels.
//
// Resources: the background texture and the font's page are taken in
// LoadResources and given back in ReleaseResources and on deletion. The first
// load that has the background builds the box (background, area, caret);
// the font is built from its description (fontFile's "font" element) by the
// first load that has both the page and the description. A box without its
// background stays unbuilt (draws nothing, measures 0, takes no input); a box
// without its font draws its background and takes no text. Text, alignment,
// margins, colour and limits set before the build are kept for it.
//
// Placement: the area is centred on the background, moved by half the
// difference of opposite margins, under the widget's transform (so it turns
// and scales with it). The line starts half the font's cell width inside the
// area's left edge (left alignment), stands at its centre (centre) or ends
// half a cell inside its right edge (right), and its top lies marginBottom
// above the area's centre: a bottom margin of half the line height centres
// the line in the area.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/colour.h"
#include "engine/foundation/transform.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/font.h"
#include "engine/scene/held_texture.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_LINEBOX : public OC_GUI_OBJECT {
 public:
  static constexpr int32_t kNoLimit = 0x7fffffff;
  static constexpr int32_t kFontCapacity = 600;
  static constexpr float kDefaultMargin = 4.0f;
  static constexpr float kDefaultBlinkTime = 0.5f;

  OC_GUI_LINEBOX(int32_t id, std::string textureName, std::string fontTexture,
                 std::string fontFile);
  ~OC_GUI_LINEBOX() override;

  // n characters at most; 0 (or less) means no limit. Typing stops at the
  // limit; a text already longer stays.
  void SetMaxLength(int32_t n);
  int32_t GetMaxLength() const { return max_length_; }
  // Seconds per blink phase (not negative); restarts the blink, caret shown.
  void SetBlinkTime(float seconds);
  float GetBlinkTime() const { return blink_time_; }
  // The caret shows at once and stays a whole phase.
  void RestartBlink();

  // Margins of the input area inside the background (negative ones count 0;
  // the area never gets narrower than nothing).
  void SetMargins(float left, float top, float right, float bottom);
  void SetMargin(float margin) { SetMargins(margin, margin, margin, margin); }
  float GetMarginLeft() const { return margin_left_; }
  float GetMarginTop() const { return margin_top_; }
  float GetMarginRight() const { return margin_right_; }
  float GetMarginBottom() const { return margin_bottom_; }

  // Only the column of a (0..8; other values: the centre) counts: left (3),
  // centre (4) or right (5).
  void SetAlignment(int32_t alignment);
  int32_t GetAlignment() const { return alignment_; }

  // Takes s (caret 0) when it is no longer than the maximum length and, once
  // the font is built, no wider than the area; answers whether it did. Before
  // the font is built s is kept and measured then (refused then: empty).
  bool SetText(std::wstring s);
  const std::wstring& GetText() const { return text_; }
  // Empty text, caret 0.
  void ClearText();
  // Clamped to 0..length.
  void SetCaret(int32_t index);
  int32_t GetCaret() const { return caret_; }
  bool IsCaretVisible() const { return caret_visible_; }

  void SetForbiddenChars(std::wstring chars) { forbidden_ = std::move(chars); }
  const std::wstring& GetForbiddenChars() const { return forbidden_; }
  void SetColor(const Colour& colour);
  Colour GetColor() const { return colour_; }
  void SetLetterSpace(int32_t pixels);
  int32_t GetLetterSpace() const { return letter_space_; }

  GuiEvent* Process() override;
  GuiEvent* OnMouseDown() override;
  void Draw() override;
  // The background's size; 0 until built.
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

  bool IsBuilt() const { return built_; }
  // Null until built.
  OC_FONT* GetFont() const { return font_.get(); }
  // The input area (a rectangle on a transform under the widget's).
  const OC_HIT_SHAPE& GetArea() const { return area_; }
  // Where the line is placed (its parent is the area's transform).
  const OS_TRANSFORM3& GetTextTransform() const { return text_transform_; }

 private:
  void Build(TextureRecord* background);
  // The font from its description, on the held page; logged when missing.
  void BuildFont();
  // Area size, centre and pivot from the background and the margins; the
  // line's start again.
  void PlaceArea();
  void PlaceText();
  // The rules of the press pass after the mouse's. EditKey answers whether
  // the key was an editing key (handled then).
  bool EditKey(int32_t key);
  GuiEvent* Insert(int32_t key, wchar_t typed);
  bool HasRoomFor(int32_t key, wchar_t typed) const;
  float AreaWidth() const { return area_.GetWidth(); }
  int32_t TextWidth() const;

  HeldTexture background_texture_;
  HeldTexture font_texture_;
  std::string font_file_;
  std::unique_ptr<OC_MESH> background_;
  std::unique_ptr<OC_FONT> font_;
  OS_TRANSFORM3 area_transform_;
  OC_HIT_SHAPE area_;
  OS_TRANSFORM3 text_transform_;
  std::wstring text_;
  std::wstring forbidden_;
  Colour colour_{0xFFFFFFFFu};
  float margin_left_ = kDefaultMargin;
  float margin_top_ = kDefaultMargin;
  float margin_right_ = kDefaultMargin;
  float margin_bottom_ = kDefaultMargin;
  int32_t letter_space_ = 0;
  int32_t alignment_ = 3;
  int32_t caret_ = 0;
  int32_t max_length_ = kNoLimit;
  float blink_time_ = kDefaultBlinkTime;
  float blink_timer_ = kDefaultBlinkTime;
  bool caret_visible_ = true;
  bool built_ = false;
};

}  // namespace ORB
