#pragma once
// Hands a file to the desktop's opener, as a double click in a file manager
// would. The file itself is never executed by us.
#include <string>

namespace ORB::platform {

// True when the opener was started for an existing file; false when the path
// names nothing or no opener could be started.
bool OpenWithShell(const std::string& path);

}  // namespace ORB::platform
