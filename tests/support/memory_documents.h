#pragma once
// XML documents from memory for tests, parsed afresh for every request, with
// a count of those handed out and not given back. Serves as the document
// provider widgets read their fonts' descriptions through, and as the
// document source of the fake game hosts.
//
//   test_support::MemoryDocuments documents;
//   documents.Set("font.xml", "<root><font>...</font></root>");
//   ORB::SetDocumentProvider(&documents);
//   ...
//   EXPECT_EQ(documents.OpenDocuments(), 0u);
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/scene/document_provider.h"

namespace test_support {

class MemoryDocuments : public ORB::DocumentProvider {
 public:
  void Set(const std::string& name, const std::string& text) { files_[name] = text; }
  void Remove(const std::string& name) { files_.erase(name); }

  // The parsed document, or null when the name is unknown or the text does
  // not parse.
  pugi::xml_document* Open(const std::string& name) {
    const auto found = files_.find(name);
    if (found == files_.end()) return nullptr;
    auto document = std::make_unique<pugi::xml_document>();
    if (!document->load_string(found->second.c_str())) return nullptr;
    pugi::xml_document* result = document.get();
    open_.push_back(std::move(document));
    return result;
  }
  void Close(const pugi::xml_document* document) {
    for (auto it = open_.begin(); it != open_.end(); ++it) {
      if (it->get() == document) {
        open_.erase(it);
        return;
      }
    }
    ++unknown_releases;
  }

  const pugi::xml_document* AcquireDocument(const std::string& name) override {
    ++requests;
    return Open(name);
  }
  void ReleaseDocument(const pugi::xml_document* document) override { Close(document); }

  // Documents handed out and not given back.
  size_t OpenDocuments() const { return open_.size(); }

  int requests = 0;          // AcquireDocument calls
  int unknown_releases = 0;  // gives back of documents not handed out

 private:
  std::map<std::string, std::string> files_;
  std::vector<std::unique_ptr<pugi::xml_document>> open_;
};

}  // namespace test_support
