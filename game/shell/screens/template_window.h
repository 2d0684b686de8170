#pragma once
// GG_WINDOW_TEMPLATE: the shape of a game screen, to copy when adding one
// (docs/adding-a-screen.md lists the steps). It overrides every hook of
// G_WINDOW (framework/window.h), each empty or doing the least a screen
// does, with a line on when it runs; the description below is what it
// reads. No scene list names it, and the factory has no row for it.
//
// Its description (a document of data/share/main/windows, listed in the
// edition's scene list; the common window attributes are G_WINDOW's):
//
//   <window _name="Template" _type="GG_WINDOW_TEMPLATE" _typeOpen="SH_MOVE_DOWN"
//           _typeClose="SH_MOVE_UP" _timeShow="0.3" _timeHide="0.3" layer="5" _modal="1">
//     <GUI>
//       <WLABEL ID="2" FONT="..." FONT_TEXTURE="..." TEXT="template_title"/>  the title (a key)
//       <BUTTON5 ID="3" TEXTURE="..."/>                                        closes the window
//     </GUI>
//     <settings font="clue20" shift="0 24"/>   a font of the font list, an offset
//     <sounds><item id="3" sound="click"/></sounds>
//   </window>
//
// "settings" is read by this class; a missing element or value keeps the
// defaults below.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "engine/scene/font.h"
#include "framework/window.h"

namespace game {

class GG_WINDOW_TEMPLATE : public ORB_GF::G_WINDOW {
 public:
  // The widget ids of its GUI.
  static constexpr int32_t kTitleId = 2;
  static constexpr int32_t kCloseId = 3;

  // The window's own settings after G_WINDOW has read the rest.
  explicit GG_WINDOW_TEMPLATE(const pugi::xml_node& node);

  const std::string& GetFontName() const { return font_name_; }
  const ORB::Vector2& GetShift() const { return shift_; }
  // Null until the resources are loaded, or for a font the list lacks.
  ORB::OC_FONT* GetFont() const { return font_; }

 protected:
  // Open: the opening begins (before any movement), the movement has
  // started, the window is fully shown.
  void OnOpenBegin() override {}
  void OnOpening() override {}
  void OnOpened() override {}
  // Close: the same three steps of the closing.
  void OnCloseBegin() override {}
  void OnClosing() override {}
  void OnClosed() override {}
  // A modal window in front took the input away, or gave it back.
  void OnInputDisabled() override {}
  void OnInputEnabled() override {}
  // After a player switch, a purchase, a trophy or a shop change
  // (G_WINDOW_MANAGER::RefreshAll): show the current player's values.
  void Refresh() override {}
  // The widgets' textures are taken (given back) by G_WINDOW; take (give
  // back) here what the window holds itself.
  void OnLoadResources() override;
  void OnReleaseResources() override;
  // After the background and the widgets.
  void OnDraw() override {}
  // Once a frame while open, after the widgets' per-frame pass.
  void OnUpdate() override {}
  // G_WINDOW_MANAGER::SendWindowMessage.
  int32_t OnMessage(int32_t /*a*/, int32_t /*b*/) override { return 0; }
  // A widget was clicked (its sound has played) or changed its value.
  void OnGuiEvent(int32_t widget_id) override;

 private:
  std::string font_name_;
  ORB::Vector2 shift_;
  ORB::OC_FONT* font_ = nullptr;
};

}  // namespace game
