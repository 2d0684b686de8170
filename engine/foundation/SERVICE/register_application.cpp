#include "engine/foundation/SERVICE/register_application.h"

#include <cstdlib>

#include "engine/foundation/hooks.h"

namespace ORB {

namespace {
// Kept as the registration received them; nothing reads them.
const char* g_registration_text_a = nullptr;
const char* g_registration_text_b = nullptr;
}  // namespace

RegisterApplication::RegisterApplication(EntryFunction entry, const char* text_a,
                                         const char* text_b) {
  SetHook(Hook::Entry, [entry](intptr_t argument) { return entry(argument); });
  SetHook(Hook::Close, DefaultCloseHandler);
  g_registration_text_a = text_a;
  g_registration_text_b = text_b;
}

int32_t DefaultCloseHandler(intptr_t) {
  std::exit(ToProcessExitStatus(kExitFailed));
}

int ToProcessExitStatus(int32_t engine_code) { return engine_code == kExitNormal ? 0 : 1; }

int32_t RunEntryHook() { return FireHook(Hook::Entry); }

}  // namespace ORB
