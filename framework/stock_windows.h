#pragma once
// The framework's own window classes by the "_type" of their description:
// "G_WINDOW_CONFIRM", "G_WINDOW_EDITBOX" and "G_WINDOW_SIMPLE". The game's
// window factory asks here for the types it does not make itself; tests use
// it as their factory.
#include <pugixml.hpp>

#include "framework/window.h"

namespace ORB_GF {

// A new window of the element's "_type" (owned by the caller), or null for
// any other type.
G_WINDOW* CreateStockWindow(const pugi::xml_node& element);

}  // namespace ORB_GF
