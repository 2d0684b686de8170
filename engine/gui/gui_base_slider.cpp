#include "engine/gui/gui_base_slider.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/scene/truncate.h"

namespace ORB {

namespace {

// A number as given, or 0 for one that is not finite.
float Finite(float value) { return std::isfinite(value) ? value : 0.0f; }
float NotNegative(float value) { return value > 0.0f ? value : 0.0f; }
Vector2 Finite(Vector2 point) { return {Finite(point.x), Finite(point.y)}; }

constexpr std::array<OC_BASESLIDER::Part, 3> kParts = {OC_BASESLIDER::kMinus, OC_BASESLIDER::kPlus,
                                                       OC_BASESLIDER::kRunner};

}  // namespace

OC_BASESLIDER::OC_BASESLIDER(int32_t id, Vector2 start, Vector2 end, float pieceSize, float radius,
                             float btnFactor, float min, float max, float step, float value)
    : OC_BASESLIDER(Deferred{}, id, start, end, radius, btnFactor, min, max, step, value) {
  Setup(pieceSize);
}

OC_BASESLIDER::OC_BASESLIDER(Deferred, int32_t id, Vector2 start, Vector2 end, float radius,
                             float btnFactor, float min, float max, float step, float value)
    : OC_GUI_OBJECT(id, kGuiKindSlider),
      start_point_(Finite(start)),
      end_point_(Finite(end)),
      btn_factor_(NotNegative(Finite(btnFactor))),
      radius_(NotNegative(Finite(radius))),
      min_(Finite(min)),
      max_(Finite(max)),
      step_(Finite(step)),
      value_(Finite(value)) {
  for (const Part part : kParts) {
    transforms_[part] = std::make_unique<OS_TRANSFORM3>();
    transforms_[part]->parent = &GetTransform();
    hits_[part].Set(OC_HIT_SHAPE::kCircle, transforms_[part].get(), radius_, 0.0f, 0.0f, 0);
  }
}

OC_BASESLIDER::~OC_BASESLIDER() = default;

void OC_BASESLIDER::Setup(float pieceSize) {
  Vector2 start = start_point_;
  Vector2 end = end_point_;
  const float piece = NotNegative(Finite(pieceSize));
  FitEnds(start, end, piece);
  SetPieceSize(TruncateToInt(piece));
  SetEnds(start.x, start.y, end.x, end.y);
}

void OC_BASESLIDER::FitEnds(Vector2& start, Vector2& end, float d) {
  Vector2 direction = end - start;
  const float length = direction.Normalize();
  // Each point moves half of d, but never past the middle.
  const float move = std::min(NotNegative(Finite(d)) / 2.0f, length / 2.0f);
  start += direction * move;
  end -= direction * move;
  const Vector2 middle = (start + end) * 0.5f;
  GetTransform().SetPositionV2(middle);
  start -= middle;
  end -= middle;
}

void OC_BASESLIDER::SetPieceSize(int32_t n) {
  piece_size_ = static_cast<float>(std::max(n, 0));
  button_distance_ = piece_size_ * btn_factor_;
}

void OC_BASESLIDER::SetEnds(float x1, float y1, float x2, float y2) {
  transforms_[kMinus]->SetPosition(Finite(x1), Finite(y1), 0.0f);
  transforms_[kPlus]->SetPosition(Finite(x2), Finite(y2), 0.0f);
  direction_ = GetEnd() - GetStart();
  length_ = direction_.Normalize();
  SetRange(min_, max_);
}

void OC_BASESLIDER::SetRadius(float radius) {
  radius_ = NotNegative(Finite(radius));
  for (OC_HIT_SHAPE& hit : hits_) hit.SetRadius(radius_);
  SetRange(min_, max_);
}

float OC_BASESLIDER::TravelInset() const { return std::min(button_distance_, length_ / 2.0f); }

void OC_BASESLIDER::SetRange(float min, float max) {
  min_ = Finite(min);
  max_ = Finite(max);
  const float span = std::fabs(max_ - min_);
  const float travel = length_ - 2.0f * TravelInset();
  const float k = span > 0.0f && std::isfinite(travel / span) ? travel / span : 0.0f;
  runner_offset_ = direction_ * TravelInset();
  axis_ = direction_ * k;
  SetValue(value_);
}

void OC_BASESLIDER::SetValue(float v) {
  if (!std::isnan(v)) {
    // Lowered to max, then raised to min: a range given upside down holds min.
    value_ = std::max(std::min(v, max_), min_);
    PlaceRunner();
  }
  const std::shared_ptr<Callback> script = on_value_changed_;
  InvokeCallback(script.get());
}

void OC_BASESLIDER::StepBy(int32_t n) { SetValue(value_ + static_cast<float>(n) * step_); }

void OC_BASESLIDER::SetOnValueChanged(std::unique_ptr<Callback> callback) {
  on_value_changed_ = std::move(callback);
}

void OC_BASESLIDER::PlaceRunner() {
  const Vector2 at = GetStart() + runner_offset_ + axis_ * (value_ - min_);
  transforms_[kRunner]->SetPositionV2(at);
  OnRunnerMoved();
}

// --- Input.

bool OC_BASESLIDER::InArea(Vector2 local) const {
  if (length_ <= 0.0f) return false;  // no axis: the slider takes no input
  const Vector2 start = GetStart();
  const Vector2 end = GetEnd();
  // The box of the two points (whole pixels) grown by the circles' radius.
  const float left = std::floor(std::min(start.x, end.x)) - radius_;
  const float right = std::ceil(std::max(start.x, end.x)) + radius_;
  const float top = std::floor(std::min(start.y, end.y)) - radius_;
  const float bottom = std::ceil(std::max(start.y, end.y)) + radius_;
  return local.x >= left && local.x <= right && local.y >= top && local.y <= bottom;
}

bool OC_BASESLIDER::UnderPointer(Part part, const GuiInput& input) const {
  return length_ > 0.0f && hits_[part].Contains(input.X(), input.Y());
}

void OC_BASESLIDER::Drag(const GuiInput& input) {
  if (direction_.IsZero()) return;  // no axis to run along
  const Vector2 start = GetStart();
  const float along =
      std::max(Vector2::Dot(input.PointerIn(GetTransform()) - start, direction_), 0.0f);
  transforms_[kRunner]->SetPositionV2(start + direction_ * along);
  const float per_unit = axis_.Length();
  float value = min_;
  if (per_unit > 0.0f) {
    const int64_t t = TruncateToInt(std::floor((along - TravelInset()) / per_unit + min_));
    const int64_t step = TruncateToInt(step_);
    value = static_cast<float>(step >= 1 ? t - t % step : t);
  }
  if (value > max_ - step_) {
    value_ = max_;
    transforms_[kRunner]->SetPositionV2(GetEnd() - runner_offset_);
  } else if (value < min_ + step_) {
    value_ = min_;
    transforms_[kRunner]->SetPositionV2(start + runner_offset_);
  } else {
    value_ = value;
  }
  OnRunnerMoved();
}

GuiEvent* OC_BASESLIDER::OnMouseMove() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  const bool inside = InArea(input.PointerIn(GetTransform()));
  SetFocused(inside);
  int32_t code = kGuiEventNone;
  if (inside) {
    for (const Part part : kParts) {
      const bool under = UnderPointer(part, input);
      if (states_[part] == kNormal && under) {
        states_[part] = kUnderPointer;
        if (code == kGuiEventNone) code = kGuiEventEntered;
      } else if (states_[part] == kUnderPointer && !under) {
        states_[part] = kNormal;
        held_ = false;
        if (code == kGuiEventNone) code = kGuiEventLeft;
      }
    }
    if (code == kGuiEventNone && states_[kRunner] == kPressed && held_) {
      Drag(input);
      code = kGuiEventValueChanged;
    }
    return Answer(code);
  }
  // Out of the area: nothing stays under the pointer, and a dragged runner
  // is let go where it is.
  for (const Part part : {kMinus, kPlus}) {
    if (states_[part] == kUnderPointer) {
      states_[part] = kNormal;
      code = kGuiEventLeft;
    }
  }
  if (states_[kRunner] == kUnderPointer) {
    states_[kRunner] = kNormal;
    code = kGuiEventLeft;
  } else if (states_[kRunner] == kPressed) {
    held_ = false;
    states_[kRunner] = kUnderPointer;
    SetValue(value_);
    code = kGuiEventValueChanged;
  }
  return Answer(code);
}

GuiEvent* OC_BASESLIDER::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  int32_t code = kGuiEventNone;
  // The move pass that brought the pointer here may have been answered by a
  // neighbour it left (one answer a pass): a press in the area then finds
  // the parts under the pointer itself.
  if (input && !IsFocused() && input.LeftWentDown() && InArea(input.PointerIn(GetTransform()))) {
    SetFocused(true);
    for (const Part part : kParts) {
      if (states_[part] == kNormal && UnderPointer(part, input)) states_[part] = kUnderPointer;
    }
  }
  if (input && IsFocused() && input.LeftWentDown()) {
    for (const Part part : kParts) {
      if (states_[part] != kUnderPointer) continue;
      states_[part] = kPressed;
      held_ = true;
      code = kGuiEventPressed;
      break;
    }
  }
  RunScript(GuiScript::kDown);
  return Answer(code);
}

GuiEvent* OC_BASESLIDER::OnMouseUp() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  int32_t code = kGuiEventNone;
  if (input && input.LeftWentUp()) {
    if (states_[kMinus] == kPressed || states_[kPlus] == kPressed) {
      const Part part = states_[kMinus] == kPressed ? kMinus : kPlus;
      held_ = false;
      states_[part] = kUnderPointer;
      StepBy(part == kMinus ? -1 : 1);
      code = kGuiEventValueChanged;
    } else if (states_[kRunner] == kPressed) {
      held_ = false;
      states_[kRunner] = kUnderPointer;
      SetValue(value_);
      code = kGuiEventValueChanged;
    }
  }
  RunScript(GuiScript::kUp);
  return Answer(code);
}

void OC_BASESLIDER::DropPress() {
  held_ = false;
  for (const Part part : kParts) {
    if (states_[part] == kPressed) states_[part] = kNormal;
  }
}

GuiEvent* OC_BASESLIDER::Process() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input) return nullptr;
  int32_t code = kGuiEventNone;
  auto raise = [&code](int32_t raised) {
    if (code == kGuiEventNone) code = raised;
  };
  for (const Part part : kParts) {
    const bool under = UnderPointer(part, input);
    int32_t& state = states_[part];
    if (state == kNormal && under) {
      state = kUnderPointer;
      raise(kGuiEventEntered);
    } else if (state == kUnderPointer && !under) {
      state = kNormal;
      held_ = false;
      raise(kGuiEventLeft);
    } else if (state == kUnderPointer && input.LeftWentDown()) {
      state = kPressed;
      held_ = true;
      raise(kGuiEventPressed);
    } else if (state == kPressed && input.LeftWentUp()) {
      state = kUnderPointer;
      held_ = false;
      if (part == kRunner) {
        SetValue(value_);
        raise(kGuiEventValueChanged);
      } else if (under) {
        StepBy(part == kMinus ? -1 : 1);
        raise(kGuiEventValueChanged);
      }
    } else if (part == kRunner && state == kPressed && held_) {
      Drag(input);
    }
  }
  return Answer(code);
}

}  // namespace ORB
