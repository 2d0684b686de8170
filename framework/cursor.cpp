#include "framework/cursor.h"

#include <string>

#include "engine/foundation/input_state.h"
#include "engine/foundation/matrix4.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository_document.h"
#include "framework/hot_spot.h"

namespace ORB_GF {

bool gCursor::Load(const pugi::xml_node& document) {
  pugi::xml_node root = document.first_child();
  while (root && root.type() != pugi::node_element) root = root.next_sibling();
  if (!root) return false;
  const std::string file = root.attribute("file").value();
  if (!sprite_) {
    sprite_ = std::make_unique<G_SPRITE>(file);
  } else {
    sprite_->SetFile(file);
  }
  sprite_->SetHotSpot(HS_UL, 0.0f, 0.0f);
  return true;
}

bool gCursor::Load(ORB::OC_REPOSITORY& repository, const std::string& path) {
  return ORB::ReadDocument(repository, path,
                           [this](const pugi::xml_document& document) { return Load(document); });
}

void gCursor::LoadTexture(ORB::TextureProvider* provider) {
  if (sprite_) sprite_->LoadTexture(provider);
}

void gCursor::ReleaseTexture() {
  if (sprite_) sprite_->ReleaseTexture();
}

void gCursor::Draw() const {
  if (enabled_ == 0 || !sprite_) return;
  ORB::Renderer* renderer = ORB::Renderer::Current();
  const ORB::InputState* input = ORB::InputState::Current();
  if (renderer == nullptr || input == nullptr) return;
  const ORB::Point at = input->MousePosition();
  renderer->SetWorld(
      ORB::Matrix4::Translation(static_cast<float>(at.x), static_cast<float>(at.y), 0.0f));
  sprite_->DrawRaw();
}

}  // namespace ORB_GF
