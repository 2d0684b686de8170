#include "framework/stock_windows.h"

#include <string_view>

#include "framework/window_confirm.h"
#include "framework/window_editbox.h"
#include "framework/window_simple.h"

namespace ORB_GF {

G_WINDOW* CreateStockWindow(const pugi::xml_node& element) {
  const std::string_view type = element.attribute("_type").as_string();
  if (type == "G_WINDOW_CONFIRM") return new G_WINDOW_CONFIRM(element);
  if (type == "G_WINDOW_EDITBOX") return new G_WINDOW_EDITBOX(element);
  if (type == "G_WINDOW_SIMPLE") return new G_WINDOW_SIMPLE(element);
  return nullptr;
}

}  // namespace ORB_GF
