#pragma once
// OC_GUI_LABEL: 8-bit text in a bitmap font, drawn upright at the widget's
// world position (its turn and scale do not reach the text; SetScale scales
// the glyphs). The text is the label's own copy and is drawn as it stands.
//
// Resources: unlike the other widgets the label's font exists from its
// construction. Built from a description, it takes its page texture from the
// texture provider at once and gives it back when deleted (the load and
// release passes leave it alone). A ready font is the caller's and must
// outlive the label.
#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/gui/gui_object.h"
#include "engine/scene/font.h"
#include "engine/scene/held_texture.h"

namespace ORB {

class OC_GUI_LABEL : public OC_GUI_OBJECT {
 public:
  // The font read from the description (the font element itself) against
  // the named texture; alignment 4. A texture that cannot be had is logged
  // and the label draws nothing.
  OC_GUI_LABEL(int32_t id, pugi::xml_node fontDescription, const std::string& textureName,
               std::string text);
  // Draws with the caller's font.
  OC_GUI_LABEL(int32_t id, OC_FONT* font, std::string text);

  void SetText(std::string text) { text_ = std::move(text); }
  const std::string& GetText() const { return text_; }
  // The glyphs' uniform scale.
  void SetScale(float scale);
  // The font's alignment (0..8; other values: 4).
  void SetAlignment(int32_t alignment);
  // Null when the label has no font.
  OC_FONT* GetFont() const { return font_; }
  // Reads a new description against a new texture; on success the label
  // draws with it (and gives the old texture back), else it keeps the font
  // it had. Answers whether the new font was taken.
  bool SetFont(pugi::xml_node fontDescription, const std::string& textureName);

  void Draw() override;

 private:
  // A font of the label's own: read from the description against the texture
  // taken by name; null (nothing held) when either is missing.
  static std::unique_ptr<OC_FONT> ReadFont(pugi::xml_node description, HeldTexture& texture);

  std::unique_ptr<HeldTexture> texture_;  // the page texture of an own font
  std::unique_ptr<OC_FONT> own_font_;
  OC_FONT* font_ = nullptr;
  std::string text_;
};

}  // namespace ORB
