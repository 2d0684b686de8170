// How frames reach the window, chosen from what the system says of itself:
// drawn in parts where that pays and the back buffer's picture is known,
// swapped whole (in step with the display) on a GPU that offers no more than
// a copy past the swap.
#include "engine/platform/gl_presenter.h"

#include <gtest/gtest.h>

namespace ORB::platform {
namespace {

using System = PresentingFacts::System;
using Way = GlPresenter::Way;

constexpr char kLlvmpipe[] = "llvmpipe (LLVM 15.0.6, 256 bits)";
constexpr char kHardware[] = "AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)";
constexpr char kGlxMesa[] = "GLX_ARB_create_context GLX_MESA_copy_sub_buffer GLX_EXT_swap_control";

TEST(GlPresenterTest, TheWayFollowsTheSystemTheRendererAndTheExtensions) {
  struct Case {
    const char* what;
    PresentingFacts facts;
    Way way;
  };
  const Case cases[] = {
      {"GLX, llvmpipe with the copy", {System::Glx, kLlvmpipe, kGlxMesa, true}, Way::CopySubBuffer},
      {"GLX, softpipe", {System::Glx, "softpipe", kGlxMesa, true}, Way::CopySubBuffer},
      {"GLX, swrast", {System::Glx, "Software Rasterizer", kGlxMesa, true}, Way::CopySubBuffer},
      {"GLX, a GPU with the copy swaps", {System::Glx, kHardware, kGlxMesa, true}, Way::Swap},
      {"GLX, llvmpipe without the copy",
       {System::Glx, kLlvmpipe, "GLX_EXT_swap_control", true},
       Way::Swap},
      {"GLX, a longer name is not the copy",
       {System::Glx, kLlvmpipe, "GLX_MESA_copy_sub_buffer_x", true},
       Way::Swap},
      {"EGL, a GPU with buffer age",
       {System::Egl, kHardware, "EGL_EXT_buffer_age", true},
       Way::EglBufferAge},
      {"EGL, a GPU with partial update",
       {System::Egl, kHardware, "EGL_KHR_partial_update", true},
       Way::EglBufferAge},
      {"EGL, a GPU's window without age swaps",
       {System::Egl, kHardware, "EGL_KHR_swap_buffers_with_damage", true},
       Way::Swap},
      {"EGL, a GPU's pbuffer", {System::Egl, kHardware, "", false}, Way::EglKept},
      {"EGL, llvmpipe's window", {System::Egl, kLlvmpipe, "", true}, Way::EglKept},
      {"EGL, llvmpipe's pbuffer", {System::Egl, kLlvmpipe, "", false}, Way::EglKept},
      {"another system", {System::Other, kLlvmpipe, kGlxMesa, true}, Way::Swap},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChoosePresentingWay(c.facts), c.way) << c.what;
  }
}

}  // namespace
}  // namespace ORB::platform
