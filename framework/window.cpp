#include "framework/window.h"

#include <utility>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/point.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/platform/log.h"
#include "engine/scene/bot_color.h"
#include "engine/scene/bot_move.h"
#include "engine/scene/bot_sleep.h"
#include "framework/hot_spot.h"

namespace ORB_GF {

namespace {

constexpr float kOffScreen = -1000.0f;

void LogWindow(const std::string& window, const std::string& message) {
  ORB::Log(ORB::LogLevel::kWarning, "window", window + ": " + message);
}

// The one call that turns a "GUI" element into the window's widgets: the
// element itself is the description (no name).
void LoadGuiElement(ORB::OC_GUI_ROOT& root, const pugi::xml_node& gui) {
  ORB::LoadGuiXml(root, gui, nullptr);
}

G_WINDOW::GuiBuilder& Builder() {
  static G_WINDOW::GuiBuilder builder = LoadGuiElement;
  return builder;
}

}  // namespace

int32_t ShowKindFromName(std::string_view name) {
  if (name == "SH_MOMENTAL") return SH_MOMENTAL;
  if (name == "SH_FADE") return SH_FADE;
  if (name == "SH_MOVE_UP") return SH_MOVE_UP;
  if (name == "SH_MOVE_DOWN") return SH_MOVE_DOWN;
  if (name == "SH_MOVE_LEFT") return SH_MOVE_LEFT;
  if (name == "SH_MOVE_RIGHT") return SH_MOVE_RIGHT;
  return SH_UNKNOWN;
}

int32_t PositionKindFromName(std::string_view name) {
  if (name == "POS_MIDDLE_SCREEN") return POS_MIDDLE_SCREEN;
  if (name == "POS_IN_PIX") return POS_IN_PIX;
  return POS_AUTO;
}

G_WINDOW::GuiBuilder G_WINDOW::SetGuiBuilder(GuiBuilder builder) {
  GuiBuilder previous = std::move(Builder());
  Builder() = builder ? std::move(builder) : GuiBuilder(LoadGuiElement);
  return previous;
}

G_WINDOW::G_WINDOW(const pugi::xml_node& node)
    : live_(std::make_unique<OS_TRANSFORM3_AUTO>()), root_(std::make_unique<ORB::OC_GUI_ROOT>()) {
  root_->Widget().GetTransform().parent = live_.get();
  open_finished_.argument = reinterpret_cast<intptr_t>(this);
  open_finished_.function = [](intptr_t self) {
    reinterpret_cast<G_WINDOW*>(self)->OpenFinished();
    return ORB::kResultNone;
  };
  close_finished_.argument = reinterpret_cast<intptr_t>(this);
  close_finished_.function = [](intptr_t self) {
    reinterpret_cast<G_WINDOW*>(self)->CloseFinished();
    return ORB::kResultNone;
  };
  ReadDescription(node);
  ComputeTransforms();
}

G_WINDOW::~G_WINDOW() { bots_.DeleteAll(); }

void G_WINDOW::ReadDescription(const pugi::xml_node& node) {
  if (const pugi::xml_attribute a = node.attribute("_name")) name_ = a.as_string();
  auto kind = [&](const char* attribute, int32_t& target) {
    const pugi::xml_attribute a = node.attribute(attribute);
    if (!a) return;
    target = ShowKindFromName(a.as_string());
    if (target == SH_UNKNOWN) {
      LogWindow(name_, std::string("unknown ") + attribute + " \"" + a.as_string() +
                           "\" (the window stands still)");
    }
  };
  kind("_typeOpen", open_kind_);
  kind("_typeClose", close_kind_);
  if (const pugi::xml_attribute a = node.attribute("_typePos")) {
    position_kind_ = PositionKindFromName(a.as_string());
    if (position_kind_ == POS_AUTO && std::string_view(a.as_string()) != "POS_AUTO") {
      LogWindow(name_, std::string("unknown _typePos \"") + a.as_string() +
                           "\" (_position is read as fractions of the screen)");
    }
  }
  if (const pugi::xml_attribute a = node.attribute("_timeShow"); a && open_kind_ != SH_MOMENTAL) {
    show_time_ = hide_time_ = a.as_float();
  }
  if (const pugi::xml_attribute a = node.attribute("_timeHide"); a && close_kind_ != SH_MOMENTAL) {
    hide_time_ = a.as_float();
  }
  if (const pugi::xml_attribute a = node.attribute("_delayHide")) hide_delay_ = a.as_float();
  if (const pugi::xml_attribute a = node.attribute("_delayShow")) show_delay_ = a.as_float();
  if (const pugi::xml_attribute a = node.attribute("_modal")) modal_ = a.as_bool();
  if (const pugi::xml_attribute a = node.attribute("layer")) layer_ = a.as_uint();
  if (const pugi::xml_node background = node.child("background")) ReadBackground(background);
  if (const pugi::xml_node gui = node.child("GUI")) {
    const GuiBuilder builder = Builder();  // a copy: a builder may set another
    builder(*root_, gui);
  }
  if (const pugi::xml_attribute a = node.attribute("_position")) {
    ORB::Vector2 at;
    if (!at.Parse(a.as_string())) {
      LogWindow(name_, std::string("_position \"") + a.as_string() + "\" is not \"x y\"");
    } else if (position_kind_ == POS_IN_PIX) {
      shown_.SetPosition(at.x, at.y, 0.0f);
    } else if (position_kind_ == POS_AUTO) {
      shown_.SetAuto(at.x, at.y);
    }
  }
  // "bots" is accepted and has no effect.
  if (const pugi::xml_node sounds = node.child("sounds")) ReadSounds(sounds);
}

void G_WINDOW::ReadBackground(const pugi::xml_node& node) {
  background_ = std::make_unique<G_SPRITE>(std::string(node.text().as_string()));
  if (const pugi::xml_attribute a = node.attribute("START_COLOR"))
    start_colour_.Parse(a.as_string());
  if (const pugi::xml_attribute a = node.attribute("END_COLOR")) end_colour_.Parse(a.as_string());
  if (const pugi::xml_attribute a = node.attribute("SIZE")) {
    ORB::Point size;
    if (size.Parse(a.as_string())) {
      background_->SetSize(static_cast<float>(size.x), static_cast<float>(size.y));
    }
  }
  background_->SetColor(start_colour_);
  const ORB::Point screen = OS_TRANSFORM3_AUTO::ScreenSize();
  background_->GetTransform()->SetPosition(static_cast<float>(screen.x) / 2.0f,
                                           static_cast<float>(screen.y) / 2.0f, 0.0f);
  background_->SetHotSpot(HS_MID, 0.0f, 0.0f);
}

void G_WINDOW::ReadSounds(const pugi::xml_node& node) {
  for (pugi::xml_node item = node.child("item"); item; item = item.next_sibling()) {
    if (item.type() != pugi::node_element) continue;
    sounds_[item.attribute("id").as_int()] = item.attribute("sound").as_string();
  }
}

void G_WINDOW::ComputeTransforms() {
  if (position_kind_ == POS_MIDDLE_SCREEN) shown_.SetAuto(0.5f, 0.5f);
  const float sx = shown_.auto_x;
  const float sy = shown_.auto_y;
  switch (open_kind_) {
    case SH_MOVE_UP: open_start_.SetAuto(sx, 3.0f * sy); break;
    case SH_MOVE_DOWN: open_start_.SetAuto(sx, -sy); break;
    case SH_MOVE_LEFT: open_start_.SetAuto(3.0f * sx, sy); break;
    case SH_MOVE_RIGHT: open_start_.SetAuto(-sx, sy); break;
    default: open_start_ = shown_; break;
  }
  switch (close_kind_) {
    case SH_MOVE_UP: close_end_.SetAuto(sx, -sy); break;
    case SH_MOVE_DOWN: close_end_.SetAuto(sx, 3.0f * sy); break;
    case SH_MOVE_LEFT: close_end_.SetAuto(-sx, sy); break;
    case SH_MOVE_RIGHT: close_end_.SetAuto(3.0f * sx, sy); break;
    default: close_end_ = shown_; break;
  }
  // The opening start's position itself: a window placed in pixels has no
  // fractions to take it from.
  live_->auto_x = open_start_.auto_x;
  live_->auto_y = open_start_.auto_y;
  live_->SetPositionV2(open_start_.GetPositionV2());
}

void G_WINDOW::Fire(int32_t kind) {
  const LifeCycleSlot slot = callbacks_[kind];  // the callback may change its slot
  if (slot.function != nullptr) slot.function(slot.context);
}

void G_WINDOW::Open(bool instant) {
  if (open_) return;
  bots_.DeleteAll();
  OnOpenBegin();
  Fire(kOpenBegin);
  closed_ = false;
  open_ = true;
  animating_ = true;
  closing_ = false;
  float movement = 0.0f;
  if (open_kind_ == SH_MOMENTAL || instant || !(show_time_ > 0.0f)) {
    live_->SetPosition(kOffScreen, kOffScreen, 0.0f);
    bots_.Add(new ORB::OT_BOT_SLEEP<OS_TRANSFORM3_AUTO>(live_.get(), shown_, show_delay_));
  } else {
    movement = show_time_;
    if (open_kind_ != SH_FADE) {
      bots_.Add(new ORB::OC_BOT_MOVE(live_.get(), movement, 0.0f, shown_.position.x,
                                     shown_.position.y, 0.0f, show_delay_));
    }
  }
  bots_.Add(new ORB::OC_BOT_SLEEP(nullptr, &open_finished_, movement + show_delay_, 0.0f));
  if (background_ && start_colour_.ToUInt() != end_colour_.ToUInt()) {
    background_->SetColor(start_colour_);
    bots_.Add(
        new ORB::OC_BOT_COLOR(background_.get(), movement, end_colour_.ToUInt(), show_delay_));
  }
  OnOpening();
  Fire(kOpenMoving);
}

void G_WINDOW::OpenFinished() {
  // An opening cut short by Close ends while the window closes: it keeps
  // moving (and swallowing clicks) until the closing ends.
  animating_ = closing_;
  OnOpened();
  Fire(kOpened);
}

void G_WINDOW::Close(bool instant) {
  if (!open_ || closing_) return;
  OnCloseBegin();
  Fire(kCloseBegin);
  animating_ = true;
  closing_ = true;
  float movement = 0.0f;
  if (close_kind_ == SH_MOMENTAL || instant || !(hide_time_ > 0.0f)) {
    bots_.Add(new ORB::OT_BOT_SLEEP<OS_TRANSFORM3_AUTO>(live_.get(), close_end_, hide_delay_));
  } else {
    movement = hide_time_;
    if (close_kind_ != SH_FADE) {
      bots_.Add(new ORB::OC_BOT_MOVE(live_.get(), movement, 0.0f, close_end_.position.x,
                                     close_end_.position.y, close_end_.position.z, hide_delay_));
    }
  }
  if (background_ && start_colour_.ToUInt() != end_colour_.ToUInt()) {
    background_->SetColor(end_colour_);
    bots_.Add(
        new ORB::OC_BOT_COLOR(background_.get(), movement, start_colour_.ToUInt(), hide_delay_));
  }
  bots_.Add(new ORB::OC_BOT_SLEEP(nullptr, &close_finished_, movement + hide_delay_, 0.0f));
  OnClosing();
  Fire(kCloseMoving);
}

void G_WINDOW::CloseFinished() {
  closed_ = true;
  animating_ = false;
  open_ = false;
  closing_ = false;
  live_->auto_x = open_start_.auto_x;
  live_->auto_y = open_start_.auto_y;
  live_->SetPositionV2(open_start_.GetPositionV2());
  OnClosed();
  Fire(kClosed);
  if (release_pending_) ReleaseResources(false);
}

void G_WINDOW::SetDelay(bool show, float seconds) { (show ? show_delay_ : hide_delay_) = seconds; }

int32_t G_WINDOW::Update() {
  if (closed_) return kWindowClosed;
  bots_.Update();
  root_->Process();
  if (closed_) return kWindowClosed;
  OnUpdate();
  return kWindowRunning;
}

void G_WINDOW::Draw() {
  if (background_) background_->Draw();
  root_->Draw();
  OnDraw();
}

int32_t G_WINDOW::Keep(const ORB::GuiEvent* answer) {
  has_last_event_ = answer != nullptr;
  if (answer != nullptr) last_event_ = *answer;
  return answer != nullptr ? kWindowEventTaken : kWindowNoEvent;
}

int32_t G_WINDOW::HandleMouseDown(int32_t /*button*/) {
  if (animating_) return ORB::kEventSwallowed;
  const int32_t result = Keep(root_->OnMouseDown());
  const ORB::GuiEvent event = last_event_;
  if (result == kWindowEventTaken && IsWidgetEvent(event.code)) OnGuiEvent(event.id);
  return result;
}

int32_t G_WINDOW::HandleMouseUp(int32_t /*button*/) {
  if (animating_) return ORB::kEventSwallowed;
  const int32_t result = Keep(root_->OnMouseUp());
  if (result != kWindowEventTaken) return result;
  // Copies: the calls below may run more passes over this window.
  const ORB::GuiEvent event = last_event_;
  if (event.code == ORB::kGuiEventClicked) {
    if (click_sound != nullptr) click_sound(GetSound(event.id));
    OnGuiEvent(event.id);
    const EventFunction function = event_function_;
    if (function != nullptr) function(event_context_, event.id);
  } else if (event.code == ORB::kGuiEventValueChanged) {
    OnGuiEvent(event.id);
  }
  return result;
}

int32_t G_WINDOW::HandleMouseMove() {
  const int32_t result = Keep(root_->OnMouseMove());
  const ORB::GuiEvent event = last_event_;
  if (result == kWindowEventTaken && event.code == ORB::kGuiEventValueChanged) {
    OnGuiEvent(event.id);
  }
  return result;
}

void G_WINDOW::LoadResources() {
  release_pending_ = false;
  if (loaded_) return;
  loaded_ = true;
  root_->LoadResources();
  if (background_) background_->LoadTexture();
  OnLoadResources();
}

void G_WINDOW::ReleaseResources(bool force) {
  if (!loaded_) return;
  if (animating_ && !force) {
    release_pending_ = true;
    return;
  }
  release_pending_ = false;
  loaded_ = false;
  root_->ReleaseResources();
  if (background_) background_->ReleaseTexture();
  OnReleaseResources();
  if (ORB::OC_REPOSITORY* repository = ORB::Engine().repository) repository->UnloadUnused();
}

void G_WINDOW::EnableInput() {
  input_enabled_ = true;
  HandleMouseMove();
  OnInputEnabled();
  Fire(kInputEnabled);
}

void G_WINDOW::DisableInput() {
  input_enabled_ = false;
  OnInputDisabled();
  Fire(kInputDisabled);
}

void G_WINDOW::SetCallback(int32_t kind, void* context, LifeCycleFunction function) {
  if (kind < kOpenBegin || kind > kInputEnabled) return;
  callbacks_[kind] = function != nullptr ? LifeCycleSlot{context, function} : LifeCycleSlot{};
}

void G_WINDOW::SetEventCallback(int32_t kind, void* context, EventFunction function) {
  if (kind != kWidgetClicked) return;
  event_context_ = function != nullptr ? context : nullptr;
  event_function_ = function;
}

std::string G_WINDOW::GetSound(int32_t widget_id) const {
  const auto found = sounds_.find(widget_id);
  return found != sounds_.end() ? found->second : std::string();
}

}  // namespace ORB_GF
