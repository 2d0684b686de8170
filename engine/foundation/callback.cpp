#include "engine/foundation/callback.h"

namespace ORB {

std::unique_ptr<Callback> CreateCallback(CallbackFunction function, const char* name,
                                         intptr_t argument) {
  auto callback = std::make_unique<Callback>();
  callback->function = std::move(function);
  callback->argument = argument;
  if (name != nullptr) callback->name = name;
  return callback;
}

int32_t InvokeCallback(const Callback* callback, intptr_t argument) {
  if (callback == nullptr) return kResultNothingToCall;
  if (!callback->function) return kResultNone;
  return callback->function(argument != 0 ? argument : callback->argument);
}

}  // namespace ORB
