#include "game/shell/screens/localized_text.h"

#include "engine/foundation/localization.h"
#include "engine/foundation/utf8.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

std::wstring LocalizedText(std::string_view key) {
  if (key.empty()) return std::wstring();
  const std::string text(key);
  const ORB::OC_LOCALIZATION* table = GetLocalization();
  return ORB::Utf8ToWide(table != nullptr ? table->Find(text) : text);
}

}  // namespace game
