#include "engine/gui/gui_font.h"

#include "engine/gui/gui_object.h"

namespace ORB {

std::unique_ptr<OC_FONT> BuildGuiFont(const std::string& description, TextureRecord* page,
                                      int32_t capacity, DocumentProvider* provider) {
  std::unique_ptr<OC_FONT> font;
  const bool read = ReadDocument(provider, description, [&](const pugi::xml_document& document) {
    font = std::make_unique<OC_FONT>(document.child("font"), page, capacity);
    return true;
  });
  if (!read) {
    GuiLog("font description '" + description + "' cannot be had");
    return nullptr;
  }
  if (font->GetGlyphs().Empty()) {
    GuiLog("font description '" + description + "' has no glyphs");
    return nullptr;
  }
  return font;
}

}  // namespace ORB
