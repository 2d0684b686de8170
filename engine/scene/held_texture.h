#pragma once
// HeldTexture: one texture a drawable takes by name from a texture provider
// (texture_provider.h) and gives back. It holds at most one use at a time:
// taking again while holding takes nothing more, giving back twice gives back
// once, and the destructor gives back what is still held. So any order of
// load passes, release passes and deletion leaves the provider's use counts
// where they started.
//
//   HeldTexture texture("data/share/image/gui button.png");
//   quad.SetTexture(texture.Take());      // load pass: the texture, or the placeholder
//   texture.GiveBack();                   // release pass
//   quad.SetTexture(PlaceholderTexture());
//
// A texture the provider cannot give comes back as the placeholder and is
// not held; IsHeld() tells the two apart.
#include <string>
#include <utility>

#include "engine/foundation/texture_record.h"
#include "engine/scene/texture_provider.h"

namespace ORB {

class HeldTexture {
 public:
  HeldTexture() = default;
  explicit HeldTexture(std::string name) : name_(std::move(name)) {}
  ~HeldTexture() { GiveBack(); }
  HeldTexture(const HeldTexture&) = delete;
  HeldTexture& operator=(const HeldTexture&) = delete;

  // Takes one use of the named texture from the provider (the process-wide
  // one when none is given) unless a use is held already; answers Get(). An
  // empty name or a missing provider takes nothing.
  TextureRecord* Take(TextureProvider* provider);
  TextureRecord* Take() { return Take(GetTextureProvider()); }
  // Gives the held use back to the provider it came from; nothing when none
  // is held.
  void GiveBack();

  // Gives back what is held and records the new name; takes nothing.
  void SetName(std::string name);
  const std::string& Name() const { return name_; }

  // A use is held.
  bool IsHeld() const { return texture_ != nullptr; }
  // The held texture, or the placeholder when none is held.
  TextureRecord* Get() const;

 private:
  std::string name_;
  TextureRecord* texture_ = nullptr;     // the use held
  TextureProvider* provider_ = nullptr;  // where it came from
};

}  // namespace ORB
