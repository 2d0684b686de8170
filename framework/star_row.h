#pragma once
// StarRow: a row of star pictures (copies of a template quad side by side)
// with the motion parameters of a star animation, read from a description:
//
//   <stars time="0.5" amplitude="0.2" frequency="3" decay="2" start_size="1"
//          end_size="1" draw_empty="true" stars_max="3">
//     <TRANSFORM>400 300 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//   </stars>
//
// Every item is required: reading stops at the first one missing, and what
// was read before stays. The row draws its stars and runs its bot list; the
// motion parameters are kept for the owner, which animates the stars.
#include <cstdint>
#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/scene/bot_list.h"
#include "engine/scene/mesh.h"

namespace ORB_GF {

struct StarRowParams {
  float time = 0.0f;
  float amplitude = 0.0f;
  float frequency = 0.0f;
  float decay = 0.0f;
  float start_size = 0.0f;
  float end_size = 0.0f;
  bool draw_empty = false;
  int32_t stars_max = 0;
  ORB::OS_TRANSFORM3 transform;  // places the row
};

class StarRow {
 public:
  // Reads the parameters from the description (all 0 where it stops).
  explicit StarRow(const pugi::xml_node& node);
  explicit StarRow(const StarRowParams& params);
  // The stars hang from the row's transform.
  StarRow(const StarRow&) = delete;
  StarRow& operator=(const StarRow&) = delete;

  // Reads the description into params; false at the first item missing.
  static bool ReadParams(const pugi::xml_node& node, StarRowParams& params);

  // The quads stars are copied from: a full star and an empty one.
  void SetTemplates(const ORB::OC_MESH& full, const ORB::OC_MESH& empty);
  // Replaces the stars with stars_max copies of the full star, the i-th
  // (from 0) i template widths to the right of the row's position.
  void CreateStars();
  // Deletes the stars.
  void Clear() { stars_.clear(); }
  // Every star, each with its own transform under the row's.
  void Draw() const;
  // Runs the bot list once.
  void Update() { bots_.Update(); }
  void SetPosition(float x, float y) { params_.transform.SetPosition(x, y, 0.0f); }

  const StarRowParams& Params() const { return params_; }
  ORB::OC_BOT_LIST& Bots() { return bots_; }
  const std::vector<std::unique_ptr<ORB::OC_MESH>>& Stars() const { return stars_; }
  ORB::OC_MESH& Template(int32_t index) { return templates_[index == 0 ? 0 : 1]; }

 private:
  ORB::OC_BOT_LIST bots_;
  ORB::OC_MESH templates_[2];
  StarRowParams params_;
  std::vector<std::unique_ptr<ORB::OC_MESH>> stars_;
};

}  // namespace ORB_GF
