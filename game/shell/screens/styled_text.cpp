#include "game/shell/screens/styled_text.h"

#include "framework/font_list.h"
#include "framework/text_wrap.h"

namespace game {

void gStyledText::LoadStyle(const pugi::xml_node& node) {
  if (!node) return;
  static const ORB_GF::FontList kNoFonts;
  const ORB_GF::FontList* fonts = ORB_GF::GetFontList();
  (void)style_.Load(node, fonts != nullptr ? *fonts : kNoFonts);
}

void gStyledText::Place(ORB::OS_TRANSFORM3* owner, float x, float y) {
  at_.parent = owner;
  at_.SetPosition(x, y, 0.0f);
}

void gStyledText::SetText(const std::wstring& text) {
  const ORB::OC_FONT* font = style_.GetFont();
  text_ = font != nullptr && wrap_width_ > 0 ? ORB_GF::WrapText(*font, text, wrap_width_) : text;
}

void gStyledText::Draw() const {
  if (text_.empty()) return;
  if (ORB::OC_FONT* font = style_.Apply()) {
    font->DrawTransformed(at_, style_.GetAlignment(), text_.c_str());
  }
}

int32_t gStyledText::LineHeight() const {
  const ORB::OC_FONT* font = style_.GetFont();
  return font != nullptr ? font->GetLineHeight() : 0;
}

}  // namespace game
