#pragma once
// One cell of the board. A cell is part of the picture (filled), empty, or
// inert (never opens and shows its overlay from the start). It starts closed
// and opens once, with the fill or the cross tool; a wrong guess opens it all
// the same and reveals its true content. An opened cell counts as open at
// once but becomes visible only when its open delay has run out, so the cells
// of a line appear one after another.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/point.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "framework/animation.h"
#include "framework/sprite.h"

namespace game {

// The looks every cell copies: the filled and the cross animation, the
// overlay of inert and locked cells, the end-of-level animation. A missing
// template leaves that look out.
struct CellTemplates {
  const ORB_GF::G_ANIMATION* filled = nullptr;
  const ORB_GF::G_ANIMATION* cross = nullptr;
  const ORB_GF::G_SPRITE* overlay = nullptr;
  const ORB_GF::G_ANIMATION* end = nullptr;
};

class GG_ELEMENT {
 public:
  // Cell types, and the shown state of a closed cell.
  static constexpr uint32_t kFilled = 100;
  static constexpr uint32_t kEmpty = 101;
  static constexpr uint32_t kClosed = 102;
  static constexpr uint32_t kInert = 103;

  // Results of the open operations.
  static constexpr int32_t kOpenNothing = 0;
  static constexpr int32_t kOpenRight = 1;
  static constexpr int32_t kOpenWrong = 2;

  GG_ELEMENT(uint32_t type, uint32_t row, uint32_t col);
  GG_ELEMENT(const GG_ELEMENT&) = delete;
  GG_ELEMENT& operator=(const GG_ELEMENT&) = delete;

  uint32_t Row() const { return row_; }
  uint32_t Col() const { return col_; }
  uint32_t Type() const { return type_; }
  uint32_t Shown() const { return shown_; }

  bool IsFilled() const { return type_ == kFilled; }
  bool IsOpen() const { return shown_ == type_; }
  // Open and past its delay: what the player sees.
  bool IsRevealed() const { return revealed_; }
  bool HasBonus() const { return bonus_; }
  void SetBonus(bool bonus) { bonus_ = bonus; }
  bool IsLocked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }

  // Centre and size; each recomputes the hit rectangle.
  void SetPosition(const ORB::Vector2& centre);
  void SetSize(const ORB::Vector2& size);
  ORB::Vector2 Centre() const { return transform_.GetPositionV2(); }
  ORB::Vector2 Size() const { return size_; }
  ORB::Point RectCorner() const { return rect_corner_; }
  ORB::OS_TRANSFORM3& Transform() { return transform_; }

  // Open with the fill tool or the cross tool, showing after `delay` seconds:
  // kOpenNothing for a cell already open or inert, otherwise kOpenRight when
  // the tool matches the content, kOpenWrong when it does not.
  int32_t OpenAsFilled(double delay);
  int32_t OpenAsEmpty(double delay);

  // kEventSwallowed when the cell is not locked, the button is 1 or 2 and
  // the pointer lies inside the hit rectangle (edges included); kResultNone
  // otherwise.
  int32_t HitTest(int32_t button, const ORB::Point& pointer) const;

  // Makes the state visible at once.
  void SetShown(uint32_t state);

  // Counts the open delay down by `frameTime`; true in the call in which it
  // runs out and the cell shows (the caller then plays the cell's sound).
  bool UpdateOpenDelay(float frameTime);
  double OpenDelay() const { return open_delay_; }

  const std::string& SoundName() const { return sound_name_; }
  void SetSoundName(std::string name) { sound_name_ = std::move(name); }

  bool EndStarted() const { return end_started_; }
  void SetEndStarted(bool started) { end_started_ = started; }
  // Plays the end-of-level animation once and marks it started.
  void StartEnd();
  bool IsEndPlaying() const { return end_ != nullptr && end_->IsPlaying(); }

  // Copies the looks, placed on the cell and sized to it; their textures
  // are fetched by AcquireTextures and given back by ReleaseTextures.
  void SetVisuals(const CellTemplates& templates);
  void AcquireTextures();
  void ReleaseTextures();
  // The parts of the cell's look, each drawn only when it shows.
  void DrawFilled() const;
  void DrawCross() const;
  void DrawOverlay() const;
  void DrawEnd() const;

 private:
  int32_t Open(double delay, uint32_t toolType);
  void UpdateRect();
  void UpdateAnimations();
  // Places a copied look on the cell, at its size.
  void Attach(ORB_GF::G_SPRITE& look);

  bool locked_ = false;
  uint32_t row_;
  uint32_t col_;
  ORB::OS_TRANSFORM3 transform_;
  ORB::Point rect_corner_;
  ORB::Vector2 size_;
  uint32_t type_;
  uint32_t shown_;
  bool bonus_ = false;
  bool revealed_;
  bool end_started_ = false;
  double open_delay_ = 0.0;
  std::string sound_name_;
  std::unique_ptr<ORB_GF::G_ANIMATION> filled_;
  std::unique_ptr<ORB_GF::G_ANIMATION> cross_;
  std::unique_ptr<ORB_GF::G_SPRITE> overlay_;
  std::unique_ptr<ORB_GF::G_ANIMATION> end_;
};

}  // namespace game
