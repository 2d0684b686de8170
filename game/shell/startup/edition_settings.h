#pragma once
// The edition record: which files and switches this edition of the game uses,
// read at start-up from "data/share/main/other editions.xml", the element
// whose "type" is the edition the shipped "game.xml" names:
//
//   <editions>
//     <edition type="desktop">
//       <platform type="win"/>              win, osx, ios or and
//       <scenes file="..."/>                the window list
//       <store file="..."/>                 the shop catalogue
//       <tutorial file="..."/>
//       <trophies file="..."/>
//       <inapp file=""/>                    store products; empty: none, the shop sells for coins
//       <ad file=""/>                       ad placements (mobile free editions)
//       <player file="..."/>                the template player
//       <leaderboard file=""/>              optional (empty: none)
//       <url_file param=""/>                installation files checked at start-up,
//       <exe_file param=""/>                opened at exit (empty: none)
//       <heart param="true"/>               ...and the switches below
//       <pack_logic_stars param="true"/>
//       <store_button param="true"/>
//       <free param="false"/>
//       <default_player param="false"/>
//       <run_if_url_lost param="true"/>
//       <run_if_exe_lost param="true"/>
//     </edition>
//   </editions>
//
// Every child but "leaderboard" is required. The hub's start-up, the
// installation check and the rules read the record through
// GetEditionSettings.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

namespace game {

struct EditionSettings {
  // "platform" "type" by its first letter: 'o' 1, 'i' 2, 'a' 3, else 0.
  int32_t platform = 0;
  std::string scenes;
  std::string store;
  std::string tutorial;
  std::string trophies;
  std::string inapp;
  std::string ad;
  std::string player;
  std::string leaderboard;
  std::string url_file;
  std::string exe_file;
  // Hearts are spent (and the top panels show them).
  bool heart = false;
  // Winning enough stars unlocks the next pack.
  bool pack_logic_stars = false;
  bool store_button = false;
  // Free to play: ads on mobile platforms, locked packs bought through the store.
  bool free = false;
  // Start-up makes a player named "player" when there is none.
  bool default_player = false;
  bool run_if_url_lost = false;
  bool run_if_exe_lost = false;
};

// The edition file as the repository names it.
inline constexpr const char* kEditionsFile = "data/share/main/other editions.xml";

// The required children of an edition element, in the order they are tested.
inline constexpr const char* kRequiredEditionChildren[] = {
    "scenes",         "store",    "tutorial",         "trophies",     "inapp",          "ad",
    "platform",       "heart",    "pack_logic_stars", "store_button", "player",         "free",
    "default_player", "url_file", "run_if_url_lost",  "exe_file",     "run_if_exe_lost"};

// The one record of the running edition.
const EditionSettings& GetEditionSettings();
// Whether the edition sells through a store: its in-app file is named.
bool HasInAppConfig();

// Reads an "edition" element into the record. False, storing nothing, when
// the element is not an "edition" or lacks a required child; `missing`
// (when given) then receives the first missing child's name, or "edition".
bool LoadEditionSettings(const pugi::xml_node& element, std::string* missing = nullptr);

// Finds the edition the game settings name among the children of the
// editions document's root and reads it. False, with one error line naming
// the file and the edition, when the file is missing or unreadable, no
// edition matches or the matching one lacks a required child.
bool LoadEditions();
bool LoadEditions(const pugi::xml_document& document, const std::string& edition);

}  // namespace game
