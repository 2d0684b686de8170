#pragma once
// Windows for tests: a stand-in for the way windows fill their widget trees,
// a window that writes down everything that happens to it, descriptions
// from text, the game's hub in miniature (its key and mouse hooks hand every
// press, release and move to a window manager, as the game's do), and a
// fixture for the stock windows under scripted input.
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

#include "blank_gui.h"
#include "counting_textures.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_root.h"
#include "framework/stock_windows.h"
#include "framework/window.h"
#include "framework/window_manager.h"
#include "memory_documents.h"
#include "recording_renderer.h"
#include "scripted_input.h"

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

// Stock windows under scripted input: a recording renderer, counting textures
// ("font.png", a 128 x 96 page, and what the test adds) and documents from
// memory ("font.xml", printable ASCII) as the providers, frames of 0.125 s,
// and a manager of the stock windows that the hub hands the input to; each
// scripted frame runs the manager's update.
//
//   documents_.Set("scenes.xml", "<scenes><scene file='ask.xml'/></scenes>");
//   documents_.Set("ask.xml", "<window _type='G_WINDOW_CONFIRM' _name='Ask'><GUI/></window>");
//   ASSERT_NO_FATAL_FAILURE(LoadWindows(MyTree));
//   ASSERT_NO_FATAL_FAILURE(OpenAndSettle("Ask"));
//   input_.Click(452, 424);
class StockWindowsTest : public RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<CountingTextures>(*renderer_);
    textures_->Add("font.png", 128, 96);
    ORB::SetTextureProvider(textures_.get());
    documents_.Set("font.xml", PrintableFont());
    ORB::SetDocumentProvider(&documents_);
    ORB::FrameDelta().store(0.125f);
  }
  void TearDown() override {
    manager_.ReleaseAllResources(true);
    EXPECT_EQ(textures_->TotalUses(), 0) << "every texture use is given back";
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }

  // Registers the windows of the scene list "scenes.xml", each tree built
  // by `build`.
  void LoadWindows(ORB_GF::G_WINDOW::GuiBuilder build) {
    ScopedGuiBuilder gui(std::move(build));
    ASSERT_TRUE(manager_.LoadWindows("scenes.xml"));
  }
  // Opens the window and runs frames until it stands still.
  void OpenAndSettle(const std::string& name) {
    ORB_GF::G_WINDOW* window = manager_.OpenWindow(name, false);
    ASSERT_NE(window, nullptr) << name;
    for (int i = 0; i < 40 && window->IsAnimating(); ++i) input_.Idle();
    ASSERT_FALSE(window->IsAnimating());
  }

  std::unique_ptr<CountingTextures> textures_;
  MemoryDocuments documents_;
  ORB_GF::G_WINDOW_MANAGER manager_{ORB_GF::CreateStockWindow};
  WindowHub hub_{manager_};
  ScriptedInput input_{[this] { manager_.Update(); }};
};

}  // namespace test_support
