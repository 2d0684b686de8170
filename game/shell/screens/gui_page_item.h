#pragma once
// gGuiPageItem: a page item (framework/pages_item.h) that shows a widget tree
// of its own, read from its description like a window's: the items of the
// help pages and of the shop. The tree hangs from the item's transform, so
// (0, 0) of the widgets is the item's centre, and it turns pages with its
// grid. Its labels are put in the game's language when it is made.
//
//   <item size="420 150">
//     <GUI> ...widget elements (GUI XML, engine/gui/gui_xml_loader.h)... </GUI>
//   </item>
//
// "size" ("w h", whole pixels) is what the grid lays the item out by (0 x 0
// when missing); "GUI" is optional.
//
// Input: the grid hands the item its press and release passes while its
// page shows, and every move. A press on the item (its rectangle) that a
// widget of the tree answers, and
// a release that clicks one (code 8) the item takes (TakesClick: any, unless
// its class says otherwise), are taken (kEventSwallowed), so the grid reports
// the release as a click on the item; ClickedWidget() then says which widget
// it was. Everything else is left to what lies behind.
#include <cstdint>

#include <pugixml.hpp>

#include "engine/gui/gui_root.h"
#include "framework/pages_item.h"

namespace game {

class gGuiPageItem : public ORB_GF::G_PAGES_ITEM {
 public:
  gGuiPageItem(const pugi::xml_node& node, uint32_t item_id);

  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  void LoadResources() override { root_.LoadResources(); }
  void ReleaseResources() override { root_.ReleaseResources(); }
  void Draw() override { root_.Draw(); }
  // The widgets' per-frame pass.
  int32_t Update() override;
  int32_t OnMouseDown(int32_t button) override;
  int32_t OnMouseUp(int32_t button) override;
  int32_t OnMouseMove() override;

  ORB::OC_GUI_ROOT& GetGuiRoot() { return root_; }
  const ORB::OC_GUI_ROOT& GetGuiRoot() const { return root_; }
  // The id of the widget whose click the last release took; 0 before any.
  int32_t ClickedWidget() const { return clicked_; }
  // Whether a click on that widget is a click on the item.
  virtual bool TakesClick(int32_t /*widget_id*/) const { return true; }

  // The first widget of the tree with that id that is a Widget, or null.
  template <typename Widget>
  Widget* FindWidget(int32_t id) const {
    return dynamic_cast<Widget*>(root_.FindById(id));
  }

 private:
  ORB::OC_GUI_ROOT root_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t clicked_ = 0;
};

}  // namespace game
