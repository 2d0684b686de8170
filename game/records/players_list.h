#pragma once
// Every player profile, in the order they were added, and the current one;
// kept in the binary file "players.save" in the save folder.
//
// Saving never puts the previous file at risk: the records go to a temporary
// file in the same folder, every write is checked, the file is flushed to the
// disk and only then renamed over "players.save" (ORB::ReplaceFile, which
// also says what happens when the name is a link or no file). Reading checks
// every count and length against the bytes left and takes a file only when a
// layout reads it from its first byte to its last; a file that no layout
// reads is moved aside (kept under another name) and the list stays as it
// was.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/foundation/save_file.h"
#include "game/records/game_player.h"
#include "game/records/players_file_layout.h"

namespace game {

struct PlayersFileOptions {
  // The version the user's settings file reports; none when that file is
  // missing. It says whether the score maximum is stored.
  std::optional<int32_t> saved_version;
  // The edition sells packs (each pack keeps its lock and store key).
  bool in_app = false;
};

enum class PlayersFileStatus {
  Missing,     // no file: the list is unchanged
  Loaded,      // read in full
  Corrupt,     // no layout reads it; moved aside, the list is unchanged
  Unreadable,  // it exists but cannot be opened; moved aside as well
  NotRegular,  // a folder, FIFO, device or a link to nothing bears the name:
               // refused unopened with one line and left where it is (the
               // next save moves it aside); the list is unchanged
};

// The contents of a players file, read apart from any list.
struct PlayersFileContent {
  bool has_current = false;
  std::wstring current_name;
  std::vector<std::unique_ptr<GG_PLAYER>> players;
};

class PlayersList {
 public:
  static constexpr const char* kFileName = "players.save";
  static constexpr const char* kTemporaryName = "players.save.tmp";
  static constexpr const char* kSetAsidePrefix = "players.save.corrupt-";
  // No players file is anywhere near this; a bigger one is not ours.
  static constexpr uint64_t kMaxFileBytes = 64ull * 1024 * 1024;

  PlayersList() = default;
  PlayersList(const PlayersList&) = delete;
  PlayersList& operator=(const PlayersList&) = delete;

  // Takes the player; null (and the player deleted) when one of the same name
  // is already listed. The first player added becomes current.
  GG_PLAYER* Add(std::unique_ptr<GG_PLAYER> player);
  // Deletes the player of that name; false when there is none.
  bool Remove(std::wstring_view name);
  GG_PLAYER* GetCurrent() const { return current_; }
  // Makes the listed player of the given player's name current and catches
  // its hearts up with the clock; null clears the current player. Answers the
  // current player.
  GG_PLAYER* Select(const GG_PLAYER* player);
  bool SelectByName(std::wstring_view name);
  // Exact, case-sensitive comparison of the names.
  GG_PLAYER* FindByName(std::wstring_view name) const;
  size_t Count() const { return players_.size(); }
  std::vector<std::wstring> GetNames() const;
  const std::vector<std::unique_ptr<GG_PLAYER>>& GetPlayers() const { return players_; }
  void Clear();

  // Reads "players.save" from the folder into the list.
  [[nodiscard]] PlayersFileStatus Load(const std::string& folder,
                                       const PlayersFileOptions& options);
  // Writes the list to "players.save" in the folder (created when missing).
  // False, with the previous file untouched, when anything fails.
  [[nodiscard]] bool Save(const std::string& folder, bool in_app) const;

  // The stream halves of the two. ReadContent answers true only when the
  // whole rest of the stream was read in the given layout.
  static bool ReadContent(ORB::SaveFile& stream, const PlayersFileLayout& layout,
                          bool in_app_edition, PlayersFileContent& content);
  bool WriteContent(ORB::SaveFile& stream, const PlayersFileLayout& layout) const;
  // The layouts to try on a file, most likely first.
  static std::vector<PlayersFileLayout> CandidateLayouts(const PlayersFileOptions& options);

 private:
  std::vector<std::unique_ptr<GG_PLAYER>> players_;
  GG_PLAYER* current_ = nullptr;
};

}  // namespace game
