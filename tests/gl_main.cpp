// The entry of the test programs that may open OpenGL (files ending in
// _gl_test.cpp or _sdl_test.cpp). Mesa and the libraries SDL loads keep
// allocations until the process ends, some in modules already unloaded, so a
// leak check at exit would report only those. A process that never asked for
// an OpenGL window ends the usual way, with the sanitizers' leak check; one
// that did ends without the exit-time handlers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "engine/platform/sdl_display.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  if (ORB::platform::OpenGlWindowRequested()) {
    std::fflush(nullptr);
    std::_Exit(result);
  }
  return result;
}
