#pragma once
// OC_GUI_WLABEL: a line (or lines) of wide text in a bitmap font, drawn under
// the widget's transform (turned and scaled with it) at one of the nine
// alignments. The game fills scores, names and times through SetText, and the
// localization walk translates labels of this kind (kGuiKindWideLabel). The
// text is drawn as it stands: a "%" is a percent sign.
//
// Resources: the font's page texture (fontTexture) is taken in LoadResources
// and given back in ReleaseResources and on deletion; the first load that
// has the texture also reads the font's description (fontFile, its "font"
// element) through the document provider and builds the font. Without the
// texture or the description the label stays unbuilt: it draws nothing and
// measures 0, and the next load tries again. Colour, spacings and scale set
// before the build are kept for it.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/colour.h"
#include "engine/gui/gui_object.h"
#include "engine/scene/font.h"
#include "engine/scene/held_texture.h"

namespace ORB {

class OC_GUI_WLABEL : public OC_GUI_OBJECT {
 public:
  OC_GUI_WLABEL(int32_t id, std::string fontFile, std::string fontTexture, std::wstring text);

  // The text may be longer than the one the font was built with.
  void SetText(std::wstring text) { text_ = std::move(text); }
  const std::wstring& GetText() const { return text_; }
  // The XML "TEXT_ID", kept for the game.
  void SetTextId(int32_t id) { text_id_ = id; }
  int32_t GetTextId() const { return text_id_; }

  void SetColor(const Colour& colour);
  Colour GetColor() const { return colour_; }
  // Extra pixels after each letter, and between lines.
  void SetLetterSpace(int32_t pixels);
  void SetLineSpace(int32_t pixels);
  int32_t GetLetterSpace() const { return letter_space_; }
  int32_t GetLineSpace() const { return line_space_; }
  // The anchor of the text at the widget's position (0..8; other values: 4).
  void SetAlignment(int32_t alignment);
  int32_t GetAlignment() const { return alignment_; }
  // Uniform scale of the glyphs (the XML "FONT_SCALE").
  void SetScale(float scale);
  float GetScale() const { return scale_; }
  // Null until built.
  OC_FONT* GetFont() const { return font_.get(); }
  const std::string& GetFontFile() const { return font_file_; }
  const std::string& GetFontTexture() const { return texture_.Name(); }

  void Draw() override;
  // The width of the text's first line and the font's line height, as drawn;
  // 0 until built.
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 private:
  std::wstring text_;
  std::string font_file_;
  HeldTexture texture_;
  Colour colour_{0xFFFFFFFFu};
  int32_t alignment_ = HS_MID;
  std::unique_ptr<OC_FONT> font_;
  float scale_ = 1.0f;
  int32_t letter_space_ = 0;
  int32_t line_space_ = 0;
  int32_t text_id_ = 0;
};

}  // namespace ORB
