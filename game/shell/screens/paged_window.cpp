#include "game/shell/screens/paged_window.h"

#include <utility>

#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_button5.h"
#include "engine/platform/log.h"
#include "framework/whole_number.h"
#include "framework/window_manager.h"

namespace game {

namespace {

// Shown and taking input only while `on`; a five-look button also shows its
// disabled look.
void Show(ORB::OC_GUI_OBJECT* widget, bool on) {
  if (widget == nullptr) return;
  widget->SetVisible(on);
  if (auto* button = dynamic_cast<ORB::OC_GUI_BUTTON5*>(widget)) button->SetUsable(on);
  widget->SetEnabled(on);
}

}  // namespace

GG_WINDOW_PAGED::GG_WINDOW_PAGED(const pugi::xml_node& node, std::unique_ptr<ORB_GF::gPages> grid,
                                 Paging paging)
    : G_WINDOW(node), grid_(std::move(grid)), paging_(std::move(paging)) {
  // The widget tree's top follows the window's transform: the grid and the
  // markers hang from it and move with the window.
  ORB::OS_TRANSFORM3* window = &GetGuiRoot().Widget().GetTransform();
  grid_->SetParent(window);
  const pugi::xml_node pages = node.child("gPages");
  int32_t x = 0;
  int32_t y = 0;
  ORB_GF::ReadNumberAttribute(pages, "pos_x", x, "pages");
  ORB_GF::ReadNumberAttribute(pages, "pos_y", y, "pages");
  grid_->SetPosition(static_cast<float>(x), static_cast<float>(y));
  grid_file_ = pages.attribute("file").as_string();
  if (grid_file_.empty() || !grid_->Load(grid_file_)) {
    ORB::Log(
        ORB::LogLevel::kError, "game",
        GetName() + ": the grid file \"" + grid_file_ + "\" cannot be read; the list is empty");
  }
  if (paging_.markers != nullptr) {
    if (const pugi::xml_node markers = node.child(paging_.markers)) {
      markers_ = std::make_unique<ORB_GF::PageMarkers>(markers);
      markers_->SetParent(window);
      markers_->SetCount(static_cast<uint32_t>(grid_->GetPageCount()));
    }
  }
  UpdatePageButtons();
}

int32_t GG_WINDOW_PAGED::HandleMouseDown(int32_t button) {
  if (IsAnimating()) return ORB::kEventSwallowed;
  if (grid_->OnMouseDown(button) == ORB::kEventSwallowed) return ORB_GF::kWindowEventTaken;
  const int32_t answer = G_WINDOW::HandleMouseDown(button);
  UpdatePageButtons();
  return answer;
}

int32_t GG_WINDOW_PAGED::HandleMouseUp(int32_t button) {
  if (IsAnimating()) return ORB::kEventSwallowed;
  // The grid reports a click on an item (its screen has answered it).
  if (grid_->OnMouseUp(button) == ORB::kResultOk) return ORB_GF::kWindowEventTaken;
  const int32_t answer = G_WINDOW::HandleMouseUp(button);
  UpdatePageButtons();
  return answer;
}

int32_t GG_WINDOW_PAGED::HandleMouseMove() {
  grid_->OnMouseMove();
  return G_WINDOW::HandleMouseMove();
}

void GG_WINDOW_PAGED::NextPage() {
  grid_->NextPage();
  if (markers_) markers_->SetCurrent(static_cast<uint32_t>(grid_->GetTargetPage()));
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::PrevPage() {
  grid_->PrevPage();
  if (markers_) markers_->SetCurrent(static_cast<uint32_t>(grid_->GetTargetPage()));
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::ShowPage(int32_t page) {
  grid_->ShowPage(page);
  if (markers_) markers_->SetCurrent(static_cast<uint32_t>(grid_->GetTargetPage()));
  UpdatePageButtons();
}

bool GG_WINDOW_PAGED::TurnPage(int32_t widget_id) {
  if (widget_id == paging_.previous_id) {
    PrevPage();
  } else if (widget_id == paging_.next_id) {
    NextPage();
  } else {
    return false;
  }
  return true;
}

void GG_WINDOW_PAGED::UpdatePageButtons() {
  Show(GetGuiRoot().FindById(paging_.previous_id), grid_->HasPrevPage());
  Show(GetGuiRoot().FindById(paging_.next_id), grid_->HasNextPage());
}

void GG_WINDOW_PAGED::OnOpenBegin() {
  if (!paging_.title_window.empty()) {
    if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
      windows->OpenWindow(paging_.title_window, false);
    }
  }
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::OnCloseBegin() {
  if (paging_.title_window.empty()) return;
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    windows->CloseWindow(paging_.title_window, false);
  }
}

void GG_WINDOW_PAGED::Refresh() {
  grid_->RefreshItems();
  UpdatePageButtons();
}

void GG_WINDOW_PAGED::OnLoadResources() {
  grid_->LoadResources();
  if (!markers_) return;
  markers_->LoadTexture();
  if (markers_->GetDotWidth() <= 0.0f) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             GetName() + ": the page markers' picture cannot be had; no dots show");
  }
}

void GG_WINDOW_PAGED::OnReleaseResources() {
  grid_->ReleaseResources();
  if (markers_) markers_->ReleaseTexture();
}

void GG_WINDOW_PAGED::OnDraw() {
  grid_->Draw();
  if (markers_) markers_->Draw();
}

void GG_WINDOW_PAGED::OnUpdate() { grid_->Update(); }

void GG_WINDOW_PAGED::OnGuiEvent(int32_t widget_id) {
  if (!TurnPage(widget_id)) OnListEvent(widget_id);
  UpdatePageButtons();
}

}  // namespace game
