#pragma once
// gPlayerNameEntry: asks for a new player's name in "Players_EditBox" (a
// G_WINDOW_EDITBOX) on behalf of the title screens, which need a player
// before play, the options or the players screen can open.
//
// The entry refuses a name a player of the players list already has (the
// dialog shows its message and keeps accept disabled) and takes at most
// kMaxLength characters. On accept the hub makes the player
// (gGame::CreatePlayer); when that succeeds the player becomes current
// (SetCurrentPlayer), everything is saved (SaveAll) and the follow-up runs.
// Cancel does nothing, and nothing is made.
//
//   entry_.Open([] { gGame::Instance()->OpenOptions(); });
#include <cstdint>
#include <functional>
#include <string>

namespace game {

class gPlayerNameEntry {
 public:
  static constexpr const char* kWindow = "Players_EditBox";
  static constexpr int32_t kMaxLength = 15;
  using FollowUp = std::function<void()>;

  gPlayerNameEntry() = default;
  gPlayerNameEntry(const gPlayerNameEntry&) = delete;
  gPlayerNameEntry& operator=(const gPlayerNameEntry&) = delete;

  // Opens the entry; false (with a line on stderr) without the window or
  // without a hub, and nothing happens.
  bool Open(FollowUp follow_up);

  // Whether a player of the players list has that name (what the entry
  // refuses).
  static bool IsNameTaken(const std::wstring& name);

 private:
  static bool Validate(void* self, const std::wstring& name);
  static void Answered(void* self, bool accepted, const std::wstring& name);

  FollowUp follow_up_;
};

}  // namespace game
