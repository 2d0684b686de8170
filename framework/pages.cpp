#include "framework/pages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/log.h"
#include "engine/scene/bot_factories.h"
#include "engine/scene/bot_sleep.h"
#include "framework/game_screen.h"
#include "framework/whole_number.h"

namespace ORB_GF {

namespace m = page_message;

int32_t gPages::TurnTypeFromName(const std::string& name) {
  if (name == "MOMENTAL") return kMomental;
  if (name == "SLIDE_HORIZONTAL") return kSlideHorizontal;
  if (name == "SLIDE_VERTICAL") return kSlideVertical;
  if (name == "SLIDE_TO_POINT") return kSlideToPoint;
  return kUnknown;
}

gPages::gPages() {
  const ORB::Point screen = GameScreenSize();
  step_x_ = static_cast<float>(screen.x);
  step_y_ = static_cast<float>(screen.y);
}

gPages::~gPages() {
  // The turn's bots point into this grid: they go first.
  turn_bots_.DeleteAll();
  items_.DeleteAll();
}

G_PAGES_ITEM* gPages::Item(size_t index) const {
  return static_cast<G_PAGES_ITEM*>(items_.At(index));
}

int32_t gPages::SendToAll(int32_t msg, float a, float b, void* data) {
  return items_.SendMessage(msg, a, b, 0.0f, data);
}

bool gPages::Load(const std::string& file) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  return repository != nullptr && Load(*repository, file);
}

bool gPages::Load(ORB::OC_REPOSITORY& repository, const std::string& file) {
  return ORB::ReadDocument(repository, file, [this](const pugi::xml_document& document) {
    LoadRoot(document.find_child(
        [](const pugi::xml_node& node) { return node.type() == pugi::node_element; }));
    return true;
  });
}

void gPages::LoadRoot(const pugi::xml_node& root) {
  int32_t number = 0;
  if (ReadNumberAttribute(root, "cols", number, "pages")) SetCols(number);
  if (ReadNumberAttribute(root, "rows", number, "pages")) SetRows(number);
  ReadNumberAttribute(root, "interval_x", interval_x_, "pages");
  ReadNumberAttribute(root, "interval_y", interval_y_, "pages");
  if (const pugi::xml_attribute type = root.attribute("turn_type")) {
    turn_type_ = TurnTypeFromName(type.value());
    if (turn_type_ == kUnknown) {
      ORB::Log(ORB::LogLevel::kWarning, "pages",
               std::string("unknown turn_type '") + type.value() + "'; pages turn at once");
    }
  }
  ReadNumberAttribute(root, "turn_speed", turn_speed_, "pages");
  // A time replaces a speed.
  if (ReadNumberAttribute(root, "turn_time", turn_time_, "pages")) turn_speed_ = 0.0f;
  if (const pugi::xml_attribute offset = root.attribute("turn_offset")) {
    const std::string_view text = offset.value();
    const size_t blank = text.find(' ');
    const auto x = ParseWhole<float>(text.substr(0, blank));
    const auto y =
        blank == std::string_view::npos ? std::nullopt : ParseWhole<float>(text.substr(blank + 1));
    if (x && y) {
      SetTurnOffset(*x, *y);
    } else {
      ORB::Log(ORB::LogLevel::kWarning, "pages",
               std::string("turn_offset '") + offset.value() + "' is not two numbers");
    }
  }
  pugi::xml_node example;
  int32_t index = 0;
  for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    if (std::string_view(node.name()) == "gEXAMPLE") {
      example = node;
      continue;
    }
    G_PAGES_ITEM* item = CreateItem(node, index);
    if (item == nullptr) continue;
    AddItem(item);
    ++index;
  }
  if (example) LoadExample(example);
  UpdatePageCount();
  RefreshItems();
}

void gPages::AddItem(G_PAGES_ITEM* item) {
  if (item == nullptr) return;
  // The list keeps its bots by descending order key: insertion order.
  item->order = -static_cast<float>(items_.Size());
  item->Handle(m::kSetParent, 0.0f, 0.0f, 0.0f, &transform_);
  items_.Add(item);
  UpdatePageCount();
}

void gPages::UpdatePageCount() {
  per_page_ = cols_ * rows_;
  const auto items = static_cast<int32_t>(items_.Size());
  page_count_ = (items + per_page_ - 1) / per_page_;
  if (current_page_ >= page_count_) current_page_ = page_count_ > 0 ? page_count_ - 1 : 0;
  if (IsSettled()) target_page_ = current_page_;
}

void gPages::SetCols(int32_t cols) {
  cols_ = std::clamp(cols, 1, kMaxSide);
  UpdatePageCount();
}

void gPages::SetRows(int32_t rows) {
  rows_ = std::clamp(rows, 1, kMaxSide);
  UpdatePageCount();
}

void gPages::SetIntervals(int32_t x, int32_t y) {
  interval_x_ = x;
  interval_y_ = y;
}

void gPages::SetTurn(int32_t type, float time, float speed) {
  turn_type_ = type;
  turn_time_ = time;
  turn_speed_ = speed;
}

void gPages::SetTurnOffset(float x, float y) {
  step_x_ = x;
  step_y_ = y;
}

int32_t gPages::Update() {
  items_.Update();
  turn_bots_.Update();
  return 1;
}

void gPages::Draw() {
  DrawPage(current_page_);
  if (target_page_ == current_page_) return;
  const float d = target_page_ < current_page_ ? -1.0f : 1.0f;
  const ORB::Vector3 origin = transform_.position;
  switch (turn_type_) {
    case kSlideHorizontal: transform_.position.x += d * step_x_; break;
    case kSlideVertical: transform_.position.y += d * step_y_; break;
    case kSlideToPoint:
      transform_.position.x += d * step_x_;
      transform_.position.y += d * step_y_;
      break;
    default: return;
  }
  DrawPage(target_page_);
  transform_.position = origin;
}

void gPages::DrawPage(int32_t page) {
  if (page < 0) return;
  const auto count = static_cast<int64_t>(items_.Size());
  const int64_t first = static_cast<int64_t>(page) * per_page_;
  for (int64_t i = first; i < first + per_page_ && i < count; ++i) {
    Item(static_cast<size_t>(i))->Handle(m::kDraw, 0.0f, 0.0f, 0.0f, nullptr);
  }
}

int32_t gPages::OnMouseDown(int32_t button) {
  if (button != 1 && button != 2) return 0;
  pressed_item_ = nullptr;
  const int64_t first = static_cast<int64_t>(current_page_) * per_page_;
  for (int64_t i = first; i < first + per_page_ && i < static_cast<int64_t>(items_.Size()); ++i) {
    G_PAGES_ITEM* item = Item(static_cast<size_t>(i));
    if (item->Handle(m::kMouseDown, static_cast<float>(button), 0.0f, 0.0f, nullptr) ==
        ORB::kEventSwallowed) {
      pressed_item_ = item;
      pressed_button_ = button;
      return ORB::kEventSwallowed;
    }
  }
  return 0;
}

int32_t gPages::OnMouseUp(int32_t button) {
  if (button != 1 && button != 2) return 0;
  G_PAGES_ITEM* item = button == pressed_button_ ? pressed_item_ : nullptr;
  if (item == nullptr) return 0;
  pressed_item_ = nullptr;
  // The press may have been taken on a page that has turned since.
  const int64_t first = static_cast<int64_t>(current_page_) * per_page_;
  bool shown = false;
  for (int64_t i = first; i < first + per_page_ && i < static_cast<int64_t>(items_.Size()); ++i) {
    shown = shown || Item(static_cast<size_t>(i)) == item;
  }
  if (!shown || item->Handle(m::kMouseUp, static_cast<float>(button), 0.0f, 0.0f, nullptr) !=
                    ORB::kEventSwallowed) {
    return 0;
  }
  OnItemClicked(item);
  return 1;
}

int32_t gPages::OnMouseMove() {
  SendToAll(m::kMouseMove);
  return 0;
}

void gPages::LoadResources() {
  SendToAll(m::kLoadResources);
  Layout();
}

void gPages::ReleaseResources() { SendToAll(m::kReleaseResources); }

void gPages::RefreshItems() { SendToAll(m::kRefresh); }

void gPages::SetPosition(float x, float y) {
  transform_.position.x = x;
  transform_.position.y = y;
}

void gPages::SetParent(ORB::OS_TRANSFORM3* parent) {
  if (parent != nullptr) transform_.parent = parent;
}

void gPages::Layout() {
  if (items_.Empty()) return;
  G_PAGES_ITEM* first = Item(0);
  // Sizes and intervals come from descriptions: 64-bit sums cannot overflow.
  const int64_t w = first->Handle(m::kGetWidth, 0.0f, 0.0f, 0.0f, nullptr);
  const int64_t h = first->Handle(m::kGetHeight, 0.0f, 0.0f, 0.0f, nullptr);
  const int64_t grid_w = cols_ * w + (cols_ - 1) * static_cast<int64_t>(interval_x_);
  const int64_t grid_h = rows_ * h + (rows_ - 1) * static_cast<int64_t>(interval_y_);
  grid_width_ = static_cast<int32_t>(std::clamp<int64_t>(grid_w, INT32_MIN, INT32_MAX));
  grid_height_ = static_cast<int32_t>(std::clamp<int64_t>(grid_h, INT32_MIN, INT32_MAX));
  const int64_t x0 = w / 2 - grid_w / 2;
  const int64_t y0 = h / 2 - grid_h / 2;
  // What the layout tells the items after placing each (their classes give
  // it a meaning).
  void* const placed = reinterpret_cast<void*>(intptr_t{4});
  int64_t c = 0;
  int64_t r = 0;
  for (size_t i = 0; i < items_.Size(); ++i) {
    if (c == cols_) {
      ++r;
      c = 0;
    }
    if (r == rows_) {
      r = 0;
      c = 0;
    }
    G_PAGES_ITEM* item = Item(i);
    item->Handle(m::kSetPosition, static_cast<float>((w + interval_x_) * c + x0),
                 static_cast<float>((h + interval_y_) * r + y0), 0.0f, nullptr);
    item->Handle(m::kPlaced, 0.0f, 0.0f, 0.0f, placed);
    ++c;
  }
}

void gPages::ShowPage(int32_t page) {
  if (!turn_bots_.Empty()) {
    turn_bots_.DeleteAll();
    transform_ = turn_origin_;
  }
  current_page_ = std::clamp(page, 0, page_count_ > 0 ? page_count_ - 1 : 0);
  target_page_ = current_page_;
  pressed_item_ = nullptr;
}

void gPages::NextPage() { Turn(1); }

void gPages::PrevPage() { Turn(-1); }

void gPages::Turn(int32_t d) {
  if (!IsSettled() || turn_type_ > kUnknown) return;
  const int32_t q = current_page_ + d;
  if (turn_type_ != kSlideHorizontal && turn_type_ != kSlideVertical &&
      turn_type_ != kSlideToPoint) {
    // At once; without pages the grid stays on page 0.
    current_page_ = q < 0 ? 0 : (q >= page_count_ ? (page_count_ > 0 ? page_count_ - 1 : 0) : q);
    target_page_ = current_page_;
    return;
  }
  if (q < 0 || q >= page_count_) return;
  float t = turn_time_;
  if (t == 0.0f) {
    // A vertical slide is timed by the horizontal step too.
    const float length = turn_type_ == kSlideToPoint ? std::hypot(step_x_, step_y_) : step_x_;
    t = turn_speed_ != 0.0f ? length / turn_speed_ : 0.0f;
  }
  if (!(std::isfinite(t) && t > 0.0f)) {
    // No time to slide over (a speed of 0 would never arrive): turn at once.
    current_page_ = q;
    target_page_ = q;
    return;
  }
  target_page_ = q;
  turn_origin_ = transform_;
  const auto fd = static_cast<float>(d);
  const float dx = turn_type_ == kSlideVertical ? 0.0f : -fd * step_x_;
  const float dy = turn_type_ == kSlideHorizontal ? 0.0f : -fd * step_y_;
  turn_bots_.Add(ORB::BotMoveOn(&transform_, t, turn_speed_, dx, dy, 0.0f, 0.0f));
  turn_bots_.Add(new ORB::OT_BOT_SLEEP<int32_t>(&current_page_, q, t));
  turn_bots_.Add(new ORB::OT_BOT_SLEEP<ORB::OS_TRANSFORM3>(&transform_, transform_, t));
}

}  // namespace ORB_GF
