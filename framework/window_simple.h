#pragma once
// G_WINDOW_SIMPLE: a window with no behaviour of its own (a panel of the
// pack screens, a backdrop, a fade): its widgets' events do nothing.
#include <cstdint>

#include <pugixml.hpp>

#include "framework/window.h"

namespace ORB_GF {

class G_WINDOW_SIMPLE : public G_WINDOW {
 public:
  explicit G_WINDOW_SIMPLE(const pugi::xml_node& node) : G_WINDOW(node) {}

 protected:
  void OnGuiEvent(int32_t /*widget_id*/) override {}
};

}  // namespace ORB_GF
