#pragma once
// GG_PAGE_ITEM: the common base of the game's drawn grid items (a level of
// the level list): a background sheet, a picture and a line of text.
//
// Its description is the grid file's item element (framework/pages.h):
//
//   <item background="data/share/image/screens level_tile.png"
//         picture="data/share/image/screens level_mark.png" pic_shift_x="0" pic_shift_y="-10"
//         text_shift_x="0" text_shift_y="-12" size="150 170">
//     <font fntName="sans_bold_28" fntColor="FF2E3440" fntHotSpot="HS_MID"/>
//   </item>
//
// Every item is optional:
//   background     a sheet of three frames side by side, each the item's
//                  size: 0 the item's face, 1 the face under the pointer, 2
//                  what covers a locked item (its lock)
//   picture        drawn over the face of an item that is not locked,
//                  centred at the item's centre plus (pic_shift_x,
//                  pic_shift_y)
//   text_shift_x, text_shift_y
//                  where the text stands from the item's centre
//   font           a font style (framework/font_style.h): a font of the
//                  font list, its colour (the item's text colour) and its
//                  alignment at the text's point
//   size           "w h": the item's size when the background cannot be had
//                  (otherwise one background frame's size)
//   hit            "left top right bottom": the margins of the item that
//                  take no clicks (the room the background keeps around the
//                  face it draws); none when absent
//
// The item's state: 0 locked, 1 open, 2 open under the pointer. It draws,
// centred on its position, state 1 frame 0 and the picture; state 2 frame 1
// and the picture; state 0 frame 0 and frame 2 over it, no picture. A text
// that is not empty is drawn last.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "framework/font_style.h"
#include "framework/pages_item.h"
#include "framework/sprite.h"

namespace game {

class GG_PAGE_ITEM : public ORB_GF::G_PAGES_ITEM {
 public:
  enum State : int32_t { kLocked = 0, kOpen = 1, kHovered = 2 };
  // The frames of the background sheet.
  static constexpr int32_t kFrames = 3;

  GG_PAGE_ITEM(const pugi::xml_node& node, uint32_t item_id);

  int32_t GetWidth() const override;
  int32_t GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;
  void Draw() override;
  // Notes whether the pointer is on the item.
  int32_t OnMouseMove() override;

  void SetUnlocked(bool unlocked) { unlocked_ = unlocked; }
  bool IsUnlocked() const { return unlocked_; }
  int32_t GetState() const;
  void SetText(std::wstring text) { text_ = std::move(text); }
  const std::wstring& GetText() const { return text_; }
  const ORB_GF::FontStyle& GetFontStyle() const { return font_; }

 protected:
  // The item's centre on the screen now.
  ORB::Vector2 Centre() const;

 private:
  ORB_GF::G_SPRITE background_;
  ORB_GF::G_SPRITE picture_;
  ORB::Vector2 picture_shift_;
  ORB::Vector2 text_shift_;
  ORB_GF::FontStyle font_;
  ORB::Vector2 size_;
  std::wstring text_;
  bool unlocked_ = false;
  bool hovered_ = false;
};

// The attribute as a number; 0 when it is absent or no number (logged).
float FloatAttribute(const pugi::xml_node& node, const char* name);

}  // namespace game
