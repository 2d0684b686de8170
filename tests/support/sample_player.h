#pragma once
// A small template player, as an edition's player file describes one.
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "game/records/game_player.h"

namespace test_support {

inline constexpr const char* kSamplePlayerXml =
    "<player name='Al' sound_volume='50' music_volume='50'>"
    "<playeritems><item name='health' count='5'/></playeritems>"
    "<packs>"
    "<pack id='1' lock='true' InAppKey='pack_1'>"
    "<level id='10' stars='3' lock='false' best_time='12.5' file='a.xml'/>"
    "<level id='11' file='b.xml'/>"
    "</pack>"
    "</packs>"
    "<statisctic health='1' score='20' max_score='30' hint_use='2' without_hint_max='3'"
    " without_hint='4' without_error_max='5' without_error='6' bad_level_max='7'"
    " bad_level='8' min_level_time='9.5'/>"
    "<health increment='false' count='5' countdown='0' time_refill_heart='600'/>"
    "</player>";

inline std::unique_ptr<game::GG_PLAYER> SamplePlayer(bool in_app,
                                                     const std::wstring& name = L"Al") {
  pugi::xml_document document;
  document.load_string(kSamplePlayerXml);
  auto player = std::make_unique<game::GG_PLAYER>();
  player->SetInAppEdition(in_app);
  player->Load(document.child("player"));
  player->SetName(name);
  return player;
}

}  // namespace test_support
