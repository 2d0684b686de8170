#include "framework/particles.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/repository_document.h"
#include "engine/platform/log.h"

namespace ORB_GF {

namespace {

// The file is skipped; the engine's error text names it.
bool Skip(const std::string& name, const std::string& why) {
  const std::string text = "Cant load particles \"" + name + "\": " + why;
  ORB::SetErrorText(text);
  ORB::Log(ORB::LogLevel::kWarning, "particles", text);
  return false;
}

}  // namespace

G_PARTICLES::G_PARTICLES() : system_(ORB::PlaceholderTexture()) {}

G_PARTICLES::G_PARTICLES(const std::string& file) : G_PARTICLES() { LoadFile(file); }

G_PARTICLES::G_PARTICLES(const G_PARTICLES& other)
    : texture_name_(other.texture_name_), system_(other.system_) {
  // The system's copy took the other's texture, of which this one holds no
  // use yet.
  system_.SetTexture(ORB::PlaceholderTexture());
  if (other.IsLoaded()) LoadTexture(other.provider_);
}

G_PARTICLES& G_PARTICLES::operator=(const G_PARTICLES& other) {
  if (this != &other) {
    ReleaseTexture();
    texture_name_ = other.texture_name_;
    system_ = other.system_;
    system_.SetTexture(ORB::PlaceholderTexture());
    if (other.IsLoaded()) LoadTexture(other.provider_);
  }
  return *this;
}

G_PARTICLES::~G_PARTICLES() { G_PARTICLES::ReleaseTexture(); }

bool G_PARTICLES::Load(const pugi::xml_node& node) {
  if (!node.attribute("texture")) return false;
  ORB::TextureProvider* provider = IsLoaded() ? provider_ : nullptr;
  // Reading sets the placeholder: give the texture back first.
  ReleaseTexture();
  const bool read = system_.LoadDescription(node);
  texture_name_ = node.attribute("texture").value();
  if (provider != nullptr) LoadTexture(provider);
  return read;
}

bool G_PARTICLES::LoadFile(ORB::OC_REPOSITORY& repository, const std::string& name) {
  const char* why = "the document cannot be had";
  ORB::ReadDocument(repository, name, [&](const pugi::xml_document& document) {
    const pugi::xml_node particles = document.child("particles");
    if (!particles) {
      why = "no \"particles\" element";
    } else if (!Load(particles)) {
      why = "its \"particles\" element has no \"texture\"";
    } else {
      why = nullptr;
    }
    return why == nullptr;
  });
  return why == nullptr || Skip(name, why);
}

bool G_PARTICLES::LoadFile(const std::string& name) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  if (repository == nullptr) return Skip(name, "no repository");
  return LoadFile(*repository, name);
}

bool G_PARTICLES::Reload(const std::string& name) {
  if (!IsLoaded()) return LoadFile(name);
  ORB::TextureProvider* provider = provider_;
  ReleaseTexture();
  const bool read = LoadFile(name);
  LoadTexture(provider);
  return read;
}

void G_PARTICLES::LoadTexture(ORB::TextureProvider* provider) {
  if (IsLoaded() || texture_name_.empty() || provider == nullptr) return;
  ORB::TextureRecord* texture = provider->AcquireTexture(texture_name_);
  // The placeholder comes back, with no use counted, for a texture that
  // cannot be had.
  if (texture == nullptr || texture == ORB::PlaceholderTexture()) return;
  provider_ = provider;
  system_.SetTexture(texture);
}

void G_PARTICLES::ReleaseTexture() {
  if (!IsLoaded()) return;
  if (provider_ != nullptr) provider_->ReleaseTexture(system_.GetTexture());
  provider_ = nullptr;
  system_.SetTexture(ORB::PlaceholderTexture());
}

bool G_PARTICLES::IsLoaded() const {
  const ORB::TextureRecord* texture = system_.GetTexture();
  return texture != nullptr && texture != ORB::PlaceholderTexture();
}

void G_PARTICLES::SetEmitterX(float x) {
  const auto y = static_cast<float>(static_cast<int32_t>(system_.GetArea().Centre().y));
  system_.SetEmitterPosition(x, y);
}

}  // namespace ORB_GF
