#include "engine/platform/gl_device.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/platform/environment_names.h"
#include "engine/platform/letterbox_fit.h"
#include "engine/platform/log.h"
#include "engine/platform/texture_footprint.h"

namespace ORB::platform {

namespace {

// One program draws everything. Matrices arrive in row-vector order; read as
// a column-major GLSL matrix that is the transpose, so M^T * v equals the row
// product v * M. Clip depth arrives in the 0..w range and is moved to -w..w.
constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec4 a_colour;
layout(location = 2) in vec2 a_uv;
layout(location = 3) in float a_size;
uniform mat4 u_transform;
uniform float u_point_scale;
out vec4 v_colour;
out vec2 v_uv;
void main() {
  vec4 p = u_transform * vec4(a_position, 1.0);
  p.z = 2.0 * p.z - p.w;
  gl_Position = p;
  v_colour = a_colour;
  v_uv = a_uv;
  gl_PointSize = max(a_size * u_point_scale, 1.0);
}
)";

constexpr const char* kFragmentShader = R"(#version 330 core
uniform sampler2D u_texture;
uniform int u_textured;
uniform int u_sprite;
in vec4 v_colour;
in vec2 v_uv;
out vec4 o_colour;
void main() {
  vec4 colour = v_colour;
  if (u_textured != 0) {
    vec2 uv = u_sprite != 0 ? gl_PointCoord : v_uv;
    colour *= texture(u_texture, uv);
  }
  o_colour = colour;
}
)";

GLuint CompileShader(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    char log[1024] = {};
    glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
    Log(LogLevel::kError, "gl", std::string("shader: ") + log);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

GLenum PrimitiveMode(Primitive primitive) {
  switch (primitive) {
    case Primitive::Points:
    case Primitive::PointSprites: return GL_POINTS;
    case Primitive::Lines: return GL_LINES;
    case Primitive::Triangles: break;
  }
  return GL_TRIANGLES;
}

// Grows (never shrinks) a streaming buffer and orphans its old storage, so a
// draw never waits for the GPU to finish with the previous contents.
void Upload(GLenum target, size_t& capacity, const void* data, size_t bytes) {
  if (bytes > capacity) capacity = std::max(bytes, capacity * 2);
  glBufferData(target, static_cast<GLsizeiptr>(capacity), nullptr, GL_STREAM_DRAW);
  glBufferSubData(target, 0, static_cast<GLsizeiptr>(bytes), data);
}

}  // namespace

GlDevice::GlDevice() = default;

GlDevice::~GlDevice() {
  if (context_ == nullptr) return;
  if (MakeCurrent()) {
    for (const auto& [texture, info] : textures_) {
      const GLuint name = texture;
      glDeleteTextures(1, &name);
    }
    DestroyObjects();
  }
  textures_.clear();
  SDL_GL_MakeCurrent(static_cast<SDL_Window*>(window_), nullptr);
  SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
  context_ = nullptr;
}

bool GlDevice::MakeCurrent() {
  if (context_ == nullptr) return false;
  if (SDL_GL_GetCurrentContext() == context_) return true;
  return SDL_GL_MakeCurrent(static_cast<SDL_Window*>(window_),
                            static_cast<SDL_GLContext>(context_)) == 0;
}

bool GlDevice::Open(void* native_window) {
  if (context_ != nullptr) return true;
  if (native_window == nullptr) return false;
  auto* window = static_cast<SDL_Window*>(native_window);
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0) {
    Log(LogLevel::kError, "gl", "the window has no OpenGL pixel format");
    return false;
  }
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (context == nullptr) {
    Log(LogLevel::kError, "gl", std::string("context: ") + SDL_GetError());
    return false;
  }
  if (SDL_GL_MakeCurrent(window, context) != 0 || epoxy_gl_version() < 33) {
    Log(LogLevel::kError, "gl", "OpenGL 3.3 core is not available");
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(context);
    return false;
  }
  window_ = window;
  context_ = context;
  if (!CreateObjects()) {
    DestroyObjects();
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(context);
    window_ = nullptr;
    context_ = nullptr;
    return false;
  }
  // Vertical sync where the system offers it; a refusal changes nothing else.
  SDL_GL_SetSwapInterval(1);
  presenter_.Open(window);
  presented_w_ = presented_h_ = -1;
  const char* trace = std::getenv(kEnvStartupTrace);
  if (trace != nullptr && trace[0] != '\0') {
    Log(LogLevel::kInfo, "gl",
        "frames presented by " + presenter_.Describe() + " on " + presenter_.Renderer());
  }
  return true;
}

bool GlDevice::CreateObjects() {
  const GLuint vertex = CompileShader(GL_VERTEX_SHADER, kVertexShader);
  const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, kFragmentShader);
  if (vertex == 0 || fragment == 0) {
    if (vertex != 0) glDeleteShader(vertex);
    if (fragment != 0) glDeleteShader(fragment);
    return false;
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vertex);
  glAttachShader(program_, fragment);
  glLinkProgram(program_);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint linked = GL_FALSE;
  glGetProgramiv(program_, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) {
    char log[1024] = {};
    glGetProgramInfoLog(program_, sizeof(log), nullptr, log);
    Log(LogLevel::kError, "gl", std::string("program: ") + log);
    return false;
  }
  glUseProgram(program_);
  u_transform_ = glGetUniformLocation(program_, "u_transform");
  u_textured_ = glGetUniformLocation(program_, "u_textured");
  u_sprite_ = glGetUniformLocation(program_, "u_sprite");
  u_point_scale_ = glGetUniformLocation(program_, "u_point_scale");
  glUniform1i(glGetUniformLocation(program_, "u_texture"), 0);
  glUniform1f(u_point_scale_, 1.0f);
  const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glUniformMatrix4fv(u_transform_, 1, GL_FALSE, identity);

  // Mesh vertices: position, colour (B, G, R, A bytes), texture coordinates.
  glGenVertexArrays(1, &mesh_array_);
  glGenBuffers(1, &mesh_buffer_);
  glGenBuffers(1, &index_buffer_);
  glBindVertexArray(mesh_array_);
  glBindBuffer(GL_ARRAY_BUFFER, mesh_buffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, index_buffer_);
  constexpr GLsizei kMeshStride = sizeof(GpuVertex);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kMeshStride,
                        reinterpret_cast<const void*>(offsetof(GpuVertex, x)));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, kMeshStride,
                        reinterpret_cast<const void*>(offsetof(GpuVertex, colour)));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, kMeshStride,
                        reinterpret_cast<const void*>(offsetof(GpuVertex, u)));
  glDisableVertexAttribArray(3);

  // Point vertices: position, size, colour.
  glGenVertexArrays(1, &point_array_);
  glGenBuffers(1, &point_buffer_);
  glBindVertexArray(point_array_);
  glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
  constexpr GLsizei kPointStride = sizeof(GpuPoint);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kPointStride,
                        reinterpret_cast<const void*>(offsetof(GpuPoint, x)));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, kPointStride,
                        reinterpret_cast<const void*>(offsetof(GpuPoint, colour)));
  glDisableVertexAttribArray(2);
  glVertexAttrib2f(2, 0.0f, 0.0f);
  glEnableVertexAttribArray(3);
  glVertexAttribPointer(3, 1, GL_FLOAT, GL_FALSE, kPointStride,
                        reinterpret_cast<const void*>(offsetof(GpuPoint, size)));
  glBindVertexArray(0);

  glGenSamplers(1, &sampler_);
  glBindSampler(0, sampler_);
  GLint max_side = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_side);
  max_texture_side_ = max_side;
  if (epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
      epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic")) {
    GLfloat most = 0.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &most);
    max_anisotropy_ = most > 1.0f ? most : 0.0f;
  }

  // Fixed settings: no culling, points sized by the shader, depth test as
  // "less or equal" whenever it is switched on.
  glDisable(GL_CULL_FACE);
  glEnable(GL_PROGRAM_POINT_SIZE);
  glDepthFunc(GL_LEQUAL);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glActiveTexture(GL_TEXTURE0);
  ApplySampler();
  ApplyBlendFunc();
  return glGetError() == GL_NO_ERROR;
}

void GlDevice::DestroyObjects() {
  if (sampler_ != 0) glDeleteSamplers(1, &sampler_);
  if (point_buffer_ != 0) glDeleteBuffers(1, &point_buffer_);
  if (point_array_ != 0) glDeleteVertexArrays(1, &point_array_);
  if (index_buffer_ != 0) glDeleteBuffers(1, &index_buffer_);
  if (mesh_buffer_ != 0) glDeleteBuffers(1, &mesh_buffer_);
  if (mesh_array_ != 0) glDeleteVertexArrays(1, &mesh_array_);
  if (program_ != 0) glDeleteProgram(program_);
  sampler_ = point_buffer_ = point_array_ = index_buffer_ = mesh_buffer_ = mesh_array_ = 0;
  program_ = 0;
}

void GlDevice::SetBackBufferSize(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  back_width_ = width;
  back_height_ = height;
}

DeviceStatus GlDevice::TestStatus() {
  // An OpenGL context is not lost the way a Direct3D 9 device is.
  return context_ != nullptr ? DeviceStatus::Ok : DeviceStatus::Lost;
}

bool GlDevice::Reset() { return MakeCurrent(); }

void GlDevice::UpdateViewport(bool clear_bars) {
  int drawable_w = 0;
  int drawable_h = 0;
  SDL_GL_GetDrawableSize(static_cast<SDL_Window*>(window_), &drawable_w, &drawable_h);
  if (drawable_w <= 0 || drawable_h <= 0) {
    drawable_w = back_width_;
    drawable_h = back_height_;
  }
  const LetterboxFit fit = FitLetterbox(drawable_w, drawable_h, back_width_, back_height_);
  fit_ = fit;
  drawable_w_ = drawable_w;
  drawable_h_ = drawable_h;
  // OpenGL counts rows from the bottom.
  viewport_ = {fit.left, drawable_h - fit.top - fit.height, fit.width, fit.height};
  point_scale_ = static_cast<float>(fit.scale);
  // The bars outside the letterbox stay black.
  if (clear_bars && (viewport_.width != drawable_w || viewport_.height != drawable_h)) {
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  glViewport(viewport_.x, viewport_.y, viewport_.width, viewport_.height);
  ApplyClip();
  glEnable(GL_SCISSOR_TEST);
  glUniform1f(u_point_scale_, point_scale_);
}

void GlDevice::ApplyClip(bool points) {
  int32_t x0 = viewport_.x;
  int32_t y0 = viewport_.y;
  int32_t x1 = viewport_.x + viewport_.width;
  int32_t y1 = viewport_.y + viewport_.height;
  if (area_ == DrawArea::Window) {
    x0 = 0;
    y0 = 0;
    x1 = drawable_w_;
    y1 = drawable_h_;
  }
  if (has_scissor_) {
    // The rectangle counts rows from the top.
    x0 = std::max(x0, scissor_.x);
    x1 = std::min(x1, scissor_.x + scissor_.width);
    y0 = std::max(y0, drawable_h_ - scissor_.y - scissor_.height);
    y1 = std::min(y1, drawable_h_ - scissor_.y);
  }
  // The row the driver's points reach below the rectangle is its own last.
  if (points && points_pass_scissor_) ++y0;
  glScissor(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

bool GlDevice::PointsPassTheScissor() {
  // In the window's own buffer (an offscreen target does not show it): its
  // corner's 8 x 8 pixels.
  glViewport(0, 0, 8, 8);
  glDisable(GL_SCISSOR_TEST);
  const bool depth_test = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  // A 4-pixel point at the centre covers rows 2 to 5; the scissor keeps rows
  // 4 to 7 (from the bottom).
  glEnable(GL_SCISSOR_TEST);
  glScissor(0, 4, 8, 4);
  const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glUniformMatrix4fv(u_transform_, 1, GL_FALSE, identity);
  glUniform1f(u_point_scale_, 1.0f);
  glUniform1i(u_textured_, 0);
  glUniform1i(u_sprite_, 0);
  textured_uniform_ = sprite_uniform_ = 0;
  GpuPoint point;
  point.size = 4.0f;
  point.colour = 0xFFFFFFFFu;
  glBindVertexArray(point_array_);
  glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
  Upload(GL_ARRAY_BUFFER, point_capacity_, &point, sizeof(point));
  glDrawArrays(GL_POINTS, 0, 1);
  uint32_t row[8] = {};
  glReadPixels(0, 3, 8, 1, GL_RGBA, GL_UNSIGNED_BYTE, row);
  bool passes = false;
  for (const uint32_t pixel : row) passes = passes || pixel != 0;
  // The pipeline as it was; the next scene sets the viewport and clipping.
  glDisable(GL_SCISSOR_TEST);
  if (depth_test) glEnable(GL_DEPTH_TEST);
  if (blend_) glEnable(GL_BLEND);
  glUniform1f(u_point_scale_, point_scale_);
  SendTransform();
  return passes;
}

bool GlDevice::BeginScene() {
  if (in_scene_ || !MakeCurrent()) return false;
  glUseProgram(program_);
  const bool was_widened = area_ == DrawArea::Window;
  area_ = DrawArea::Letterbox;
  has_scissor_ = false;
  // A frame drawn in parts leaves the bars as the last whole frame made them.
  UpdateViewport(!partial_);
  if (partial_) presenter_.WillDraw(drawn_, drawable_h_);
  if (was_widened) SendTransform();
  in_scene_ = true;
  return true;
}

void GlDevice::SetDrawArea(DrawArea area) {
  if (context_ == nullptr || area == area_) return;
  // Before the first scene the window's size is not known: the letterbox stays.
  if (area == DrawArea::Window && (drawable_w_ <= 0 || drawable_h_ <= 0)) return;
  area_ = area;
  if (area_ == DrawArea::Window) {
    glViewport(0, 0, drawable_w_, drawable_h_);
  } else {
    glViewport(viewport_.x, viewport_.y, viewport_.width, viewport_.height);
  }
  ApplyClip();
  SendTransform();
}

void GlDevice::SendTransform() {
  if (area_ == DrawArea::Window) {
    float widened[16];
    WidenToArea(transform_, fit_, drawable_w_, drawable_h_, widened);
    glUniformMatrix4fv(u_transform_, 1, GL_FALSE, widened);
  } else {
    glUniformMatrix4fv(u_transform_, 1, GL_FALSE, transform_);
  }
}

bool GlDevice::Clear(uint32_t argb, bool colour, bool depth, float depth_value, int32_t stencil) {
  if (!MakeCurrent()) return false;
  GLbitfield mask = 0;
  if (colour) {
    glClearColor(static_cast<float>((argb >> 16) & 0xFF) / 255.0f,
                 static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
                 static_cast<float>(argb & 0xFF) / 255.0f,
                 static_cast<float>((argb >> 24) & 0xFF) / 255.0f);
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if (depth) {
    glClearDepth(std::clamp(depth_value, 0.0f, 1.0f));
    glClearStencil(stencil);
    mask |= GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
  }
  if (mask != 0) glClear(mask);
  return glGetError() == GL_NO_ERROR;
}

bool GlDevice::EndScene() {
  if (!in_scene_) return false;
  in_scene_ = false;
  return true;
}

bool GlDevice::Present() {
  if (!MakeCurrent()) return false;
  presenter_.Present(partial_ ? shown_ : std::vector<PixelRect>(), drawable_w_, drawable_h_);
  presented_w_ = drawable_w_;
  presented_h_ = drawable_h_;
  picture_spoiled_ = false;
  if (!points_probed_) {
    // Once the first frame is out (the probe is no part of its waiting):
    // it draws into the back buffer's corner, so the next frame is whole.
    points_probed_ = true;
    points_pass_scissor_ = PointsPassTheScissor();
    picture_spoiled_ = true;
  }
  partial_ = false;
  drawn_.clear();
  shown_.clear();
  return true;
}

void GlDevice::Finish() {
  if (MakeCurrent()) glFinish();
}

KeptPicture GlDevice::GetKeptPicture() {
  KeptPicture kept;
  if (context_ == nullptr || presented_w_ < 0 || picture_spoiled_) return kept;
  int drawable_w = 0;
  int drawable_h = 0;
  SDL_GL_GetDrawableSize(static_cast<SDL_Window*>(window_), &drawable_w, &drawable_h);
  // A new size is a new back buffer.
  if (drawable_w != presented_w_ || drawable_h != presented_h_) return kept;
  kept.age = presenter_.BackBufferAge();
  kept.fit = FitLetterbox(drawable_w, drawable_h, back_width_, back_height_);
  kept.drawable_width = drawable_w;
  kept.drawable_height = drawable_h;
  return kept;
}

void GlDevice::SetPartialFrame(const PixelRect* drawn, int32_t drawn_count, const PixelRect* shown,
                               int32_t shown_count) {
  partial_ = drawn != nullptr && drawn_count > 0;
  drawn_.assign(drawn, drawn + (partial_ ? drawn_count : 0));
  shown_.assign(shown, shown + (partial_ && shown != nullptr ? shown_count : 0));
}

void GlDevice::SetScissor(const PixelRect* rect) {
  if (context_ == nullptr) return;
  has_scissor_ = rect != nullptr;
  if (rect != nullptr) scissor_ = *rect;
  if (in_scene_) ApplyClip();
}

void GlDevice::SetBlend(bool on) {
  if (context_ == nullptr) return;
  blend_ = on;
  if (on) {
    glEnable(GL_BLEND);
  } else {
    glDisable(GL_BLEND);
  }
}

void GlDevice::ApplyBlendFunc() {
  glBlendFunc(GL_SRC_ALPHA, additive_ ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
}

void GlDevice::SetAdditive(bool on) {
  additive_ = on;
  if (context_ != nullptr) ApplyBlendFunc();
}

void GlDevice::ApplySampler() {
  const GLint filter = filter_ == Filter::Point ? GL_NEAREST : GL_LINEAR;
  glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, filter);
  glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, filter);
  // Anisotropy is switched on per draw, where the draw minifies its texture.
  if (max_anisotropy_ > 0.0f) glSamplerParameterf(sampler_, GL_TEXTURE_MAX_ANISOTROPY_EXT, 1.0f);
  sampler_anisotropic_ = false;
  const bool wrap_r = wrap_u_ || wrap_v_;
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, wrap_u_ ? GL_REPEAT : GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, wrap_v_ ? GL_REPEAT : GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_R, wrap_r ? GL_REPEAT : GL_CLAMP_TO_EDGE);
}

void GlDevice::UseAnisotropy(bool on) {
  on = on && filter_ == Filter::Anisotropic && max_anisotropy_ > 0.0f;
  if (on == sampler_anisotropic_) return;
  glSamplerParameterf(sampler_, GL_TEXTURE_MAX_ANISOTROPY_EXT, on ? max_anisotropy_ : 1.0f);
  sampler_anisotropic_ = on;
}

void GlDevice::SetFilter(Filter filter) {
  filter_ = filter;
  if (context_ != nullptr) ApplySampler();
}

void GlDevice::SetDepthTest(bool on) {
  if (context_ == nullptr) return;
  if (on) {
    glEnable(GL_DEPTH_TEST);
  } else {
    glDisable(GL_DEPTH_TEST);
  }
}

void GlDevice::SetLighting(bool /*on*/) {
  // The core profile has no fixed-function lighting and nothing the engine
  // draws is lit; the switch is accepted and has no effect.
}

void GlDevice::SetAddressing(bool wrap_u, bool wrap_v) {
  if (wrap_u == wrap_u_ && wrap_v == wrap_v_) return;
  wrap_u_ = wrap_u;
  wrap_v_ = wrap_v;
  if (context_ != nullptr) ApplySampler();
}

void GlDevice::SetAntialias(bool on) {
  if (context_ == nullptr) return;
  if (on) {
    glEnable(GL_MULTISAMPLE);
    glEnable(GL_LINE_SMOOTH);
  } else {
    glDisable(GL_MULTISAMPLE);
    glDisable(GL_LINE_SMOOTH);
  }
}

void GlDevice::SetTransform(const float matrix[16]) {
  if (context_ == nullptr) return;
  std::memcpy(transform_, matrix, sizeof(transform_));
  SendTransform();
}

TextureHandle GlDevice::CreateTexture(int32_t width, int32_t height, const uint32_t* pixels) {
  if (width <= 0 || height <= 0 || !MakeCurrent()) return 0;
  if (width > max_texture_side_ || height > max_texture_side_) return 0;
  std::vector<uint32_t> zeros;
  if (pixels == nullptr) {
    // OpenGL leaves a texture made without data undefined; blank means zero.
    zeros.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
    pixels = zeros.data();
  }
  while (glGetError() != GL_NO_ERROR) {
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
  const bool ok = glGetError() == GL_NO_ERROR;
  glBindTexture(GL_TEXTURE_2D, bound_);
  if (!ok) {
    glDeleteTextures(1, &name);
    return 0;
  }
  textures_[name] = {width, height, PixelsOpaque(pixels, static_cast<size_t>(width) * height)};
  return name;
}

bool GlDevice::UpdateTexture(TextureHandle texture, int32_t width, int32_t height,
                             const uint32_t* pixels) {
  auto found = textures_.find(texture);
  if (pixels == nullptr || found == textures_.end() || !MakeCurrent()) return false;
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
  const bool ok = glGetError() == GL_NO_ERROR;
  // Only the whole image replaced keeps a known answer; a part leaves the
  // rest unknown here, so blending stays on.
  TextureInfo& info = found->second;
  info.opaque = ok && width == info.width && height == info.height &&
                PixelsOpaque(pixels, static_cast<size_t>(width) * height);
  glBindTexture(GL_TEXTURE_2D, bound_);
  return ok;
}

bool GlDevice::ReadTexture(TextureHandle texture, int32_t width, int32_t height, uint32_t* pixels) {
  if (pixels == nullptr || textures_.count(texture) == 0 || !MakeCurrent()) return false;
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint real_w = 0;
  GLint real_h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &real_w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &real_h);
  bool ok = real_w == width && real_h == height;
  if (ok) {
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    ok = glGetError() == GL_NO_ERROR;
  }
  glBindTexture(GL_TEXTURE_2D, bound_);
  return ok;
}

void GlDevice::DestroyTexture(TextureHandle texture) {
  if (textures_.erase(texture) == 0 || !MakeCurrent()) return;
  const GLuint name = texture;
  glDeleteTextures(1, &name);
  if (bound_ == texture) bound_ = 0;
}

void GlDevice::BindTexture(TextureHandle texture) {
  if (context_ == nullptr) return;
  if (texture != 0 && textures_.count(texture) == 0) texture = 0;
  bound_ = texture;
  glBindTexture(GL_TEXTURE_2D, texture);
}

void GlDevice::PrepareDraw(bool sprites) {
  const int32_t textured = bound_ != 0 ? 1 : 0;
  if (textured != textured_uniform_) {
    glUniform1i(u_textured_, textured);
    textured_uniform_ = textured;
  }
  const int32_t sprite = sprites ? 1 : 0;
  if (sprite != sprite_uniform_) {
    glUniform1i(u_sprite_, sprite);
    sprite_uniform_ = sprite;
  }
}

void GlDevice::DrawMesh(Primitive primitive, const GpuVertex* vertices, int32_t vertex_count,
                        const uint16_t* indices, int32_t index_count) {
  if (context_ == nullptr || vertices == nullptr || vertex_count <= 0) return;
  PrepareDraw(false);
  const auto texture = bound_ != 0 ? textures_.find(bound_) : textures_.end();
  if (filter_ == Filter::Anisotropic && max_anisotropy_ > 0.0f) {
    const float* matrix = transform_;
    float widened[16];
    if (area_ == DrawArea::Window) {
      WidenToArea(transform_, fit_, drawable_w_, drawable_h_, widened);
      matrix = widened;
    }
    const bool window = area_ == DrawArea::Window;
    UseAnisotropy(texture != textures_.end() &&
                  MeshMinifiesTexture(matrix, 0.5f * (window ? drawable_w_ : viewport_.width),
                                      0.5f * (window ? drawable_h_ : viewport_.height), vertices,
                                      vertex_count, indices, index_count, texture->second.width,
                                      texture->second.height));
  }
  // Opaque pixels blended "over" give exactly what blending off gives, for
  // less work on every pixel.
  const bool unblended = blend_ && !additive_ &&
                         (bound_ == 0 || (texture != textures_.end() && texture->second.opaque)) &&
                         VerticesOpaque(vertices, vertex_count);
  if (unblended) glDisable(GL_BLEND);
  glBindVertexArray(mesh_array_);
  glBindBuffer(GL_ARRAY_BUFFER, mesh_buffer_);
  Upload(GL_ARRAY_BUFFER, mesh_capacity_, vertices,
         static_cast<size_t>(vertex_count) * sizeof(GpuVertex));
  const GLenum mode = PrimitiveMode(primitive);
  const bool clip_points = mode == GL_POINTS && points_pass_scissor_;
  if (clip_points) ApplyClip(true);
  if (indices != nullptr && index_count > 0) {
    Upload(GL_ELEMENT_ARRAY_BUFFER, index_capacity_, indices,
           static_cast<size_t>(index_count) * sizeof(uint16_t));
    glDrawRangeElements(mode, 0, static_cast<GLuint>(vertex_count - 1), index_count,
                        GL_UNSIGNED_SHORT, nullptr);
  } else {
    glDrawArrays(mode, 0, vertex_count);
  }
  if (clip_points) ApplyClip();
  if (unblended) glEnable(GL_BLEND);
}

void GlDevice::DrawPoints(Primitive primitive, const GpuPoint* points, int32_t count) {
  if (context_ == nullptr || points == nullptr || count <= 0) return;
  PrepareDraw(primitive == Primitive::PointSprites);
  UseAnisotropy(true);
  glBindVertexArray(point_array_);
  glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
  Upload(GL_ARRAY_BUFFER, point_capacity_, points, static_cast<size_t>(count) * sizeof(GpuPoint));
  if (points_pass_scissor_) ApplyClip(true);
  glDrawArrays(GL_POINTS, 0, count);
  if (points_pass_scissor_) ApplyClip();
}

bool GlDevice::ReadPixels(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* argb) {
  if (argb == nullptr || width <= 0 || height <= 0 || !MakeCurrent()) return false;
  const int32_t top = viewport_.y + viewport_.height;  // GL row just above the letterbox
  const int32_t gl_y = top - (y + height);
  std::vector<uint32_t> rows(static_cast<size_t>(width) * static_cast<size_t>(height));
  glReadPixels(viewport_.x + x, gl_y, width, height, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
  if (glGetError() != GL_NO_ERROR) return false;
  // OpenGL hands rows bottom-up.
  for (int32_t r = 0; r < height; ++r) {
    const uint32_t* source = rows.data() + static_cast<size_t>(height - 1 - r) * width;
    std::memcpy(argb + static_cast<size_t>(r) * width, source, sizeof(uint32_t) * width);
  }
  return true;
}

std::unique_ptr<GpuDevice> CreateGlDevice() { return std::make_unique<GlDevice>(); }

void PrepareOpenGlDriver() { setenv(kEnvMesaThreads, "2", 0); }

}  // namespace ORB::platform
