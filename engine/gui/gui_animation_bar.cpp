#include "engine/gui/gui_animation_bar.h"

#include <algorithm>
#include <utility>

#include "engine/scene/truncate.h"

namespace ORB {

OC_GUI_ANIMATION_BAR::OC_GUI_ANIMATION_BAR(int32_t id, std::string textureName, int32_t columns,
                                           int32_t rows, int32_t frames)
    : OC_BASEPROGRESS(id, kGuiKindPlain),
      columns_(std::max(columns, 1)),
      rows_(std::max(rows, 1)),
      last_frame_(std::max(frames, 1) - 1),
      sheet_(std::move(textureName), columns_, rows_) {}

OC_GUI_ANIMATION_BAR::OC_GUI_ANIMATION_BAR(int32_t id, TextureRecord* texture, int32_t columns,
                                           int32_t rows, int32_t frames)
    : OC_GUI_ANIMATION_BAR(id, std::string(), columns, rows, frames) {
  sheet_.Show(texture, &GetTransform());
}

int32_t OC_GUI_ANIMATION_BAR::FrameFor(float fraction) const {
  return TruncateToInt(static_cast<float>(last_frame_) * fraction);
}

void OC_GUI_ANIMATION_BAR::UpdateView() {
  sheet_.SetFrame(FrameFor(GetFraction()));
  if (sheet_.IsBuilt()) FilledRule();
}

void OC_GUI_ANIMATION_BAR::Draw() { sheet_.Draw(); }

void OC_GUI_ANIMATION_BAR::SetSize(int32_t w, int32_t h) { sheet_.SetSize(w, h); }

float OC_GUI_ANIMATION_BAR::GetWidth() const { return sheet_.Width(); }

float OC_GUI_ANIMATION_BAR::GetHeight() const { return sheet_.Height(); }

void OC_GUI_ANIMATION_BAR::LoadResources() { sheet_.Load(&GetTransform()); }

void OC_GUI_ANIMATION_BAR::ReleaseResources() { sheet_.Release(); }

}  // namespace ORB
