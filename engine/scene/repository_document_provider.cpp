#include "engine/scene/repository_document_provider.h"

namespace ORB {

const pugi::xml_document* RepositoryDocumentProvider::AcquireDocument(const std::string& name) {
  return repository_.GetXml(name);
}

void RepositoryDocumentProvider::ReleaseDocument(const pugi::xml_document* document) {
  if (document != nullptr) repository_.ReleaseXml(document);
}

}  // namespace ORB
