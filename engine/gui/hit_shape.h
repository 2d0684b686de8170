#pragma once
// OC_HIT_SHAPE: the clickable area of a widget, a circle or a rectangle that
// follows a transform (not owned) and answers whether a screen point lies
// inside it. Buttons, check boxes, panels, list boxes, sliders, images and
// page items each test the pointer against one.
//
// A rectangle covers what a quad of the same size drawn with the same
// transform covers: its pivot, turn and scale, parents included, as drawing
// combines them (ToLocalPoint, transform.h); edges count as inside. A circle
// is centred on the transform's world position; its radius is not scaled;
// the point must lie strictly inside the square around it and at most the
// radius from the centre. A shape without a kind or without a transform
// contains nothing.
//
// A rectangle may leave a margin of its quad out (SetInset): a picture drawn
// with room around what it shows (a shadow, the space a pressed look drops
// into) takes clicks only on what it shows. The margins are in the quad's
// own pixels, scaled as it is.
#include <cstdint>

#include "engine/foundation/transform.h"

namespace ORB {

// Margins of a picture left out of its hit rectangle, in pixels.
struct HitInset {
  float left = 0.0f;
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;
};

class OC_HIT_SHAPE {
 public:
  static constexpr int32_t kNone = 0;
  static constexpr int32_t kCircle = 1;
  static constexpr int32_t kRectangle = 2;

  // Kind, transform, width (a circle's radius), height, and two stored
  // values the test does not read.
  void Set(int32_t kind, OS_TRANSFORM3* transform, float width, float height, float depth,
           int32_t tag);
  // Kind 0, every number 0, no transform.
  void Clear() { *this = OC_HIT_SHAPE(); }
  void SetRadius(float radius) { width_ = radius; }
  void SetWidth(float width) { width_ = width; }
  void SetHeight(float height) { height_ = height; }
  void SetTransform(OS_TRANSFORM3* transform) { transform_ = transform; }
  // A rectangle's margins left out (none by default).
  void SetInset(const HitInset& inset) { inset_ = inset; }
  const HitInset& GetInset() const { return inset_; }

  bool Contains(float x, float y) const;

  int32_t GetKind() const { return kind_; }
  float GetWidth() const { return width_; }
  float GetRadius() const { return width_; }
  float GetHeight() const { return height_; }
  float GetDepth() const { return depth_; }
  int32_t GetTag() const { return tag_; }
  OS_TRANSFORM3* GetTransform() const { return transform_; }

 private:
  int32_t kind_ = kNone;
  float width_ = 0.0f;
  float height_ = 0.0f;
  float depth_ = 0.0f;
  OS_TRANSFORM3* transform_ = nullptr;
  int32_t tag_ = 0;
  HitInset inset_;
};

}  // namespace ORB
