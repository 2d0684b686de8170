#pragma once
// The text of a string key in the game's language, for what the screens
// fill in themselves (a trophy's title, a shop offer's description, a
// panel's idle text). Window labels written in a description are translated
// once by the window factory (gui_localization.h); these are looked up when
// they are shown.
#include <string>
#include <string_view>

namespace game {

// The localization table's text for the key, as wide text. An empty key
// gives an empty text (it is no key); without a table the key itself comes
// back (as the labels of a window made without one keep their keys).
std::wstring LocalizedText(std::string_view key);

}  // namespace game
