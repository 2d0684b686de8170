#pragma once
// G_WINDOW_CONFIRM: the yes/no dialog. Its description's GUI holds, by id:
//   2  a wide label (OC_GUI_WLABEL): the message, whose text (after
//      localization) is the template SetMessage fills;
//   3  yes, 4 no, 5 a third answer (cancel): any widgets that click.
// A widget that is missing, or of another class, is left out.
//
// A click on 3, 4 or 5 calls the answer callback (1 for yes, 0 otherwise),
// then the choice callback (1 yes, -1 no, 0 the third answer), then closes
// the dialog.
//
//   auto* dialog = dynamic_cast<G_WINDOW_CONFIRM*>(manager.OpenWindow("Players_Confirm_Del",
//   false)); dialog->SetMessage(player_name);   // "Delete %s?" -> "Delete Anna?"
//   dialog->SetAnswerCallback(this, [](void* self, int32_t yes) { ... });
#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "engine/gui/gui_wide_label.h"
#include "framework/window.h"

namespace ORB_GF {

class G_WINDOW_CONFIRM : public G_WINDOW {
 public:
  // The widget ids.
  static constexpr int32_t kMessageId = 2;
  static constexpr int32_t kYesId = 3;
  static constexpr int32_t kNoId = 4;
  static constexpr int32_t kThirdId = 5;

  using AnswerFunction = void (*)(void* context, int32_t answer);

  explicit G_WINDOW_CONFIRM(const pugi::xml_node& node);

  // function(context, 1) for yes, (context, 0) for no and the third answer.
  void SetAnswerCallback(void* context, AnswerFunction function);
  // function(context, 1) for yes, (context, -1) for no, (context, 0) for the
  // third answer.
  void SetChoiceCallback(void* context, AnswerFunction function);
  // The label shows its template filled with the value (message_template.h:
  // the first conversion takes the value's text, "%%" is "%", at most 511
  // characters). The template is the label's text at the first call; every
  // call fills it afresh. Nothing without the label.
  void SetMessage(std::wstring_view value);
  void SetMessage(int32_t value);

  // Null when the GUI has none.
  ORB::OC_GUI_WLABEL* GetMessageLabel() const { return FindWidget<ORB::OC_GUI_WLABEL>(kMessageId); }
  const std::wstring& GetMessageTemplate() const { return template_; }

 protected:
  void OnGuiEvent(int32_t widget_id) override;

 private:
  // The label, its template taken on first use; null without it.
  ORB::OC_GUI_WLABEL* TemplateLabel();

  void* answer_context_ = nullptr;
  AnswerFunction answer_ = nullptr;
  void* choice_context_ = nullptr;
  AnswerFunction choice_ = nullptr;
  std::wstring template_;
  bool template_taken_ = false;
};

}  // namespace ORB_GF
