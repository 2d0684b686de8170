#pragma once
// Reading one XML document of the repository: take it, read it, give it back.
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"

namespace ORB {

// Calls read(document) with the repository's parsed document of that name and
// gives the document back afterwards; answers read's answer, or false when
// the document cannot be had.
template <typename Read>
bool ReadDocument(OC_REPOSITORY& repository, const std::string& name, Read&& read) {
  pugi::xml_document* document = repository.GetXml(name);
  if (document == nullptr) return false;
  const bool result = read(static_cast<const pugi::xml_document&>(*document));
  repository.ReleaseXml(document);
  return result;
}

}  // namespace ORB
