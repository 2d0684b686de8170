#include "engine/gui/gui_label.h"

#include <utility>

#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

namespace {

constexpr int32_t kLabelCapacity = 600;

}  // namespace

OC_GUI_LABEL::OC_GUI_LABEL(int32_t id, pugi::xml_node fontDescription,
                           const std::string& textureName, std::string text)
    : OC_GUI_OBJECT(id, kGuiKindLabel),
      texture_(std::make_unique<HeldTexture>(textureName)),
      text_(std::move(text)) {
  own_font_ = ReadFont(fontDescription, *texture_);
  font_ = own_font_.get();
}

OC_GUI_LABEL::OC_GUI_LABEL(int32_t id, OC_FONT* font, std::string text)
    : OC_GUI_OBJECT(id, kGuiKindLabel), font_(font), text_(std::move(text)) {}

std::unique_ptr<OC_FONT> OC_GUI_LABEL::ReadFont(pugi::xml_node description, HeldTexture& texture) {
  TextureRecord* page = texture.Take();
  if (!texture.IsHeld()) {
    LogMissingTexture(texture.Name());
    return nullptr;
  }
  auto font = std::make_unique<OC_FONT>(description, page, kLabelCapacity);
  if (font->GetGlyphs().Empty()) {
    GuiLog("label font on '" + texture.Name() + "' has no glyphs");
    texture.GiveBack();
    return nullptr;
  }
  font->alignment = HS_MID;
  return font;
}

bool OC_GUI_LABEL::SetFont(pugi::xml_node fontDescription, const std::string& textureName) {
  auto texture = std::make_unique<HeldTexture>(textureName);
  std::unique_ptr<OC_FONT> font = ReadFont(fontDescription, *texture);
  if (!font) return false;
  if (font_ != nullptr) {
    font->alignment = font_->alignment;
    font->GetPageTransform().scale = font_->GetPageTransform().scale;
    font->SetColor(font_->GetColor());
  }
  // The old font goes before its texture is given back.
  own_font_ = std::move(font);
  font_ = own_font_.get();
  texture_ = std::move(texture);
  return true;
}

void OC_GUI_LABEL::SetScale(float scale) {
  if (font_ != nullptr) font_->GetPageTransform().SetScale(scale, scale, scale);
}

void OC_GUI_LABEL::SetAlignment(int32_t alignment) {
  if (font_ != nullptr) font_->alignment = IsAnchor(alignment) ? alignment : HS_MID;
}

void OC_GUI_LABEL::Draw() {
  if (font_ == nullptr) return;
  const Vector3 at = GetTransform().GetWorld().position;
  font_->DrawTextA(TruncateToInt(at.x), TruncateToInt(at.y), text_.c_str());
}

}  // namespace ORB
