#include "framework/transform_auto.h"

namespace ORB_GF {

namespace {

// The game's canvas.
ORB::Point& Screen() {
  static ORB::Point screen(1024, 768);
  return screen;
}

}  // namespace

void OS_TRANSFORM3_AUTO::SetScreenSize(int32_t width, int32_t height) {
  Screen() = ORB::Point(width, height);
}

ORB::Point OS_TRANSFORM3_AUTO::ScreenSize() { return Screen(); }

void OS_TRANSFORM3_AUTO::SetAuto(float fx, float fy) {
  auto_x = fx;
  auto_y = fy;
  position.x = fx * static_cast<float>(Screen().x);
  position.y = fy * static_cast<float>(Screen().y);
}

void OS_TRANSFORM3_AUTO::Load(const pugi::xml_node& node) {
  Parse(node.text().as_string());
  if (const pugi::xml_attribute x = node.attribute("auto_x")) {
    auto_x = x.as_float();
    position.x = auto_x * static_cast<float>(Screen().x);
  }
  if (const pugi::xml_attribute y = node.attribute("auto_y")) {
    auto_y = y.as_float();
    position.y = auto_y * static_cast<float>(Screen().y);
  }
}

}  // namespace ORB_GF
