#pragma once
// Names from the settings files that become one folder of a path (the
// company and product of the save folder, the language of the texts'
// folder): a name that is empty or holds "/", "\" or ".." could make the
// path land somewhere else, so the start-up refuses it.
#include <string_view>

namespace game {

inline bool IsSafeFolderName(std::string_view name) {
  return !name.empty() && name.find('/') == std::string_view::npos &&
         name.find('\\') == std::string_view::npos && name.find("..") == std::string_view::npos;
}

}  // namespace game
