#include "engine/gui/gui_simple_slider.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/gui/gui_input.h"
#include "engine/scene/anchor.h"

namespace ORB {

OC_GUI_SIMPLE_SLIDER::OC_GUI_SIMPLE_SLIDER(int32_t id, std::string progressTexture,
                                           std::string runnerTexture)
    : OC_GUI_OBJECT(id, kGuiKindPlain),
      progress_texture_(std::move(progressTexture)),
      runner_texture_(std::move(runnerTexture)) {
  track_transform_.parent = &GetTransform();
  runner_transform_.parent = &track_transform_;
}

OC_GUI_SIMPLE_SLIDER::~OC_GUI_SIMPLE_SLIDER() = default;

void OC_GUI_SIMPLE_SLIDER::SetValue(float value) {
  value_ = std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, 1.0f);
  if (!IsBuilt()) return;
  if (travel_ <= 0.0f) value_ = 0.0f;
  runner_transform_.SetPosition(travel_ * value_ - travel_ / 2.0f, 0.0f, 0.0f);
}

void OC_GUI_SIMPLE_SLIDER::MoveRunnerTo(float x) {
  const float half = travel_ / 2.0f;
  const float at = std::floor(std::clamp(x, -half, half) + half);
  value_ = travel_ > 0.0f ? std::min(at / travel_, 1.0f) : 0.0f;
  runner_transform_.SetPosition(travel_ * value_ - half, 0.0f, 0.0f);
}

void OC_GUI_SIMPLE_SLIDER::Build() {
  track_ = std::make_unique<OC_MESH>(progress_texture_.Get(), &track_transform_);
  track_size_ = {std::floor(track_->GetWidth() * 0.5f), track_->GetHeight()};
  track_->SetSize(track_size_);
  track_->SetAnchor(HS_MID, 0.0f, 0.0f);
  runner_ = std::make_unique<OC_MESH>(runner_texture_.Get(), &runner_transform_);
  runner_->SetAnchor(HS_MID, 0.0f, 0.0f);
  runner_size_ = {runner_->GetWidth(), runner_->GetHeight()};
  travel_ = std::max(track_size_.x - runner_size_.x, 0.0f);
  hit_.Set(OC_HIT_SHAPE::kRectangle, &runner_transform_, runner_size_.x, runner_size_.y, 0.0f, 0);
  SetValue(value_);
}

void OC_GUI_SIMPLE_SLIDER::LoadResources() {
  for (HeldTexture* texture : {&progress_texture_, &runner_texture_}) {
    texture->Take();
    if (!texture->IsHeld()) LogMissingTexture(texture->Name());
  }
  if (!progress_texture_.IsHeld() || !runner_texture_.IsHeld()) return;
  if (IsBuilt()) {
    track_->SetTexture(progress_texture_.Get());
    runner_->SetTexture(runner_texture_.Get());
  } else {
    Build();
  }
}

void OC_GUI_SIMPLE_SLIDER::ReleaseResources() {
  progress_texture_.GiveBack();
  runner_texture_.GiveBack();
  if (!IsBuilt()) return;
  track_->SetTexture(PlaceholderTexture());
  runner_->SetTexture(PlaceholderTexture());
}

void OC_GUI_SIMPLE_SLIDER::Draw() {
  if (!IsBuilt()) return;
  const float width = track_size_.x;
  // The empty half across the whole bar.
  track_->SetSize(width, track_size_.y);
  track_->SetAnchor(HS_MID, 0.0f, 0.0f);
  track_->SetVertexUVs(0.0f, 0.0f, 0.5f, 1.0f);
  track_->Draw();
  // The filled half from the bar's left end to the runner's centre.
  const float filled =
      width > 0.0f ? std::clamp((runner_transform_.position.x + width / 2.0f) / width, 0.0f, 1.0f)
                   : 0.0f;
  if (filled > 0.0f) {
    track_->SetSize(width * filled, track_size_.y);
    track_->SetAnchor(HS_ML, width / 2.0f, 0.0f);
    track_->SetVertexUVs(0.5f, 0.0f, 0.5f + 0.5f * filled, 1.0f);
    track_->Draw();
  }
  runner_->Draw();
}

GuiEvent* OC_GUI_SIMPLE_SLIDER::OnMouseDown() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !IsBuilt() || !input.AnyMouseWentDown()) return nullptr;
  if (!hit_.Contains(input.X(), input.Y())) return nullptr;
  dragging_ = true;
  return Answer(kGuiEventPressed);
}

GuiEvent* OC_GUI_SIMPLE_SLIDER::OnMouseUp() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !dragging_ || !input.AnyMouseWentUp()) return nullptr;
  dragging_ = false;
  return Answer(kGuiEventClicked);
}

GuiEvent* OC_GUI_SIMPLE_SLIDER::OnMouseMove() {
  Answer(kGuiEventNone);
  const GuiInput input = GuiInput::Current();
  if (!input || !dragging_) return nullptr;
  MoveRunnerTo(input.PointerIn(track_transform_).x);
  return Answer(kGuiEventDragged);
}

}  // namespace ORB
