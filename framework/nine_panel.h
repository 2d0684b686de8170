#pragma once
// NinePanel: a frame of any size drawn from nine pictures. The four corners
// keep their size, the top and bottom edges repeat their picture along x,
// the left and right edges along y, and the middle both ways, so a frame
// drawn from small pieces looks the same at every size. The board's frame
// is one; its owner loads it from XML, fetches its textures in its
// load-resources pass, sizes it and draws it.
//
//   <border ul="img ul.png" up="img up.png" ur="img ur.png"
//           lt="img lt.png" mid="img mid.png" rt="img rt.png"
//           dl="img dl.png" dn="img dn.png" dr="img dr.png"/>
//
// A piece without a picture stays unloaded and is left out of the sizes and
// the drawing.
#include <array>
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/scene/nine_layout.h"
#include "engine/scene/texture_provider.h"
#include "framework/sprite.h"

namespace ORB_GF {

class NinePanel {
 public:
  // The pieces, in drawing order.
  enum Piece : int32_t { kUL, kUp, kUR, kRt, kDR, kDn, kDL, kLt, kMid, kPieceCount };

  // Size 0 x 0 until the textures are loaded; the pieces hang from the
  // panel's transform, whose position is the panel's centre.
  NinePanel();
  // The pieces point at this panel's transform.
  NinePanel(const NinePanel&) = delete;
  NinePanel& operator=(const NinePanel&) = delete;

  // Records the texture names of the attributes "ul", "up", "ur", "lt",
  // "mid", "rt", "dl", "dn" and "dr" that are present and not empty.
  void Load(const pugi::xml_node& node);
  // The same names in hand; an empty one leaves that piece as it is.
  void SetFiles(const std::string& ul, const std::string& up, const std::string& ur,
                const std::string& lt, const std::string& mid, const std::string& rt,
                const std::string& dl, const std::string& dn, const std::string& dr);

  // Fetches the pieces' textures, takes the corners' sizes as the minimum
  // size and lays the panel out; a size not set yet (0 or less) becomes the
  // minimum.
  void LoadTextures(ORB::TextureProvider* provider);
  void LoadTextures() { LoadTextures(ORB::GetTextureProvider()); }
  void ReleaseTextures();

  // The outer size, at least the minimum; then the pieces are laid out.
  void SetSize(int32_t w, int32_t h);

  float GetMinWidth() const { return min_width_; }
  float GetMinHeight() const { return min_height_; }
  float GetWidth() const { return width_; }
  float GetHeight() const { return height_; }
  // The space between the corners (0 x 0 when the corners meet).
  float GetMiddleWidth() const { return middle_width_; }
  float GetMiddleHeight() const { return middle_height_; }

  void SetPosition(float x, float y) { transform_.SetPosition(x, y, 0.0f); }
  ORB::OS_TRANSFORM3& GetTransform() { return transform_; }

  // Every loaded piece, in the order of Piece: texel for pixel while the
  // panel is neither turned nor scaled (sharp at whole-pixel positions),
  // filtered otherwise.
  void Draw();

  const G_SPRITE& GetPiece(Piece piece) const { return pieces_[piece]; }

 private:
  // Column and row sizes from the loaded corners.
  float LeftWidth() const;
  float RightWidth() const;
  float TopHeight() const;
  float BottomHeight() const;
  float Loaded(Piece piece, bool width) const;
  // The middle and the pieces' places at the current size.
  ORB::NineLayout Measure() const;
  // The middle = the size less the corners; edges and middle take it.
  void Resize();
  // Places every piece so that it touches the middle.
  void Layout(const ORB::NineLayout& layout);

  ORB::OS_TRANSFORM3 transform_;
  std::array<G_SPRITE, kPieceCount> pieces_;
  float width_ = 0.0f;
  float height_ = 0.0f;
  float min_width_ = 0.0f;
  float min_height_ = 0.0f;
  float middle_width_ = 0.0f;
  float middle_height_ = 0.0f;
};

}  // namespace ORB_GF
