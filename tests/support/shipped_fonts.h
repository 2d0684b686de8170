#pragma once
// The shipped font list ("data/share/font fonts.xml") read through the
// repository: every font it names, each built from its BMFont description on
// the page texture the caller supplies, ready to be handed to a host by name.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/repository.h"
#include "engine/scene/font.h"

namespace test_support {

class ShippedFonts {
 public:
  struct Entry {
    std::string name;
    ORB::TextureRecord* page = nullptr;
    std::unique_ptr<ORB::OC_FONT> font;
  };
  // The page of a texture's repository name ("data/share/font x.png").
  using PageLoader = std::function<ORB::TextureRecord*(const std::string& name)>;

  // Reads the list; the repository must hold the folder "data/share/font".
  void Load(ORB::OC_REPOSITORY& repository, const PageLoader& loadPage) {
    pugi::xml_document* list = repository.GetXml("data/share/font fonts.xml");
    ASSERT_NE(list, nullptr);
    for (const pugi::xml_node item : list->child("fonts").children("font")) {
      Entry entry;
      entry.name = item.attribute("name").value();
      entry.page = loadPage(item.attribute("texture").value());
      ASSERT_NE(entry.page, nullptr) << item.attribute("texture").value();
      pugi::xml_document* description = repository.GetXml(item.attribute("xml").value());
      ASSERT_NE(description, nullptr) << item.attribute("xml").value();
      entry.font = std::make_unique<ORB::OC_FONT>(description->child("font"), entry.page, 600);
      repository.ReleaseXml(description);
      entries_.push_back(std::move(entry));
    }
    repository.ReleaseXml(list);
    ASSERT_FALSE(entries_.empty());
  }

  // Name to font, as a host looks fonts up.
  void AddTo(std::map<std::string, ORB::OC_FONT*>& fonts) const {
    for (const Entry& entry : entries_) fonts[entry.name] = entry.font.get();
  }

  ORB::TextureRecord* PageOf(const ORB::OC_FONT* font) const {
    for (const Entry& entry : entries_) {
      if (entry.font.get() == font) return entry.page;
    }
    return nullptr;
  }

  std::vector<Entry>& Entries() { return entries_; }
  // The fonts go before the renderer that holds their pages.
  void Clear() { entries_.clear(); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace test_support
