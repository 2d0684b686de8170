#include "game/play/screen/coin_counter.h"

namespace game {

bool gCoinCounter::Load(const pugi::xml_node& element, const FontLookup& fonts) {
  font_ = nullptr;
  icon_.reset();
  if (!element) return false;
  // The style's colour and alignment (read against the game's font list
  // when there is one); the font comes through the lookup.
  const ORB_GF::FontList none;
  style_.Load(element, ORB_GF::GetFontList() != nullptr ? *ORB_GF::GetFontList() : none);
  if (fonts && !style_.GetFontName().empty()) font_ = fonts(style_.GetFontName());
  if (const pugi::xml_attribute a = element.attribute("pos")) pos_.Parse(a.value());
  if (const pugi::xml_node icon = element.child("icon")) {
    icon_ = std::make_unique<ORB_GF::G_SPRITE>(icon);
  }
  return font_ != nullptr;
}

void gCoinCounter::Draw() {
  if (icon_) icon_->Draw();
  if (font_ == nullptr) return;
  const int32_t saved = font_->alignment;
  const uint32_t savedColour = font_->GetColor();
  font_->alignment = style_.GetAlignment();
  font_->SetColor(style_.GetColor().ToUInt());
  font_->DrawFormat(static_cast<int32_t>(pos_.x), static_cast<int32_t>(pos_.y), L"%i", value_);
  font_->alignment = saved;
  font_->SetColor(savedColour);
}

void gCoinCounter::AcquireResources() {
  if (icon_) icon_->LoadTexture();
}

void gCoinCounter::ReleaseResources() {
  if (icon_) icon_->ReleaseTexture();
}

}  // namespace game
