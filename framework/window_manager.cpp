#include "framework/window_manager.h"

#include <algorithm>
#include <utility>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository.h"
#include "engine/platform/key_codes.h"
#include "engine/platform/log.h"
#include "framework/game_singleton.h"

namespace ORB_GF {

namespace {

void LogManager(const std::string& message) {
  ORB::Log(ORB::LogLevel::kWarning, "window", message);
}

}  // namespace

G_WINDOW_MANAGER::G_WINDOW_MANAGER(WindowFactory factory) : factory_(std::move(factory)) {}

G_WINDOW_MANAGER::~G_WINDOW_MANAGER() {
  open_.clear();
  std::vector<G_WINDOW*> windows;
  windows.swap(registered_);
  for (G_WINDOW* window : windows) guard_.Dispose(window);
}

bool G_WINDOW_MANAGER::LoadWindows(const std::string& path) {
  return LoadWindows(ORB::GetDocumentProvider(), path);
}

bool G_WINDOW_MANAGER::LoadWindows(ORB::DocumentProvider* documents, const std::string& path) {
  const bool read = ORB::ReadDocument(documents, path, [&](const pugi::xml_document& list) {
    for (const pugi::xml_node entry : list.document_element().children()) {
      if (entry.type() == pugi::node_element) LoadEntry(*documents, entry);
    }
    return true;
  });
  if (!read) LogManager("the scene list \"" + path + "\" cannot be read");
  return read;
}

void G_WINDOW_MANAGER::LoadEntry(ORB::DocumentProvider& documents, const pugi::xml_node& entry) {
  const pugi::xml_attribute file = entry.attribute("file");
  if (!file) {
    LogManager(std::string("a scene entry <") + entry.name() + "> without \"file\" is skipped");
    return;
  }
  const std::string name = file.as_string();
  const pugi::xml_document* document = documents.AcquireDocument(name);
  if (document == nullptr) {
    LogManager("the window \"" + name + "\" cannot be read or is not well-formed XML; skipped");
    return;
  }
  const pugi::xml_node element = document->document_element();
  G_WINDOW* window = factory_ ? factory_(element) : nullptr;
  const std::string type = element.attribute("_type").as_string();
  documents.ReleaseDocument(document);
  if (window == nullptr) {
    LogManager("no window is made of \"" + name + "\" (_type \"" + type + "\"); skipped");
    return;
  }
  AddWindow(std::unique_ptr<G_WINDOW>(window));
}

G_WINDOW* G_WINDOW_MANAGER::AddWindow(std::unique_ptr<G_WINDOW> window) {
  if (!window) return nullptr;
  if (FindWindow(window->GetName()) != nullptr) {
    LogManager("a second window is named \"" + window->GetName() +
               "\": the first one is the one found by name");
  }
  registered_.push_back(window.release());
  return registered_.back();
}

G_WINDOW* G_WINDOW_MANAGER::FindWindow(const std::string& name) const {
  for (G_WINDOW* window : registered_) {
    if (window->GetName() == name) return window;
  }
  return nullptr;
}

G_WINDOW* G_WINDOW_MANAGER::FindOpenWindow(const std::string& name) const {
  for (G_WINDOW* window : open_) {
    if (window->GetName() == name) return window;
  }
  return nullptr;
}

bool G_WINDOW_MANAGER::InOpenList(const G_WINDOW* window) const {
  return std::find(open_.begin(), open_.end(), window) != open_.end();
}

void G_WINDOW_MANAGER::RemoveFromOpenList(const G_WINDOW* window) {
  open_.erase(std::remove(open_.begin(), open_.end(), window), open_.end());
}

G_WINDOW* G_WINDOW_MANAGER::OpenWindow(const std::string& name, bool instant) {
  G_WINDOW* window = FindWindow(name);
  if (window == nullptr || window->IsOpen()) return window;
  if (!window->IsLoaded()) window->LoadResources();
  // A window reopened from its own "closed" callback is still listed.
  if (!InOpenList(window)) open_.insert(open_.begin(), window);
  const auto call = guard_.Call(window, [&] {
    window->Open(instant);
    return 0;
  });
  if (call.owner_gone) return nullptr;
  SortByLayer();
  if (window->IsModal()) UpdateInputGating();
  return window;
}

G_WINDOW* G_WINDOW_MANAGER::CloseWindow(const std::string& name, bool instant) {
  G_WINDOW* window = FindOpenWindow(name);
  if (window == nullptr) return nullptr;
  const auto call = guard_.Call(window, [&] {
    window->Close(instant);
    return 0;
  });
  return call.owner_gone ? nullptr : window;
}

void G_WINDOW_MANAGER::CloseAll() {
  const std::vector<G_WINDOW*> snapshot = open_;
  for (G_WINDOW* window : snapshot) {
    if (!InOpenList(window)) continue;
    const auto call = guard_.Call(window, [&] {
      window->Close(false);
      return 0;
    });
    if (call.owner_gone) return;
  }
}

G_WINDOW* G_WINDOW_MANAGER::LoadWindowResources(const std::string& name) {
  G_WINDOW* window = FindWindow(name);
  if (window != nullptr) window->LoadResources();
  return window;
}

G_WINDOW* G_WINDOW_MANAGER::ReleaseWindowResources(const std::string& name) {
  G_WINDOW* window = FindWindow(name);
  if (window != nullptr) window->ReleaseResources(false);
  return window;
}

void G_WINDOW_MANAGER::ReleaseAllResources(bool force) {
  for (G_WINDOW* window : registered_) {
    if (window->IsLoaded()) window->ReleaseResources(force);
  }
  if (ORB::OC_REPOSITORY* repository = ORB::Engine().repository) repository->UnloadUnused();
}

void G_WINDOW_MANAGER::RefreshAll() {
  const std::vector<G_WINDOW*> snapshot = registered_;
  for (G_WINDOW* window : snapshot) {
    const auto call = guard_.Call(window, [&] {
      window->CallRefresh();
      return 0;
    });
    if (call.owner_gone) return;
  }
}

int32_t G_WINDOW_MANAGER::SendWindowMessage(const std::string& name, int32_t a, int32_t b) {
  G_WINDOW* window = FindWindow(name);
  if (window == nullptr) return 0;
  const auto call = guard_.Call(window, [&] { return window->SendMessage(a, b); });
  return call.result;
}

void G_WINDOW_MANAGER::Update() {
  const std::vector<G_WINDOW*> snapshot = open_;
  for (G_WINDOW* window : snapshot) {
    if (!InOpenList(window)) continue;
    const auto call = guard_.Call(window, [&] { return window->Update(); });
    if (call.owner_gone) return;
    if (call.result == kWindowClosed) {
      RemoveFromOpenList(window);
      if (window->IsModal()) UpdateInputGating();
      return;
    }
    if (call.result == kWindowStopPass) return;
  }
}

void G_WINDOW_MANAGER::Draw() {
  const std::vector<G_WINDOW*> snapshot = open_;
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    G_WINDOW* window = *it;
    if (!InOpenList(window)) continue;
    const auto call = guard_.Call(window, [&] {
      window->Draw();
      return 0;
    });
    if (call.owner_gone) return;
  }
}

void G_WINDOW_MANAGER::HandleMouseDown(int32_t button) { MouseEvent(MousePass::kDown, button); }
void G_WINDOW_MANAGER::HandleMouseUp(int32_t button) { MouseEvent(MousePass::kUp, button); }
void G_WINDOW_MANAGER::HandleMouseMove() { MouseEvent(MousePass::kMove, 0); }

std::pair<G_WINDOW*, int32_t> G_WINDOW_MANAGER::Pass(const std::vector<G_WINDOW*>& windows,
                                                     MousePass pass, int32_t button,
                                                     bool* owner_gone) {
  for (G_WINDOW* window : windows) {
    if (!InOpenList(window)) continue;
    const bool modal = window->IsModal();
    const auto call = guard_.Call(window, [&] {
      switch (pass) {
        case MousePass::kDown: return window->HandleMouseDown(button);
        case MousePass::kUp: return window->HandleMouseUp(button);
        case MousePass::kMove: return window->HandleMouseMove();
      }
      return kWindowNoEvent;
    });
    if (call.owner_gone) {
      *owner_gone = true;
      return {nullptr, kWindowNoEvent};
    }
    if (call.result != kWindowNoEvent) return {window, call.result};
    if (modal) break;
  }
  return {nullptr, kWindowNoEvent};
}

void G_WINDOW_MANAGER::MouseEvent(MousePass pass, int32_t button) {
  if (pass == MousePass::kUp) {
    Release(button);
    return;
  }
  const std::vector<G_WINDOW*> snapshot = open_;
  bool gone = false;
  const auto [window, answer] = Pass(snapshot, pass, button, &gone);
  if (gone || pass != MousePass::kDown) return;
  held_[button] = HeldPress{window, answer == ORB::kEventSwallowed, snapshot};
}

void G_WINDOW_MANAGER::Release(int32_t button) {
  const auto found = held_.find(button);
  const bool pressed = found != held_.end();
  HeldPress press;
  if (pressed) {
    press = std::move(found->second);
    held_.erase(found);
  }
  bool gone = false;
  if (press.owner != nullptr) {
    G_WINDOW* owner = press.owner;
    if (press.swallowed) return;
    // A modal window opened in front of it since the press (or it closed):
    // the click is off, and no widget of it may stay pressed for a later one.
    if (!TakesInput(owner)) {
      owner->DropPress();
      return;
    }
    const int32_t answer = Pass({owner}, MousePass::kUp, button, &gone).second;
    if (!gone && answer == ORB::kEventSwallowed) owner->DropPress();
    return;
  }
  // A click needs its press.
  if (button == ORB::platform::kMouseLeft || button == ORB::platform::kMouseRight ||
      button == ORB::platform::kMouseMiddle) {
    return;
  }
  std::vector<G_WINDOW*> windows = pressed ? press.opened : open_;
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [this](const G_WINDOW* window) { return !TakesInput(window); }),
                windows.end());
  Pass(windows, MousePass::kUp, button, &gone);
}

bool G_WINDOW_MANAGER::TakesInput(const G_WINDOW* window) const {
  for (const G_WINDOW* open : open_) {
    if (open == window) return true;
    if (open->IsModal()) return false;
  }
  return false;
}

bool G_WINDOW_MANAGER::HoldsModalWindow() const {
  return std::any_of(open_.begin(), open_.end(),
                     [](const G_WINDOW* window) { return window->IsModal(); });
}

void G_WINDOW_MANAGER::UpdateInputGating() {
  const std::vector<G_WINDOW*> snapshot = open_;
  bool behind_modal = false;
  for (G_WINDOW* window : snapshot) {
    const auto call = guard_.Call(window, [&] {
      if (behind_modal) {
        window->DisableInput();
      } else {
        window->EnableInput();
      }
      return 0;
    });
    if (call.owner_gone) return;
    if (window->IsModal()) behind_modal = true;
  }
}

void G_WINDOW_MANAGER::SortByLayer() {
  std::stable_sort(open_.begin(), open_.end(), [](const G_WINDOW* a, const G_WINDOW* b) {
    return a->GetLayer() > b->GetLayer();
  });
}

G_WINDOW_MANAGER* GetWindowManager() { return GameSingleton<G_WINDOW_MANAGER>::Get(); }

G_WINDOW_MANAGER& CreateWindowManager(G_WINDOW_MANAGER::WindowFactory factory) {
  return GameSingleton<G_WINDOW_MANAGER>::Create(std::move(factory));
}

void DestroyWindowManager() { GameSingleton<G_WINDOW_MANAGER>::Destroy(); }

}  // namespace ORB_GF
