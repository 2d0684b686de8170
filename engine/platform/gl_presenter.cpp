#include "engine/platform/gl_presenter.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <epoxy/egl.h>
#include <epoxy/gl.h>
#include <epoxy/glx.h>

#include <algorithm>
#include <cctype>

namespace ORB::platform {

namespace {

// Whether a list of names separated by spaces holds `name` whole.
bool ListHas(std::string_view list, std::string_view name) {
  for (size_t at = list.find(name); at != std::string_view::npos; at = list.find(name, at + 1)) {
    const size_t after = at + name.size();
    if ((at == 0 || list[at - 1] == ' ') && (after == list.size() || list[after] == ' ')) {
      return true;
    }
  }
  return false;
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

bool IsSoftwareRenderer(std::string_view renderer) {
  std::string lowered(renderer);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  // swrast's DRI driver calls itself "Software Rasterizer".
  for (const char* name : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
    if (lowered.find(name) != std::string::npos) return true;
  }
  return false;
}

GlPresenter::Way ChoosePresentingWay(const PresentingFacts& facts) {
  using Way = GlPresenter::Way;
  const bool software = IsSoftwareRenderer(facts.renderer);
  switch (facts.system) {
    case PresentingFacts::System::Glx:
      return software && ListHas(facts.extensions, "GLX_MESA_copy_sub_buffer") ? Way::CopySubBuffer
                                                                               : Way::Swap;
    case PresentingFacts::System::Egl:
      if (ListHas(facts.extensions, "EGL_KHR_partial_update") ||
          ListHas(facts.extensions, "EGL_EXT_buffer_age")) {
        return Way::EglBufferAge;
      }
      return !facts.window_surface || software ? Way::EglKept : Way::Swap;
    case PresentingFacts::System::Other: break;
  }
  return Way::Swap;
}

void GlPresenter::Open(void* sdl_window) {
  *this = GlPresenter();
  window_ = sdl_window;
  renderer_ = Text(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  PresentingFacts facts;
  facts.renderer = renderer_;
  auto* window = static_cast<SDL_Window*>(sdl_window);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  const bool known = SDL_GetWindowWMInfo(window, &info) == SDL_TRUE;
  if (known && info.subsystem == SDL_SYSWM_X11 && epoxy_has_glx(info.info.x11.display) &&
      glXGetCurrentContext() != nullptr) {
    ::Display* display = info.info.x11.display;
    facts.system = PresentingFacts::System::Glx;
    facts.extensions = Text(glXQueryExtensionsString(display, DefaultScreen(display)));
    way_ = ChoosePresentingWay(facts);
    if (way_ == Way::CopySubBuffer) {
      x_display_ = display;
      x_drawable_ = info.info.x11.window;
    }
    return;
  }
  if (!epoxy_has_egl() || eglGetCurrentContext() == EGL_NO_CONTEXT) return;
  EGLDisplay display = eglGetCurrentDisplay();
  EGLSurface surface = eglGetCurrentSurface(EGL_DRAW);
  if (display == EGL_NO_DISPLAY || surface == EGL_NO_SURFACE) return;
  egl_display_ = display;
  egl_surface_ = surface;
  facts.system = PresentingFacts::System::Egl;
  facts.extensions = Text(eglQueryString(display, EGL_EXTENSIONS));
  egl_damage_khr_ = ListHas(facts.extensions, "EGL_KHR_swap_buffers_with_damage");
  egl_damage_ = egl_damage_khr_ || ListHas(facts.extensions, "EGL_EXT_swap_buffers_with_damage");
  egl_partial_update_ = ListHas(facts.extensions, "EGL_KHR_partial_update");
  // Whether the surface is a window's.
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
  facts.window_surface = found != 1 || (surface_types & EGL_WINDOW_BIT) != 0;
  way_ = ChoosePresentingWay(facts);
  if (way_ == Way::EglKept && facts.window_surface &&
      eglSurfaceAttrib(display, surface, EGL_SWAP_BEHAVIOR, EGL_BUFFER_PRESERVED) != EGL_TRUE) {
    way_ = Way::Swap;
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
