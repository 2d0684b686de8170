#include "engine/gui/gui_progress_bar.h"

#include <utility>

#include "engine/scene/anchor.h"
#include "engine/scene/truncate.h"

namespace ORB {

OC_GUI_PROGRESS_BAR::OC_GUI_PROGRESS_BAR(int32_t id, std::string textureName)
    : OC_BASEPROGRESS(id, kGuiKindProgressBar), back_(std::move(textureName), 2, 1) {
  fill_transform_.parent = &GetTransform();
}

OC_GUI_PROGRESS_BAR::OC_GUI_PROGRESS_BAR(int32_t id, TextureRecord* texture)
    : OC_GUI_PROGRESS_BAR(id, std::string()) {
  back_.Show(texture, &GetTransform());
  if (back_.IsBuilt()) Build();
}

void OC_GUI_PROGRESS_BAR::LoadResources() {
  if (!back_.Load(&GetTransform())) return;
  if (fill_) {
    fill_->SetTexture(back_.Texture());
  } else {
    Build();
  }
}

void OC_GUI_PROGRESS_BAR::ReleaseResources() {
  if (!back_.IsHeld()) return;
  back_.Release();  // the one use both quads showed
  if (fill_) fill_->SetTexture(PlaceholderTexture());
}

void OC_GUI_PROGRESS_BAR::Build() {
  back_.SetFrame(0);
  fill_ = std::make_unique<OC_MESH>(back_.Texture(), &fill_transform_);
  ShowFill();
}

void OC_GUI_PROGRESS_BAR::SetSize(int32_t w, int32_t h) {
  back_.SetSize(w, h);
  UpdateView();
}

void OC_GUI_PROGRESS_BAR::UpdateView() {
  if (!fill_) return;
  ShowFill();
  FilledRule();
}

void OC_GUI_PROGRESS_BAR::ShowFill() {
  const float width = back_.Width();
  const float height = back_.Height();
  const auto shown = static_cast<float>(TruncateToInt(width * GetFraction()));
  fill_->SetSize(shown, height);
  // The full half, cut where the fill ends (whole pixels), so that its
  // texels keep their size.
  const float cut = width > 0.0f ? shown / width : 0.0f;
  fill_->SetVertexUVs(0.5f, 0.0f, 0.5f + 0.5f * cut, 1.0f);
  // Its left edge on the empty bar's left edge.
  fill_->SetAnchor(HS_ML, width * 0.5f, 0.0f);
}

void OC_GUI_PROGRESS_BAR::Draw() {
  if (!fill_) return;
  back_.Draw();
  fill_->UpdateFilter();
  fill_->Draw();
}

float OC_GUI_PROGRESS_BAR::GetWidth() const { return fill_ ? back_.Width() : 0.0f; }

float OC_GUI_PROGRESS_BAR::GetHeight() const { return fill_ ? back_.Height() : 0.0f; }

}  // namespace ORB
