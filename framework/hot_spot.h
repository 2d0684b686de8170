#pragma once
// Hot spots: the nine points of a picture that its position can refer to,
// in a 3 x 3 grid read row by row, and their names in descriptions.
#include <cstdint>
#include <string_view>

namespace ORB_GF {

enum HotSpot : int32_t {
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

// "HS_UL" ... "HS_DR" (exact text) to 0 ... 8; any other text gives HS_MID.
int32_t HotSpotFromName(std::string_view name);

// The hot spot's share of the width and height: 0, 0.5 or 1 each. False
// (and nothing written) for a kind outside 0..8.
bool HotSpotFractions(int32_t kind, float* fx, float* fy);

}  // namespace ORB_GF
