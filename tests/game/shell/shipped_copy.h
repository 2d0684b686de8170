#pragma once
// The checkout's Resources/ copied for a run of the game on what is shipped
// (tests and benchmarks), with the start-up files that later parts of the
// game bring put in while the checkout lacks them (today the purchase
// overlay: data.xml's "purchase" and its pictures), from the hub's own test
// folder (tests/data/game_hub).
#include <filesystem>
#include <string>
#include <system_error>

#include <pugixml.hpp>

#include "tests/support/source_path.h"

namespace game {

// Copies the checkout's Resources/ to `resources` (which must not exist) and
// puts in what it lacks; false when anything fails.
inline bool CopyShippedResources(const std::string& resources) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::copy(test_support::SourcePath("Resources"), resources, fs::copy_options::recursive, error);
  if (error) return false;
  const std::string hub = test_support::TestData("game_hub/");
  for (const char* file : {"data/share/main/other/tutorial.xml",
                           "data/share/main/other/gCursor.xml", "data/share/image/gui/cursor.png",
                           "data/share/image/gui/spinner.png", "data/share/image/gui/veil.png"}) {
    if (fs::exists(resources + "/" + file)) continue;
    if (!fs::copy_file(hub + file, resources + "/" + file, error)) return false;
  }
  pugi::xml_document data;
  const std::string data_path = resources + "/data/data.xml";
  if (!data.load_file(data_path.c_str())) return false;
  if (data.document_element().child("purchase")) return true;
  pugi::xml_document overlay;
  if (!overlay.load_file((hub + "data/data.xml").c_str())) return false;
  data.document_element().append_copy(overlay.document_element().child("purchase"));
  return data.save_file(data_path.c_str());
}

}  // namespace game
