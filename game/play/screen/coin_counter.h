#pragma once
// gCoinCounter: the coins the player has found in the running level, drawn
// at the top of the play screen as a plain number ("%i") in its font style.
//
//   <sunime pos="512 32" fntName="sans_bold_28" fntColor="FF2E3440" fntHotSpot="HS_MID">
//     <icon>... a sprite drawn behind, optional ...</icon>
//   </sunime>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "engine/scene/font.h"
#include "framework/font_style.h"
#include "framework/sprite.h"

namespace game {

class gCoinCounter {
 public:
  using FontLookup = std::function<ORB::OC_FONT*(const std::string& name)>;

  // Reads the style and "pos"; the font is looked up by its name. False
  // when the element is missing or names no font.
  bool Load(const pugi::xml_node& element, const FontLookup& fonts);

  void Add(int32_t coins) { value_ += coins; }
  void Set(int32_t value) { value_ = value; }
  int32_t Get() const { return value_; }

  // The number in the style's font, colour and alignment at "pos".
  void Draw();
  void AcquireResources();
  void ReleaseResources();

  ORB::Vector2 Position() const { return pos_; }
  ORB::OC_FONT* Font() const { return font_; }

 private:
  ORB_GF::FontStyle style_;
  ORB::OC_FONT* font_ = nullptr;
  ORB::Vector2 pos_;
  std::unique_ptr<ORB_GF::G_SPRITE> icon_;
  int32_t value_ = 0;
};

}  // namespace game
