#pragma once
// Windows for tests: a stand-in for the way windows fill their widget trees,
// a window that writes down everything that happens to it, descriptions
// from text, and the game's hub in miniature (its key and mouse hooks hand
// every press, release and move to a window manager, as the game's do).
//
//   test_support::ScopedGuiBuilder gui([](ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
//     root.Add(std::make_unique<ORB::OC_GUI_IMAGE>(3, "yes.png"))->SetPosition(-60, 40, 0);
//   });
//   auto window = test_support::MakeWindow<test_support::StubWindow>("<w _name=\"A\"><GUI/></w>");
//
//   ORB_GF::G_WINDOW_MANAGER manager(factory);
//   test_support::WindowHub hub(manager);
//   test_support::ScriptedInput input([&] { manager.Update(); });
//   input.Click(452, 424);   // press and release reach manager.HandleMouseDown/Up
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/hooks.h"
#include "engine/gui/gui_root.h"
#include "framework/window.h"
#include "framework/window_manager.h"

namespace test_support {

// Every window made while it lives fills its tree with `build` instead of
// the GUI XML loader; the loader comes back afterwards.
class ScopedGuiBuilder {
 public:
  explicit ScopedGuiBuilder(ORB_GF::G_WINDOW::GuiBuilder build)
      : previous_(ORB_GF::G_WINDOW::SetGuiBuilder(std::move(build))) {}
  ~ScopedGuiBuilder() { ORB_GF::G_WINDOW::SetGuiBuilder(std::move(previous_)); }
  ScopedGuiBuilder(const ScopedGuiBuilder&) = delete;
  ScopedGuiBuilder& operator=(const ScopedGuiBuilder&) = delete;

 private:
  ORB_GF::G_WINDOW::GuiBuilder previous_;
};

// A window that notes its hooks and widget events as "Name:Hook" lines in a
// journal (its own, or one shared by several windows), and runs `on_event`
// (when set) for each widget event.
class StubWindow : public ORB_GF::G_WINDOW {
 public:
  explicit StubWindow(const pugi::xml_node& node, std::vector<std::string>* journal = nullptr)
      : G_WINDOW(node), journal_(journal != nullptr ? journal : &own_journal_) {}

  std::vector<std::string>& Journal() { return *journal_; }
  std::vector<int32_t> events;  // widget ids given to OnGuiEvent
  std::function<void(int32_t id)> on_event;
  std::function<void()> on_update;
  int32_t message_answer = 0;

  using G_WINDOW::FindWidget;

 protected:
  void OnOpenBegin() override { Note("OnOpenBegin"); }
  void OnOpening() override { Note("OnOpening"); }
  void OnOpened() override { Note("OnOpened"); }
  void OnCloseBegin() override { Note("OnCloseBegin"); }
  void OnClosing() override { Note("OnClosing"); }
  void OnClosed() override { Note("OnClosed"); }
  void OnInputDisabled() override { Note("OnInputDisabled"); }
  void OnInputEnabled() override { Note("OnInputEnabled"); }
  void Refresh() override { Note("Refresh"); }
  void OnLoadResources() override { Note("OnLoadResources"); }
  void OnReleaseResources() override { Note("OnReleaseResources"); }
  void OnUpdate() override {
    Note("OnUpdate");
    if (on_update) on_update();
  }
  int32_t OnMessage(int32_t a, int32_t b) override {
    Note("OnMessage " + std::to_string(a) + " " + std::to_string(b));
    return message_answer;
  }
  void OnGuiEvent(int32_t id) override {
    Note("OnGuiEvent " + std::to_string(id));
    events.push_back(id);
    if (on_event) on_event(id);
  }

 private:
  void Note(const std::string& what) { journal_->push_back(GetName() + ":" + what); }

  std::vector<std::string> own_journal_;
  std::vector<std::string>* journal_;
};

// A window of class Window made from a description's text (the document is
// read and dropped, as the manager does).
template <typename Window, typename... Args>
std::unique_ptr<Window> MakeWindow(const std::string& xml, Args&&... args) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
  return std::make_unique<Window>(document.document_element(), std::forward<Args>(args)...);
}

// The game's hub in miniature: while it lives, every key or button going
// down reaches the manager's HandleMouseDown, every one going up its
// HandleMouseUp, and every pointer move its HandleMouseMove.
class WindowHub {
 public:
  explicit WindowHub(ORB_GF::G_WINDOW_MANAGER& manager) {
    ORB::SetHook(ORB::Hook::KeyDown, [&manager](intptr_t code) {
      manager.HandleMouseDown(static_cast<int32_t>(code));
      return ORB::kResultNone;
    });
    ORB::SetHook(ORB::Hook::KeyUp, [&manager](intptr_t code) {
      manager.HandleMouseUp(static_cast<int32_t>(code));
      return ORB::kResultNone;
    });
    ORB::SetHook(ORB::Hook::MouseMove, [&manager](intptr_t) {
      manager.HandleMouseMove();
      return ORB::kResultNone;
    });
  }
  ~WindowHub() {
    ORB::ClearHook(ORB::Hook::KeyDown);
    ORB::ClearHook(ORB::Hook::KeyUp);
    ORB::ClearHook(ORB::Hook::MouseMove);
  }
  WindowHub(const WindowHub&) = delete;
  WindowHub& operator=(const WindowHub&) = delete;
};

}  // namespace test_support
