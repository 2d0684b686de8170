#pragma once
// G_PARTICLES: a particle effect of the game (the hint's trail and arrival,
// the bonus coin's trail), read from a particle description and drawn with
// a texture handled the framework's way: reading records the texture's
// name, the owner's load-resources pass fetches it (LoadTexture) and its
// release pass gives it back (ReleaseTexture).
//
//   <particles texture="data/share/image/effects soft_dot.png" frequency="60" ...>
//     <lifetime>0.8</lifetime> ...
//   </particles>
//
// (the "particles" element of OC_PARTICLE_SYSTEM_EX, read from a node of a
// game description or from a file whose root it is). Effects are copied
// from templates: a copy owns its own particles and holds its own use of the
// texture.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"
#include "engine/scene/particle_system_ex.h"
#include "engine/scene/texture_provider.h"

namespace ORB_GF {

class G_PARTICLES {
 public:
  // The engine's default particle system on the placeholder texture.
  G_PARTICLES();
  // Reads the particle file of that name (LoadFile).
  explicit G_PARTICLES(const std::string& file);
  // The settings and the live particles, copied; the texture is fetched
  // again (one more use) when the other's is loaded.
  G_PARTICLES(const G_PARTICLES& other);
  G_PARTICLES& operator=(const G_PARTICLES& other);
  // Gives back a loaded texture.
  virtual ~G_PARTICLES();

  // Reads a "particles" element: the description and the texture's name.
  // False, changing nothing, without its "texture" attribute. A loaded
  // texture is given back and the new one fetched from the same provider.
  bool Load(const pugi::xml_node& node);
  // Reads the "particles" root element of the repository's document of
  // that name. A file that cannot be had or holds no "particles" element is
  // skipped: false, logged, and the engine's error text names it.
  bool LoadFile(ORB::OC_REPOSITORY& repository, const std::string& name);
  // The same through the engine's repository.
  bool LoadFile(const std::string& name);
  // LoadFile again; a loaded texture is given back first and fetched again
  // afterwards.
  bool Reload(const std::string& name);

  // Fetches the named texture when none is loaded and the name is set.
  void LoadTexture(ORB::TextureProvider* provider);
  void LoadTexture() { LoadTexture(ORB::GetTextureProvider()); }
  // Gives a loaded texture back; the system shows the placeholder again.
  void ReleaseTexture();
  // A texture other than the placeholder is set.
  bool IsLoaded() const;

  void Update() { system_.Update(); }
  int32_t Draw() const { return system_.Draw(); }
  // Moves the emitter's centre to x; its vertical centre stays (in whole
  // pixels).
  void SetEmitterX(float x);

  const std::string& GetTextureName() const { return texture_name_; }
  ORB::OC_PARTICLE_SYSTEM_EX& System() { return system_; }
  const ORB::OC_PARTICLE_SYSTEM_EX& System() const { return system_; }

 private:
  std::string texture_name_;
  ORB::OC_PARTICLE_SYSTEM_EX system_;
  // Where the loaded texture came from, to give it back there.
  ORB::TextureProvider* provider_ = nullptr;
};

}  // namespace ORB_GF
