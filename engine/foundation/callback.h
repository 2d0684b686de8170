#pragma once
// A callback object: a function, the argument it gets when the caller passes
// none, and a free-text name. Engine hooks, widget scripts, bot completion
// notices and window answers are all callbacks.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/foundation/result_codes.h"

namespace ORB {

using CallbackFunction = std::function<int32_t(intptr_t argument)>;

struct Callback {
  intptr_t argument = 0;
  std::string name;
  CallbackFunction function;
};

// A heap callback; a null name leaves the name empty.
std::unique_ptr<Callback> CreateCallback(CallbackFunction function, const char* name = nullptr,
                                         intptr_t argument = 0);

// kResultNothingToCall for a null callback, kResultNone for one without a
// function; otherwise the function's result. An argument of 0 means "none":
// the stored one is passed.
int32_t InvokeCallback(const Callback* callback, intptr_t argument = 0);

}  // namespace ORB
