#include "game/shell/screens/trophy_window.h"

#include <memory>
#include <string>

#include "engine/platform/log.h"
#include "framework/trophy_list.h"
#include "framework/whole_number.h"
#include "game/shell/screens/localized_text.h"

namespace game {

namespace {

// "x y" of a child element's text; nothing when it is missing or not two
// numbers.
bool ReadOffset(const pugi::xml_node& parent, const char* name, ORB::Vector2& out) {
  const pugi::xml_node node = parent.child(name);
  if (!node) return false;
  ORB::Vector2 read;
  if (!read.Parse(node.text().get())) {
    ORB::Log(ORB::LogLevel::kWarning, "pages",
             std::string("<") + name + "> '" + node.text().get() + "' is not two numbers");
    return false;
  }
  out = read;
  return true;
}

// The sprite from its element, hanging from the item's transform.
void LoadSprite(ORB_GF::G_SPRITE& sprite, const pugi::xml_node& node, ORB::OS_TRANSFORM3* item) {
  if (node) (void)sprite.Load(node);
  sprite.EnsureTransform().parent = item;
}

}  // namespace

gItem_Trophy::gItem_Trophy(const pugi::xml_node& node, uint32_t item_id)
    : G_PAGES_ITEM(item_id), name_(node.attribute("name_tr").as_string()) {
  for (ORB_GF::G_SPRITE* sprite : {&background_, &picture_, &sunime_}) {
    sprite->EnsureTransform().parent = &transform_;
  }
  for (gStyledText* text : {&title_, &description_, &coins_}) text->Place(&transform_, 0, 0);
}

void gItem_Trophy::ApplyExample(const pugi::xml_node& example) {
  if (const pugi::xml_attribute size = example.attribute("size")) {
    ORB::Vector2 read;
    if (read.Parse(size.value())) {
      width_ = static_cast<int32_t>(read.x);
      height_ = static_cast<int32_t>(read.y);
    }
  }
  has_background_ = static_cast<bool>(example.child("background"));
  LoadSprite(background_, example.child("background"), &transform_);
  LoadSprite(picture_, example.child("picture"), &transform_);
  LoadSprite(sunime_, example.child("sunime"), &transform_);
  title_.LoadStyle(example.child("fontTitle"));
  description_.LoadStyle(example.child("fontDescr"));
  coins_.LoadStyle(example.child("fontSunime"));
  ORB::Vector2 shift;
  ReadOffset(example, "shift", shift);
  title_.Place(&transform_, shift.x, shift.y);
  ORB::Vector2 below(shift.x, shift.y + static_cast<float>(title_.LineHeight()));
  ReadOffset(example, "shift_descr", below);
  description_.Place(&transform_, below.x, below.y);
  const ORB::Vector3 coin = sunime_.EnsureTransform().position;
  ORB::Vector2 coin_text(coin.x, coin.y);
  ReadOffset(example, "shift_sunime", coin_text);
  coins_.Place(&transform_, coin_text.x, coin_text.y);
  int32_t width = 0;
  if (const pugi::xml_node wrap = example.child("descr_width")) {
    if (const auto read = ORB_GF::ParseWhole<int32_t>(wrap.text().get())) width = *read;
  }
  description_.SetWrapWidth(width);
}

void gItem_Trophy::LoadResources() {
  if (has_background_) background_.LoadTexture();
  picture_.LoadTexture();
  sunime_.LoadTexture();
}

void gItem_Trophy::ReleaseResources() {
  background_.ReleaseTexture();
  picture_.ReleaseTexture();
  sunime_.ReleaseTexture();
}

int32_t gItem_Trophy::Refresh() {
  const ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList();
  const ORB_GF::TrophyRecord* trophy = trophies != nullptr ? trophies->Find(name_) : nullptr;
  known_ = trophy != nullptr;
  got_ = known_ && trophy->IsGot();
  if (!known_) {
    title_.SetText(std::wstring());
    description_.SetText(std::wstring());
    coins_.SetText(std::wstring());
    return 0;
  }
  title_.SetText(LocalizedText(trophy->GetName()));
  description_.SetText(LocalizedText(trophy->GetDesc()));
  coins_.SetText(std::to_wstring(trophy->GetBonus()));
  picture_.SetFile(got_ ? trophy->GetImageOpen() : trophy->GetImageClose());
  return 0;
}

void gItem_Trophy::Draw() {
  if (has_background_) background_.Draw();
  if (!known_) return;
  picture_.Draw();
  sunime_.Draw();
  title_.Draw();
  description_.Draw();
  coins_.Draw();
}

ORB_GF::G_PAGES_ITEM* gPages_Trophy::CreateItem(const pugi::xml_node& node, int32_t index) {
  return new gItem_Trophy(node, static_cast<uint32_t>(index));
}

void gPages_Trophy::LoadExample(const pugi::xml_node& node) {
  for (size_t i = 0; i < ItemCount(); ++i) static_cast<gItem_Trophy*>(Item(i))->ApplyExample(node);
}

GG_WINDOW_TROPHY::GG_WINDOW_TROPHY(const pugi::xml_node& node)
    : GG_WINDOW_PAGED(node, std::make_unique<gPages_Trophy>(),
                      {kPreviousId, kNextId, kMarkers, std::string()}) {}

}  // namespace game
