#pragma once
// G_WINDOW_EDITBOX: the dialog that asks for a line of text (a new player's
// name). Its description's GUI holds, by id:
//   2  a line box (OC_GUI_LINEBOX): the entered text;
//   3  a button (OC_GUI_BUTTON5): accept;
//   4  a widget that clicks: cancel;
//   5  a wide label (OC_GUI_WLABEL): the message shown while the text is not
//      accepted ("That name is taken already").
// A widget that is missing, or of another class, is left out. The element
// "SETTINGS" of the description may give "text_color" and
// "text_color_error" (hexadecimal ARGB): the text's colours while accepted
// and while refused (white and red by default).
//
// The dialog opens with an empty field, accept disabled and no message, and
// the field takes the keys. Blanks and the characters \ * / . - + = _ ? & ^
// ! @ # $ % ( ) { } [ ] | > < , ` ~ ; : cannot be typed. After every release
// (of a mouse button, or of a key, which the hub hands on as a release too)
// the text is checked: empty, it cannot be accepted; else the validator (when
// set) decides, and a refused text shows the message and the error colour.
// Accept checks the text once more and, when it passes, hands it to the
// result callback with true and closes; cancel hands it with false and
// closes.
//
//   auto* entry = dynamic_cast<G_WINDOW_EDITBOX*>(manager.OpenWindow("Players_EditBox", false));
//   entry->SetMaxLength(15);
//   entry->SetValidator(players, [](void* p, const std::wstring& name) { return !Taken(p, name);
//   }); entry->SetResultCallback(this, [](void* self, bool accepted, const std::wstring& name) {
//   ... });
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/colour.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_line_box.h"
#include "engine/gui/gui_wide_label.h"
#include "framework/window.h"

namespace ORB_GF {

class G_WINDOW_EDITBOX : public G_WINDOW {
 public:
  // The widget ids.
  static constexpr int32_t kTextId = 2;
  static constexpr int32_t kAcceptId = 3;
  static constexpr int32_t kCancelId = 4;
  static constexpr int32_t kMessageId = 5;
  // What the field refuses, in this order.
  static constexpr const wchar_t* kForbidden = L" \\*/.-+=_?&^!@#$%(){}[]|><,`~;:";

  using ResultFunction = void (*)(void* context, bool accepted, const std::wstring& text);
  using ValidatorFunction = bool (*)(void* context, const std::wstring& text);

  explicit G_WINDOW_EDITBOX(const pugi::xml_node& node);

  void SetResultCallback(void* context, ResultFunction function);
  // Null: every text that is not empty is accepted.
  void SetValidator(void* context, ValidatorFunction function);
  // Characters the field takes at most (0: no limit).
  void SetMaxLength(int32_t n);
  // Hides the message; enabled, the accept button takes input again;
  // disabled, it shows its disabled look and the message shows while the
  // text is not empty.
  void SetAcceptEnabled(bool enable);

  // The release pass, then the check of the text.
  int32_t HandleMouseUp(int32_t button) override;

  // The entered text ("" without a field).
  std::wstring GetText() const;
  ORB::Colour GetTextColour() const { return text_colour_; }
  ORB::Colour GetErrorColour() const { return error_colour_; }
  // Null when the GUI has none.
  ORB::OC_GUI_LINEBOX* GetLineBox() const { return FindWidget<ORB::OC_GUI_LINEBOX>(kTextId); }
  ORB::OC_GUI_BUTTON5* GetAcceptButton() const {
    return FindWidget<ORB::OC_GUI_BUTTON5>(kAcceptId);
  }
  ORB::OC_GUI_WLABEL* GetMessageLabel() const { return FindWidget<ORB::OC_GUI_WLABEL>(kMessageId); }

 protected:
  void OnOpenBegin() override;
  void OnOpened() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  // Whether the text may be accepted now: not empty, and the validator's
  // yes when there is one.
  bool Acceptable(const std::wstring& text) const;
  // The check after a release.
  void Validate();

  ORB::Colour text_colour_{0xFFFFFFFFu};
  ORB::Colour error_colour_{0xFFFF0000u};
  void* result_context_ = nullptr;
  ResultFunction result_ = nullptr;
  void* validator_context_ = nullptr;
  ValidatorFunction validator_ = nullptr;
};

}  // namespace ORB_GF
