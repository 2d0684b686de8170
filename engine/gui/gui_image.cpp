#include "engine/gui/gui_image.h"

#include <utility>

#include "engine/gui/gui_input.h"
#include "engine/scene/anchor.h"

namespace ORB {

OC_GUI_IMAGE::OC_GUI_IMAGE(int32_t id, std::string textureName)
    : OC_GUI_OBJECT(id, kGuiKindImage), texture_(std::move(textureName)) {}

OC_GUI_IMAGE::OC_GUI_IMAGE(int32_t id, TextureRecord* texture) : OC_GUI_OBJECT(id, kGuiKindImage) {
  SetTexture(texture);
}

void OC_GUI_IMAGE::SetAnchor(int32_t anchor) {
  anchor_ = IsAnchor(anchor) ? anchor : HS_MID;
  if (built_) Fit();
}

void OC_GUI_IMAGE::SetTextureName(std::string name) {
  texture_.SetName(std::move(name));
  // Rebuilt on the new texture (at its size) by the next load, which comes
  // at once when the image's resources are loaded.
  built_ = false;
  if (loaded_) LoadResources();
}

void OC_GUI_IMAGE::SetTexture(TextureRecord* texture) {
  if (texture == nullptr) return;
  texture_.SetName(std::string());
  if (!built_) {
    Build(texture);
    return;
  }
  const OS_MESH_FRAME whole = OS_MESH_FRAME::Whole(texture);
  quad_->SetFromFrame(&whole);
  Fit();
}

void OC_GUI_IMAGE::Build(TextureRecord* texture) {
  quad_ = std::make_unique<OC_MESH>(texture, &GetTransform());
  built_ = true;
  Fit();
}

void OC_GUI_IMAGE::Fit() {
  if (sized_) quad_->SetSize(width_, height_);
  quad_->SetAnchor(anchor_, 0.0f, 0.0f);
  hit_.Set(OC_HIT_SHAPE::kRectangle, &GetTransform(), quad_->GetWidth(), quad_->GetHeight(), 0.0f,
           0);
}

void OC_GUI_IMAGE::SetSize(int32_t w, int32_t h) {
  sized_ = true;
  width_ = w;
  height_ = h;
  if (built_) Fit();
}

float OC_GUI_IMAGE::GetWidth() const { return built_ ? quad_->GetWidth() : 0.0f; }

float OC_GUI_IMAGE::GetHeight() const { return built_ ? quad_->GetHeight() : 0.0f; }

void OC_GUI_IMAGE::Draw() {
  if (built_) quad_->Draw();
}

void OC_GUI_IMAGE::LoadResources() {
  loaded_ = true;
  if (texture_.Name().empty()) return;  // the caller's texture, or none
  TextureRecord* texture = texture_.Take();
  if (!texture_.IsHeld()) {
    LogMissingTexture(texture_.Name());
    return;
  }
  if (built_) {
    quad_->SetTexture(texture);
  } else {
    Build(texture);
  }
}

void OC_GUI_IMAGE::ReleaseResources() {
  loaded_ = false;
  if (!texture_.IsHeld()) return;
  texture_.GiveBack();
  if (quad_) quad_->SetTexture(PlaceholderTexture());
}

GuiEvent* OC_GUI_IMAGE::AnswerButton(const GuiInput& input, bool went, int32_t code) {
  if (!went) return nullptr;
  const bool inside = built_ && hit_.Contains(input.X(), input.Y());
  return Answer(inside ? code : kGuiEventNone);
}

GuiEvent* OC_GUI_IMAGE::OnMouseDown() {
  const GuiInput input = GuiInput::Current();
  if (!input) return Answer(kGuiEventNone);
  return AnswerButton(input, input.AnyMouseWentDown(), kGuiEventPressed);
}

GuiEvent* OC_GUI_IMAGE::OnMouseUp() {
  const GuiInput input = GuiInput::Current();
  if (!input) return Answer(kGuiEventNone);
  return AnswerButton(input, input.AnyMouseWentUp(), kGuiEventClicked);
}

GuiEvent* OC_GUI_IMAGE::Process() {
  if (!GuiInput::Current()) return Answer(kGuiEventNone);
  return Code() != kGuiEventNone ? Answer(Code()) : nullptr;
}

}  // namespace ORB
