#include "engine/gui/gui_panel.h"

#include <utility>

namespace ORB {

OC_GUI_PANEL::OC_GUI_PANEL(int32_t id, std::string textureName)
    : GuiPanelBase(id, kGuiKindPanel, true), sheet_(std::move(textureName), 1, 1) {}

OC_GUI_PANEL::OC_GUI_PANEL(int32_t id, TextureRecord* texture)
    : GuiPanelBase(id, kGuiKindPanel, true), sheet_(std::string(), 1, 1) {
  sheet_.Show(texture, &GetTransform());
}

bool OC_GUI_PANEL::Hits(float x, float y) const { return sheet_.Contains(x, y); }

void OC_GUI_PANEL::Draw() { sheet_.Draw(); }

void OC_GUI_PANEL::SetSize(int32_t w, int32_t h) { sheet_.SetSize(w, h); }

float OC_GUI_PANEL::GetWidth() const { return sheet_.Width(); }

float OC_GUI_PANEL::GetHeight() const { return sheet_.Height(); }

void OC_GUI_PANEL::LoadResources() { sheet_.Load(&GetTransform()); }

void OC_GUI_PANEL::ReleaseResources() { sheet_.Release(); }

}  // namespace ORB
