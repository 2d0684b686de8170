#pragma once
// The document provider of the game: XML descriptions by resource name from
// the resource repository, which parses each once and counts its uses.
#include <string>

#include "engine/foundation/repository.h"
#include "engine/scene/document_provider.h"

namespace ORB {

class RepositoryDocumentProvider : public DocumentProvider {
 public:
  // The repository must outlive the provider.
  explicit RepositoryDocumentProvider(OC_REPOSITORY& repository) : repository_(repository) {}

  // The repository's document (it logs a name it cannot serve), or null.
  const pugi::xml_document* AcquireDocument(const std::string& name) override;
  void ReleaseDocument(const pugi::xml_document* document) override;

 private:
  OC_REPOSITORY& repository_;
};

}  // namespace ORB
