#include "game/instruments/game_view.h"

#include <algorithm>
#include <cmath>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/window.h"
#include "engine/gui/gui_base_slider.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/gui_panel9.h"
#include "engine/gui/gui_root.h"
#include "framework/pages.h"
#include "framework/window.h"
#include "framework/window_manager.h"
#include "game/instruments/driver_instruments.h"
#include "game/play/gameplay.h"
#include "game/play/screen/play_screen.h"
#include "game/play/screen/tutorial.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/hub/guided_tutorial.h"
#include "game/shell/screens/paged_window.h"

namespace game {

namespace {

const ORB_GF::G_WINDOW_MANAGER* Windows() {
  return IsGameRunning() ? ORB_GF::GetWindowManager() : nullptr;
}

const GG_GAMEPLAY* RunningGameplay() { return IsGameRunning() ? GetGameplay() : nullptr; }

// Hidden itself or under a hidden parent.
bool IsShown(const ORB::OC_GUI_OBJECT& widget) {
  for (const ORB::OC_GUI_OBJECT* w = &widget; w != nullptr; w = w->GetParent()) {
    if (!w->IsVisible()) return false;
  }
  return true;
}

void CollectIds(const ORB::OC_GUI_OBJECT& widget, std::vector<int32_t>& ids) {
  for (size_t i = 0; i < widget.GetChildCount(); ++i) {
    const ORB::OC_GUI_OBJECT* child = widget.GetChild(i);
    if (child == nullptr || !child->IsVisible()) continue;
    if (child->GetWidth() > 0.0f && child->GetHeight() > 0.0f) ids.push_back(child->GetId());
    CollectIds(*child, ids);
  }
}

}  // namespace

std::vector<int32_t> WidgetIds(const std::string& window_name) {
  std::vector<int32_t> ids;
  const ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  ORB_GF::G_WINDOW* window = windows != nullptr ? windows->FindOpenWindow(window_name) : nullptr;
  if (window != nullptr && window->GetGuiRoot().Widget().IsVisible()) {
    CollectIds(window->GetGuiRoot().Widget(), ids);
  }
  return ids;
}

std::vector<std::string> OpenWindowNames() {
  std::vector<std::string> names;
  if (const ORB_GF::G_WINDOW_MANAGER* windows = Windows()) {
    for (const ORB_GF::G_WINDOW* window : windows->OpenWindows()) {
      names.push_back(window->GetName());
    }
  }
  return names;
}

bool IsWindowOpen(const std::string& name) {
  const ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  return windows != nullptr && windows->FindOpenWindow(name) != nullptr;
}

bool IsAnyWindowMoving() {
  const ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (windows == nullptr) return false;
  const auto& open = windows->OpenWindows();
  return std::any_of(open.begin(), open.end(),
                     [](const ORB_GF::G_WINDOW* window) { return window->IsAnimating(); });
}

bool IsWindowMoving(const std::string& name) {
  const ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  const ORB_GF::G_WINDOW* window = windows != nullptr ? windows->FindOpenWindow(name) : nullptr;
  return window != nullptr && window->IsAnimating();
}

PixelPoint GameToWindow(float x, float y) {
  const ORB::Window* window = ORB::Engine().window;
  const float scale = window != nullptr ? window->Scale() : 1.0f;
  const ORB::Vector2 offset = window != nullptr ? window->Offset() : ORB::Vector2();
  return {static_cast<int32_t>(std::floor(offset.x + x * scale)),
          static_cast<int32_t>(std::floor(offset.y + y * scale))};
}

namespace {

// The window's pixels of a game rectangle given by its corners.
std::optional<PixelRect> GameRect(float x0, float y0, float x1, float y1) {
  const PixelPoint a = GameToWindow(std::min(x0, x1), std::min(y0, y1));
  const PixelPoint b = GameToWindow(std::max(x0, x1), std::max(y0, y1));
  if (b.x <= a.x || b.y <= a.y) return std::nullopt;
  return PixelRect{a.x, a.y, b.x - a.x, b.y - a.y};
}

// Where a shown widget with a size is drawn.
std::optional<PixelRect> DrawnRect(const ORB::OC_GUI_OBJECT* widget) {
  if (widget == nullptr || !IsShown(*widget)) return std::nullopt;
  const float width = widget->GetWidth();
  const float height = widget->GetHeight();
  if (width <= 0.0f || height <= 0.0f) return std::nullopt;
  // A quad of the widget's size drawn with its world placement covers
  // pos + S * (p - pivot) (turns are not used by the game's widgets).
  // A nine-part frame and a slider are laid out about their position
  // instead.
  const ORB::OS_TRANSFORM3 world = widget->GetTransform().GetWorld();
  const bool centred = dynamic_cast<const ORB::OC_GUI_PANEL9*>(widget) != nullptr ||
                       dynamic_cast<const ORB::OC_BASESLIDER*>(widget) != nullptr;
  const float x0 = world.position.x - (centred ? width / 2.0f : world.pivot.x) * world.scale.x;
  const float y0 = world.position.y - (centred ? height / 2.0f : world.pivot.y) * world.scale.y;
  return GameRect(x0, y0, x0 + width * world.scale.x, y0 + height * world.scale.y);
}

}  // namespace

std::optional<PixelRect> WidgetRect(const std::string& window_name, int32_t id) {
  const ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  ORB_GF::G_WINDOW* window = windows != nullptr ? windows->FindOpenWindow(window_name) : nullptr;
  if (window == nullptr) return std::nullopt;
  return DrawnRect(window->GetGuiRoot().FindById(id));
}

std::optional<PixelRect> PageItemRect(const std::string& window_name, int32_t index) {
  const ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  const auto* window = dynamic_cast<const GG_WINDOW_PAGED*>(
      windows != nullptr ? windows->FindOpenWindow(window_name) : nullptr);
  if (window == nullptr || index < 0) return std::nullopt;
  const ORB_GF::gPages& grid = window->Grid();
  const ORB_GF::G_PAGES_ITEM* item = grid.Item(static_cast<size_t>(index));
  // Only the page shown, and not while it turns.
  if (item == nullptr || grid.GetItemsPerPage() <= 0 ||
      grid.GetCurrentPage() != grid.GetTargetPage() ||
      index / grid.GetItemsPerPage() != grid.GetCurrentPage()) {
    return std::nullopt;
  }
  // The item's size centred on its world position.
  const ORB::OS_TRANSFORM3 world = item->GetTransform().GetWorld();
  const float half_w = static_cast<float>(item->GetWidth()) * world.scale.x / 2.0f;
  const float half_h = static_cast<float>(item->GetHeight()) * world.scale.y / 2.0f;
  return GameRect(world.position.x - half_w, world.position.y - half_h, world.position.x + half_w,
                  world.position.y + half_h);
}

std::optional<PixelRect> PlayControlRect(PlayControl control) {
  const GG_GAMEPLAY* gameplay = RunningGameplay();
  if (gameplay == nullptr || !gameplay->IsActive()) return std::nullopt;
  switch (control) {
    case PlayControl::kPause: {
      gPlayScreen* screen = GetPlayScreen();
      if (screen == nullptr || !screen->Controls().Pause().IsShown()) return std::nullopt;
      return DrawnRect(screen->Controls().Pause().Button());
    }
    case PlayControl::kTutorialSkip: {
      gGuidedTutorial* guided = GetGuidedTutorial();
      if (guided == nullptr || !guided->Tutorial().IsActive()) return std::nullopt;
      const gTutorialStep* step = guided->Tutorial().CurrentStep();
      if (step == nullptr || !step->gui) return std::nullopt;
      return DrawnRect(step->gui->FindById(GG_TUTORIAL::kSkipButton));
    }
  }
  return std::nullopt;
}

std::optional<CellView> Cell(int32_t row, int32_t col) {
  const GG_GAMEPLAY* gameplay = RunningGameplay();
  if (gameplay == nullptr || !gameplay->IsActive()) return std::nullopt;
  const GG_ELEMENT* cell = gameplay->Board().CellAt(row, col);
  if (cell == nullptr) return std::nullopt;
  return CellView{cell->IsFilled(), cell->IsOpen()};
}

std::optional<PixelPoint> CellCentre(int32_t row, int32_t col) {
  const GG_GAMEPLAY* gameplay = RunningGameplay();
  if (gameplay == nullptr || !gameplay->IsActive()) return std::nullopt;
  const BoardSettings& settings = gameplay->Settings();
  if (row < 0 || col < 0 || row >= settings.Rows() || col >= settings.Columns()) {
    return std::nullopt;
  }
  const ORB::Vector2 centre = settings.CellCentre(row, col);
  return GameToWindow(centre.x, centre.y);
}

const GG_PLAYER* CurrentPlayer() {
  gGame* hub = IsGameRunning() ? gGame::Instance() : nullptr;
  return hub != nullptr ? hub->GetCurrentPlayer() : nullptr;
}

std::optional<PlayView> Play() {
  const GG_GAMEPLAY* gameplay = RunningGameplay();
  if (gameplay == nullptr) return std::nullopt;
  PlayView view;
  view.active = gameplay->IsActive();
  view.paused = gameplay->IsPaused();
  view.ended = gameplay->IsEnded();
  view.pack_id = gameplay->PackId();
  view.level_id = gameplay->LevelId();
  view.rows = gameplay->Settings().Rows();
  view.columns = gameplay->Settings().Columns();
  view.errors = gameplay->Errors();
  view.allowed_errors = gameplay->AllowedErrors();
  view.progress = gameplay->Board().GetProgress();
  return view;
}

}  // namespace game
