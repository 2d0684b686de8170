#include "game/shell/screens/window_factory.h"

#include <cstring>
#include <type_traits>

#include "framework/window_confirm.h"
#include "framework/window_editbox.h"
#include "framework/window_simple.h"
#include "game/shell/screens/confirm_ex_window.h"
#include "game/shell/screens/finish_window.h"
#include "game/shell/screens/game_menu_window.h"
#include "game/shell/screens/gui_localization.h"
#include "game/shell/screens/health_window.h"
#include "game/shell/screens/help_window.h"
#include "game/shell/screens/level_window.h"
#include "game/shell/screens/options_window.h"
#include "game/shell/screens/pack_menu_window.h"
#include "game/shell/screens/pack_window.h"
#include "game/shell/screens/players_window.h"
#include "game/shell/screens/shop_window.h"
#include "game/shell/screens/sunime_window.h"
#include "game/shell/screens/title_top_window.h"
#include "game/shell/screens/title_window.h"
#include "game/shell/screens/trophy_get_window.h"
#include "game/shell/screens/trophy_window.h"
#include "game/shell/screens/window_sound.h"

namespace game {

namespace {

template <typename Window>
ORB_GF::G_WINDOW* Make(const pugi::xml_node& element, cScreenHost* host) {
  if constexpr (std::is_base_of_v<gHostedScreen, Window>) {
    return new Window(element, host);
  } else {
    return new Window(element);
  }
}

// One row per window class of the game. Each "_type" names one class, so
// the order of the rows changes nothing; the screens' rows stand in blocks.
constexpr GameWindowType kWindowTypes[] = {
    {"G_WINDOW_CONFIRM", &Make<ORB_GF::G_WINDOW_CONFIRM>},
    {"G_WINDOW_EDITBOX", &Make<ORB_GF::G_WINDOW_EDITBOX>},
    {"G_WINDOW_SIMPLE", &Make<ORB_GF::G_WINDOW_SIMPLE>},
    // The title, pack and level screens, the finish window and the in-game
    // menu.
    {"GG_WINDOW_TITLE_TOP", &Make<GG_WINDOW_TITLE_TOP>},
    {"GG_WINDOW_TITLE", &Make<GG_WINDOW_TITLE>},
    {"GG_WINDOW_PACK", &Make<GG_WINDOW_PACK>},
    {"GG_WINDOW_PACK_MENU", &Make<GG_WINDOW_PACK_MENU>},
    {"GG_WINDOW_LEVEL", &Make<GG_WINDOW_LEVEL>},
    {"GG_WINDOW_GAME_MENU", &Make<GG_WINDOW_GAME_MENU>},
    {"GG_WINDOW_CONFIRM_EX", &Make<GG_WINDOW_CONFIRM_EX>},
    {"GG_WINDOW_FINISH", &Make<GG_WINDOW_FINISH>},
    {"GG_WINDOW_SUNIME", &Make<GG_WINDOW_SUNIME>},
    // The options, help and players screens; the shop, hearts and trophy
    // screens.
    {"GG_WINDOW_OPTIONS", &Make<GG_WINDOW_OPTIONS>},
    {"GG_WINDOW_PLAYERS", &Make<GG_WINDOW_PLAYERS>},
    {"GG_WINDOW_HELP", &Make<GG_WINDOW_HELP>},
    {"GG_WINDOW_TROPHY", &Make<GG_WINDOW_TROPHY>},
    {"GG_WINDOW_TROPHY_GET", &Make<GG_WINDOW_TROPHY_GET>},
    {"GG_WINDOW_SHOP", &Make<GG_WINDOW_SHOP>},
    {"GG_WINDOW_HEALTH", &Make<GG_WINDOW_HEALTH>},
};

}  // namespace

std::span<const GameWindowType> GameWindowTypes() { return kWindowTypes; }

ORB_GF::G_WINDOW* CreateHostedGameWindow(const pugi::xml_node& element, cScreenHost* host) {
  const pugi::xml_attribute type = element.attribute("_type");
  if (!type || !element.attribute("_name")) return nullptr;
  for (const GameWindowType& row : kWindowTypes) {
    if (std::strcmp(type.value(), row.type) != 0) continue;
    ORB_GF::G_WINDOW* window = row.make(element, host);
    LocalizeGuiTree(&window->GetGuiRoot().Widget());
    window->click_sound = &PlayWindowSound;
    return window;
  }
  return nullptr;
}

ORB_GF::G_WINDOW* CreateGameWindow(const pugi::xml_node& element) {
  return CreateHostedGameWindow(element, nullptr);
}

}  // namespace game
