#pragma once
// The player manager, "Players" (GG_WINDOW_PLAYERS): the list of the
// players' names, with buttons to add a player, delete one and play as one.
// The title's change-player link opens it; when it has closed, the title
// opens (the hub's OpenTitle).
//
// Its description's GUI, by id (a widget that is missing, or of another
// class, is left out):
//   2  the list box of names (OC_GUI_LISTBOX), in the players list's order
//   5  new: "Players_EditBox" asks for a name (at most 15 characters, none
//      a player has already); an accepted name becomes a new player, is
//      selected in the list and everything is saved
//   6  delete: "Players_Confirm_Del" asks, with the selected name in its
//      question; yes deletes that player (the hub's RemovePlayer)
//   7  close: the window closes, nothing else changes
//   8  choose: the window closes and the selected player becomes current
//   9, 10  the list's page up and page down: the list shows the rows a page
//      (its visible count) before or after
// Whenever the window opens, refreshes or a player is added or deleted, the
// list is filled again with the current player's name selected; 6 and 8 take
// input only while a name is selected (a click on the list or the arrow keys
// change the selection). The list shows the selected name wherever it is
// among the players (it scrolls to it); 9 and 10 take input only while there
// are names that way.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/gui/gui_list_box.h"
#include "framework/window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_PLAYERS : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kListId = 2;
  static constexpr int32_t kNewId = 5;
  static constexpr int32_t kDeleteId = 6;
  static constexpr int32_t kCloseId = 7;
  static constexpr int32_t kChooseId = 8;
  static constexpr int32_t kPageUpId = 9;
  static constexpr int32_t kPageDownId = 10;
  static constexpr int32_t kMaxNameLength = 15;
  static constexpr const char* kEditBox = "Players_EditBox";
  static constexpr const char* kConfirmDelete = "Players_Confirm_Del";

  explicit GG_WINDOW_PLAYERS(const pugi::xml_node& node, cScreenHost* host = nullptr);

  int32_t HandleMouseDown(int32_t button) override;
  int32_t HandleMouseUp(int32_t button) override;

  // The names again, the current player's selected, and the buttons.
  void Fill();
  // Null when the GUI has none.
  ORB::OC_GUI_LISTBOX* GetList() const { return FindWidget<ORB::OC_GUI_LISTBOX>(kListId); }

 protected:
  void OnOpenBegin() override { Fill(); }
  void Refresh() override { Fill(); }
  void OnClosed() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  // The selected name, or empty.
  std::wstring Selected() const;
  void UpdateButtons();
  void AskForName();
  void AskToDelete();

  static bool NameIsFree(void* context, const std::wstring& name);
  static void NameEntered(void* context, bool accepted, const std::wstring& name);
  static void DeleteAnswered(void* context, int32_t yes);

  // The name the delete question is about.
  std::wstring deleting_;
};

}  // namespace game
