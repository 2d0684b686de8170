#pragma once
// The nine anchors of a picture: the points of its 3 x 3 grid, read row by
// row, that a position refers to. A quad's pivot (OC_MESH::SetAnchor), a
// sprite's hot spot, a text's alignment and a layout's child placement all
// count them the same way, and descriptions name them "HS_UL" ... "HS_DR"
// (the HOT_SPOT values of sprite, window and GUI descriptions).
//
//   HS_UL 0   HS_MU 1   HS_UR 2        share of the width:  0, 0.5, 1
//   HS_ML 3   HS_MID 4  HS_MR 5        share of the height: 0, 0.5, 1
//   HS_DL 6   HS_MD 7   HS_DR 8
//
// A loader that meets an unknown name keeps the centre, as the descriptions'
// format says, and logs the name:
//
//   const std::optional<int32_t> anchor = FindAnchor(text);
//   if (!anchor) Log(LogLevel::kWarning, "gui", file + ": unknown HOT_SPOT '" + text + "'");
//   widget.SetAnchor(anchor.value_or(HS_MID));
#include <cstdint>
#include <optional>
#include <string_view>

namespace ORB {

enum Anchor : int32_t {
  HS_UL = 0,   // upper left
  HS_MU = 1,   // middle of the upper edge
  HS_UR = 2,   // upper right
  HS_ML = 3,   // middle of the left edge
  HS_MID = 4,  // centre
  HS_MR = 5,   // middle of the right edge
  HS_DL = 6,   // lower left
  HS_MD = 7,   // middle of the lower edge
  HS_DR = 8,   // lower right
};

inline constexpr int32_t kAnchorCount = 9;

constexpr bool IsAnchor(int32_t anchor) { return anchor >= 0 && anchor < kAnchorCount; }
// Column 0 left, 1 centre, 2 right; row 0 top, 1 middle, 2 bottom (for
// values that pass IsAnchor).
constexpr int32_t AnchorColumn(int32_t anchor) { return anchor % 3; }
constexpr int32_t AnchorRow(int32_t anchor) { return anchor / 3; }

// The anchor's share of the width and of the height: 0, 0.5 or 1 each.
// False (and nothing written) outside 0..8.
bool AnchorFractions(int32_t anchor, float* fx, float* fy);

// "HS_UL" ... "HS_DR", exact text; nothing for any other text.
std::optional<int32_t> FindAnchor(std::string_view name);
// The same, with the centre (HS_MID) for any other text.
int32_t AnchorFromName(std::string_view name);
// "HS_UL" ... "HS_DR"; empty outside 0..8.
std::string_view AnchorName(int32_t anchor);

}  // namespace ORB
