#pragma once
// gPages: a collection of items shown as a grid of cols x rows per page,
// whose pages the player turns at once or with a sliding movement (the pack,
// level, shop and trophy screens). Each screen derives its own grid, which
// makes the items (CreateItem) and answers a click on one (OnItemClicked);
// the screen's window calls the grid's draw, update, input and resource
// operations from its own.
//
// The grid file (read by Load):
//
//   <pages cols="3" rows="2" interval_x="20" interval_y="16"
//          turn_type="SLIDE_HORIZONTAL" turn_time="0.4" turn_offset="1024 768">
//     <gEXAMPLE .../>          optional, given to LoadExample
//     <item .../> ...          every other child describes one item
//   </pages>
//
// Every attribute is optional. Turn types: "MOMENTAL" (the default) turns at
// once; "SLIDE_HORIZONTAL", "SLIDE_VERTICAL" and "SLIDE_TO_POINT" slide the
// page out along x, y or both by "turn_offset" (the screen size by default)
// while the next slides in, over "turn_time" seconds or at "turn_speed"
// pixels a second. A slide without a usable time (0, negative, or from a
// speed of 0) turns at once.
//
// Items are laid out with the first item's size after LoadResources: the
// grid is centred on the grid's position and every page starts again at the
// top left.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"
#include "engine/foundation/transform.h"
#include "engine/scene/bot_list.h"
#include "framework/pages_item.h"

namespace ORB_GF {

class gPages {
 public:
  enum TurnType : int32_t {
    kMomental = 0,
    kSlideHorizontal = 1,
    kSlideVertical = 2,
    kSlideToPoint = 3,
    kUnknown = 5,  // any other name; turns as kMomental
  };
  // "MOMENTAL" ... "SLIDE_TO_POINT" (exact text); kUnknown for any other.
  static int32_t TurnTypeFromName(const std::string& name);

  gPages();
  // Deletes every item.
  virtual ~gPages();
  gPages(const gPages&) = delete;
  gPages& operator=(const gPages&) = delete;

  virtual void Draw();
  // Runs the items, then a running turn; answers 1.
  virtual int32_t Update();
  // Buttons 1 and 2 go to the current page's items in order; the first
  // that takes the event (kEventSwallowed) ends the pass. Down: that item
  // holds the press, answer kEventSwallowed. Up: only the item holding the
  // press of that button is asked (a release whose press no item took, or
  // that ends over another item, clicks nothing); when it takes the release
  // it is clicked (OnItemClicked) and the answer is 1. Otherwise, and for
  // any other button, 0.
  virtual int32_t OnMouseUp(int32_t button);
  virtual int32_t OnMouseDown(int32_t button);
  // Every item is told; 0.
  virtual int32_t OnMouseMove();
  // Reads the grid file of that name from the engine's repository; false
  // when it cannot be had.
  virtual bool Load(const std::string& file);
  virtual void RefreshItems();
  // Every item loads its resources; then the layout.
  virtual void LoadResources();
  virtual void ReleaseResources();
  // Turn one page on (or back), when no turn runs.
  virtual void NextPage();
  virtual void PrevPage();
  // Shows that page (kept within the pages) at once; a running turn is
  // dropped and the grid put back where it started.
  void ShowPage(int32_t page);
  virtual void SetPosition(float x, float y);
  virtual void LoadExample(const pugi::xml_node& /*node*/) {}
  // A new item for the description, or null to leave it out. `index`
  // counts the items made so far.
  virtual G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) = 0;
  virtual void OnItemClicked(G_PAGES_ITEM* item) = 0;
  virtual void DrawPage(int32_t page);

  // The same from a repository.
  bool Load(ORB::OC_REPOSITORY& repository, const std::string& file);
  // The same from the grid's root element.
  void LoadRoot(const pugi::xml_node& root);

  // Columns and rows per page are kept within 1 .. kMaxSide.
  static constexpr int32_t kMaxSide = 1000;

  // Items per page = cols x rows; page count = item count over it, rounded
  // up.
  void UpdatePageCount();
  void SetCols(int32_t cols);
  void SetRows(int32_t rows);
  void SetIntervals(int32_t x, int32_t y);
  void SetTurn(int32_t type, float time, float speed);
  void SetTurnOffset(float x, float y);
  // Appends an item (the grid owns it), after those there are.
  void AddItem(G_PAGES_ITEM* item);
  // Places the items on the grid (LoadResources does it).
  void Layout();

  bool HasNextPage() const { return target_page_ + 1 < page_count_; }
  bool HasPrevPage() const { return target_page_ > 0; }
  // No turn is running.
  bool IsSettled() const { return current_page_ == target_page_ && turn_bots_.Empty(); }
  // The grid's transform gets this parent (null ignored).
  void SetParent(ORB::OS_TRANSFORM3* parent);

  int32_t GetCurrentPage() const { return current_page_; }
  int32_t GetTargetPage() const { return target_page_; }
  int32_t GetPageCount() const { return page_count_; }
  int32_t GetItemsPerPage() const { return per_page_; }
  int32_t GetCols() const { return cols_; }
  int32_t GetRows() const { return rows_; }
  int32_t GetGridWidth() const { return grid_width_; }
  int32_t GetGridHeight() const { return grid_height_; }
  int32_t GetTurnType() const { return turn_type_; }
  float GetTurnTime() const { return turn_time_; }
  float GetTurnSpeed() const { return turn_speed_; }
  float GetStepX() const { return step_x_; }
  float GetStepY() const { return step_y_; }
  size_t ItemCount() const { return items_.Size(); }
  G_PAGES_ITEM* Item(size_t index) const;
  ORB::OS_TRANSFORM3& GetTransform() { return transform_; }

 protected:
  // The message to every item in list order; the last answer.
  int32_t SendToAll(int32_t msg, float a = 0.0f, float b = 0.0f, void* data = nullptr);
  // Turns by d pages (+1 or -1).
  void Turn(int32_t d);

 private:
  int32_t turn_type_ = kMomental;
  float turn_speed_ = 0.0f;
  float turn_time_ = 0.0f;
  float step_x_ = 0.0f;
  float step_y_ = 0.0f;
  ORB::OS_TRANSFORM3 transform_;
  ORB::OS_TRANSFORM3 turn_origin_;  // where a running turn started
  ORB::OC_BOT_LIST items_;
  ORB::OC_BOT_LIST turn_bots_;
  int32_t current_page_ = 0;
  int32_t target_page_ = 0;
  int32_t cols_ = 1;
  int32_t rows_ = 1;
  int32_t interval_x_ = 0;
  int32_t interval_y_ = 0;
  int32_t grid_width_ = 0;
  int32_t grid_height_ = 0;
  int32_t per_page_ = 1;
  int32_t page_count_ = 0;
  // The item holding a press, and the press's button.
  G_PAGES_ITEM* pressed_item_ = nullptr;
  int32_t pressed_button_ = 0;
};

}  // namespace ORB_GF
