#include "engine/scene/bmfont_reader.h"

#include <cmath>
#include <string>

#include "engine/platform/log.h"
#include "engine/scene/truncate.h"

namespace ORB {

namespace {

// A number attribute; text that reads as infinite or not a number reads 0.
float Number(pugi::xml_node node, const char* name) {
  const float value = node.attribute(name).as_float(0.0f);
  return std::isfinite(value) ? value : 0.0f;
}

// Logs the attributes a "char" lacks (each reads 0).
void NoteMissing(pugi::xml_node ch, int32_t index, BmFontPage page) {
  static const char* const kNeeded[] = {"id",     "x",       "y",       "width",
                                        "height", "xoffset", "yoffset", "xadvance"};
  std::string missing;
  for (const char* name : kNeeded) {
    if (ch.attribute(name)) continue;
    missing += missing.empty() ? "" : ", ";
    missing += name;
  }
  // The described page's rectangles may be numbers; the texture page's must
  // be whole numbers like every other attribute.
  const char* const kNumbers[] = {"x", "y", "width", "height"};
  std::string unreadable;
  for (const char* name : kNumbers) {
    const pugi::xml_attribute attribute = ch.attribute(name);
    if (!attribute) continue;
    const float value = attribute.as_float(0.0f);
    if (std::isfinite(value) && (page == BmFontPage::kDescribed || value == std::trunc(value))) {
      continue;
    }
    unreadable += unreadable.empty() ? "" : ", ";
    unreadable += name;
  }
  if (missing.empty() && unreadable.empty()) return;
  std::string message =
      "char " + std::to_string(index) + " (id \"" + std::string(ch.attribute("id").value()) + "\")";
  if (!missing.empty()) message += " lacks " + missing;
  if (!missing.empty() && !unreadable.empty()) message += ";";
  if (!unreadable.empty()) message += " cannot read " + unreadable;
  Log(LogLevel::kWarning, "font", message + "; 0 stands in");
}

pugi::xml_node FirstElement(pugi::xml_node parent) {
  for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
    if (node.type() == pugi::node_element) return node;
  }
  return {};
}

}  // namespace

BmFontDescription ReadBmFont(pugi::xml_node description, BmFontPage page, float page_width,
                             float page_height, GlyphMap& glyphs) {
  BmFontDescription result;
  const pugi::xml_node common = description.child("common");
  if (!common.attribute("lineHeight")) {
    Log(LogLevel::kWarning, "font", "no \"lineHeight\" in \"common\"; 0 stands in");
  }
  result.line_height = common.attribute("lineHeight").as_int(0);
  if (page == BmFontPage::kDescribed) {
    result.page_width = Number(common, "scaleW");
    result.page_height = Number(common, "scaleH");
  } else {
    result.page_width = page_width;
    result.page_height = page_height;
  }

  for (pugi::xml_node ch = FirstElement(description.child("chars")); ch;
       ch = ch.next_sibling("char")) {
    const int32_t id = ch.attribute("id").as_int(0);
    const int32_t xoffset = ch.attribute("xoffset").as_int(0);
    const int32_t yoffset = ch.attribute("yoffset").as_int(0);
    const int32_t xadvance = ch.attribute("xadvance").as_int(0);
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    int32_t pixel_width = 0;
    int32_t pixel_height = 0;
    if (page == BmFontPage::kDescribed) {
      x = Number(ch, "x");
      y = Number(ch, "y");
      width = Number(ch, "width");
      height = Number(ch, "height");
      pixel_width = TruncateToInt(width);
      pixel_height = TruncateToInt(height);
    } else {
      x = static_cast<float>(ch.attribute("x").as_int(0));
      y = static_cast<float>(ch.attribute("y").as_int(0));
      pixel_width = ch.attribute("width").as_int(0);
      pixel_height = ch.attribute("height").as_int(0);
      width = static_cast<float>(pixel_width);
      height = static_cast<float>(pixel_height);
    }
    NoteMissing(ch, result.chars_read, page);
    glyphs.Set(MakeGlyph(id, x, y, width, height, pixel_width, pixel_height, xoffset, yoffset,
                         xadvance, result.page_width, result.page_height));
    ++result.chars_read;
  }
  return result;
}

}  // namespace ORB
