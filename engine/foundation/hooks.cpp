#include "engine/foundation/hooks.h"

#include <array>

#include "engine/platform/log.h"

namespace ORB {

namespace {

// Shared, so a fired callback stays alive until its call returns even when it
// replaces or clears its own slot (an exit handler freeing the hooks it
// installed, itself among them).
using HookSlot = std::shared_ptr<Callback>;

std::array<HookSlot, static_cast<size_t>(Hook::Count)>& Table() {
  static std::array<HookSlot, static_cast<size_t>(Hook::Count)> table;
  return table;
}

std::string& ErrorText() {
  static std::string text = "Created with Vorlane2 30.07.12";
  return text;
}

// The slot of a hook; null for a value outside the table.
HookSlot* Slot(Hook hook) {
  const auto index = static_cast<int32_t>(hook);
  if (index < 0 || index >= static_cast<int32_t>(Hook::Count)) return nullptr;
  return &Table()[static_cast<size_t>(index)];
}

}  // namespace

void SetHook(Hook hook, std::unique_ptr<Callback> callback) {
  HookSlot* slot = Slot(hook);
  if (slot == nullptr) return;
  // Move the old callback out first: freeing it may run code that looks at
  // the table again.
  HookSlot old = std::move(*slot);
  *slot = std::move(callback);
}

void SetHook(Hook hook, CallbackFunction function, intptr_t argument) {
  SetHook(hook, CreateCallback(std::move(function), nullptr, argument));
}

void ClearHook(Hook hook) { SetHook(hook, std::unique_ptr<Callback>()); }

void ClearAllHooks() {
  for (int32_t i = 0; i < static_cast<int32_t>(Hook::Count); ++i) ClearHook(static_cast<Hook>(i));
}

const Callback* GetHook(Hook hook) {
  HookSlot* slot = Slot(hook);
  return slot != nullptr ? slot->get() : nullptr;
}

int32_t FireHook(Hook hook, intptr_t argument) {
  HookSlot* slot = Slot(hook);
  if (slot == nullptr) return kResultNothingToCall;
  const HookSlot held = *slot;
  return InvokeCallback(held.get(), argument);
}

const std::string& GetErrorText() { return ErrorText(); }

void SetErrorText(const std::string& text) { ErrorText() = text; }

int32_t RaiseError(const std::string& text) {
  SetErrorText(text);
  Log(LogLevel::kError, "engine", text);
  return FireHook(Hook::Error);
}

}  // namespace ORB
