#pragma once
// gPagedWindow: the common part of the screens that show a paged grid
// (framework/pages.h): the help pages, the trophy list and the shop. The
// window owns the grid its screen makes, places it, turns its pages with two
// of the window's buttons and, when its description asks for them, shows
// page markers (framework/page_markers.h) under it.
//
// Its description adds to a window's (framework/window.h):
//
//   <gPages file="data/share/main/other help_pages.xml" pos_x="0" pos_y="-10"/>
//   <page_number file="data/share/image/gui page_markers.png">
//     <TRANSFORM>0 250 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//   </page_number>
//
//   "gPages": "file" the grid's file (read from the repository when the
//   window is made), "pos_x" and "pos_y" the grid's centre from the window's
//   position (whole pixels, 0 by default). A grid file that is missing or
//   cannot be read leaves the grid empty and says so on stderr. The page
//   markers are read from the child the screen names (its TRANSFORM is also
//   from the window's position); without it there are none.
//
// Paging: the two buttons (ids the screen gives) turn the grid and the
// markers one page back or on; after every widget event, and whenever the
// window opens or refreshes, each of them is shown and enabled only while
// there is such a page (a BUTTON5 also shows its disabled look). The window
// hands its presses and releases to the grid before its own widgets (a
// press or click the grid takes goes no further), and every move; the grid
// is drawn after the window's widgets, the markers after the grid. Its
// resources are taken and given back with the window's.
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "framework/page_markers.h"
#include "framework/pages.h"
#include "framework/window.h"

namespace game {

class gPagedWindow : public ORB_GF::G_WINDOW {
 public:
  struct Paging {
    int32_t previous_id = 0;
    int32_t next_id = 0;
    // The element the page markers are read from; null: no markers.
    const char* markers = nullptr;
  };

  // Reads the window, then the grid's file into `grid` (which the window
  // owns from here on) and the markers.
  gPagedWindow(const pugi::xml_node& node, std::unique_ptr<ORB_GF::gPages> grid, Paging paging);

  int32_t HandleMouseDown(int32_t button) override;
  int32_t HandleMouseUp(int32_t button) override;
  int32_t HandleMouseMove() override;

  // Turns the page when the id is one of the two buttons (the grid, the
  // markers and the buttons together); answers whether it was. Screens call
  // it first from OnGuiEvent.
  bool TurnPage(int32_t widget_id);

  ORB_GF::gPages& Grid() { return *grid_; }
  const ORB_GF::gPages& Grid() const { return *grid_; }
  // Null without markers.
  const ORB_GF::PageMarkers* Markers() const { return markers_.get(); }
  const std::string& GetGridFile() const { return grid_file_; }

 protected:
  // Shows and enables the two buttons as the pages are.
  void UpdatePageButtons();

  // Screens that override these call them too.
  void OnOpenBegin() override;
  void Refresh() override;
  void OnLoadResources() override;
  void OnReleaseResources() override;
  void OnDraw() override;
  void OnUpdate() override;

 private:
  std::unique_ptr<ORB_GF::gPages> grid_;
  std::unique_ptr<ORB_GF::PageMarkers> markers_;
  std::string grid_file_;
  Paging paging_;
};

}  // namespace game
