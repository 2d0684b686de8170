#include "framework/page_markers.h"

#include "engine/platform/log.h"
#include "framework/hot_spot.h"

namespace ORB_GF {

PageMarkers::PageMarkers(const pugi::xml_node& node) {
  dot_.SetFile(node.attribute("file").value());
  if (const pugi::xml_node row = node.child("TRANSFORM")) {
    ORB::OS_TRANSFORM3 read;
    if (read.Parse(row.text().get())) {
      transform_ = read;
    } else {
      ORB::Log(ORB::LogLevel::kWarning, "pages",
               std::string("page markers: TRANSFORM '") + row.text().get() + "' does not read");
    }
  }
}

void PageMarkers::SetCount(uint32_t count) {
  count_ = count;
  if (current_ >= count_) current_ = count_ > 0 ? count_ - 1 : 0;
}

void PageMarkers::Next() {
  if (current_ + 1 < count_) ++current_;
}

void PageMarkers::Prev() {
  if (current_ > 0) --current_;
}

void PageMarkers::SetCurrent(uint32_t page) { current_ = page < count_ ? page : current_; }

void PageMarkers::SetParent(ORB::OS_TRANSFORM3* parent) {
  if (parent != nullptr) transform_.parent = parent;
}

void PageMarkers::LoadTexture(ORB::TextureProvider* provider) {
  dot_.LoadTexture(provider);
  if (!dot_.IsLoaded()) return;
  const ORB::TextureRecord* sheet = dot_.GetTexture();
  dot_width_ = static_cast<float>(sheet->Width() / 2);
  dot_.SetSize(dot_width_, static_cast<float>(sheet->Height()));
  dot_.SetHotSpot(HS_ML, 0.0f, 0.0f);
}

void PageMarkers::Draw() {
  if (count_ < 2 || !dot_.IsLoaded()) return;
  const ORB::OS_TRANSFORM3 world = transform_.GetWorld();
  const float left = world.position.x - dot_width_ * static_cast<float>(count_ / 2);
  dot_.GetTransform()->SetScale(1.0f, 1.0f, 1.0f);
  dot_.GetTransform()->SetAngle(0.0f);
  dot_.UpdateFilter();  // unturned and unscaled: texel for pixel
  for (uint32_t i = 0; i < count_; ++i) {
    dot_.SetGridFrame(2, 1, i == current_ ? 0 : 1);
    dot_.DrawAt(left + dot_width_ * static_cast<float>(i), world.position.y, 0.0f, 1.0f, 1.0f);
  }
}

}  // namespace ORB_GF
