#pragma once
// The wide labels of a widget tree translated in place through a string
// table, as the game's window factory does with every window it makes:
//
//   ORB_GF::G_WINDOW* window = ORB_GF::CreateStockWindow(element);
//   if (window != nullptr) test_support::TranslateLabels(window->GetGuiRoot().Widget(), strings);
#include <cstddef>

#include "engine/foundation/localization.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/gui_wide_label.h"

namespace test_support {

inline void TranslateLabels(ORB::OC_GUI_OBJECT& widget, const ORB::OC_LOCALIZATION& strings) {
  if (auto* label = dynamic_cast<ORB::OC_GUI_WLABEL*>(&widget)) {
    label->SetText(ORB::Utf8ToWide(strings.Find(ORB::WideToUtf8(label->GetText()))));
  }
  for (size_t i = 0; i < widget.GetChildCount(); ++i) {
    TranslateLabels(*widget.GetChild(i), strings);
  }
}

}  // namespace test_support
