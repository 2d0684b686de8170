#pragma once
// How a game hands its entry function to the engine: one static object of
// this type, built before main runs.
#include <cstdint>

#include "engine/foundation/result_codes.h"

namespace ORB {

using EntryFunction = int32_t (*)(intptr_t argument);

struct RegisterApplication {
  // Installs the entry hook and a close hook that ends the process with
  // kExitFailed until the game installs its own.
  RegisterApplication(EntryFunction entry, const char* text_a, const char* text_b);
};

// What the close hook does before the game replaces it.
int32_t DefaultCloseHandler(intptr_t argument);

// The process status for an engine exit code: Linux keeps only 8 bits, so a
// normal run is 0 and everything else is 1.
int ToProcessExitStatus(int32_t engine_code);

// Runs the registered entry hook and answers its result
// (kResultNothingToCall when no game registered one).
int32_t RunEntryHook();

}  // namespace ORB
