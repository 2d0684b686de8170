#pragma once
// SliderPieces: the quads of a slider cut from one horizontal sheet of equal
// frames (OC_GUI_SLIDER12, OC_GUI_SLIDER13, OC_GUI_SCROLL_BAR12):
//
//   frame 0, 1, 2   minus button: normal, under the pointer, pressed
//   frame 3, 4, 5   plus button, the same
//   frame 6, 7, 8   runner, the same
//   frame 9, 10, 11 start cap, track, end cap
//   frame 12        fill (13-frame sheets only)
//
// The minus, plus and runner quads hang on the slider's start, end and runner
// transforms; the caps, the track and the fill on transforms of their own
// under the widget's. Everything is laid along the slider's axis, turned by
// its angle; the track and the fill are turned a quarter further, so that
// their length (the quad's height) runs along the axis and the sheet's track
// and fill frames repeat along it: those frames are drawn as a cross-section
// running down the frame (the same in every row).
#include <array>
#include <cstdint>
#include <memory>

#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_base_slider.h"
#include "engine/scene/mesh.h"

namespace ORB {

// Where the pieces of a framed slider stand, relative to the widget.
struct SliderLayout {
  Vector2 button_offset;  // unit direction x piece x button factor
  Vector2 start_cap;
  Vector2 track_centre;
  Vector2 end_cap;
  float track_length = 0.0f;
};

// The caps flank the runner's travel, each half a piece outside it; the
// track spans the travel between the points pulled in by the button offset.
SliderLayout LayOutSlider(Vector2 start, Vector2 end, Vector2 direction, float piece,
                          float btnFactor);

// The framed sliders' pi and quarter turn.
inline constexpr float kSliderPi = 3.1415927f;
inline constexpr float kSliderQuarter = 1.5707964f;

// The slider's turn: acos(d.x) when the end lies below the start (greater
// y), else acos(-d.x) + pi. pi is given (the scroll bar's own constant is
// rounded).
float SliderAngle(Vector2 direction, bool end_below, float pi);

// The drawn extent (width, height) of a framed slider: the distance of its
// points plus a piece along its axis, pieceHeight across it.
Vector2 FramedSliderExtent(const OC_BASESLIDER& slider, float pieceHeight);

class SliderPieces {
 public:
  // Shows frame `frame` of a `frames`-frame sheet along a quad as long as it
  // is: one texel per unit (repeating beyond the sheet's height), its edges
  // a texel inside the frame (InsetEdges).
  static void MapAlong(OC_MESH& quad, int32_t frame, int32_t frames);
  // Moves the quad's texture edges a texel inward: filtering, also the
  // wider footprint of a turned slider's, then never mixes the neighbouring
  // frames' pixels into the pieces that join (caps, track, fill).
  static void InsetEdges(OC_MESH& quad);

  enum Piece : int32_t { kMinus, kPlus, kRunner, kStartCap, kEndCap, kTrack, kFill, kCount };
  static constexpr int32_t kStartCapFrame = 9;
  static constexpr int32_t kTrackFrame = 10;
  static constexpr int32_t kEndCapFrame = 11;
  static constexpr int32_t kFillFrame = 12;

  // frames: 12 or 13 (the fill is made only with 13).
  explicit SliderPieces(int32_t frames) : frames_(frames) {}

  // Makes the quads on the texture: minus, plus and runner on the three
  // transforms; caps, track (and fill) on their own, under `parent`.
  void Make(TextureRecord* texture, OS_TRANSFORM3* parent, OS_TRANSFORM3* start, OS_TRANSFORM3* end,
            OS_TRANSFORM3* runner);
  bool IsMade() const { return quads_[kMinus] != nullptr; }
  // Null for a piece not made.
  OC_MESH* Get(Piece piece) const { return quads_[piece].get(); }
  OS_TRANSFORM3& TransformOf(Piece piece) { return transforms_[piece]; }

  // The five small pieces piece x pieceHeight, the track piece x length
  // (whole pixels, none negative); the track's texture runs over its frame
  // and repeats along its length.
  void Size(float piece, float pieceHeight, float trackLength);
  // Frames of the three buttons' states.
  void ShowStates(int32_t minus, int32_t plus, int32_t runner);
  void ShowFixedFrames();
  // Places the caps and the track.
  void Place(const SliderLayout& layout);
  // Turns the three slider transforms and the piece transforms by angle;
  // the track and the fill a quarter less.
  void Turn(float angle, float quarter, OS_TRANSFORM3* start, OS_TRANSFORM3* end,
            OS_TRANSFORM3* runner);
  void SetTexture(TextureRecord* texture);
  // startCap, endCap, track, fill, then minus, plus, runner.
  void Draw() const;

 private:
  int32_t frames_;
  std::array<std::unique_ptr<OC_MESH>, kCount> quads_;
  std::array<OS_TRANSFORM3, kCount> transforms_;  // used by the pieces of their own
};

}  // namespace ORB
