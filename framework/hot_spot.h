#pragma once
// Hot spots: the point of a sprite that its position refers to. They are the
// engine's anchors (engine/scene/anchor.h), under the names sprite code uses.
#include <cstdint>
#include <string_view>

#include "engine/scene/anchor.h"

namespace ORB_GF {

using HotSpot = ORB::Anchor;
using ORB::HS_DL;
using ORB::HS_DR;
using ORB::HS_MD;
using ORB::HS_MID;
using ORB::HS_ML;
using ORB::HS_MR;
using ORB::HS_MU;
using ORB::HS_UL;
using ORB::HS_UR;

// "HS_UL" ... "HS_DR" (exact text) to 0 ... 8; any other text gives HS_MID.
inline int32_t HotSpotFromName(std::string_view name) { return ORB::AnchorFromName(name); }

}  // namespace ORB_GF
