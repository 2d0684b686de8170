#pragma once
// G_PAGES_ITEM: one item of a paged grid (a pack, a level, a shop offer, a
// trophy). Items are bots: the grid keeps them in a bot list and reaches
// them only through messages (Handle), which call the item's operations.
// Each kind of item derives from this class and supplies its size, its
// resources and its drawing; input and refreshing are optional.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/gui/hit_shape.h"
#include "engine/scene/bot_base.h"

namespace ORB_GF {

// The messages a grid sends its items (a, b, c and data as noted).
namespace page_message {
constexpr int32_t kUpdate = 1;          // Update; answers 0
constexpr int32_t kDraw = 2;            // Draw; answers 0
constexpr int32_t kSetPosition = 12;    // position x = a, y = b; answers 1
constexpr int32_t kGetWidth = 23;       // answers the width
constexpr int32_t kGetHeight = 24;      // answers the height
constexpr int32_t kPlaced = 25;         // sent after each placement (data 4); the base ignores it
constexpr int32_t kSetParent = 32;      // data: the parent transform (null ignored); answers 0
constexpr int32_t kMouseDown = 47;      // a: the button; answers OnMouseDown's answer
constexpr int32_t kMouseUp = 48;        // a: the button; answers OnMouseUp's answer
constexpr int32_t kMouseMove = 49;      // answers OnMouseMove's answer
constexpr int32_t kLoadResources = 50;  // answers 1
constexpr int32_t kReleaseResources = 51;  // answers 1
constexpr int32_t kRefresh = 56;           // answers 1
}  // namespace page_message

class G_PAGES_ITEM : public ORB::OC_BASE {
 public:
  // The bot defaults, with the given id.
  explicit G_PAGES_ITEM(uint32_t item_id);
  ~G_PAGES_ITEM() override = default;

  // The message entry; codes not listed in page_message answer 0.
  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  virtual void LoadResources() = 0;
  virtual void ReleaseResources() = 0;
  virtual void Draw() = 0;
  virtual int32_t Update() { return 0; }
  // An item that takes the event answers kEventSwallowed.
  virtual int32_t OnMouseUp(int32_t /*button*/) { return 0; }
  virtual int32_t OnMouseDown(int32_t /*button*/) { return 0; }
  virtual int32_t OnMouseMove() { return 0; }
  virtual int32_t Refresh() { return 0; }

  // Whether the point (screen pixels) lies on the item: its rectangle of
  // GetWidth x GetHeight centred on its position, less the hit inset,
  // turned and scaled as the item's transform and its parents draw it, edges
  // included (a hit shape, engine/gui/hit_shape.h). Items test the pointer
  // with it.
  bool Contains(float x, float y) const;
  // The margins of the item's rectangle that take no clicks (none at
  // first): the room a picture keeps around what it shows.
  void SetHitInset(const ORB::HitInset& inset) { hit_inset_ = inset; }
  // "left top right bottom" whole pixels from a description's attribute;
  // nothing changes without four numbers.
  void ReadHitInset(const char* text);
  // The same for the input state's pointer; false without an input state.
  bool UnderPointer() const;

  ORB::OS_TRANSFORM3& GetTransform() { return transform_; }
  const ORB::OS_TRANSFORM3& GetTransform() const { return transform_; }

 protected:
  ORB::OS_TRANSFORM3 transform_;

 private:
  ORB::HitInset hit_inset_;
};

}  // namespace ORB_GF
