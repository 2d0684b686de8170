#pragma once
// gErrorPanel: the row of places at the top of the play screen that counts
// the level's errors. The first places (as many as the level allows errors)
// stand open; the rest show a lock. Each error puts a mark on the next open
// place, and marks that come together (a line with several wrong cells)
// play their animation one after another, "ping" seconds apart.
//
//   <error_panel pos="800 32" grid="8 1" interval="34 0" ping="0.1">
//     <background>...</background>      (optional, behind the places)
//     <sprite>... an animation ...</sprite>
//     <sprite_lock>...</sprite_lock>
//   </error_panel>
//
// The panel's animation time, (marks) x (frames / fps + ping), is how long
// the loss dialogues wait before they open.
#include <cstdint>
#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"
#include "framework/animation.h"
#include "framework/sprite.h"

namespace game {

class gErrorPanel {
 public:
  // Reads the panel's element; false when it is missing or lacks "sprite"
  // (it then shows nothing and counts no time).
  bool Load(const pugi::xml_node& element);

  // Places: how many errors the level allows (clamped to the grid's places).
  void SetPlaces(int32_t places);
  // One more error: a mark on the next open place, none once every place
  // of the grid holds one.
  void MarkError();
  // Every mark goes (a second chance, a new level).
  void Clear();
  // Marks and places go.
  void Reset();

  // (marks) x (frames / fps + ping), in seconds.
  float GetAnimationTime() const;

  int32_t Places() const { return places_; }
  int32_t Marks() const { return static_cast<int32_t>(marks_.size()); }
  // Places in the grid.
  int32_t Capacity() const { return grid_.x * grid_.y; }
  // The centre of place i (row by row).
  ORB::Vector2 PlaceCentre(int32_t i) const;
  const ORB_GF::G_ANIMATION* Mark(int32_t i) const;
  bool IsLoaded() const { return mark_template_ != nullptr; }

  void Update();
  void Draw();
  void AcquireResources();
  void ReleaseResources();

 private:
  // One mark's play time.
  float MarkTime() const;

  ORB::Vector2 pos_;
  ORB::Point grid_{1, 1};
  ORB::Point interval_;
  float ping_ = 0.0f;
  std::unique_ptr<ORB_GF::G_ANIMATION> mark_template_;
  std::unique_ptr<ORB_GF::G_SPRITE> lock_;
  std::unique_ptr<ORB_GF::G_SPRITE> background_;
  int32_t places_ = 0;
  std::vector<std::unique_ptr<ORB_GF::G_ANIMATION>> marks_;
  // When the last mark started (or starts), counted from the panel's clock.
  float clock_ = 0.0f;
  float last_start_ = -1.0e9f;
  bool acquired_ = false;
};

}  // namespace game
