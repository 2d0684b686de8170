#pragma once
// The click sound of the game's windows: every window the factory makes
// plays its widgets' mapped sounds through this (G_WINDOW::click_sound).
#include <cstdint>
#include <string>

namespace game {

// Plays the sound of that name in the sound bank's group "sounds" and answers
// the bank's answer (kResultNotFound without a bank). An empty name plays
// nothing and answers 0.
int32_t PlayWindowSound(const std::string& name);

}  // namespace game
