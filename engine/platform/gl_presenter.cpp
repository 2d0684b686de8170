#include "engine/platform/gl_presenter.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <epoxy/egl.h>
#include <epoxy/gl.h>
#include <epoxy/glx.h>

namespace ORB::platform {

namespace {

bool HasEglExtension(EGLDisplay display, const char* name) {
  return epoxy_has_egl_extension(display, name);
}

}  // namespace

void GlPresenter::Open(void* sdl_window) {
  *this = GlPresenter();
  window_ = sdl_window;
  auto* window = static_cast<SDL_Window*>(sdl_window);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  const bool known = SDL_GetWindowWMInfo(window, &info) == SDL_TRUE;
  if (known && info.subsystem == SDL_SYSWM_X11 && epoxy_has_glx(info.info.x11.display) &&
      glXGetCurrentContext() != nullptr) {
    ::Display* display = info.info.x11.display;
    if (epoxy_has_glx_extension(display, DefaultScreen(display), "GLX_MESA_copy_sub_buffer")) {
      x_display_ = display;
      x_drawable_ = info.info.x11.window;
      way_ = Way::CopySubBuffer;
    }
    return;
  }
  if (!epoxy_has_egl() || eglGetCurrentContext() == EGL_NO_CONTEXT) return;
  EGLDisplay display = eglGetCurrentDisplay();
  EGLSurface surface = eglGetCurrentSurface(EGL_DRAW);
  if (display == EGL_NO_DISPLAY || surface == EGL_NO_SURFACE) return;
  egl_display_ = display;
  egl_surface_ = surface;
  egl_damage_khr_ = HasEglExtension(display, "EGL_KHR_swap_buffers_with_damage");
  egl_damage_ = egl_damage_khr_ || HasEglExtension(display, "EGL_EXT_swap_buffers_with_damage");
  egl_partial_update_ = HasEglExtension(display, "EGL_KHR_partial_update");
  if (egl_partial_update_ || HasEglExtension(display, "EGL_EXT_buffer_age")) {
    way_ = Way::EglBufferAge;
    return;
  }
  // A surface that is not a window's (SDL's offscreen driver draws into a
  // pbuffer) is never swapped away.
  EGLint config_id = 0;
  EGLint surface_types = 0;
  EGLConfig config = nullptr;
  EGLint found = 0;
  if (eglQuerySurface(display, surface, EGL_CONFIG_ID, &config_id) == EGL_TRUE) {
    const EGLint query[] = {EGL_CONFIG_ID, config_id, EGL_NONE};
    if (eglChooseConfig(display, query, &config, 1, &found) == EGL_TRUE && found == 1) {
      eglGetConfigAttrib(display, config, EGL_SURFACE_TYPE, &surface_types);
    }
  }
  if (found == 1 && (surface_types & EGL_WINDOW_BIT) == 0) {
    way_ = Way::EglKept;
    return;
  }
  if (eglSurfaceAttrib(display, surface, EGL_SWAP_BEHAVIOR, EGL_BUFFER_PRESERVED) == EGL_TRUE) {
    way_ = Way::EglKept;
  }
}

std::string GlPresenter::Describe() const {
  std::string name;
  switch (way_) {
    case Way::Swap: name = "swap"; break;
    case Way::CopySubBuffer: name = "glx-copy-sub-buffer"; break;
    case Way::EglBufferAge: name = "egl-buffer-age"; break;
    case Way::EglKept: name = "egl-kept"; break;
  }
  if ((way_ == Way::EglBufferAge || way_ == Way::EglKept) && egl_damage_) name += "+damage";
  return name;
}

int32_t GlPresenter::BackBufferAge() {
  switch (way_) {
    case Way::Swap: return 0;
    case Way::CopySubBuffer:
    case Way::EglKept: return 1;
    case Way::EglBufferAge: {
      EGLint age = 0;
      if (eglQuerySurface(egl_display_, egl_surface_, EGL_BUFFER_AGE_EXT, &age) != EGL_TRUE)
        return 0;
      return age;
    }
  }
  return 0;
}

std::vector<int32_t> GlPresenter::ToBottomUp(const std::vector<PixelRect>& rects,
                                             int32_t drawable_height) {
  std::vector<int32_t> out;
  out.reserve(rects.size() * 4);
  for (const PixelRect& rect : rects) {
    out.push_back(rect.x);
    out.push_back(drawable_height - rect.y - rect.height);
    out.push_back(rect.width);
    out.push_back(rect.height);
  }
  return out;
}

void GlPresenter::WillDraw(const std::vector<PixelRect>& rects, int32_t drawable_height) {
  if (way_ != Way::EglBufferAge || !egl_partial_update_ || rects.empty()) return;
  std::vector<int32_t> bottom_up = ToBottomUp(rects, drawable_height);
  eglSetDamageRegionKHR(egl_display_, egl_surface_, bottom_up.data(),
                        static_cast<EGLint>(rects.size()));
}

void GlPresenter::Present(const std::vector<PixelRect>& rects, int32_t drawable_width,
                          int32_t drawable_height) {
  if (way_ == Way::CopySubBuffer) {
    auto* display = static_cast<::Display*>(x_display_);
    if (rects.empty()) {
      glXCopySubBufferMESA(display, x_drawable_, 0, 0, drawable_width, drawable_height);
    } else {
      for (const PixelRect& rect : rects) {
        glXCopySubBufferMESA(display, x_drawable_, rect.x, drawable_height - rect.y - rect.height,
                             rect.width, rect.height);
      }
    }
    // The copies go out now, not with the next request that flushes.
    XFlush(display);
    return;
  }
  if (!rects.empty() && egl_damage_ && (way_ == Way::EglBufferAge || way_ == Way::EglKept)) {
    std::vector<int32_t> bottom_up = ToBottomUp(rects, drawable_height);
    const auto count = static_cast<EGLint>(rects.size());
    if (egl_damage_khr_) {
      eglSwapBuffersWithDamageKHR(egl_display_, egl_surface_, bottom_up.data(), count);
    } else {
      eglSwapBuffersWithDamageEXT(egl_display_, egl_surface_, bottom_up.data(), count);
    }
    return;
  }
  SDL_GL_SwapWindow(static_cast<SDL_Window*>(window_));
}

}  // namespace ORB::platform
