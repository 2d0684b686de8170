#pragma once
// OC_SPRITE_BUTTON and OC_SPRITE_TOGGLE: two small self-contained buttons,
// outside any widget tree. Each is one quad showing one of five frames of a
// horizontal strip (0 normal, 1 hover, 2 pressed, 3 selected, 4 disabled),
// one hit shape and five scripts (enter, leave, press, click with button 1,
// click with button 2). Their owner calls Update once a frame, which reads
// the pointer and mouse buttons 1 and 2 from the current input state
// (nothing happens without one) and answers kResultClicked (-102) in the
// frame of a click, and Draw.
//
// The texture is the caller's: the button shows it and never gives it back.
// The transform is the caller's when one is given, else the button's own.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/foundation/callback.h"
#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/mesh.h"

namespace ORB {

// The frames of the strip, which are also the states.
enum SpriteButtonState : int32_t {
  kSpriteNormal = 0,
  kSpriteHover = 1,
  kSpritePressed = 2,
  kSpriteSelected = 3,  // the toggle only
  kSpriteDisabled = 4,
};

enum class SpriteButtonScript : int32_t { kEnter, kLeave, kPress, kClick1, kClick2 };

// What both buttons are made of.
class SpriteButtonParts {
 public:
  static constexpr int32_t kFrames = 5;

  SpriteButtonParts(const SpriteButtonParts&) = delete;
  SpriteButtonParts& operator=(const SpriteButtonParts&) = delete;

  // Owned by the button; a new one replaces (and frees) the one in its slot.
  void SetScript(SpriteButtonScript which, std::unique_ptr<Callback> script);

  int32_t GetState() const { return state_; }
  // Disabled (state 4, which ignores all input) or back to normal.
  void SetEnabled(bool enabled);
  TextureRecord* GetTexture() const { return quad_.GetTexture(); }
  OS_TRANSFORM3& GetTransform() { return *transform_; }
  const OC_HIT_SHAPE& GetShape() const { return shape_; }
  const OC_MESH& GetQuad() const { return quad_; }

 protected:
  // transform null: the button makes its own. The quad is made on the
  // texture, bound to the transform.
  SpriteButtonParts(TextureRecord* texture, OS_TRANSFORM3* transform);
  ~SpriteButtonParts() = default;

  // The quad's size (truncated), anchor 4 (centre) and the frame of the state.
  void ShapeQuad(float w, float h);
  // The quad shows the frame of the strip with this index.
  void ShowFrame(int32_t frame) { quad_.SetFrame(kFrames, 1, frame, false); }
  void ShowState() { ShowFrame(state_); }
  void Run(SpriteButtonScript which);
  // The buttons that went down over it: held, pressed state, the press
  // script (nothing when neither did).
  void Press(bool button1, bool button2);
  // The release of a held button (1 before 2): no longer held; the state
  // `to` (while the other button is still held only when while_other_held)
  // and the button's click script when the other is not held. Answers
  // whether a held button went up: a click.
  bool Release(bool button1, bool button2, int32_t to, bool while_other_held);
  // Normal state, nothing held, the leave script.
  void Leave();

  int32_t state_ = kSpriteNormal;
  bool held1_ = false;  // button 1 went down inside and is still held
  bool held2_ = false;
  std::unique_ptr<OS_TRANSFORM3> own_transform_;
  OS_TRANSFORM3* transform_;
  OC_MESH quad_;
  OC_HIT_SHAPE shape_;

 private:
  std::array<std::shared_ptr<Callback>, 5> scripts_;
};

class OC_SPRITE_BUTTON : public SpriteButtonParts {
 public:
  // kind: OC_HIT_SHAPE::kCircle or kRectangle. Hit size: width 0 means one
  // fifth of the texture's width (one frame), height 0 the texture's height;
  // a circle's height 0 becomes its width first, and its radius is half the
  // width. The quad takes the hit size.
  OC_SPRITE_BUTTON(TextureRecord* texture, OS_TRANSFORM3* transform, int32_t kind, float width,
                   float height);

  // One frame: answers kResultClicked in the frame of a click, else the
  // state entered from normal (1 hover, 2 pressed) or 0.
  int32_t Update();
  // Normal state and frame.
  void Reset();
  void Draw() { quad_.Draw(); }
};

class OC_SPRITE_TOGGLE : public SpriteButtonParts {
 public:
  // A rectangle of one frame (a fifth of the texture's width) by the
  // texture's height, on a transform of its own.
  explicit OC_SPRITE_TOGGLE(TextureRecord* texture);

  // One frame: answers kResultClicked when a click selects or unselects it.
  int32_t Update();
  // Selected: the hover look under the selected frame; else the state's frame.
  void Draw();
  bool IsSelected() const { return state_ == kSpriteSelected; }

 private:
  bool hover_selected_ = false;  // the pointer is over it while selected
};

}  // namespace ORB
