#include "framework/trophy_record.h"

#include "engine/platform/log.h"

namespace ORB_GF {

void TrophyRecord::Load(const pugi::xml_node& node) {
  name_ = node.attribute("name").value();
  gc_id_ = node.attribute("gc_id").value();
  desc_ = node.attribute("desc").value();
  image_open_ = node.attribute("image_open").value();
  image_close_ = node.attribute("image_close").value();
  bonus_ = node.attribute("bonus").as_int(0);
  for (pugi::xml_node element = node.child("condition"); element;
       element = element.next_sibling()) {
    if (element.type() != pugi::node_element) continue;
    TrophyCondition condition;
    if (condition.Load(element)) {
      conditions_.push_back(std::move(condition));
    } else {
      ORB::Log(ORB::LogLevel::kWarning, "trophies",
               "trophy \"" + name_ + "\": a condition that does not read is skipped");
    }
  }
}

bool TrophyRecord::Test(const TrophyValue& value) {
  if (IsGot() || conditions_.size() != 1) return false;
  if (conditions_.front().Test(value) < 1.0f) return false;
  got_ = 1;
  return true;
}

}  // namespace ORB_GF
