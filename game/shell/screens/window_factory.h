#pragma once
// CreateHostedGameWindow: the game's window factory. The window manager
// reads the edition's scene list and hands the factory each window
// document's root element; the factory makes the window class its "_type"
// names, handing a screen that asks the hub (gHostedScreen, screen_host.h)
// its host, puts the labels' texts in the game's language
// (gui_localization.h) and gives the window the game's click sound
// (window_sound.h). The game's manager calls it with the hub that stands as
// each window is made (game_parts.cpp); CreateGameWindow makes the same
// windows without a host.
//
// A screen joins the factory with one row of GameWindowTypes() (in
// window_factory.cpp): its "_type" and its class, whose constructor takes
// the element, and the host after it when the screen asks one. The rows are
// compared in order; a "_type" no row names makes nothing, and the manager
// then registers nothing for that document.
#include <span>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

struct GameWindowType {
  const char* type;
  // A new window of the class, from the element (owned by the caller); a
  // screen that asks a host is handed `host`.
  ORB_GF::G_WINDOW* (*make)(const pugi::xml_node& element, cScreenHost* host);
};

// The "_type"s the factory makes, in the order they are compared.
std::span<const GameWindowType> GameWindowTypes();

// A new window (owned by the caller, the window manager), or null when the
// element lacks "_type" or "_name" or its "_type" is none of the rows. Its
// screen asks `host` (null: none).
ORB_GF::G_WINDOW* CreateHostedGameWindow(const pugi::xml_node& element, cScreenHost* host);
// The same without a host.
ORB_GF::G_WINDOW* CreateGameWindow(const pugi::xml_node& element);

}  // namespace game
