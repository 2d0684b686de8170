#include "game/shell/paged_window.h"

#include <string>

#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_button5.h"
#include "engine/platform/log.h"
#include "framework/whole_number.h"

namespace game {

namespace {

// Shown and taking input only while `on`; a five-look button also shows its
// disabled look.
void Show(ORB::OC_GUI_OBJECT* widget, bool on) {
  if (widget == nullptr) return;
  widget->SetVisible(on);
  if (auto* button = dynamic_cast<ORB::OC_GUI_BUTTON5*>(widget)) {
    if (on) {
      // Enabling again would drop a hover look.
      if (button->GetState() == ORB::OC_GUI_BUTTON5::kDisabled) button->Enable();
    } else {
      button->Disable();
    }
  }
  widget->SetEnabled(on);
}

}  // namespace

gPagedWindow::gPagedWindow(const pugi::xml_node& node, std::unique_ptr<ORB_GF::gPages> grid,
                           Paging paging)
    : G_WINDOW(node), grid_(std::move(grid)), paging_(paging) {
  ORB::OS_TRANSFORM3* parent = &GetGuiRoot().Widget().GetTransform();
  grid_->SetParent(parent);
  const pugi::xml_node pages = node.child("gPages");
  int32_t x = 0;
  int32_t y = 0;
  ORB_GF::ReadNumberAttribute(pages, "pos_x", x, "pages");
  ORB_GF::ReadNumberAttribute(pages, "pos_y", y, "pages");
  grid_->SetPosition(static_cast<float>(x), static_cast<float>(y));
  grid_file_ = pages.attribute("file").as_string();
  if (grid_file_.empty()) {
    ORB::Log(ORB::LogLevel::kWarning, "pages",
             "window '" + GetName() + "' names no grid file; its list is empty");
  } else if (!grid_->Load(grid_file_)) {
    ORB::Log(ORB::LogLevel::kError, "pages",
             "window '" + GetName() + "': cannot read " + grid_file_ + "; its list is empty");
  }
  if (paging_.markers != nullptr) {
    if (const pugi::xml_node markers = node.child(paging_.markers)) {
      markers_ = std::make_unique<ORB_GF::PageMarkers>(markers);
      markers_->SetParent(parent);
      markers_->SetCount(static_cast<uint32_t>(grid_->GetPageCount()));
    }
  }
  UpdatePageButtons();
}

bool gPagedWindow::TurnPage(int32_t widget_id) {
  if (widget_id != paging_.previous_id && widget_id != paging_.next_id) return false;
  if (widget_id == paging_.previous_id) {
    grid_->PrevPage();
  } else {
    grid_->NextPage();
  }
  if (markers_) markers_->SetCurrent(static_cast<uint32_t>(grid_->GetTargetPage()));
  UpdatePageButtons();
  return true;
}

void gPagedWindow::UpdatePageButtons() {
  Show(GetGuiRoot().FindById(paging_.previous_id), grid_->HasPrevPage());
  Show(GetGuiRoot().FindById(paging_.next_id), grid_->HasNextPage());
}

int32_t gPagedWindow::HandleMouseDown(int32_t button) {
  if (IsAnimating()) return ORB::kEventSwallowed;
  if (grid_->OnMouseDown(button) == ORB::kEventSwallowed) return ORB_GF::kWindowEventTaken;
  const int32_t answer = G_WINDOW::HandleMouseDown(button);
  UpdatePageButtons();
  return answer;
}

int32_t gPagedWindow::HandleMouseUp(int32_t button) {
  if (IsAnimating()) return ORB::kEventSwallowed;
  // The grid reports a click on an item (its screen has answered it).
  if (grid_->OnMouseUp(button) == ORB::kResultOk) return ORB_GF::kWindowEventTaken;
  const int32_t answer = G_WINDOW::HandleMouseUp(button);
  UpdatePageButtons();
  return answer;
}

int32_t gPagedWindow::HandleMouseMove() {
  grid_->OnMouseMove();
  return G_WINDOW::HandleMouseMove();
}

void gPagedWindow::OnOpenBegin() { UpdatePageButtons(); }

void gPagedWindow::Refresh() {
  grid_->RefreshItems();
  UpdatePageButtons();
}

void gPagedWindow::OnLoadResources() {
  grid_->LoadResources();
  if (markers_) markers_->LoadTexture();
}

void gPagedWindow::OnReleaseResources() {
  grid_->ReleaseResources();
  if (markers_) markers_->ReleaseTexture();
}

void gPagedWindow::OnDraw() {
  grid_->Draw();
  if (markers_) markers_->Draw();
}

void gPagedWindow::OnUpdate() { grid_->Update(); }

}  // namespace game
