#pragma once
// The help pages, "Help" (GG_WINDOW_HELP): a paged grid of help items
// (gPages_Help of gHelpItem), each a page of text and pictures drawn by a
// widget tree of its own (gui_page_item.h). The options screen opens it.
//
// Its description (the paging and the grid's element as GG_WINDOW_PAGED,
// paged_window.h; page markers only when the element has IOS_PAGE_NUMBER):
//
//   <window _name="Help" _type="GG_WINDOW_HELP" ...>
//     <GUI> ...the frame; BUTTON5 2 closes, 3 the page before, 4 the next... </GUI>
//     <gPages file="data/share/main/other help_pages.xml" pos_x="0" pos_y="-10"/>
//     <IOS_PAGE_NUMBER file="data/share/image/gui page_markers.png">
//       <TRANSFORM>0 230 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//     </IOS_PAGE_NUMBER>
//   </window>
//
// The grid file: <pages cols="1" rows="1"> with one <item size="w h"><GUI>
// ...</GUI></item> per page; its labels are string keys.
#include <cstdint>

#include <pugixml.hpp>

#include "framework/pages.h"
#include "game/shell/screens/gui_page_item.h"
#include "game/shell/screens/paged_window.h"

namespace game {

class gHelpItem : public gGuiPageItem {
 public:
  using gGuiPageItem::gGuiPageItem;
};

class gPages_Help : public ORB_GF::gPages {
 public:
  ORB_GF::G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) override;
  // A help page does nothing when clicked.
  void OnItemClicked(ORB_GF::G_PAGES_ITEM* /*item*/) override {}
};

class GG_WINDOW_HELP : public GG_WINDOW_PAGED {
 public:
  static constexpr int32_t kCloseId = 2;
  static constexpr int32_t kPreviousId = 3;
  static constexpr int32_t kNextId = 4;
  static constexpr const char* kMarkers = "IOS_PAGE_NUMBER";

  explicit GG_WINDOW_HELP(const pugi::xml_node& node);

 protected:
  void OnListEvent(int32_t widget_id) override;
};

}  // namespace game
