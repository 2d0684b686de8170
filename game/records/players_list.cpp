#include "game/records/players_list.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "engine/foundation/move_aside.h"
#include "engine/foundation/replace_file.h"
#include "engine/foundation/utf8.h"

namespace game {

namespace {

namespace fs = std::filesystem;

// A player record takes at least: empty name, two volumes, two flags, the
// item count, the hearts without a queue, the statistics of the oldest
// layout and the pack count.
constexpr uint64_t kMinPlayerBytes = 4 + 4 + 4 + 1 + 1 + 4 + (1 + 4 + 8 + 4 + 4) + (9 * 4 + 4) + 4;
constexpr uint32_t kMaxNameBytes = ORB_GF::gPlayer::kMaxTextBytes;

std::string PathIn(const std::string& folder, const char* name) {
  return (fs::path(folder) / name).string();
}

// Keeps a file that could not be read under a name of its own, beside it.
bool SetAside(const std::string& folder, const std::string& path) {
  return !ORB::MoveAside(path, PathIn(folder, PlayersList::kSetAsidePrefix)).empty();
}

}  // namespace

GG_PLAYER* PlayersList::Add(std::unique_ptr<GG_PLAYER> player) {
  if (player == nullptr || FindByName(player->GetName()) != nullptr) return nullptr;
  players_.push_back(std::move(player));
  GG_PLAYER* added = players_.back().get();
  if (players_.size() == 1) current_ = added;
  return added;
}

bool PlayersList::Remove(std::wstring_view name) {
  const auto found = std::find_if(players_.begin(), players_.end(),
                                  [&](const auto& player) { return player->GetName() == name; });
  if (found == players_.end()) return false;
  if (current_ == found->get()) current_ = nullptr;
  players_.erase(found);
  return true;
}

GG_PLAYER* PlayersList::Select(const GG_PLAYER* player) {
  if (player == nullptr) {
    current_ = nullptr;
    return nullptr;
  }
  GG_PLAYER* listed = FindByName(player->GetName());
  if (listed == nullptr) return nullptr;
  current_ = listed;
  current_->GetHealth().Refresh();
  return current_;
}

bool PlayersList::SelectByName(std::wstring_view name) {
  GG_PLAYER* listed = FindByName(name);
  if (listed == nullptr) return false;
  return Select(listed) != nullptr;
}

GG_PLAYER* PlayersList::FindByName(std::wstring_view name) const {
  for (const auto& player : players_) {
    if (player->GetName() == name) return player.get();
  }
  return nullptr;
}

std::vector<std::wstring> PlayersList::GetNames() const {
  std::vector<std::wstring> names;
  names.reserve(players_.size());
  for (const auto& player : players_) names.push_back(player->GetName());
  return names;
}

void PlayersList::Clear() {
  current_ = nullptr;
  players_.clear();
}

std::vector<PlayersFileLayout> PlayersList::CandidateLayouts(const PlayersFileOptions& options) {
  // Without a settings file the version is unknown; this program has always
  // written the maximum, so that layout comes first.
  const bool max_first = options.saved_version != kPlayersFileVersionOld;
  const bool in_app = options.in_app;
  return {
      {.has_max_score = max_first, .in_app = in_app},
      {.has_max_score = !max_first, .in_app = in_app},
      {.has_max_score = max_first, .in_app = !in_app},
      {.has_max_score = !max_first, .in_app = !in_app},
  };
}

bool PlayersList::ReadContent(ORB::SaveFile& stream, const PlayersFileLayout& layout,
                              bool in_app_edition, PlayersFileContent& content) {
  content = PlayersFileContent{};
  bool has_current = false;
  if (!stream.Read(has_current)) return false;
  std::string current_name;
  if (has_current && !stream.ReadString(current_name, kMaxNameBytes)) return false;
  uint32_t count = 0;
  if (!stream.Read(count)) return false;
  if (count > stream.BytesLeft() / kMinPlayerBytes) return false;
  for (uint32_t i = 0; i < count; ++i) {
    auto player = std::make_unique<GG_PLAYER>();
    player->SetInAppEdition(in_app_edition);
    if (!player->ReadFromStream(stream, layout)) return false;
    content.players.push_back(std::move(player));
  }
  if (!stream.Good() || stream.BytesLeft() != 0) return false;
  content.has_current = has_current;
  content.current_name = ORB::Utf8ToWide(current_name);
  return true;
}

bool PlayersList::WriteContent(ORB::SaveFile& stream, const PlayersFileLayout& layout) const {
  stream.Write(current_ != nullptr);
  if (current_ != nullptr) stream.WriteString(current_->GetNameUtf8(), kMaxNameBytes);
  stream.Write(static_cast<uint32_t>(players_.size()));
  for (const auto& player : players_) player->WriteToStream(stream, layout);
  return stream.Good();
}

PlayersFileStatus PlayersList::Load(const std::string& folder, const PlayersFileOptions& options) {
  const std::string path = PathIn(folder, kFileName);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (!fs::exists(status)) return PlayersFileStatus::Missing;

  ORB::SaveFile stream;
  if (!stream.OpenForReading(path)) {
    // Only a regular file is ours to judge: a folder, a FIFO or a link to
    // nothing someone put here stays until a save needs the name, which then
    // moves it aside whole (ReplaceFile).
    if (stream.NotRegular()) return PlayersFileStatus::NotRegular;
    SetAside(folder, path);
    return PlayersFileStatus::Unreadable;
  }
  PlayersFileContent content;
  bool read = false;
  if (stream.Size() <= kMaxFileBytes) {
    for (const PlayersFileLayout& layout : CandidateLayouts(options)) {
      if (!stream.Rewind()) break;
      if (ReadContent(stream, layout, options.in_app, content)) {
        read = true;
        break;
      }
    }
  }
  stream.Close();
  if (!read) {
    SetAside(folder, path);
    return PlayersFileStatus::Corrupt;
  }

  for (auto& player : content.players) {
    GG_PLAYER* added = Add(std::move(player));  // a repeated name is dropped
    // Hearts that came back while the game was closed.
    if (added != nullptr) added->GetHealth().Refresh();
  }
  if (!content.current_name.empty()) SelectByName(content.current_name);
  return PlayersFileStatus::Loaded;
}

bool PlayersList::Save(const std::string& folder, bool in_app) const {
  if (folder.empty()) return false;
  return ORB::ReplaceFile(
      PathIn(folder, kFileName), PathIn(folder, kTemporaryName), [&](ORB::SaveFile& stream) {
        return WriteContent(stream, PlayersFileLayout{.has_max_score = true, .in_app = in_app});
      });
}

}  // namespace game
