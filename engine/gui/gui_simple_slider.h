#pragma once
// OC_GUI_SIMPLE_SLIDER: a horizontal bar with a runner and a value from 0 to
// 1 (the GUI XML's "SIMPLESLIDER"). The progress picture holds two halves
// side by side, the empty track on the left and the filled one on the right;
// the bar is one half wide and shows the filled half from its left end up to
// the runner's centre. The runner travels the bar's width less its own.
//
// Input (mouse buttons only, never keys): a button going down on the runner
// starts a drag (7; a press on the bar elsewhere does nothing), every move
// while dragging puts the runner under the pointer, held to its travel (9),
// and a button going up ends the drag (8); a dropped press (DropPress) ends
// it silently. The value follows the runner's place in whole pixels. A bar
// without travel (a runner as wide as the bar) keeps the value 0.
//
// Resources: both pictures are taken in LoadResources (the first load that
// has both builds the slider) and given back in ReleaseResources and on
// deletion. Until built it draws nothing and measures 0; a value set before
// is kept for it.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/held_texture.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_SIMPLE_SLIDER : public OC_GUI_OBJECT {
 public:
  OC_GUI_SIMPLE_SLIDER(int32_t id, std::string progressTexture, std::string runnerTexture);
  ~OC_GUI_SIMPLE_SLIDER() override;

  // 0..1 (a value that is not a number counts 0); the runner goes there.
  void SetValue(float value);
  float GetValue() const { return value_; }
  bool IsDragging() const { return dragging_; }

  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void DropPress() override { dragging_ = false; }
  void Draw() override;
  // The bar's size; 0 until built.
  float GetWidth() const override { return track_size_.x; }
  float GetHeight() const override { return track_size_.y; }
  void LoadResources() override;
  void ReleaseResources() override;

  bool IsBuilt() const { return track_ != nullptr; }
  float GetTravel() const { return travel_; }
  Vector2 GetRunnerSize() const { return runner_size_; }
  const OC_HIT_SHAPE& GetHitShape() const { return hit_; }
  // The runner's place relative to the bar's centre.
  float GetRunnerX() const { return runner_transform_.position.x; }

 private:
  void Build();
  // The runner to x (relative to the bar's centre, held to its travel, whole
  // pixels) and the value from there.
  void MoveRunnerTo(float x);

  HeldTexture progress_texture_;
  HeldTexture runner_texture_;
  OS_TRANSFORM3 track_transform_;
  OS_TRANSFORM3 runner_transform_;
  std::unique_ptr<OC_MESH> track_;
  std::unique_ptr<OC_MESH> runner_;
  OC_HIT_SHAPE hit_;
  Vector2 track_size_;
  Vector2 runner_size_;
  float travel_ = 0.0f;
  float value_ = 0.0f;
  bool dragging_ = false;
};

}  // namespace ORB
