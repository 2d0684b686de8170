#pragma once
// GG_WINDOW_PAGED: the shape the game's list screens share: a window with a
// paged grid of items (framework/pages.h), the row of page markers under it
// (framework/page_markers.h), buttons to turn the pages, and a title window
// that opens and closes with it. The pack list and the level list derive
// from it; each makes its own grid.
//
// Its description, beside the common window items:
//
//   <window _name="Levels" _type="GG_WINDOW_LEVEL" ...>
//     <GUI>
//       <BUTTON5 ID="1" .../>        the previous page
//       <BUTTON5 ID="2" .../>        the next page
//     </GUI>
//     <gPages file="data/share/main/windows levels_grid.xml" position="0 20"/>
//     <page_number file="data/share/image/gui page_markers.png">
//       <TRANSFORM>0 250 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//     </page_number>
//     <settings/>
//   </window>
//
// - "gPages" "file": the grid file, a repository name; "position" ("x y",
//   optional): the grid's centre from the window's position. The grid and
//   the markers hang from the window's transform and move with it. A grid
//   file that cannot be read leaves the list empty (said on stderr); a
//   missing "page_number" (or a dot sheet that cannot be had) shows no dots.
// - Widgets 1 and 2 turn the page back and on, grid and markers together;
//   after every widget event each is shown and enabled only while there is
//   a page that way. Either may be missing.
// - Presses and releases reach the grid before the window's widgets; a
//   window still moving hands nothing to its grid (its items stay still
//   under the pointer only once it stands). The grid's items are told every
//   pointer move (their hover looks).
// - The grid's and the markers' pictures are loaded and given back with the
//   window's resources. The window draws the grid and then the markers
//   after its widgets.
// - Opening the window opens its title window, closing it closes it.
#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "framework/page_markers.h"
#include "framework/pages.h"
#include "framework/window.h"

namespace game {

class GG_WINDOW_PAGED : public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kPrevPageId = 1;
  static constexpr int32_t kNextPageId = 2;

  ORB_GF::gPages& Grid() { return *grid_; }
  const ORB_GF::gPages& Grid() const { return *grid_; }
  ORB_GF::PageMarkers& Markers() { return markers_; }
  const std::string& GetTitleWindow() const { return title_window_; }

  int32_t HandleMouseDown(int32_t button) override;
  int32_t HandleMouseUp(int32_t button) override;
  int32_t HandleMouseMove() override;

  // Turns the page (grid and markers) and sets the page buttons.
  void NextPage();
  void PrevPage();

 protected:
  // Reads "gPages" into the grid and "page_number" into the markers.
  GG_WINDOW_PAGED(const pugi::xml_node& node, std::unique_ptr<ORB_GF::gPages> grid,
                  std::string title_window);

  void OnOpenBegin() override;
  void OnCloseBegin() override;
  void OnLoadResources() override;
  void OnReleaseResources() override;
  void OnDraw() override;
  void OnUpdate() override;
  // Pages for 1 and 2, then OnListEvent for every id; then the page
  // buttons are set.
  void OnGuiEvent(int32_t widget_id) override;
  // The derived window's widgets.
  virtual void OnListEvent(int32_t /*widget_id*/) {}

  // Each page button shown and enabled only while a page lies that way.
  void UpdatePageButtons();

 private:
  std::unique_ptr<ORB_GF::gPages> grid_;
  ORB_GF::PageMarkers markers_;
  bool has_markers_ = false;
  std::string title_window_;
};

}  // namespace game
