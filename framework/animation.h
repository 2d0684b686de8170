#pragma once
// G_ANIMATION: a sprite that plays the cells of a sprite sheet cut into a
// grid, frame by frame, forward or backward, once, looping or ping-pong.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "framework/sprite.h"

namespace ORB_GF {

class G_ANIMATION : public G_SPRITE {
 public:
  G_ANIMATION();
  explicit G_ANIMATION(const std::string& file);
  explicit G_ANIMATION(const pugi::xml_node& node);
  G_ANIMATION(const G_ANIMATION& other);
  G_ANIMATION& operator=(const G_ANIMATION& other);
  ~G_ANIMATION() override;

  // The sprite's, then the grid again (the sprite's size follows the
  // texture's cells).
  void LoadTexture(ORB::TextureProvider* provider) override;
  using G_SPRITE::LoadTexture;
  void ReleaseTexture() override;
  // The sprite's elements, then "ANIMATION" with "loop", "flip",
  // "ping_pong", "reverese", "grid", "frames" and "fps"; the current frame
  // is shown afterwards.
  bool Load(const pugi::xml_node& node) override;

  // Defaults: forward start, no ping-pong, loop, no flip, stopped, one cell,
  // one frame, step +1, 1 frame a second, no delay; frame 0 shown.
  void ResetAnimation();

  // Cells of 1/cols x 1/rows of the texture (below 1 counts as 1); with a
  // texture the sprite takes the size of one cell in whole pixels.
  void SetGrid(int32_t cols, int32_t rows);
  // Shows frame i modulo the frame count and restarts the frame clock.
  void SetFrame(int32_t i);
  // Starts playing after `delay` seconds from the first frame (forward
  // start) or the last, stepping towards the other end.
  void Play(float delay = 0.0f);
  void Stop() { playing_ = 0; }
  void Resume() { playing_ = 1; }
  void SetLoop(bool loop) { loop_ = loop ? 1 : 0; }
  void SetPingPong(bool on) { ping_pong_ = on ? 1 : 0; }
  void SetForwardStart(bool on) { forward_ = on ? 1 : 0; }
  void SetFlip(bool on) { flip_ = on ? 1 : 0; }
  // Below 1 counts as 1.
  void SetFrameCount(int32_t count);
  void SetFps(float fps) { fps_ = fps; }

  // One frame of the game's clock: 1 when the animation stepped, else 0.
  int32_t Update();

  bool IsPlaying() const { return playing_ != 0; }
  bool IsLooping() const { return loop_ != 0; }
  int32_t CurrentFrame() const { return current_; }
  int32_t FrameCount() const { return count_; }
  int32_t Step() const { return step_; }
  int32_t Columns() const { return cols_; }
  int32_t Rows() const { return rows_; }
  float Fps() const { return fps_; }

 private:
  void CopyAnimation(const G_ANIMATION& other);

  uint8_t forward_ = 1;
  uint8_t ping_pong_ = 0;
  uint8_t loop_ = 1;
  uint8_t flip_ = 0;
  uint8_t playing_ = 0;
  int32_t cols_ = 1;
  int32_t rows_ = 1;
  int32_t current_ = 0;
  int32_t count_ = 1;
  int32_t step_ = 1;
  float fps_ = 1.0f;
  float accumulator_ = 0.0f;
  float delay_ = 0.0f;
  float cell_w_ = 1.0f;
  float cell_h_ = 1.0f;
};

}  // namespace ORB_GF
