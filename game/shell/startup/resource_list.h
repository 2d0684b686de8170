#pragma once
// The resource list: the folders and archives below the resources folder the
// game reads from, beside the search paths the driver adds itself, and the
// folder of the texts in the game's language ("data/<language>"). The driver
// loads "data/share/main/other resource_list.xml" right after CreateGame;
// ShutdownGame takes the folders away again.
//
//   <resource_list>
//     <folder value="data/share/font"/>
//     <folder value="data/share/main/levels"/>   an archive is listed the same way
//   </resource_list>
//
// Each child's attribute "value" is a folder relative to the resources
// folder, registered with the archive password. A value that is empty,
// absolute or holds ".." is skipped (and logged): the list never reaches
// outside the resources, and an empty one would register (and at shutdown
// remove) the top level.
#include <string>
#include <vector>

namespace game {

inline constexpr const char* kResourceListFile = "data/share/main/other resource_list.xml";

// Registers the folders of the engine repository's document of that name,
// then the language folder. Folders an earlier call registered are removed
// first. False, with one error line, when the document is missing or not
// well-formed, or the language folder does not exist.
bool LoadResourceList(const std::string& name);

// Removes every folder the list registered and the language folder from the
// engine's repository and forgets them.
void RemoveResourceList();

// The folders the list registered (not counting the language folder), in
// order.
const std::vector<std::string>& GetResourceListFolders();

}  // namespace game
