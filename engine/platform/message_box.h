#pragma once
// Messages the engine must show a person. Where a display exists an SDL box
// is shown; on a headless run the message goes to stderr as one line and
// nothing waits. Tests capture messages instead.
#include <functional>
#include <string>

namespace ORB::platform {

using MessageSink = std::function<void(const std::string& caption, const std::string& text)>;

void ShowMessageBox(const std::string& caption, const std::string& text);

// Routes every later message to the sink instead of the screen (an empty sink
// restores the default behaviour).
void SetMessageSink(MessageSink sink);

// True when a person can see a window: a display server is named and the video
// driver is not one of SDL's headless ones.
bool HasInteractiveDisplay();

}  // namespace ORB::platform
