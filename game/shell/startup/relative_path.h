#pragma once
// Names of files the game's data gives (folders of the resource list, splash
// pictures, the installation's files) are taken below a folder of the game.
// A name that is absolute (a leading slash or backslash, or a drive letter)
// or holds ".." could reach anywhere else; such a name is refused.
#include <string_view>

namespace game {

inline bool IsAbsoluteOrClimbing(std::string_view name) {
  return (!name.empty() && (name[0] == '/' || name[0] == '\\')) ||
         (name.size() > 1 && name[1] == ':') || name.find("..") != std::string_view::npos;
}

}  // namespace game
