#pragma once
// gPlayerNameEntry: asks for a new player's name in "Players_EditBox" (a
// G_WINDOW_EDITBOX) on behalf of the title screens, which need a player
// before play, the options or the players screen can open.
//
// The entry refuses a name a player of the players list already has (the
// dialog shows its message and keeps accept disabled) and takes at most
// kMaxLength characters. On accept the host of the screen that owns the
// entry makes the player (cScreenHost::CreatePlayer); when that succeeds the
// player becomes current (SetCurrentPlayer), everything is saved (SaveAll)
// and the follow-up runs. Cancel does nothing, and nothing is made.
//
//   gPlayerNameEntry entry_{*this};    // a member of the screen
//   entry_.Open([this] { GetScreenHost()->OpenOptions(); });
#include <cstdint>
#include <functional>
#include <string>

#include "game/shell/screens/screen_host.h"

namespace game {

class gPlayerNameEntry {
 public:
  static constexpr const char* kWindow = "Players_EditBox";
  static constexpr int32_t kMaxLength = 15;
  using FollowUp = std::function<void()>;

  // The entry asks the screen's host.
  explicit gPlayerNameEntry(const gHostedScreen& screen) : screen_(screen) {}
  gPlayerNameEntry(const gPlayerNameEntry&) = delete;
  gPlayerNameEntry& operator=(const gPlayerNameEntry&) = delete;

  // Opens the entry; false (with a line on stderr) without the window or
  // without a host, and nothing happens.
  bool Open(FollowUp follow_up);

  // Whether a player of the players list has that name (what the entry
  // refuses).
  static bool IsNameTaken(const std::wstring& name);

 private:
  static bool Validate(void* self, const std::wstring& name);
  static void Answered(void* self, bool accepted, const std::wstring& name);

  const gHostedScreen& screen_;
  FollowUp follow_up_;
};

}  // namespace game
