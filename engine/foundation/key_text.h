#pragma once
// Text typed by a key: the virtual-key code read on a US keyboard layout,
// shifted while Shift is held. The key-state table is the input state's.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/result_codes.h"

namespace ORB {

// Writes the characters of the key (zero-terminated) into buffer and answers
// kResultOk, or answers kResultFailed (kResultBadArgument for no buffer, no
// key states or an invalid code) and writes an empty text when the key types
// nothing.
// Shift counts as held when state 16 is down or held, or when the lowest bit
// of state 20 is set (the input state marks Shift there).
int32_t KeyToText(int32_t key_code, const uint8_t* key_states, wchar_t* buffer, size_t capacity);

}  // namespace ORB
