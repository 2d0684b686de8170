#pragma once
// OC_GUI_IMAGE: one textured quad on the widget's transform, anchored at one
// of the nine anchors, that also answers presses (7) and clicks (8) of a
// mouse button on itself. A small complete widget: the model the others
// follow for resources and input.
//
// Resources: the texture named in the image is taken by LoadResources and
// given back by ReleaseResources (the quad then shows the placeholder) and on
// deletion. The first load that has the texture builds the quad (the
// texture's size, or the size set by SetSize before) and the hit rectangle
// over exactly what is drawn; later loads only swap the texture. A texture
// handed in with SetTexture (or the constructor) is the caller's: the passes
// leave it alone and it is never given back.
//
// Input: no hover. The press and release passes answer only mouse buttons (a
// key of the keyboard going down while the pointer rests on the image must
// not take the focus from a line box being typed into): a button going down
// inside answers 7, going up inside 8, outside clears the code. The per-frame
// pass answers the record while the code is not 0, so a click keeps
// answering 8 until a button goes down or up outside the image, taking the
// focus from the widgets listed before it each frame (list a line box after
// it: gui_object.h).
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/gui/gui_input.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/held_texture.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_IMAGE : public OC_GUI_OBJECT {
 public:
  // Nothing built until a load finds the texture; anchor 4 (centre).
  OC_GUI_IMAGE(int32_t id, std::string textureName);
  // Built at once on the caller's texture; anchor 4.
  OC_GUI_IMAGE(int32_t id, TextureRecord* texture);

  // 0..8 (other values: 4); re-anchors a built image.
  void SetAnchor(int32_t anchor);
  int32_t GetAnchor() const { return anchor_; }
  // Gives the old texture back; the image is rebuilt on the new one at once
  // between a load and a release, else by the next load (a name set before
  // any load loads nothing).
  void SetTextureName(std::string name);
  const std::string& GetTextureName() const { return texture_.Name(); }
  // Shows the caller's texture at its size (building when not built yet);
  // a texture taken by name is given back first and the name forgotten.
  void SetTexture(TextureRecord* texture);

  GuiEvent* Process() override;
  GuiEvent* OnMouseUp() override;
  GuiEvent* OnMouseDown() override;
  void Draw() override;
  // The drawn size, kept for the build when it comes first; the hit
  // rectangle follows it.
  void SetSize(int32_t w, int32_t h) override;
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

  bool IsBuilt() const { return built_; }
  const OC_HIT_SHAPE& GetHitShape() const { return hit_; }
  // Null until built.
  const OC_MESH* GetQuad() const { return quad_.get(); }

 private:
  void Build(TextureRecord* texture);
  // Size, anchor and hit rectangle of the built quad.
  void Fit();
  // Code `code` when the button went down or up inside, else 0; a pass of
  // the keyboard alone leaves the code as it is.
  GuiEvent* AnswerButton(const GuiInput& input, bool went, int32_t code);

  HeldTexture texture_;
  int32_t anchor_ = HS_MID;
  std::unique_ptr<OC_MESH> quad_;
  OC_HIT_SHAPE hit_;
  bool built_ = false;
  bool loaded_ = false;  // between a load and a release
  bool sized_ = false;   // SetSize was called
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace ORB
