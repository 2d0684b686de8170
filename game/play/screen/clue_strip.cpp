#include "game/play/screen/clue_strip.h"

#include <numbers>

#include "engine/foundation/number_text.h"
#include "game/play/number_panel.h"
#include "game/play/screen/centred_sprite.h"

namespace game {

bool gClueStrip::Load(const pugi::xml_node& element) {
  if (!element) return false;
  if (const pugi::xml_attribute a = element.attribute("size")) size_ = ORB::ParseIntText(a.value());
  if (const pugi::xml_attribute a = element.attribute("margin")) {
    margin_ = ORB::ParseIntText(a.value());
  }
  background_ = ReadCentredSprite(element.child("background"));
  stick_ = ReadCentredSprite(element.child("stick"));
  stick_block_ = ReadCentredSprite(element.child("stickBlock"));
  band_ = background_ ? background_->GetColor() : ORB::Colour(0xFFFFFFFFu);
  tint_ = band_;
  if (const pugi::xml_attribute a = element.attribute("tint")) ParseColourText(a.value(), tint_);
  // A line's width is its picture's width as described (2 without one).
  if (stick_ && stick_->GetWidth() > 0.0f) stick_width_ = stick_->GetWidth();
  if (stick_block_ && stick_block_->GetWidth() > 0.0f) {
    stick_block_width_ = stick_block_->GetWidth();
  }
  return true;
}

void gClueStrip::LayOut(const BoardSettings& settings, int32_t clueDepth) {
  settings_ = settings;
  laid_out_ = true;
  depth_ = clueDepth > 0 ? clueDepth + margin_ : size_;
}

float gClueStrip::LineCentre(int32_t i) const {
  return left_ ? settings_.CellCentre(i, 0).y : settings_.CellCentre(0, i).x;
}

void gClueStrip::Place(ORB_GF::G_SPRITE& sprite, float along, float away, float length,
                       float depth) const {
  sprite.SetSize(length, depth);
  if (left_) {
    sprite.SetPosition(settings_.frameCorner.x - away, along, 0.0f);
    sprite.SetAngle(-std::numbers::pi_v<float> / 2.0f);
  } else {
    sprite.SetPosition(along, settings_.frameCorner.y - away, 0.0f);
    sprite.SetAngle(0.0f);
  }
  sprite.Draw();
}

void gClueStrip::Draw() {
  if (!laid_out_ || depth_ <= 0) return;
  const int32_t lines = left_ ? settings_.Rows() : settings_.Columns();
  const int32_t block = left_ ? settings_.block.y : settings_.block.x;
  const float cell = left_ ? settings_.elSize.y : settings_.elSize.x;
  const float depth = static_cast<float>(depth_);
  const float middle = depth / 2.0f;
  // The bands, every other one tinted.
  if (background_) {
    for (int32_t i = 0; i < lines; ++i) {
      background_->SetColor(i % 2 == 0 ? band_ : tint_);
      Place(*background_, LineCentre(i), middle, cell, depth);
    }
    background_->SetColor(band_);
  }
  // A line between neighbouring cells of a block; at a block boundary (and
  // at both ends of the board) one in the middle of the gap.
  const float start = left_ ? settings_.frameCorner.y : settings_.frameCorner.x;
  const float end = start + static_cast<float>(left_ ? settings_.height : settings_.width);
  for (int32_t i = 0; i <= lines; ++i) {
    const bool boundary = i == 0 || i == lines || (block > 0 && i % block == 0);
    const float before = i > 0 ? LineCentre(i - 1) + cell / 2.0f : start;
    const float after = i < lines ? LineCentre(i) - cell / 2.0f : end;
    if (boundary) {
      if (stick_block_)
        Place(*stick_block_, (before + after) / 2.0f, middle, stick_block_width_, depth);
    } else if (stick_) {
      Place(*stick_, before, middle, stick_width_, depth);
    }
  }
}

void gClueStrip::AcquireResources() {
  for (ORB_GF::G_SPRITE* sprite : {background_.get(), stick_.get(), stick_block_.get()}) {
    if (sprite != nullptr) sprite->LoadTexture();
  }
}

void gClueStrip::ReleaseResources() {
  for (ORB_GF::G_SPRITE* sprite : {background_.get(), stick_.get(), stick_block_.get()}) {
    if (sprite != nullptr) sprite->ReleaseTexture();
  }
}

}  // namespace game
