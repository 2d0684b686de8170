#pragma once
// G_WINDOW_MANAGER: owns every window of the game (window.h). At start-up it
// reads the scene list and makes each listed window through the game's
// window factory; from then on game code opens, closes, finds and messages
// windows by name. It keeps the open windows ordered by layer (front first),
// decides which of them take input (nothing reaches a window behind a modal
// one) and runs the per-frame update, the draw and the three mouse passes
// over them. One manager serves the game: the game's creation makes it
// (CreateWindowManager), everything reaches it through GetWindowManager.
//
// The scene list, a document of the repository:
//
//   <scenes>
//     <scene file="data/share/main/windows Title.xml"/>
//     <scene file="data/share/main/windows Confirm_Exit.xml"/>
//   </scenes>
//
// Each child element's "file" names a window document; its root element (the
// window element, which carries "_type") goes to the factory. An entry
// without "file", a document that cannot be read or parsed and an element
// the factory makes nothing of are skipped and logged by name; of two
// windows with one name, the first registered is the one found (the second
// is logged).
//
// The passes walk a copy of the open list taken when they start, so a window
// may open and close windows (itself too) from any hook or callback; a
// window that has left the list meanwhile is skipped. The update pass ends
// at the first window that has finished closing (it leaves the list; the
// windows behind it are updated next frame); a mouse pass ends at the first
// window that answered (took the event, or swallowed it while moving) or at
// the first modal window.
//
// A press and its release are one click of one window: the window that took
// the press (answered it) gets its release and no other window does, also
// when the press opened windows in front of it or brought one forward. The
// release reaches that window only while it takes input: when a modal window
// has come in front of it since the press, or it has left the open windows,
// the release clicks nothing and the window's widgets drop the press
// (G_WINDOW::DropPress), as they do when the window swallows the release
// while it moves. A mouse button's release whose press no window took, or
// whose press was swallowed by a moving window, reaches nobody. A key's
// release whose press no window took goes the usual way, but only to windows
// that were open at the press and take input at the release.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/dispatch_guard.h"
#include "engine/scene/document_provider.h"
#include "framework/window.h"

namespace ORB_GF {

class G_WINDOW_MANAGER {
 public:
  // Makes a window from a window element (the document's root element), or
  // null for an element it does not know. The game's is CreateGameWindow.
  using WindowFactory = std::function<G_WINDOW*(const pugi::xml_node& element)>;

  explicit G_WINDOW_MANAGER(WindowFactory factory);
  // Deletes every registered window (a window whose call is still running
  // once that call has returned).
  ~G_WINDOW_MANAGER();
  G_WINDOW_MANAGER(const G_WINDOW_MANAGER&) = delete;
  G_WINDOW_MANAGER& operator=(const G_WINDOW_MANAGER&) = delete;

  // Reads the scene list through the document provider (the process-wide
  // one for the first form) and registers each window it makes, in order.
  // False when the list cannot be had.
  bool LoadWindows(const std::string& path);
  bool LoadWindows(ORB::DocumentProvider* documents, const std::string& path);
  // Registers a window made elsewhere (the manager owns it from then on);
  // null is ignored. Answers the window.
  G_WINDOW* AddWindow(std::unique_ptr<G_WINDOW> window);

  // The first registered window with that name (exact bytes), or null.
  G_WINDOW* FindWindow(const std::string& name) const;
  // The first open window with that name, or null.
  G_WINDOW* FindOpenWindow(const std::string& name) const;
  bool IsOpen(const std::string& name) const { return FindOpenWindow(name) != nullptr; }

  // Loads its resources when needed, puts it in front of the open windows of
  // its layer and opens it. A window already open (or still closing) is
  // answered as it is. Null for an unknown name.
  G_WINDOW* OpenWindow(const std::string& name, bool instant);
  // Close(instant) on the open window of that name; null when none is open.
  G_WINDOW* CloseWindow(const std::string& name, bool instant);
  // Close(false) on every open window, front to back.
  void CloseAll();

  // LoadResources / ReleaseResources(false) of a registered window; the
  // window, or null.
  G_WINDOW* LoadWindowResources(const std::string& name);
  G_WINDOW* ReleaseWindowResources(const std::string& name);
  // ReleaseResources(force) on every loaded window, then the repository
  // unloads what nothing uses.
  void ReleaseAllResources(bool force);
  // Refresh on every registered window, open or not.
  void RefreshAll();
  // The window's OnMessage(a, b), or 0 when no window has that name.
  int32_t SendWindowMessage(const std::string& name, int32_t a, int32_t b);

  // --- Per frame.
  void Update();
  // Back to front: the front window is drawn last.
  void Draw();
  void HandleMouseDown(int32_t button);
  void HandleMouseUp(int32_t button);
  void HandleMouseMove();

  // Enables every open window up to and including the first modal one (all
  // of them without one) and disables those behind it.
  void UpdateInputGating();
  // Whether the window takes input now: it is open and no modal window
  // stands in front of it (the rule UpdateInputGating applies).
  bool TakesInput(const G_WINDOW* window) const;
  // A modal window is in the open list, shown, moving in or closing.
  bool HoldsModalWindow() const;
  // Highest layer first; equal layers keep their order.
  void SortByLayer();

  // Front first.
  const std::vector<G_WINDOW*>& OpenWindows() const { return open_; }
  // In the order they were registered.
  const std::vector<G_WINDOW*>& Windows() const { return registered_; }

 private:
  enum class MousePass { kDown, kUp, kMove };
  // What is remembered of a press until its release.
  struct HeldPress {
    G_WINDOW* owner = nullptr;      // the window that answered it, or null
    bool swallowed = false;         // the owner was moving
    std::vector<G_WINDOW*> opened;  // the windows open at the press
  };
  void MouseEvent(MousePass pass, int32_t button);
  void Release(int32_t button);
  // Runs one pass over `windows` (front first) and answers the window that
  // answered it with its answer (null and kWindowNoEvent when none did).
  std::pair<G_WINDOW*, int32_t> Pass(const std::vector<G_WINDOW*>& windows, MousePass pass,
                                     int32_t button, bool* owner_gone);
  bool InOpenList(const G_WINDOW* window) const;
  void RemoveFromOpenList(const G_WINDOW* window);
  // Reads one entry of the scene list.
  void LoadEntry(ORB::DocumentProvider& documents, const pugi::xml_node& entry);

  std::vector<G_WINDOW*> open_;        // front first; not owned
  std::vector<G_WINDOW*> registered_;  // owned; freed through guard_
  std::map<int32_t, HeldPress> held_;  // by button or key code
  WindowFactory factory_;
  ORB::DispatchGuard<G_WINDOW> guard_;
};

// The game's manager: null before CreateWindowManager and after
// DestroyWindowManager.
G_WINDOW_MANAGER* GetWindowManager();
G_WINDOW_MANAGER& CreateWindowManager(G_WINDOW_MANAGER::WindowFactory factory);
void DestroyWindowManager();

}  // namespace ORB_GF

// Usage: a screen with a confirm dialog, from the game's start to one click.
//
//   // Once, at start-up (the game's creation), before any window is made:
//   ORB_GF::G_WINDOW_MANAGER& windows = ORB_GF::CreateWindowManager(CreateGameWindow);
//   const ORB::Point screen = ORB_GF::GameScreenSize();  // the engine's resolution
//   ORB_GF::OS_TRANSFORM3_AUTO::SetScreenSize(screen.x, screen.y);
//   windows.LoadWindows("data/share/main/other scenes.xml");
//
//   // Open a dialog by name and hear its answer:
//   auto* confirm = dynamic_cast<ORB_GF::G_WINDOW_CONFIRM*>(windows.OpenWindow("Confirm_Exit",
//   false)); confirm->SetAnswerCallback(this, [](void* self, int32_t answer) { ... answer 1 is yes
//   ... });
//
//   // Every frame, from the game's hooks:
//   windows.Update();
//   on a mouse button going down / up, the pointer moving:
//     windows.HandleMouseDown(button); windows.HandleMouseUp(button); windows.HandleMouseMove();
//   windows.Draw();
//
//   // What the last click was (a copy, valid whatever the handlers did):
//   if (const ORB::GuiEvent* event = windows.FindWindow("Title")->LastGuiEvent())
//     event->id, event->code (8 a click, 10 a value change)
