#include "framework/window_editbox.h"

namespace ORB_GF {

G_WINDOW_EDITBOX::G_WINDOW_EDITBOX(const pugi::xml_node& node) : G_WINDOW(node) {
  const pugi::xml_node settings = node.child("SETTINGS");
  if (const pugi::xml_attribute a = settings.attribute("text_color")) {
    text_colour_ = ORB::ParseHexColour(a.as_string());
  }
  if (const pugi::xml_attribute a = settings.attribute("text_color_error")) {
    error_colour_ = ORB::ParseHexColour(a.as_string());
  }
  if (ORB::OC_GUI_LINEBOX* box = GetLineBox()) box->SetForbiddenChars(kForbidden);
}

void G_WINDOW_EDITBOX::SetResultCallback(void* context, ResultFunction function) {
  result_context_ = context;
  result_ = function;
}

void G_WINDOW_EDITBOX::SetValidator(void* context, ValidatorFunction function) {
  validator_context_ = context;
  validator_ = function;
}

void G_WINDOW_EDITBOX::SetMaxLength(int32_t n) {
  if (ORB::OC_GUI_LINEBOX* box = GetLineBox()) box->SetMaxLength(n);
}

std::wstring G_WINDOW_EDITBOX::GetText() const {
  const ORB::OC_GUI_LINEBOX* box = GetLineBox();
  return box != nullptr ? box->GetText() : std::wstring();
}

void G_WINDOW_EDITBOX::SetAcceptEnabled(bool enable) {
  ORB::OC_GUI_WLABEL* message = GetMessageLabel();
  if (message != nullptr) message->SetVisible(false);
  if (ORB::OC_GUI_BUTTON5* accept = GetAcceptButton()) {
    if (enable) {
      accept->Enable();
    } else {
      accept->Disable();
    }
  }
  if (!enable && message != nullptr && !GetText().empty()) message->SetVisible(true);
}

bool G_WINDOW_EDITBOX::Acceptable(const std::wstring& text) const {
  if (text.empty()) return false;
  return validator_ == nullptr || validator_(validator_context_, text);
}

void G_WINDOW_EDITBOX::OnOpenBegin() {
  if (ORB::OC_GUI_LINEBOX* box = GetLineBox()) {
    box->SetColor(text_colour_);
    box->ClearText();
  }
  SetAcceptEnabled(false);
}

void G_WINDOW_EDITBOX::OnOpened() {
  if (ORB::OC_GUI_LINEBOX* box = GetLineBox()) box->SetFocusTree(true);
}

int32_t G_WINDOW_EDITBOX::HandleMouseUp(int32_t button) {
  const int32_t answer = G_WINDOW::HandleMouseUp(button);
  Validate();
  return answer;
}

void G_WINDOW_EDITBOX::Validate() {
  const std::wstring text = GetText();
  if (text.empty()) {
    SetAcceptEnabled(false);
    return;
  }
  if (validator_ == nullptr) {
    SetAcceptEnabled(true);
    return;
  }
  const bool accepted = validator_(validator_context_, text);
  SetAcceptEnabled(accepted);
  if (ORB::OC_GUI_LINEBOX* box = GetLineBox())
    box->SetColor(accepted ? text_colour_ : error_colour_);
}

void G_WINDOW_EDITBOX::OnGuiEvent(int32_t widget_id) {
  if (widget_id != kAcceptId && widget_id != kCancelId) return;
  const std::wstring text = GetText();
  const bool accepted = widget_id == kAcceptId;
  // Accept takes only a text that passes now: the field may have changed
  // since the last check.
  if (accepted && !Acceptable(text)) return;
  const ResultFunction result = result_;
  if (result != nullptr) result(result_context_, accepted, text);
  Close(false);
}

}  // namespace ORB_GF
