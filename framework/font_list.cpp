#include "framework/font_list.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/xml_elements.h"
#include "engine/platform/log.h"
#include "engine/scene/texture_provider.h"
#include "framework/game_singleton.h"

namespace ORB_GF {

bool FontList::Load(ORB::OC_REPOSITORY& repository, const std::string& path) {
  return ORB::ReadDocument(repository, path, [&](const pugi::xml_document& document) {
    const pugi::xml_node fonts = document.child("fonts");
    if (!ORB::HasChildElement(fonts)) {
      ORB::Log(ORB::LogLevel::kWarning, "font", path + ": no \"fonts\" element with entries");
      return false;
    }
    repository_ = &repository;
    for (pugi::xml_node entry = fonts.first_child(); entry; entry = entry.next_sibling()) {
      if (entry.type() == pugi::node_element) AddFont(repository, entry, path);
    }
    return true;
  });
}

bool FontList::Load(const std::string& path) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  return repository != nullptr && Load(*repository, path);
}

void FontList::AddFont(ORB::OC_REPOSITORY& repository, const pugi::xml_node& entry,
                       const std::string& path) {
  const pugi::xml_attribute name = entry.attribute("name");
  const pugi::xml_attribute texture_name = entry.attribute("texture");
  const pugi::xml_attribute xml = entry.attribute("xml");
  if (!name || !texture_name || !xml) {
    ORB::Log(ORB::LogLevel::kWarning, "font",
             path + ": an entry lacks \"name\", \"texture\" or \"xml\"; skipped");
    return;
  }
  if (fonts_.count(name.value()) != 0) {
    ORB::Log(ORB::LogLevel::kWarning, "font",
             path + ": font \"" + name.value() + "\" is listed twice; the first stays");
    return;
  }
  const bool read = ORB::ReadDocument(repository, xml.value(), [&](const pugi::xml_document& doc) {
    auto* texture = static_cast<ORB::TextureRecord*>(repository.GetTexture(texture_name.value()));
    // Only a texture the repository holds a record of counted a use.
    ORB::TextureRecord* held = repository.FindById(texture) != nullptr ? texture : nullptr;
    auto font = std::make_unique<ORB::OC_FONT>(doc.child("font"), texture, kTextCapacity);
    if (font->GetGlyphs().Empty()) {
      if (held != nullptr) repository.ReleaseTexture(held);
      return false;
    }
    fonts_[name.value()] = Entry{std::move(font), held};
    return true;
  });
  if (!read) {
    const std::string text =
        "Cant load font \"" + std::string(name.value()) + "\" from \"" + xml.value() + "\"";
    ORB::SetErrorText(text);
    ORB::Log(ORB::LogLevel::kWarning, "font", path + ": " + text + "; skipped");
  }
}

ORB::OC_FONT* FontList::Find(const std::string& name) const {
  const auto it = fonts_.find(name);
  return it != fonts_.end() ? it->second.font.get() : nullptr;
}

void FontList::ReleaseTextures() {
  for (auto& [name, entry] : fonts_) {
    if (entry.held != nullptr && repository_ != nullptr) repository_->ReleaseTexture(entry.held);
    entry.held = nullptr;
    // Never a page the repository may have freed.
    entry.font->SetTexture(ORB::PlaceholderTexture());
  }
  if (repository_ != nullptr) repository_->UnloadUnused();
}

FontList* GetFontList() { return GameSingleton<FontList>::Get(); }

FontList& CreateFontList() { return GameSingleton<FontList>::Create(); }

void DestroyFontList() { GameSingleton<FontList>::Destroy(); }

}  // namespace ORB_GF
