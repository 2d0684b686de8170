#pragma once
// The hook table: one callback slot per engine event. The engine fires a slot;
// the game fills the slots with its handlers. The table owns what it holds, so
// replacing or clearing a slot frees the callback that was there.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/callback.h"

namespace ORB {

enum class Hook : int32_t {
  ReleaseResource,  // argument: resource id
  Error,            // the message is in the process-wide error text
  Close,            // close request from the window
  Exit,             // after the frame loop
  Start,            // before the frame loop
  Entry,            // fired by main
  MouseMove,
  KeyUp,    // argument: key code
  KeyDown,  // argument: key code; 0 for a character typed by no key of ours
  Activate,
  Deactivate,
  Frame,
  Init,  // its result is the service's Init result
  Render,
  Update,
  // The display is gone for good: the game's last save. The process ends as
  // soon as this returns, with nothing taken down (display_loss.h); the
  // audio thread is held out of the sounds meanwhile.
  DisplayLost,
  Count
};

// Installs the callback (null empties the slot) and frees the previous one.
void SetHook(Hook hook, std::unique_ptr<Callback> callback);
// Same, building the callback from a function.
void SetHook(Hook hook, CallbackFunction function, intptr_t argument = 0);
void ClearHook(Hook hook);
void ClearAllHooks();
const Callback* GetHook(Hook hook);

// kResultNothingToCall for an empty slot, otherwise InvokeCallback's result.
int32_t FireHook(Hook hook, intptr_t argument = 0);

// The process-wide error text: what went wrong last on a fatal path.
const std::string& GetErrorText();
void SetErrorText(const std::string& text);
// Sets the error text, logs it (subsystem "engine") and fires the error hook.
int32_t RaiseError(const std::string& text);

}  // namespace ORB
