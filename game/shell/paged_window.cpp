#include "game/shell/paged_window.h"

#include <utility>

#include "engine/foundation/vector2.h"
#include "engine/platform/log.h"
#include "framework/window_manager.h"

namespace game {

GG_WINDOW_PAGED::GG_WINDOW_PAGED(const pugi::xml_node& node, std::unique_ptr<ORB_GF::gPages> grid,
                                 std::string title_window)
    : G_WINDOW(node),
      grid_(std::move(grid)),
      markers_(node.child("page_number")),
      has_markers_(static_cast<bool>(node.child("page_number"))),
      title_window_(std::move(title_window)) {
  // The widget tree's top follows the window's transform: the grid and the
  // markers hang from it and move with the window.
  ORB::OS_TRANSFORM3* window = &GetGuiRoot().Widget().GetTransform();
  grid_->SetParent(window);
  markers_.SetParent(window);
  const pugi::xml_node pages = node.child("gPages");
  ORB::Vector2 position;
  position.Parse(pages.attribute("position").as_string());
  grid_->SetPosition(position.x, position.y);
  const std::string file = pages.attribute("file").as_string();
  if (file.empty() || !grid_->Load(file)) {
    ORB::Log(ORB::LogLevel::kError, "game",
             GetName() + ": the grid file \"" + file + "\" cannot be read; the list is empty");
  }
  markers_.SetCount(static_cast<uint32_t>(grid_->GetPageCount()));
  UpdatePageButtons();
}

int32_t GG_WINDOW_PAGED::HandleMouseDown(int32_t button) {
  if (!IsAnimating() && grid_->OnMouseDown(button) != 0) return ORB_GF::kWindowEventTaken;
  return G_WINDOW::HandleMouseDown(button);
}

int32_t GG_WINDOW_PAGED::HandleMouseUp(int32_t button) {
  if (!IsAnimating() && grid_->OnMouseUp(button) != 0) return ORB_GF::kWindowEventTaken;
  return G_WINDOW::HandleMouseUp(button);
}

int32_t GG_WINDOW_PAGED::HandleMouseMove() {
  grid_->OnMouseMove();
  return G_WINDOW::HandleMouseMove();
}

void GG_WINDOW_PAGED::NextPage() {
  grid_->NextPage();
  markers_.SetCurrent(static_cast<uint32_t>(grid_->GetTargetPage()));
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::PrevPage() {
  grid_->PrevPage();
  markers_.SetCurrent(static_cast<uint32_t>(grid_->GetTargetPage()));
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::UpdatePageButtons() {
  if (ORB::OC_GUI_OBJECT* prev = GetGuiRoot().FindById(kPrevPageId)) {
    prev->SetVisible(grid_->HasPrevPage());
    prev->SetEnabled(grid_->HasPrevPage());
  }
  if (ORB::OC_GUI_OBJECT* next = GetGuiRoot().FindById(kNextPageId)) {
    next->SetVisible(grid_->HasNextPage());
    next->SetEnabled(grid_->HasNextPage());
  }
}

void GG_WINDOW_PAGED::OnOpenBegin() {
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    windows->OpenWindow(title_window_, false);
  }
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::OnCloseBegin() {
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    windows->CloseWindow(title_window_, false);
  }
}

void GG_WINDOW_PAGED::OnLoadResources() {
  grid_->LoadResources();
  if (!has_markers_) return;
  markers_.LoadTexture();
  if (markers_.GetDotWidth() <= 0.0f) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             GetName() + ": the page markers' picture cannot be had; no dots show");
  }
}

void GG_WINDOW_PAGED::OnReleaseResources() {
  grid_->ReleaseResources();
  markers_.ReleaseTexture();
}

void GG_WINDOW_PAGED::OnDraw() {
  grid_->Draw();
  markers_.Draw();
}

void GG_WINDOW_PAGED::OnUpdate() { grid_->Update(); }

void GG_WINDOW_PAGED::OnGuiEvent(int32_t widget_id) {
  if (widget_id == kPrevPageId) {
    PrevPage();
  } else if (widget_id == kNextPageId) {
    NextPage();
  }
  OnListEvent(widget_id);
  UpdatePageButtons();
}

}  // namespace game
