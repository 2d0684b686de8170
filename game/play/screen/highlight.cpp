#include "game/play/screen/highlight.h"

#include "engine/scene/anchor.h"
#include "game/play/number_panel.h"
#include "game/play/screen/centred_sprite.h"

namespace game {

bool gHighlight::Load(const pugi::xml_node& element, const FontLookup& fonts) {
  horizontal_.reset();
  vertical_.reset();
  font_ = nullptr;
  if (!element) return false;
  horizontal_ = ReadCentredSprite(element.child("horisontal"));
  vertical_ = ReadCentredSprite(element.child("vertical"));
  if (const pugi::xml_attribute a = element.attribute("font"); a && fonts) font_ = fonts(a.value());
  if (const pugi::xml_attribute a = element.attribute("font_color")) {
    ParseColourText(a.value(), colour_);
  }
  if (const pugi::xml_attribute a = element.attribute("shift")) shift_.Parse(a.value());
  return true;
}

void gHighlight::LayOut(const BoardSettings& settings) {
  settings_ = settings;
  laid_out_ = true;
  row_ = -1;
  col_ = -1;
  if (horizontal_) horizontal_->SetSize(static_cast<float>(settings.width), settings.elSize.y);
  if (vertical_) vertical_->SetSize(settings.elSize.x, static_cast<float>(settings.height));
}

void gHighlight::MoveTo(int32_t row, int32_t col) {
  row_ = row;
  col_ = col;
}

void gHighlight::Draw() {
  if (!laid_out_ || row_ < 0 || col_ < 0 || row_ >= settings_.Rows() ||
      col_ >= settings_.Columns()) {
    return;
  }
  const ORB::Vector2 centre = settings_.CellCentre(row_, col_);
  const float middleX = settings_.frameCorner.x + static_cast<float>(settings_.width) / 2.0f;
  const float middleY = settings_.frameCorner.y + static_cast<float>(settings_.height) / 2.0f;
  if (horizontal_) {
    horizontal_->SetPosition(middleX, centre.y, 0.0f);
    horizontal_->Draw();
  }
  if (vertical_) {
    vertical_->SetPosition(centre.x, middleY, 0.0f);
    vertical_->Draw();
  }
}

void gHighlight::DrawNumber(const ORB::Vector2& centre, int32_t number) {
  if (font_ == nullptr) return;
  const int32_t saved = font_->alignment;
  const uint32_t savedColour = font_->GetColor();
  font_->alignment = ORB::HS_MID;
  font_->SetColor(colour_.ToUInt());
  font_->DrawFormat(static_cast<int32_t>(centre.x) + shift_.x,
                    static_cast<int32_t>(centre.y) + shift_.y, L"%i", number);
  font_->alignment = saved;
  font_->SetColor(savedColour);
}

void gHighlight::AcquireResources() {
  if (horizontal_) horizontal_->LoadTexture();
  if (vertical_) vertical_->LoadTexture();
}

void gHighlight::ReleaseResources() {
  if (horizontal_) horizontal_->ReleaseTexture();
  if (vertical_) vertical_->ReleaseTexture();
}

}  // namespace game
