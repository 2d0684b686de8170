#pragma once
// The font of a text widget (wide label, line box, list box): built from the
// "font" element of a description document named in the widget, read through
// the document provider (engine/scene/document_provider.h) and given back at
// once, against the page texture the widget holds.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/font.h"

namespace ORB {

// The font, or null (logged, subsystem "gui") when the description cannot be
// had or has no glyphs. capacity sizes the font's formatting buffers.
std::unique_ptr<OC_FONT> BuildGuiFont(const std::string& description, TextureRecord* page,
                                      int32_t capacity,
                                      DocumentProvider* provider = GetDocumentProvider());

}  // namespace ORB
