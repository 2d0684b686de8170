#pragma once
// OC_GUI_CHECKBOX_IOS: a slide switch, a track with a knob that slides to the
// other end when the track is pressed. It starts on, with the knob at the
// left end; off puts the knob at the right end. The GUI XML element
// "CHECKBOX_IOS" builds it from the track's and the knob's textures.
//
// Input: a mouse button going down over the track is the click: the switch
// turns to the other state, the knob slides there in 0.3 s (a move bot in
// the switch's own bot list, run by the per-frame pass), and the answer is
// 8 (no 7). A press while the knob is still sliding answers 8 too but
// changes nothing. Keys of the keyboard never toggle it.
//
// Resources: both textures through SheetQuads (sheet_quad.h), built together
// once both are had. The track is centred on the widget's position; the
// knob hangs from it on a transform of its own, d = half the track's width
// less half the knob's (whole pixels) to the left (on) or right (off) of the
// centre. SetChecked before the build does nothing (there is no knob yet).
#include <cstdint>
#include <string>

#include "engine/foundation/callback.h"
#include "engine/foundation/transform.h"
#include "engine/gui/gui_checkbox_interface.h"
#include "engine/gui/sheet_quad.h"
#include "engine/scene/bot_list.h"

namespace ORB {

class OC_GUI_CHECKBOX_IOS : public OC_GUI_CHECKBOX_INTERFACE {
 public:
  static constexpr float kSlideSeconds = 0.3f;

  OC_GUI_CHECKBOX_IOS(int32_t id, std::string panelTexture, std::string knobTexture);

  bool IsChecked() const override { return checked_; }
  // Nothing when the state is already that, while the knob slides, or before
  // the build. instant: the knob jumps to its end; else it slides there.
  void SetChecked(bool checked, bool instant) override;
  // No slide is running.
  bool IsIdle() const { return idle_; }
  // The knob's x from the track's centre, and where it rests on and off.
  float GetKnobX() const { return knob_transform_.position.x; }
  float GetOnX() const { return on_x_; }
  float GetOffX() const { return off_x_; }
  bool IsBuilt() const { return built_; }
  const SheetQuad& GetPanel() const { return panel_; }
  const SheetQuad& GetKnob() const { return knob_; }

  GuiEvent* Process() override;
  GuiEvent* OnMouseDown() override;
  void Draw() override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 private:
  void Build();

  bool idle_ = true;
  bool checked_ = true;
  bool built_ = false;
  float on_x_ = 0.0f;
  float off_x_ = 0.0f;
  SheetQuad panel_;
  SheetQuad knob_;
  OS_TRANSFORM3 knob_transform_;
  OC_BOT_LIST bots_;
  // Handed to each slide bot, which calls it when it arrives.
  Callback slide_done_;
};

}  // namespace ORB
