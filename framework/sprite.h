#pragma once
// G_SPRITE: the framework's drawable picture, one textured quad with its own
// transform, a size in pixels and a hot spot (the point of the quad that the
// transform's position refers to).
//
// Building a sprite, or loading it from XML, only records its texture's
// name; the owner's load-resources pass fetches the texture by name from a
// texture provider (LoadTexture) and the release pass gives it back
// (ReleaseTexture). Until then the sprite shows the renderer's placeholder
// texture and counts as not loaded.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/foundation/transform.h"
#include "engine/scene/mesh.h"
#include "engine/scene/texture_provider.h"

namespace ORB_GF {

class G_SPRITE : public ORB::OC_MESH {
 public:
  // Each makes a new identity transform of its own, size -1 x -1 (take the
  // texture's), hot spot 4 (the centre) and the placeholder texture.
  G_SPRITE();
  explicit G_SPRITE(const std::string& file);
  explicit G_SPRITE(const pugi::xml_node& node);
  // Name, size, hot spot, corners, colours and texture coordinates; an own
  // transform is copied, a shared one shared. The texture is fetched again
  // (one more use) when the other's is loaded.
  G_SPRITE(const G_SPRITE& other);
  // Gives back this sprite's texture, then copies as above. Safe on itself.
  G_SPRITE& operator=(const G_SPRITE& other);
  // Gives back a loaded texture; frees only a transform it made.
  virtual ~G_SPRITE();

  // Fetches the texture by name when none is loaded and the name is set,
  // from the given provider (the process-wide one for LoadTexture()).
  virtual void LoadTexture(ORB::TextureProvider* provider);
  void LoadTexture() { LoadTexture(ORB::GetTextureProvider()); }
  // Gives a loaded texture back to the provider it came from and shows the
  // placeholder again; nothing when not loaded.
  virtual void ReleaseTexture();
  // Reads "FILE", "HOT_SPOT", "POS", "TRANSFORM", "COLOR" and "SIZE" (each
  // optional, in this order); false for an empty node.
  virtual bool Load(const pugi::xml_node& node);

  // True while a texture other than the placeholder is set.
  bool IsLoaded() const;
  const std::string& GetFile() const { return file_; }
  // When loaded, gives the texture back and fetches the new one at once.
  void SetFile(const std::string& file);

  // Shows the texture; the corners are made on first use. A real texture
  // gives its size to a sprite without one; the hot spot is re-applied.
  void SetTexture(ORB::TextureRecord* texture);

  // The sprite's size (-1: the texture's, once it has one).
  void SetSize(float w, float h);
  void SetWidth(float w);
  void SetHeight(float h);
  float GetWidth() const { return width_; }
  float GetHeight() const { return height_; }

  // Pivot = (dx, dy) + the hot spot's point of the quad. A kind outside
  // 0..8 is stored but leaves the pivot as it is.
  void SetHotSpot(int32_t kind, float dx, float dy);
  int32_t GetHotSpot() const { return hot_spot_; }

  void SetColor(const ORB::Colour& colour) { SetVertexColor(colour.ToUInt()); }
  ORB::Colour GetColor() const { return ORB::Colour(GetFirstColour()); }

  // Texture coordinates of the corners: upper left (uLeft, vTop) to lower
  // right (uRight, vBottom).
  void SetUV(float u_left, float v_top, float u_right, float v_bottom);
  // The same in pixels of the texture; nothing without a texture of size.
  void SetUVPixels(int32_t x_left, int32_t y_top, int32_t x_right, int32_t y_bottom);
  // One texel per pixel of the quad.
  void FitTextureCoords();
  // Cell `index` of a cols x rows sheet (row by row); below 1 counts as 1.
  void SetGridFrame(int32_t cols, int32_t rows, int32_t index);

  // Whether the sprite's rectangle (its world position less its world
  // pivot, its size; scale not counted) overlaps the screen.
  bool IsOnScreen() const;

 protected:
  // Exchanges the whole sprite with another.
  void SwapSprite(G_SPRITE& other) noexcept;

 private:
  static bool IsReal(const ORB::TextureRecord* texture);
  void Build();

  std::string file_;
  float width_ = -1.0f;
  float height_ = -1.0f;
  int32_t hot_spot_ = 4;
  bool built_ = false;
  // Where the loaded texture came from, to give it back there.
  ORB::TextureProvider* provider_ = nullptr;
};

}  // namespace ORB_GF
