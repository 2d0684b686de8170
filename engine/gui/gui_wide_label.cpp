#include "engine/gui/gui_wide_label.h"

#include <utility>

#include "engine/gui/gui_font.h"
#include "engine/scene/anchor.h"

namespace ORB {

OC_GUI_WLABEL::OC_GUI_WLABEL(int32_t id, std::string fontFile, std::string fontTexture,
                             std::wstring text)
    : OC_GUI_OBJECT(id, kGuiKindWideLabel),
      text_(std::move(text)),
      font_file_(std::move(fontFile)),
      texture_(std::move(fontTexture)) {}

void OC_GUI_WLABEL::SetColor(const Colour& colour) {
  colour_ = colour;
  if (font_) font_->SetColor(colour_.ToUInt());
}

void OC_GUI_WLABEL::SetLetterSpace(int32_t pixels) {
  letter_space_ = pixels;
  if (font_) font_->letter_spacing = pixels;
}

void OC_GUI_WLABEL::SetLineSpace(int32_t pixels) {
  line_space_ = pixels;
  if (font_) font_->line_spacing = pixels;
}

void OC_GUI_WLABEL::SetAlignment(int32_t alignment) {
  alignment_ = IsAnchor(alignment) ? alignment : HS_MID;
}

void OC_GUI_WLABEL::SetScale(float scale) {
  scale_ = scale;
  if (font_) font_->GetPageTransform().SetScale(scale_, scale_, scale_);
}

void OC_GUI_WLABEL::Draw() {
  if (!font_) return;
  // The world placement is combined up the widget's parents once for the
  // whole text, not again for every glyph.
  OS_TRANSFORM3 world = GetTransform().GetWorld();
  world.parent = nullptr;
  font_->DrawTransformed(world, alignment_, text_.c_str());
}

float OC_GUI_WLABEL::GetWidth() const {
  return font_ ? static_cast<float>(font_->MeasureLine(text_.c_str())) : 0.0f;
}

float OC_GUI_WLABEL::GetHeight() const {
  return font_ ? static_cast<float>(font_->GetLineHeight()) : 0.0f;
}

void OC_GUI_WLABEL::LoadResources() {
  TextureRecord* page = texture_.Take();
  if (!texture_.IsHeld()) {
    LogMissingTexture(texture_.Name());
    return;
  }
  if (font_) {
    font_->SetTexture(page);
    return;
  }
  font_ = BuildGuiFont(font_file_, page, static_cast<int32_t>(text_.size()) + 1);
  if (!font_) {
    texture_.GiveBack();
    return;
  }
  font_->SetColor(colour_.ToUInt());
  font_->line_spacing = line_space_;
  font_->letter_spacing = letter_space_;
  font_->GetPageTransform().SetScale(scale_, scale_, scale_);
}

void OC_GUI_WLABEL::ReleaseResources() {
  if (!texture_.IsHeld()) return;
  texture_.GiveBack();
  if (font_) font_->SetTexture(PlaceholderTexture());
}

}  // namespace ORB
