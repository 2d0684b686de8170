#include "framework/sprite.h"

#include <utility>

#include "engine/foundation/renderer.h"
#include "engine/foundation/vector2.h"
#include "framework/hot_spot.h"

namespace ORB_GF {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

}  // namespace

bool G_SPRITE::IsReal(const ORB::TextureRecord* texture) {
  return texture != nullptr && texture != ORB::PlaceholderTexture();
}

G_SPRITE::G_SPRITE() {
  // The sprite defaults of the quad's state word.
  uint32_t state = GetState();
  const uint32_t low = ((state & 0xFFu) & 0x0Du) | 0x32u;
  const uint32_t second = (((state >> 8) & 0xFFu) & 0x8Fu) | 0x24u;
  state = (state & ~0xFFFFu) | low | second << 8;
  SetState(state);
  OC_MESH::SetTransform(nullptr);
  SetTexture(ORB::PlaceholderTexture());
}

G_SPRITE::G_SPRITE(const std::string& file) : G_SPRITE() { file_ = file; }

G_SPRITE::G_SPRITE(const pugi::xml_node& node) : G_SPRITE() { Load(node); }

G_SPRITE::G_SPRITE(const G_SPRITE& other) : OC_MESH(other) {
  // The quad's copy took the other's texture pointer; this sprite holds no
  // use of it yet.
  OC_MESH::SetTexture(ORB::PlaceholderTexture());
  file_ = other.file_;
  width_ = other.width_;
  height_ = other.height_;
  hot_spot_ = other.hot_spot_;
  built_ = other.built_;
  for (int32_t i = 0; i < 4; ++i) {
    ORB::MeshVertex* mine = GetVertex(i);
    const ORB::MeshVertex* theirs = other.GetVertex(i);
    if (mine != nullptr && theirs != nullptr) *mine = *theirs;
  }
  if (other.IsLoaded()) {
    if (other.provider_ != nullptr) {
      LoadTexture(other.provider_);
    } else {
      // Set directly by its owner, not fetched: shared the same way.
      OC_MESH::SetTexture(other.GetTexture());
    }
  }
}

G_SPRITE& G_SPRITE::operator=(const G_SPRITE& other) {
  if (this != &other) {
    G_SPRITE copy(other);
    ReleaseTexture();
    SwapSprite(copy);
  }
  return *this;
}

G_SPRITE::~G_SPRITE() { G_SPRITE::ReleaseTexture(); }

void G_SPRITE::SwapSprite(G_SPRITE& other) noexcept {
  Swap(other);
  std::swap(file_, other.file_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(hot_spot_, other.hot_spot_);
  std::swap(built_, other.built_);
  std::swap(provider_, other.provider_);
}

void G_SPRITE::LoadTexture(ORB::TextureProvider* provider) {
  if (IsLoaded() || file_.empty() || provider == nullptr) return;
  ORB::TextureRecord* texture = provider->AcquireTexture(file_);
  // The placeholder comes back for a texture that cannot be had: no use was
  // counted and the sprite stays unloaded.
  if (!IsReal(texture)) return;
  provider_ = provider;
  SetTexture(texture);
}

void G_SPRITE::ReleaseTexture() {
  if (!IsLoaded()) return;
  if (provider_ != nullptr) provider_->ReleaseTexture(GetTexture());
  provider_ = nullptr;
  SetTexture(ORB::PlaceholderTexture());
}

bool G_SPRITE::IsLoaded() const { return IsReal(GetTexture()); }

void G_SPRITE::SetFile(const std::string& file) {
  if (!IsLoaded()) {
    file_ = file;
    return;
  }
  ORB::TextureProvider* provider = provider_ != nullptr ? provider_ : ORB::GetTextureProvider();
  ReleaseTexture();
  file_ = file;
  LoadTexture(provider);
}

void G_SPRITE::Build() {
  const float w = width_ > 0.0f ? width_ : 0.0f;
  const float h = height_ > 0.0f ? height_ : 0.0f;
  if (VertexCount() < 4 || IsEmpty()) return;
  const float xs[4] = {0.0f, w, w, 0.0f};
  const float ys[4] = {0.0f, 0.0f, h, h};
  for (int32_t i = 0; i < 4; ++i) {
    ORB::MeshVertex* v = GetVertex(i);
    v->x = xs[i];
    v->y = ys[i];
    v->z = 0.0f;
  }
  SetVertexColor(kWhite);
  SetVertexUVs(0.0f, 0.0f, 1.0f, 1.0f);
  built_ = true;
}

void G_SPRITE::SetTexture(ORB::TextureRecord* texture) {
  OC_MESH::SetTexture(texture);
  if (!built_) Build();
  if (IsReal(texture) && (width_ == -1.0f || height_ == -1.0f)) {
    SetSize(static_cast<float>(texture->Width()), static_cast<float>(texture->Height()));
  }
  SetHotSpot(hot_spot_, 0.0f, 0.0f);
}

void G_SPRITE::SetSize(float w, float h) {
  width_ = w;
  height_ = h;
  OC_MESH::SetSize(w, h);
  SetHotSpot(hot_spot_, 0.0f, 0.0f);
}

void G_SPRITE::SetWidth(float w) {
  width_ = w;
  OC_MESH::SetWidth(w);
  SetHotSpot(hot_spot_, 0.0f, 0.0f);
}

void G_SPRITE::SetHeight(float h) {
  height_ = h;
  OC_MESH::SetHeight(h);
  SetHotSpot(hot_spot_, 0.0f, 0.0f);
}

void G_SPRITE::SetHotSpot(int32_t kind, float dx, float dy) {
  hot_spot_ = kind;
  SetAnchor(kind, dx, dy);
}

void G_SPRITE::SetUV(float u_left, float v_top, float u_right, float v_bottom) {
  SetVertexUVs(u_left, v_top, u_right, v_bottom);
}

void G_SPRITE::SetUVPixels(int32_t x_left, int32_t y_top, int32_t x_right, int32_t y_bottom) {
  const ORB::TextureRecord* texture = GetTexture();
  if (texture == nullptr || texture->Width() <= 0 || texture->Height() <= 0) return;
  const auto tw = static_cast<float>(texture->Width());
  const auto th = static_cast<float>(texture->Height());
  SetUV(static_cast<float>(x_left) / tw, static_cast<float>(y_top) / th,
        static_cast<float>(x_right) / tw, static_cast<float>(y_bottom) / th);
}

void G_SPRITE::FitTextureCoords() {
  const ORB::TextureRecord* texture = GetTexture();
  if (texture == nullptr || texture->Width() <= 0 || texture->Height() <= 0) return;
  SetUV(0.0f, 0.0f, OC_MESH::GetWidth() / static_cast<float>(texture->Width()),
        OC_MESH::GetHeight() / static_cast<float>(texture->Height()));
}

void G_SPRITE::SetGridFrame(int32_t cols, int32_t rows, int32_t index) {
  cols = cols < 1 ? 1 : cols;
  rows = rows < 1 ? 1 : rows;
  index = index < 0 ? 0 : index;
  const float cw = 1.0f / static_cast<float>(cols);
  const float ch = 1.0f / static_cast<float>(rows);
  const float u = cw * static_cast<float>(index % cols);
  const float v = ch * static_cast<float>(index / cols);
  SetUV(u, v, u + cw, v + ch);
}

bool G_SPRITE::IsOnScreen() const {
  const ORB::Renderer* renderer = ORB::Renderer::Current();
  if (renderer == nullptr) return false;
  const ORB::OS_TRANSFORM3 world =
      GetTransform() != nullptr ? GetTransform()->GetWorld() : ORB::OS_TRANSFORM3();
  const float left = world.position.x - world.pivot.x;
  const float top = world.position.y - world.pivot.y;
  const float w = OC_MESH::GetWidth();
  const float h = OC_MESH::GetHeight();
  const auto screen_w = static_cast<float>(renderer->GetWidth());
  const auto screen_h = static_cast<float>(renderer->GetHeight());
  return left < screen_w && left + w > 0.0f && top < screen_h && top + h > 0.0f;
}

bool G_SPRITE::Load(const pugi::xml_node& node) {
  if (!node) return false;
  if (const pugi::xml_node file = node.child("FILE")) file_ = file.text().get();
  if (const pugi::xml_node hot = node.child("HOT_SPOT")) {
    SetHotSpot(HotSpotFromName(hot.text().get()), 0.0f, 0.0f);
  }
  if (const pugi::xml_node pos = node.child("POS")) {
    ORB::Vector2 p;
    if (p.Parse(pos.text().get())) EnsureTransform().SetPosition(p.x, p.y, 0.0f);
  }
  if (const pugi::xml_node transform = node.child("TRANSFORM")) {
    ORB::OS_TRANSFORM3 read;
    if (read.Parse(transform.text().get())) {
      ORB::OS_TRANSFORM3& t = EnsureTransform();
      read.parent = t.parent;
      t = read;
    }
  }
  if (const pugi::xml_node colour = node.child("COLOR")) {
    ORB::Colour c;
    if (c.Parse(colour.text().get())) SetColor(c);
  }
  if (const pugi::xml_node size = node.child("SIZE")) {
    ORB::Vector2 s;
    if (s.Parse(size.text().get())) SetSize(s.x, s.y);
  }
  return true;
}

}  // namespace ORB_GF
