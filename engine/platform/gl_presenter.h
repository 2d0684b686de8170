#pragma once
// How the OpenGL device's back buffer reaches the window, and what the back
// buffer still holds afterwards. Where the system lets the device present
// rectangles of it alone and keeps its picture, a frame that changed in a few
// places is drawn and shown in those places only (frame_skipper.h):
// - X11 with Mesa's GLX_MESA_copy_sub_buffer, on a software rasterizer:
//   rectangles are copied from the back buffer to the window, which is never
//   swapped, so the back buffer always holds the whole last picture;
// - EGL with EGL_EXT_buffer_age (or EGL_KHR_partial_update): the back buffer
//   is the picture of some frames ago; rectangles are presented with
//   EGL_KHR_swap_buffers_with_damage (or its EXT twin) where there is one;
// - EGL whose surface keeps its buffer on a swap: a pbuffer, as SDL's
//   offscreen driver makes, or, on a software rasterizer, a window surface
//   that accepts the preserved swap behaviour: the picture of the last frame;
// - anything else: the buffers are swapped and nothing is known of the back
//   buffer, so every frame that changed is drawn whole.
// A copy to the window is no swap: the swap interval does not hold it back
// to the display's refresh, and on an X server without a compositor it tears
// through whatever the screen is showing. On a GPU a whole frame costs little,
// so there the frames are swapped, in step with the display (ChoosePresentingWay).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/gpu_device.h"

namespace ORB::platform {

class GlPresenter {
 public:
  enum class Way {
    Swap,
    CopySubBuffer,
    EglBufferAge,
    EglKept,
  };

  // Chooses the way for the SDL window (an SDL_Window*) whose OpenGL
  // context is current.
  void Open(void* sdl_window);
  Way GetWay() const { return way_; }
  // "swap", "glx-copy-sub-buffer", "egl-buffer-age" or "egl-kept", with
  // "+damage" where EGL presents rectangles.
  std::string Describe() const;
  // The driver's renderer (GL_RENDERER) the way was chosen for.
  const std::string& Renderer() const { return renderer_; }

  // How many frames ago the back buffer's picture was presented; 0 unknown.
  // For EGL's buffer age, ask before the frame draws anything.
  int32_t BackBufferAge();
  // The frame about to be drawn redraws only these rectangles (drawable
  // pixels from the top-left corner of an area `drawable_height` high).
  void WillDraw(const std::vector<PixelRect>& rects, int32_t drawable_height);
  // Shows the rectangles, or the whole drawable area when there are none.
  void Present(const std::vector<PixelRect>& rects, int32_t drawable_width,
               int32_t drawable_height);

 private:
  // Rectangles as EGL takes them: x, y from the bottom-left corner, w, h.
  static std::vector<int32_t> ToBottomUp(const std::vector<PixelRect>& rects,
                                         int32_t drawable_height);

  Way way_ = Way::Swap;
  std::string renderer_;             // GL_RENDERER
  void* window_ = nullptr;           // SDL_Window*
  void* x_display_ = nullptr;        // Display* (GLX)
  unsigned long x_drawable_ = 0;     // the window's X id (GLX)
  void* egl_display_ = nullptr;      // EGLDisplay
  void* egl_surface_ = nullptr;      // EGLSurface
  bool egl_damage_ = false;          // eglSwapBuffersWithDamage{KHR,EXT}
  bool egl_damage_khr_ = false;      // the KHR entry point (else the EXT one)
  bool egl_partial_update_ = false;  // eglSetDamageRegionKHR
};

// What the way is chosen from, as the system tells it once the window's
// OpenGL context is current.
struct PresentingFacts {
  enum class System {
    Other,  // neither below: frames are swapped
    Glx,    // X11 through GLX
    Egl,
  };
  System system = System::Other;
  std::string renderer;    // GL_RENDERER
  std::string extensions;  // the GLX or EGL extensions, separated by spaces
  // EGL: the surface is a window's; a pbuffer (SDL's offscreen driver draws
  // into one) is never shown and never swapped away.
  bool window_surface = true;
};

// Whether the renderer string names Mesa's software rasterizers (llvmpipe,
// softpipe, swrast), which draw every pixel on the CPU.
bool IsSoftwareRenderer(std::string_view renderer);

// The way frames are presented. Drawing and presenting only what changed
// pays where every pixel costs the CPU, and where the driver says how old
// the back buffer is (EGL's buffer age) and presents the frame by a swap all
// the same; a copy that bypasses the swap is taken only on a software
// rasterizer. Elsewhere frames are swapped whole. EglKept on a window
// surface still needs the surface to accept the preserved swap behaviour.
GlPresenter::Way ChoosePresentingWay(const PresentingFacts& facts);

}  // namespace ORB::platform
