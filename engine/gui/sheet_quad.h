#pragma once
// SheetQuad: the picture of a widget drawn from one cell of a sprite sheet
// (columns x rows cells of equal size, counted row by row), with a hit
// rectangle over exactly what is drawn. Buttons, check boxes, the switch,
// panels and bars are made of these.
//
// The quad is anchored at its centre on the transform it is built on (a
// widget's own, shared: the quad sets that transform's pivot), so the
// widget's position is the picture's centre. Its size is one cell of the
// texture, or the size set by SetSize, also before the build.
//
// Resources, as every widget keeps them (gui_object.h): Load takes the named
// texture (one use held at most) and builds on the first one it has; later
// loads only hand the texture to the quad. Release gives the use back and
// shows the placeholder; the destructor gives back what is still held. A
// texture handed in with Show is the caller's and is never given back. A
// texture that cannot be had is logged and leaves the picture unbuilt: it
// draws nothing, measures 0 and contains no point.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/held_texture.h"
#include "engine/scene/mesh.h"

namespace ORB {

class SheetQuad {
 public:
  // Columns and rows below 1 count as 1.
  SheetQuad(std::string textureName, int32_t columns, int32_t rows);
  SheetQuad(const SheetQuad&) = delete;
  SheetQuad& operator=(const SheetQuad&) = delete;

  // The load pass: takes the texture; the first one had builds the quad on
  // `transform` (which must outlive the picture). Answers whether a texture
  // is held now.
  bool Load(OS_TRANSFORM3* transform);
  // The release pass: gives the texture back; the quad shows the placeholder.
  void Release();
  // Builds at once on the caller's texture (a name is given back and
  // forgotten); a built picture only changes its texture.
  void Show(TextureRecord* texture, OS_TRANSFORM3* transform);

  // The drawn size; kept for the build when it comes first.
  void SetSize(int32_t w, int32_t h);
  // The margins of each cell that show nothing to click (HitInset,
  // hit_shape.h); kept for the build.
  void SetHitInset(const HitInset& inset);
  // The cell shown (0 while none is set); kept for the build. A cell past
  // the sheet shows the last one, a negative one the first.
  void SetFrame(int32_t index);
  int32_t GetFrame() const { return frame_; }

  // Drawn texel for pixel while unturned and unscaled, filtered otherwise.
  void Draw();
  bool IsBuilt() const { return quad_ != nullptr; }
  bool IsHeld() const { return texture_.IsHeld(); }
  // 0 until built.
  float Width() const;
  float Height() const;
  // The point lies on the picture, its hit inset left out (never before
  // the build).
  bool Contains(float x, float y) const;
  const OC_HIT_SHAPE& Hit() const { return hit_; }
  // Null until built.
  OC_MESH* Quad() { return quad_.get(); }
  const OC_MESH* Quad() const { return quad_.get(); }
  // The texture shown (the placeholder while none is held or handed in).
  TextureRecord* Texture() const;
  const std::string& Name() const { return texture_.Name(); }

 private:
  void Build(TextureRecord* texture, OS_TRANSFORM3* transform);
  // Size, anchor and hit rectangle of the built quad.
  void Fit();

  HeldTexture texture_;
  TextureRecord* shown_ = nullptr;  // the caller's texture, when one was handed in
  int32_t columns_;
  int32_t rows_;
  int32_t frame_ = 0;
  bool sized_ = false;
  int32_t width_ = 0;
  int32_t height_ = 0;
  HitInset inset_;
  std::unique_ptr<OC_MESH> quad_;
  OC_HIT_SHAPE hit_;
};

}  // namespace ORB
