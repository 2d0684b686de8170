#pragma once
// The border pictures: on a fullscreen desktop of another shape than the
// game's 1024 x 768 screen, the bars beside it (or above and below it) show
// a repeated pattern, "ear_tile", with a strip along the screen's edge,
// "ear_line", instead of black. Both are sprite descriptions in the
// repository document "data data.xml":
//
//   <data>
//     <ear>
//       <ear_tile><FILE>data/share/image/gui ear_tile.png</FILE></ear_tile>
//       <ear_line><FILE>data/share/image/gui ear_line.png</FILE></ear_line>
//     </ear>
//   </data>
//
// CreateGame loads them (LoadScreenBorders), the driver draws them last in
// every frame (DrawScreenBorders), ShutdownGame gives them back
// (ReleaseScreenBorders). They are drawn in the game's coordinates, outside
// 0..1024 x 0..768, with the renderer's draws widened to the whole window.
#include <cstdint>

#include <pugixml.hpp>

#include "engine/foundation/renderer.h"
#include "engine/scene/texture_provider.h"
#include "framework/sprite.h"

namespace game {

// The sizes of the two pictures for one frame.
struct BorderLayout {
  bool draw = false;   // false: no bars to fill (or a window without size)
  bool beside = true;  // bars left and right; false: above and below
  float tile_width = 0.0f;
  float tile_height = 0.0f;
  float line_width = 0.0f;
  float line_height = 0.0f;
};

// For a window of that size and the desktop's shape (display_mode.h), with
// the line picture's texture size. Beside: the surplus width in the game's
// units, trunc(W / H x 768) - 1024; the tile is three halves of it wide (a
// margin for rounding) and 768 high, the line its texture's width and 768
// high. Above and below the same across: the surplus height
// trunc(H / W x 1024) - 768, the tile 1024 wide, the line 1024 wide and its
// texture's height. A window of height 0 (minimised) or width 0 draws
// nothing.
BorderLayout LayOutScreenBorders(int32_t window_width, int32_t window_height, bool wider_than_4_3,
                                 bool taller_than_4_3, float line_texture_width,
                                 float line_texture_height);

class ScreenBorders {
 public:
  // Builds both sprites from the children "ear_tile" and "ear_line" of the
  // element; false, changing nothing, when either is missing.
  bool Load(const pugi::xml_node& ear);
  void LoadTextures(ORB::TextureProvider* provider);
  void ReleaseTextures();

  // Draws the bars of a window of that size into the current frame of the
  // renderer (the current one), with its draws widened to the window;
  // afterwards they land in the letterbox again.
  void Draw(ORB::Renderer& renderer, int32_t window_width, int32_t window_height,
            bool wider_than_4_3, bool taller_than_4_3);

  ORB_GF::G_SPRITE& Tile() { return tile_; }
  ORB_GF::G_SPRITE& Line() { return line_; }

 private:
  ORB_GF::G_SPRITE tile_;
  ORB_GF::G_SPRITE line_;
};

inline constexpr const char* kBorderFile = "data data.xml";

// Loads the game's border pictures from "data data.xml" with their textures
// (from the process's texture provider). False, with one error line, when
// the document is missing or not well-formed, or lacks "ear", "ear_tile" or
// "ear_line".
bool LoadScreenBorders();
// Fills the bars of the game window in the frame being drawn: only in
// fullscreen (or on a mobile platform), and only once loaded.
void DrawScreenBorders();
// Gives the textures back and deletes the pictures.
void ReleaseScreenBorders();
// The game's pictures; null before LoadScreenBorders and after
// ReleaseScreenBorders.
ScreenBorders* GetScreenBorders();

}  // namespace game
