#pragma once
// The texts of the windows' labels in the game's language. A window
// description writes a string key as each wide label's text; the window
// factory runs LocalizeGuiTree over every new window's widgets, which puts
// the localization table's text for the key in its place.
#include <string>

#include "engine/gui/gui_object.h"

namespace game {

// The localization table's text for the key, as wide text (the table's text
// for a missing key when it lacks it); the key itself without a table.
std::wstring LocalizedText(const std::string& key);

// Every wide label (kGuiKindWideLabel) of the tree, the widget itself first
// and then its children depth first in their order, whatever the kinds
// around them (labels inside panels and buttons too): its text, as UTF-8, is
// looked up in the game's localization table and the answer replaces it (a
// key the table lacks gives the table's text for a missing key). An empty
// text stays empty. Nothing for null, or without a table.
void LocalizeGuiTree(ORB::OC_GUI_OBJECT* widget);

}  // namespace game
