#pragma once
// OC_BASESLIDER: a value picker along any axis, between a start point and an
// end point, with a step button at each end (minus at the start, plus at the
// end) and a runner dragged between them. It keeps a value in [min, max]; the
// buttons step it by `step`. The drawn forms are OC_GUI_SLIDER12 and
// OC_GUI_SLIDER13 (gui_slider12.h, gui_slider13.h); the base draws nothing.
//
// Geometry, in the widget's own frame: the start and end points are made
// relative to the widget, which stands at their midpoint (FitEnds). The
// runner travels between the points less the button distance (pieceSize x
// btnFactor) at each end; value min puts it at the start of its travel,
// value max at the end: runner = start + runnerOffset + axis x (value - min).
// Points closer than twice the button distance leave no travel (the runner
// stands at their middle), and so does min equal to max: nothing then
// divides by zero and nothing runs backwards. A slider whose points meet has
// no axis at all and takes no input.
//
// Input (mouse buttons only; keys never move a slider). Each part (minus,
// plus, runner) has a circle hit shape on its transform and a state: 0
// normal, 1 under the pointer, 2 pressed.
//   move pass: the slider has the focus while the pointer is in its area (the
//     box around both points grown by the radius). There, parts come under
//     the pointer (3) or leave it (4; the first change of the pass raises its
//     code), and a held runner is dragged (10, no callback). Leaving the area
//     lets go of a dragged runner (the value is set: callback, 10) and of
//     every part under the pointer.
//   press pass: the left button going down on a part presses it (7). The
//     DOWN script runs at the end of every press pass.
//   release pass: the left button going up releases the pressed part: a
//     button steps (10), the runner sets its value (10). The UP script runs
//     at the end of every release pass.
//   per-frame pass: the same transitions polled once a frame (a button steps
//     only when released over it), for sliders driven without the mouse
//     passes.
//   a dropped press (DropPress): the pressed part is let go without a step
//     and a held runner stays where its drag put it (no callback).
// A drag projects the pointer on the axis, puts the runner there and sets the
// value from its place: whole numbers, quantised to multiples of a step of
// 1 or more, min and max within a step of either end. The release sets the
// value through SetValue, which fires onValueChanged.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/foundation/callback.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_input.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/hit_shape.h"

namespace ORB {

class OC_BASESLIDER : public OC_GUI_OBJECT {
 public:
  enum Part : int32_t { kMinus = 0, kPlus = 1, kRunner = 2 };
  enum PartState : int32_t { kNormal = 0, kUnderPointer = 1, kPressed = 2 };

  // The points are in the parent's frame; FitEnds pulls them in by half a
  // piece each. Negative sizes, radii and factors count 0.
  OC_BASESLIDER(int32_t id, Vector2 start, Vector2 end, float pieceSize, float radius,
                float btnFactor, float min, float max, float step, float value);
  ~OC_BASESLIDER() override;

  // Moves the points towards each other by d / 2 each (at most to their
  // midpoint), puts the widget at their midpoint and makes them relative to
  // it.
  void FitEnds(Vector2& start, Vector2& end, float d);
  // pieceSize = n (not negative); the button distance follows.
  void SetPieceSize(int32_t n);
  // value = v within [min, max]; the runner goes to its place; then
  // onValueChanged runs. A v that is not a number changes nothing but runs it.
  virtual void SetValue(float v);
  // SetValue(value + n x step).
  void StepBy(int32_t n);
  float GetValue() const { return value_; }
  // The points, relative to the widget; the area, range and runner follow.
  void SetEnds(float x1, float y1, float x2, float y2);
  // The three circles' radius (not negative); the area follows.
  void SetRadius(float radius);
  // The range; the runner's axis follows and the value is set again.
  void SetRange(float min, float max);
  float GetMin() const { return min_; }
  float GetMax() const { return max_; }
  float GetStep() const { return step_; }
  // The script run by SetValue (the XML's "VALUE_CHANGED"); null: none.
  void SetOnValueChanged(std::unique_ptr<Callback> callback);
  const Callback* GetOnValueChanged() const { return on_value_changed_.get(); }

  GuiEvent* Process() override;
  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void DropPress() override;

  int32_t GetState(Part part) const { return states_[part]; }
  bool IsHeld() const { return held_; }
  const OC_HIT_SHAPE& GetHitShape(Part part) const { return hits_[part]; }
  OS_TRANSFORM3& GetPartTransform(Part part) { return *transforms_[part]; }
  const OS_TRANSFORM3& GetPartTransform(Part part) const { return *transforms_[part]; }
  // The points as given to the constructor.
  Vector2 GetStartPoint() const { return start_point_; }
  Vector2 GetEndPoint() const { return end_point_; }
  // Start and end relative to the widget.
  Vector2 GetStart() const { return transforms_[kMinus]->GetPositionV2(); }
  Vector2 GetEnd() const { return transforms_[kPlus]->GetPositionV2(); }
  Vector2 GetRunner() const { return transforms_[kRunner]->GetPositionV2(); }
  // Unit vector from start to end ((0, 0) when they meet).
  Vector2 GetDirection() const { return direction_; }
  // The runner's displacement per unit of value, and its place at value min
  // relative to the start.
  Vector2 GetAxis() const { return axis_; }
  Vector2 GetRunnerOffset() const { return runner_offset_; }
  float GetPieceSize() const { return piece_size_; }
  float GetButtonDistance() const { return button_distance_; }
  float GetButtonFactor() const { return btn_factor_; }

 protected:
  // For drawn forms whose piece size is known only later: stores everything
  // but fits nothing; the form calls Setup.
  struct Deferred {};
  OC_BASESLIDER(Deferred, int32_t id, Vector2 start, Vector2 end, float radius, float btnFactor,
                float min, float max, float step, float value);
  // FitEnds on copies of the given points with pieceSize, SetPieceSize,
  // SetEnds with the fitted points.
  void Setup(float pieceSize);
  // Told whenever the runner moved (a value set, a drag step).
  virtual void OnRunnerMoved() {}

 private:
  bool InArea(Vector2 local) const;
  bool UnderPointer(Part part, const GuiInput& input) const;
  // Runner to start + runnerOffset + axis x (value - min).
  void PlaceRunner();
  void Drag(const GuiInput& input);
  // The button distance the points leave room for.
  float TravelInset() const;

  std::array<std::unique_ptr<OS_TRANSFORM3>, 3> transforms_;
  std::array<OC_HIT_SHAPE, 3> hits_;
  std::array<int32_t, 3> states_{kNormal, kNormal, kNormal};
  bool held_ = false;
  Vector2 start_point_;
  Vector2 end_point_;
  Vector2 direction_;
  Vector2 axis_;
  Vector2 runner_offset_;
  float length_ = 0.0f;  // start to end
  float piece_size_ = 0.0f;
  float btn_factor_ = 0.0f;
  float button_distance_ = 0.0f;
  float radius_ = 0.0f;
  float min_ = 0.0f;
  float max_ = 0.0f;
  float step_ = 0.0f;
  float value_ = 0.0f;
  // Shared only so that a running script outlives its own replacement.
  std::shared_ptr<Callback> on_value_changed_;
};

}  // namespace ORB
