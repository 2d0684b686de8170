#include "game/shell/screens/gui_localization.h"

#include <string>

#include "engine/foundation/localization.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_wide_label.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

namespace {

void Localize(ORB::OC_GUI_OBJECT& widget, const ORB::OC_LOCALIZATION& table) {
  if (widget.GetKind() == ORB::kGuiKindWideLabel) {
    if (auto* label = dynamic_cast<ORB::OC_GUI_WLABEL*>(&widget)) {
      // An empty text is no key: a label the game fills later stays empty.
      if (!label->GetText().empty()) {
        label->SetText(ORB::Utf8ToWide(table.Find(ORB::WideToUtf8(label->GetText()))));
      }
    }
  }
  for (size_t i = 0; i < widget.GetChildCount(); ++i) Localize(*widget.GetChild(i), table);
}

}  // namespace

std::wstring LocalizedText(const std::string& key) {
  const ORB::OC_LOCALIZATION* table = GetLocalization();
  return ORB::Utf8ToWide(table != nullptr ? table->Find(key) : key);
}

void LocalizeGuiTree(ORB::OC_GUI_OBJECT* widget) {
  const ORB::OC_LOCALIZATION* table = GetLocalization();
  if (widget == nullptr || table == nullptr) return;
  Localize(*widget, *table);
}

}  // namespace game
