#pragma once
// Small questions about XML elements that the data readers share.
#include <pugixml.hpp>

namespace ORB {

// Whether the node has at least one child element (comments and text do not
// count); false for a null node. Lists of records read from XML ("trophies",
// store products, ad placements) count as empty without one.
inline bool HasChildElement(const pugi::xml_node& node) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element) return true;
  }
  return false;
}

}  // namespace ORB
