#include "game/shell/screens/gui_page_item.h"

#include <sstream>
#include <string>

#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/platform/log.h"
#include "game/shell/screens/gui_localization.h"

namespace game {

gGuiPageItem::gGuiPageItem(const pugi::xml_node& node, uint32_t item_id) : G_PAGES_ITEM(item_id) {
  root_.Widget().GetTransform().parent = &transform_;
  if (const pugi::xml_attribute size = node.attribute("size")) {
    std::istringstream numbers(size.value());
    if (!(numbers >> width_ >> height_) || width_ < 0 || height_ < 0) {
      width_ = 0;
      height_ = 0;
      ORB::Log(ORB::LogLevel::kWarning, "pages",
               std::string("item size '") + size.value() + "' is not two whole numbers");
    }
  }
  if (const pugi::xml_node gui = node.child("GUI")) {
    ORB::LoadGuiXml(root_, gui, nullptr);
    LocalizeGuiTree(&root_.Widget());
  }
}

int32_t gGuiPageItem::Update() {
  root_.Process();
  return 0;
}

int32_t gGuiPageItem::OnMouseDown(int32_t /*button*/) {
  // A widget may keep an old hover (a child answered the move that left
  // it): only a press on the item is the item's.
  if (!UnderPointer()) return ORB::kResultNone;
  return root_.OnMouseDown() != nullptr ? ORB::kEventSwallowed : ORB::kResultNone;
}

int32_t gGuiPageItem::OnMouseUp(int32_t /*button*/) {
  const ORB::GuiEvent* event = root_.OnMouseUp();
  if (event == nullptr || event->code != ORB::kGuiEventClicked || !TakesClick(event->id)) {
    return ORB::kResultNone;
  }
  clicked_ = event->id;
  return ORB::kEventSwallowed;
}

int32_t gGuiPageItem::OnMouseMove() {
  root_.OnMouseMove();
  return ORB::kResultNone;
}

}  // namespace game
