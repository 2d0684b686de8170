#pragma once
// Reading one of the start-up's XML documents through the engine's
// repository: take it, read it, give it back. A document that is missing or
// not well-formed fails the start-up, so it is reported here as an error
// naming the document; the reader reports what it finds missing inside.
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "engine/platform/log.h"

namespace game {

// One error line: the document's name and what is wrong with it. False, for
// the start-up step to answer.
inline bool DocumentFails(const std::string& name, const std::string& why) {
  ORB::Log(ORB::LogLevel::kError, "game", name + " " + why);
  return false;
}

// Whether the repository lists a document of that name; false (and one
// error line naming it) when there is no repository or no such document.
inline bool HasGameDocument(const std::string& name) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  if (repository == nullptr) {
    ORB::Log(ORB::LogLevel::kError, "game", name + " cannot be read: no resource repository");
    return false;
  }
  if (repository->Find(name) == nullptr) {
    ORB::Log(ORB::LogLevel::kError, "game", name + " is missing");
    return false;
  }
  return true;
}

// Calls read(document) with the repository's document of that name and
// answers its answer; false (and one error line) when there is no
// repository or no such document, or it does not parse.
template <typename Read>
bool ReadGameDocument(const std::string& name, Read&& read) {
  // Looked up first, so a missing document gives this one line only.
  if (!HasGameDocument(name)) return false;
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  bool parsed = false;
  const bool result = ORB::ReadDocument(*repository, name, [&](const pugi::xml_document& document) {
    parsed = true;
    return read(document);
  });
  if (!parsed) ORB::Log(ORB::LogLevel::kError, "game", name + " cannot be read as XML");
  return result;
}

}  // namespace game
