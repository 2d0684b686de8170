#pragma once
// gCursor: the game's own mouse-cursor picture, drawn last in the frame at
// the pointer so that it lies above every window.
#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"
#include "engine/scene/texture_provider.h"
#include "framework/sprite.h"

namespace ORB_GF {

class gCursor {
 public:
  gCursor() = default;
  ~gCursor() = default;
  gCursor(const gCursor&) = delete;
  gCursor& operator=(const gCursor&) = delete;

  // Reads the cursor description (the game's "data/share/main/other
  // gCursor.xml"): the attribute "file" of the document's first child
  // element names the texture. The first load makes the sprite; later ones
  // change its file, fetching the new texture at once when the old one was
  // loaded. The picture's upper-left corner is the pointer's tip. False for
  // an empty document.
  [[nodiscard]] bool Load(const pugi::xml_node& document);
  // The same from the repository's document of that name (given back
  // afterwards); false when it cannot be had.
  [[nodiscard]] bool Load(ORB::OC_REPOSITORY& repository, const std::string& path);

  void SetEnabled(bool enabled) { enabled_ = enabled ? 1 : 0; }
  bool IsEnabled() const { return enabled_ != 0; }
  void LoadTexture(ORB::TextureProvider* provider);
  void LoadTexture() { LoadTexture(ORB::GetTextureProvider()); }
  void ReleaseTexture();

  // When enabled and loaded, the picture at the input state's pointer
  // position (game pixels, already mapped through the letterbox), unturned
  // and unscaled, whatever the sprite's own transform says.
  void Draw() const;

  const G_SPRITE* Sprite() const { return sprite_.get(); }

 private:
  uint8_t enabled_ = 1;
  std::unique_ptr<G_SPRITE> sprite_;
};

}  // namespace ORB_GF
