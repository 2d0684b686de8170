#pragma once
// The shipped "game.xml" at the top of the resources: who made the game,
// the product it saves under, the edition and language it runs and whether
// it starts fullscreen. CreateGame reads it first; a file without one of
// "company", "product", "edition" and "lang" stops the start-up.
//
//   <game>
//     <company value="Vorlane"/>
//     <product value="HarvelstonePyndlex"/>      the product identifier
//     <edition value="desktop"/>                 an edition's "type" in editions.xml
//     <lang value="en"/>                         the texts come from "data/en"
//     <fullscreen value="false"/>                optional (false)
//     <chartboost app_id="..." app_signature="..."/>   optional, mobile ads only
//   </game>
//
// Each value is the attribute "value". An element "resolution" may stand in
// the file; the game's screen is always 1024 x 768 and it is not read.
#include <string>

#include <pugixml.hpp>

namespace game {

// Reads the document (named `name` in messages) into the game settings.
// False, with one error line naming the file and what is wrong, when a
// required element is missing, the product is not this game's, or the
// company, product or language cannot name a folder; the settings are then
// unchanged.
bool LoadShippedSettings(const pugi::xml_document& document, const std::string& name);
// The same with the engine repository's document of that name; false when
// it is missing or not well-formed.
bool LoadShippedSettings(const std::string& name);

}  // namespace game
