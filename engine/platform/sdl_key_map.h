#pragma once
// Translation of SDL's key symbols into virtual-key codes.
#include <cstdint>

namespace ORB::platform {

// The virtual-key code for an SDL key symbol, or 0 for keys the game has no
// code for. Every non-zero answer is below kKeyCount.
int32_t VirtualKeyFromSdl(int32_t sdl_keycode);

}  // namespace ORB::platform
