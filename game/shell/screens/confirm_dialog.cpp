#include "game/shell/screens/confirm_dialog.h"

#include <string>

#include "engine/platform/log.h"
#include "framework/window_manager.h"

namespace game {

ORB_GF::G_WINDOW_CONFIRM* OpenConfirm(const char* name, const char* fallback) {
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  if (windows == nullptr) return nullptr;
  if (fallback != nullptr && windows->FindWindow(name) == nullptr) name = fallback;
  auto* dialog = dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(windows->FindWindow(name));
  if (dialog == nullptr) {
    ORB::Log(ORB::LogLevel::kError, "game", std::string("no dialog \"") + name + "\"");
    return nullptr;
  }
  windows->OpenWindow(name, false);
  return dialog;
}

}  // namespace game
