#include "game/shell/screens/page_item.h"

#include "framework/font_list.h"
#include "framework/whole_number.h"

namespace game {

float FloatAttribute(const pugi::xml_node& node, const char* name) {
  float value = 0.0f;
  ORB_GF::ReadNumberAttribute(node, name, value, "game");
  return value;
}

GG_PAGE_ITEM::GG_PAGE_ITEM(const pugi::xml_node& node, uint32_t item_id)
    : G_PAGES_ITEM(item_id),
      background_(std::string(node.attribute("background").as_string())),
      picture_(std::string(node.attribute("picture").as_string())),
      picture_shift_(FloatAttribute(node, "pic_shift_x"), FloatAttribute(node, "pic_shift_y")),
      text_shift_(FloatAttribute(node, "text_shift_x"), FloatAttribute(node, "text_shift_y")) {
  if (const pugi::xml_node font = node.child("font")) {
    if (const ORB_GF::FontList* fonts = ORB_GF::GetFontList()) font_.Load(font, *fonts);
  }
  size_.Parse(node.attribute("size").as_string());
  ReadHitInset(node.attribute("hit").as_string());
}

int32_t GG_PAGE_ITEM::GetWidth() const {
  if (background_.IsLoaded()) return static_cast<int32_t>(background_.GetWidth());
  return static_cast<int32_t>(size_.x);
}

int32_t GG_PAGE_ITEM::GetHeight() const {
  if (background_.IsLoaded()) return static_cast<int32_t>(background_.GetHeight());
  return static_cast<int32_t>(size_.y);
}

void GG_PAGE_ITEM::LoadResources() {
  background_.LoadTexture();
  if (background_.IsLoaded()) {
    const ORB::TextureRecord* sheet = background_.GetTexture();
    background_.SetSize(static_cast<float>(sheet->Width() / kFrames),
                        static_cast<float>(sheet->Height()));
  }
  picture_.LoadTexture();
}

void GG_PAGE_ITEM::ReleaseResources() {
  background_.ReleaseTexture();
  picture_.ReleaseTexture();
}

int32_t GG_PAGE_ITEM::GetState() const {
  if (!unlocked_) return kLocked;
  return hovered_ ? kHovered : kOpen;
}

int32_t GG_PAGE_ITEM::OnMouseMove() {
  hovered_ = UnderPointer();
  return 0;
}

ORB::Vector2 GG_PAGE_ITEM::Centre() const { return transform_.GetWorld().GetPositionV2(); }

void GG_PAGE_ITEM::Draw() {
  const ORB::Vector2 at = Centre();
  const int32_t state = GetState();
  if (background_.IsLoaded()) {
    background_.SetGridFrame(kFrames, 1, state == kHovered ? 1 : 0);
    background_.DrawAt(at.x, at.y, 0.0f, 1.0f, 1.0f);
    if (state == kLocked) {
      background_.SetGridFrame(kFrames, 1, 2);
      background_.DrawAt(at.x, at.y, 0.0f, 1.0f, 1.0f);
    }
  }
  if (state != kLocked && picture_.IsLoaded()) {
    picture_.DrawAt(at.x + picture_shift_.x, at.y + picture_shift_.y, 0.0f, 1.0f, 1.0f);
  }
  if (!text_.empty()) {
    if (ORB::OC_FONT* font = font_.Apply()) {
      font->DrawText(static_cast<int32_t>(at.x + text_shift_.x),
                     static_cast<int32_t>(at.y + text_shift_.y), text_.c_str());
    }
  }
}

}  // namespace game
