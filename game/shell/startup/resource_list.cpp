#include "game/shell/startup/resource_list.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/log.h"
#include "game/shell/startup/folder_name.h"
#include "game/shell/startup/game_document.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/relative_path.h"

namespace game {

namespace {

struct Registered {
  std::vector<std::string> folders;
  std::string language_folder;  // empty while none is registered
};

Registered& Lists() {
  static Registered registered;
  return registered;
}

// Empty (the top level), absolute or climbing out.
bool LeavesTheResources(const std::string& value) {
  return value.empty() || IsAbsoluteOrClimbing(value);
}

}  // namespace

const std::vector<std::string>& GetResourceListFolders() { return Lists().folders; }

void RemoveResourceList() {
  Registered& lists = Lists();
  if (ORB::OC_REPOSITORY* repository = ORB::Engine().repository) {
    for (const std::string& folder : lists.folders) repository->RemoveFolder(folder);
    if (!lists.language_folder.empty()) repository->RemoveFolder(lists.language_folder);
  }
  lists.folders.clear();
  lists.language_folder.clear();
}

bool LoadResourceList(const std::string& name) {
  RemoveResourceList();
  const bool read = ReadGameDocument(name, [&name](const pugi::xml_document& document) {
    ORB::OC_REPOSITORY& repository = *ORB::Engine().repository;
    for (const pugi::xml_node entry : document.document_element().children()) {
      const pugi::xml_attribute value = entry.attribute("value");
      if (entry.type() != pugi::node_element || !value) continue;
      const std::string folder = value.as_string();
      if (LeavesTheResources(folder)) {
        ORB::Log(ORB::LogLevel::kWarning, "game",
                 name + ": skipped the folder \"" + folder +
                     "\" (empty, absolute or outside the resources)");
        continue;
      }
      // A folder already registered (by the driver, or listed twice) stays
      // the one who registered it.
      if (repository.AddFolder(folder, kProductIdentifier) == ORB::kResultOk) {
        Lists().folders.push_back(folder);
      }
    }
    return true;
  });
  if (!read) return false;

  // A folder or an archive.
  const std::string language = "data/" + GetGameSettings().data_language;
  const ORB::FileSystem* files = ORB::Engine().file_system;
  if (files == nullptr || !IsSafeFolderName(GetGameSettings().data_language) ||
      ORB::FileSystem::FileExists(files->GetResourcesFolder() + language) == 0) {
    ORB::Log(ORB::LogLevel::kError, "game",
             name + ": the language folder \"" + language + "\" is missing");
    return false;
  }
  if (ORB::Engine().repository->AddFolder(language, kProductIdentifier) == ORB::kResultOk) {
    Lists().language_folder = language;
  }
  return true;
}

}  // namespace game
