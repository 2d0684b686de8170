#include "engine/scene/document_provider.h"

namespace ORB {

namespace {

DocumentProvider* g_provider = nullptr;

}  // namespace

void SetDocumentProvider(DocumentProvider* provider) { g_provider = provider; }

DocumentProvider* GetDocumentProvider() { return g_provider; }

}  // namespace ORB
