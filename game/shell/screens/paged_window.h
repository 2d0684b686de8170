#pragma once
// GG_WINDOW_PAGED: the shape the game's list screens share: a window with a
// paged grid of items (framework/pages.h), the row of page markers under it
// (framework/page_markers.h), two buttons that turn the pages and, for some,
// a title window that opens and closes with it. The pack and level lists,
// the shop, the trophy list and the help pages derive from it; each makes
// its own grid and says which of its widgets turn the pages.
//
// Its description, beside the common window items (framework/window.h):
//
//   <window _name="Levels" _type="GG_WINDOW_LEVEL" ...>
//     <GUI>
//       <BUTTON5 ID="1" .../>        the previous page
//       <BUTTON5 ID="2" .../>        the next page
//     </GUI>
//     <gPages file="data/share/main/windows levels_grid.xml" pos_x="0" pos_y="20"/>
//     <page_number file="data/share/image/gui page_markers.png">
//       <TRANSFORM>0 250 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//     </page_number>
//     <settings/>
//   </window>
//
// - "gPages" "file": the grid file, a repository name, read when the window
//   is made; "pos_x" and "pos_y" (whole pixels, 0 by default): the grid's
//   centre from the window's position. A grid file that is missing or cannot
//   be read leaves the list empty and says so on stderr.
// - The page markers are read from the child the screen names ("page_number"
//   unless it says otherwise; its TRANSFORM is also from the window's
//   position); without that child there are none (Markers() is null). A dot
//   sheet that cannot be had shows no dots (said on stderr). The grid and the
//   markers hang from the window's transform and move with it.
// - The two page widgets (1 and 2 unless the screen says otherwise) turn the
//   page back and on, grid and markers together. After every widget event,
//   press and release, and whenever the window opens or refreshes, each is
//   shown and enabled only while there is a page that way (a BUTTON5 also
//   shows its disabled look). Either may be missing.
// - Presses and releases reach the grid before the window's widgets (a press
//   or click the grid takes goes no further); a window still moving hands
//   nothing to its grid. The grid's items are told every pointer move (their
//   hover looks).
// - The grid's and the markers' pictures are loaded and given back with the
//   window's resources. The window draws the grid and then the markers after
//   its widgets.
// - A title window, when the screen names one, opens with the window and
//   closes with it.
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
  static constexpr const char* kMarkersElement = "page_number";

  // What a screen chooses.
  struct Paging {
    int32_t previous_id = kPrevPageId;
    int32_t next_id = kNextPageId;
    // The element the page markers are read from; null: no markers.
    const char* markers = kMarkersElement;
    // Opened and closed with the window; empty: none.
    std::string title_window;
  };

  ORB_GF::gPages& Grid() { return *grid_; }
  const ORB_GF::gPages& Grid() const { return *grid_; }
  // Null without markers.
  ORB_GF::PageMarkers* Markers() { return markers_.get(); }
  const ORB_GF::PageMarkers* Markers() const { return markers_.get(); }
  const std::string& GetTitleWindow() const { return paging_.title_window; }
  const std::string& GetGridFile() const { return grid_file_; }

  int32_t HandleMouseDown(int32_t button) override;
  int32_t HandleMouseUp(int32_t button) override;
  int32_t HandleMouseMove() override;

  // Turns the page (grid, markers and page buttons together).
  void NextPage();
  void PrevPage();
  // Turns the page when the id is one of the two page widgets; answers
  // whether it was.
  bool TurnPage(int32_t widget_id);
  // Shows that page at once (grid, markers and page buttons together).
  void ShowPage(int32_t page);

 protected:
  // Reads the window, then the grid's file into `grid` (which the window
  // owns from here on) and the markers.
  GG_WINDOW_PAGED(const pugi::xml_node& node, std::unique_ptr<ORB_GF::gPages> grid, Paging paging);

  // Screens that override these call them too.
  void OnOpenBegin() override;
  void OnCloseBegin() override;
  void Refresh() override;
  void OnLoadResources() override;
  void OnReleaseResources() override;
  void OnDraw() override;
  void OnUpdate() override;
  // The page widgets turn the page; every other id goes to OnListEvent.
  // Then the page buttons are set.
  void OnGuiEvent(int32_t widget_id) override;
  // The derived window's own widgets.
  virtual void OnListEvent(int32_t /*widget_id*/) {}

  // Each page button shown and enabled only while a page lies that way.
  void UpdatePageButtons();

 private:
  std::unique_ptr<ORB_GF::gPages> grid_;
  std::unique_ptr<ORB_GF::PageMarkers> markers_;
  std::string grid_file_;
  Paging paging_;
};

}  // namespace game
