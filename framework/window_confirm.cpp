#include "framework/window_confirm.h"

#include "framework/message_template.h"

namespace ORB_GF {

G_WINDOW_CONFIRM::G_WINDOW_CONFIRM(const pugi::xml_node& node) : G_WINDOW(node) {}

void G_WINDOW_CONFIRM::SetAnswerCallback(void* context, AnswerFunction function) {
  answer_context_ = context;
  answer_ = function;
}

void G_WINDOW_CONFIRM::SetChoiceCallback(void* context, AnswerFunction function) {
  choice_context_ = context;
  choice_ = function;
}

ORB::OC_GUI_WLABEL* G_WINDOW_CONFIRM::TemplateLabel() {
  ORB::OC_GUI_WLABEL* label = GetMessageLabel();
  if (label != nullptr && !template_taken_) {
    template_ = label->GetText();
    template_taken_ = true;
  }
  return label;
}

void G_WINDOW_CONFIRM::SetMessage(std::wstring_view value) {
  if (ORB::OC_GUI_WLABEL* label = TemplateLabel()) {
    label->SetText(FillMessageTemplate(template_, value));
  }
}

void G_WINDOW_CONFIRM::SetMessage(int32_t value) {
  if (ORB::OC_GUI_WLABEL* label = TemplateLabel()) {
    label->SetText(FillMessageTemplate(template_, value));
  }
}

void G_WINDOW_CONFIRM::OnGuiEvent(int32_t widget_id) {
  int32_t answer = 0;
  int32_t choice = 0;
  switch (widget_id) {
    case kYesId:
      answer = 1;
      choice = 1;
      break;
    case kNoId: choice = -1; break;
    case kThirdId: break;
    default: return;
  }
  // Copies: a callback may set others.
  const AnswerFunction answer_function = answer_;
  void* const answer_context = answer_context_;
  const AnswerFunction choice_function = choice_;
  void* const choice_context = choice_context_;
  if (answer_function != nullptr) answer_function(answer_context, answer);
  if (choice_function != nullptr) choice_function(choice_context, choice);
  Close(false);
}

}  // namespace ORB_GF
