#pragma once
// Where drawables get their XML descriptions from by name (a font's glyph
// table, for one), beside the texture provider (texture_provider.h). A
// widget asks for the description while it builds, reads it, and gives it
// back at once: it keeps nothing of the document. The game's provider is the
// resource repository; tests hand in documents of their own. A process-wide
// slot holds the one builds use when they are given none.
#include <string>

#include <pugixml.hpp>

namespace ORB {

class DocumentProvider {
 public:
  virtual ~DocumentProvider() = default;

  // The parsed document of that name, counting one use; null when it cannot
  // be had (no use counted then).
  virtual const pugi::xml_document* AcquireDocument(const std::string& name) = 0;

  // Gives back one use of a document AcquireDocument answered. Never called
  // with null.
  virtual void ReleaseDocument(const pugi::xml_document* document) = 0;
};

// The provider used by builds that are given none (null until the game sets
// it). The provider must outlive its use.
void SetDocumentProvider(DocumentProvider* provider);
DocumentProvider* GetDocumentProvider();

// Calls read(document) with the provider's document of that name and gives
// the document back afterwards; answers read's answer, or false when there is
// no provider or the document cannot be had.
template <typename Read>
bool ReadDocument(DocumentProvider* provider, const std::string& name, Read&& read) {
  if (provider == nullptr) return false;
  const pugi::xml_document* document = provider->AcquireDocument(name);
  if (document == nullptr) return false;
  const bool result = read(*document);
  provider->ReleaseDocument(document);
  return result;
}

}  // namespace ORB
