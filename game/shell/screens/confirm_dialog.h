#pragma once
// The game's screens ask their questions through the confirm dialogs of the
// scene list (framework/window_confirm.h) by name: "Confirm_Exit",
// "Confirm_Buy_Pack", "Confirm_Restart_Level", ...
//
//   if (auto* dialog = OpenConfirm("Confirm_Close_Lvl")) dialog->SetAnswerCallback(this,
//   &Answered);
#include "framework/window_confirm.h"

namespace game {

// Opens the confirm dialog of that name (of `fallback` when the scene list
// has no window of that name) and answers it; null, with a line on stderr,
// when there is no such confirm dialog or no window manager.
ORB_GF::G_WINDOW_CONFIRM* OpenConfirm(const char* name, const char* fallback = nullptr);

}  // namespace game
