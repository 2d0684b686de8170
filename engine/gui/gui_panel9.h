#pragma once
// OC_GUI_PANEL9: a frame of any size drawn from nine pictures, for dialogs
// and cards. The four corners keep their size; the top and bottom edges
// repeat their picture along x, the left and right edges along y, the middle
// both ways (through the texture's wrap modes, never stretched). The frame is
// centred on the widget's position and its pieces are placed by NineLayout
// (engine/scene/nine_layout.h). The GUI XML element "PANEL9" builds it from
// "TX_1_1" ... "TX_3_3".
//
// Pieces are numbered row by row from the top left: 0 upper-left corner,
// 1 top edge, 2 upper-right corner, 3 left edge, 4 middle, 5 right edge,
// 6 lower-left corner, 7 bottom edge, 8 lower-right corner. A piece whose
// name is empty is left out (drawn as nothing, measured as 0).
//
// Size: at least the minimum, the two upper corners' widths by the two side
// edges' heights; a size set before the build (the description's "SIZE") is
// kept for it, and none gives the minimum. The middle and the edges never
// get less than nothing, so a frame whose corners are taller than its side
// edges draws at its corners' height.
//
// Input: as every panel (gui_panel_base.h) over the frame as drawn; a PANEL9
// is not movable unless told so.
//
// Resources: the nine named textures are taken by LoadResources; the frame is
// built once every named piece is had (a missing one is logged and the frame
// stays unbuilt). ReleaseResources gives every use back.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/gui/gui_panel_base.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/held_texture.h"
#include "engine/scene/mesh.h"

namespace ORB {

class OC_GUI_PANEL9 : public GuiPanelBase {
 public:
  static constexpr int32_t kPieces = 9;
  using Names = std::array<std::string, kPieces>;
  using Textures = std::array<TextureRecord*, kPieces>;

  // The textures' names in piece order.
  OC_GUI_PANEL9(int32_t id, const Names& names);
  // Built at once on the caller's textures (never given back); null leaves
  // a piece out.
  OC_GUI_PANEL9(int32_t id, const Textures& textures);

  bool IsBuilt() const { return built_; }
  int32_t GetMinWidth() const { return min_width_; }
  int32_t GetMinHeight() const { return min_height_; }
  // The piece's quad; null for a piece left out or before the build.
  const OC_MESH* GetPiece(int32_t index) const;
  const OC_HIT_SHAPE& GetHitShape() const { return hit_; }

  void Draw() override;
  // At least the minimum; the pieces are laid out again.
  void SetSize(int32_t w, int32_t h) override;
  // The frame as drawn; 0 until built.
  float GetWidth() const override;
  float GetHeight() const override;
  void LoadResources() override;
  void ReleaseResources() override;

 protected:
  bool Hits(float x, float y) const override;

 private:
  // Makes the pieces on the textures (null: left out) and lays them out.
  void Build(const Textures& textures);
  void Layout();

  std::array<HeldTexture, kPieces> textures_;
  std::array<OS_TRANSFORM3, kPieces> piece_transforms_;
  std::array<std::unique_ptr<OC_MESH>, kPieces> pieces_;
  // Each piece's own size, kept from the build (a released texture has
  // another).
  std::array<float, kPieces> piece_widths_{};
  std::array<float, kPieces> piece_heights_{};
  // The hit rectangle's transform: its pivot puts the rectangle over the
  // frame as drawn.
  OS_TRANSFORM3 hit_transform_;
  OC_HIT_SHAPE hit_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t min_width_ = 0;
  int32_t min_height_ = 0;
  float drawn_width_ = 0.0f;
  float drawn_height_ = 0.0f;
  bool built_ = false;
};

}  // namespace ORB
