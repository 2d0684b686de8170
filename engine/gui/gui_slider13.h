#pragma once
// OC_GUI_SLIDER13: the slider (gui_base_slider.h) drawn from a sheet of 13
// equal frames side by side (gui_slider_pieces.h): the pieces of the 12-frame
// sheet and a fill, which runs from the start of the runner's travel to the
// runner's centre. The sheet is named (the GUI XML's "SLIDER13"): the first
// load that has it builds the slider (pieces one frame wide, the points
// pulled in by half a piece); later loads only swap the texture and a release
// shows the placeholder, keeping the layout. Until built it draws nothing,
// measures 0 and keeps its value; its input passes change states only.
//
// The mouse passes are the base's; after each, the parts show their states'
// frames and the fill follows the runner. The per-frame pass answers
// nothing.
#include <cstdint>
#include <string>

#include "engine/gui/gui_base_slider.h"
#include "engine/gui/gui_slider_pieces.h"
#include "engine/scene/held_texture.h"

namespace ORB {

class OC_GUI_SLIDER13 : public OC_BASESLIDER {
 public:
  static constexpr int32_t kFrames = 13;

  OC_GUI_SLIDER13(int32_t id, std::string textureName, Vector2 start, Vector2 end, float radius,
                  float btnFactor, float min, float max, float step, float value);
  ~OC_GUI_SLIDER13() override;

  GuiEvent* Process() override { return nullptr; }
  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  GuiEvent* OnMouseMove() override;
  void DropPress() override;
  void Draw() override;
  // As OC_GUI_SLIDER12's; 0 until built.
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

  bool IsBuilt() const { return built_; }
  const SliderPieces& GetPieces() const { return pieces_; }
  const SliderLayout& GetLayout() const { return layout_; }
  // Where the fill starts (the start of the runner's travel) and its length.
  Vector2 GetFillStart() const { return fill_start_; }
  float GetFillLength() const { return fill_length_; }

 protected:
  void OnRunnerMoved() override { UpdateFill(); }

 private:
  void Build(TextureRecord* texture);
  void UpdateFill();
  void ShowStates();

  HeldTexture texture_;
  SliderPieces pieces_{kFrames};
  SliderLayout layout_;
  Vector2 fill_start_;
  float fill_length_ = 0.0f;
  float piece_height_ = 0.0f;
  bool built_ = false;
};

}  // namespace ORB
