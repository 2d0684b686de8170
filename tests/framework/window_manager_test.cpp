// The window manager with stub windows under scripted input: the scene list
// and its bad entries, opening and closing by name, layers, modal gating,
// windows that open and close windows from their callbacks and clicks, and
// which window a click or a key's release reaches.
#include "framework/window_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_image.h"
#include "engine/platform/key_codes.h"
#include "engine/scene/document_provider.h"
#include "support/counting_textures.h"
#include "support/log_capture.h"
#include "support/memory_documents.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/window_kit.h"

namespace ORB_GF {
namespace {

using test_support::StubWindow;

// Every window of these tests has one clickable image, id 3, 100 x 40 at
// its position.
void OneButton(ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
  root.Add(std::make_unique<ORB::OC_GUI_IMAGE>(3, "button.png"));
}

// Notes every release pass it is given ("Name:up <key>").
class ReleaseNotingWindow : public StubWindow {
 public:
  using StubWindow::StubWindow;
  int32_t HandleMouseUp(int32_t button) override {
    Journal().push_back(GetName() + ":up " + std::to_string(button));
    return StubWindow::HandleMouseUp(button);
  }
};

class WindowManagerTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<test_support::CountingTextures>(*renderer_);
    textures_->Add("button.png", 100, 40);
    ORB::SetTextureProvider(textures_.get());
    ORB::FrameDelta().store(0.125f);
  }
  void TearDown() override {
    manager_.reset();
    EXPECT_EQ(textures_->TotalUses(), 0);
    ORB::SetTextureProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }

  // A window of the manager's, opening and closing at once unless the
  // attributes say otherwise.
  template <typename Window = StubWindow>
  Window* Add(const std::string& name, const std::string& attributes = "") {
    std::string xml = "<w _name='" + name + "' " + attributes;
    for (const char* kind : {"_typeOpen", "_typeClose"}) {
      if (attributes.find(kind) == std::string::npos)
        xml += std::string(" ") + kind + "='SH_MOMENTAL'";
    }
    xml += "><GUI/></w>";
    auto window = test_support::MakeWindow<Window>(xml, &journal_);
    Window* raw = window.get();
    manager_->AddWindow(std::move(window));
    return raw;
  }
  StubWindow* Find(const std::string& name) {
    return static_cast<StubWindow*>(manager_->FindWindow(name));
  }
  std::vector<std::string> OpenNames() const {
    std::vector<std::string> names;
    for (const G_WINDOW* window : manager_->OpenWindows()) names.push_back(window->GetName());
    return names;
  }
  // The journal's lines of one kind ("OnUpdate", ...), and forgets them all.
  std::vector<std::string> Take(const std::string& what = "") {
    std::vector<std::string> lines;
    for (const std::string& line : journal_) {
      if (what.empty() || line.find(":" + what) != std::string::npos) lines.push_back(line);
    }
    journal_.clear();
    return lines;
  }

  test_support::ScopedGuiBuilder gui_{OneButton};
  std::unique_ptr<test_support::CountingTextures> textures_;
  std::vector<std::string> journal_;
  std::unique_ptr<G_WINDOW_MANAGER> manager_ = std::make_unique<G_WINDOW_MANAGER>(nullptr);
};

TEST_F(WindowManagerTest, LoadsTheSceneListAndSkipsWhatItCannotUse) {
  test_support::MemoryDocuments documents;
  documents.Set("scenes.xml",
                "<scenes><scene file='a.xml'/><scene name='no file'/><scene file='broken.xml'/>"
                "<scene file='missing.xml'/><scene file='unknown.xml'/><scene file='a2.xml'/>"
                "<scene file='b.xml'/></scenes>");
  documents.Set("a.xml", "<window _type='Stub' _name='A' layer='1'/>");
  documents.Set("broken.xml", "<window _type='Stub' _name='Broken'>");
  documents.Set("unknown.xml", "<window _type='GG_NOTHING' _name='U'/>");
  documents.Set("a2.xml", "<window _type='Stub' _name='A' layer='2'/>");
  documents.Set("b.xml", "<window _type='Stub' _name='B'/>");
  std::vector<std::string> types;
  manager_ = std::make_unique<G_WINDOW_MANAGER>([&](const pugi::xml_node& element) -> G_WINDOW* {
    types.push_back(element.attribute("_type").as_string());
    if (std::string(element.attribute("_type").as_string()) != "Stub") return nullptr;
    return new StubWindow(element, &journal_);
  });

  test_support::LogCapture log;
  EXPECT_FALSE(manager_->LoadWindows(&documents, "no scenes.xml"));
  EXPECT_TRUE(log.Has("the scene list \"no scenes.xml\" cannot be read"));
  ASSERT_TRUE(manager_->LoadWindows(&documents, "scenes.xml"));
  EXPECT_EQ(types, (std::vector<std::string>{"Stub", "GG_NOTHING", "Stub", "Stub"}));
  ASSERT_EQ(manager_->Windows().size(), 3u);
  EXPECT_EQ(manager_->FindWindow("A")->GetLayer(), 1u) << "the first of two names wins";
  EXPECT_NE(manager_->FindWindow("B"), nullptr);
  EXPECT_EQ(documents.OpenDocuments(), 0u) << "every document is given back";
  EXPECT_TRUE(log.Has("a scene entry <scene> without \"file\" is skipped"));
  EXPECT_TRUE(log.Has("the window \"broken.xml\" cannot be read or is not well-formed XML"));
  EXPECT_TRUE(log.Has("the window \"missing.xml\" cannot be read"));
  EXPECT_TRUE(log.Has("no window is made of \"unknown.xml\" (_type \"GG_NOTHING\")"));
  EXPECT_TRUE(log.Has("a second window is named \"A\""));

  // Through the process-wide provider too.
  ORB::SetDocumentProvider(&documents);
  EXPECT_TRUE(manager_->LoadWindows("scenes.xml"));
  ORB::SetDocumentProvider(nullptr);
  EXPECT_EQ(manager_->Windows().size(), 6u);
}

TEST_F(WindowManagerTest, OpensAndClosesByName) {
  StubWindow* a = Add("A");
  Add("B");
  EXPECT_EQ(manager_->OpenWindow("Nobody", false), nullptr);
  EXPECT_TRUE(manager_->OpenWindows().empty());
  EXPECT_EQ(manager_->CloseWindow("A", false), nullptr) << "not open";

  EXPECT_EQ(manager_->OpenWindow("A", false), a);
  EXPECT_TRUE(a->IsLoaded()) << "loaded before its first opening";
  manager_->OpenWindow("B", false);
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{"B", "A"}));
  // Opening an open window answers it and neither moves nor restarts it.
  Take();
  EXPECT_EQ(manager_->OpenWindow("A", false), a);
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{"B", "A"}));
  EXPECT_TRUE(Take().empty());
  EXPECT_TRUE(manager_->IsOpen("A"));
  EXPECT_EQ(manager_->FindOpenWindow("A"), a);

  EXPECT_EQ(manager_->CloseWindow("A", false), a);
  EXPECT_EQ(manager_->OpenWindow("A", false), a) << "still closing: answered as it is";
  EXPECT_EQ(Take("OnOpenBegin").size(), 0u);
  manager_->Update();
  manager_->Update();
  EXPECT_EQ(OpenNames(), std::vector<std::string>{"B"});
  EXPECT_FALSE(manager_->IsOpen("A"));

  manager_->CloseAll();
  manager_->Update();
  EXPECT_TRUE(manager_->OpenWindows().empty());
}

TEST_F(WindowManagerTest, LayersOrderTheOpenWindows) {
  const std::string at = "_typePos='POS_IN_PIX' _position=";
  Add("High", "layer='5' " + at + "'100 100'");
  Add("Low", at + "'200 100'");
  Add("Low2", at + "'300 100'");
  Add("Top", "layer='4294967295' " + at + "'400 100'");
  manager_->OpenWindow("High", false);
  manager_->OpenWindow("Low", false);
  manager_->OpenWindow("Low2", false);
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{"High", "Low2", "Low"}))
      << "a higher layer opened earlier stays in front; the newest of a layer leads it";
  manager_->OpenWindow("Top", false);
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{"Top", "High", "Low2", "Low"}))
      << "layers are compared unsigned";
  manager_->Update();
  manager_->Draw();
  // Back to front, so the front window is drawn last: the buttons' left
  // edges, 50 left of each window.
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 16u);
  std::vector<float> lefts;
  for (size_t i = 0; i < drawn.size(); i += 4) lefts.push_back(drawn[i].x);
  EXPECT_EQ(lefts, (std::vector<float>{150, 250, 50, 350}));
}

TEST_F(WindowManagerTest, ModalGatingAndUngating) {
  StubWindow* back = Add("Back");
  StubWindow* dialog = Add("Dialog", "_modal='1'");
  manager_->OpenWindow("Back", false);
  manager_->Update();
  Take();
  manager_->OpenWindow("Dialog", false);
  EXPECT_FALSE(back->IsInputEnabled());
  EXPECT_TRUE(dialog->IsInputEnabled());
  const std::vector<std::string> gating = Take("OnInput");
  EXPECT_EQ(gating, (std::vector<std::string>{"Dialog:OnInputEnabled", "Back:OnInputDisabled"}));

  manager_->CloseWindow("Dialog", false);
  manager_->Update();  // the dialog finishes closing and leaves the list
  EXPECT_TRUE(back->IsInputEnabled());
  EXPECT_EQ(Take("OnInput"), std::vector<std::string>{"Back:OnInputEnabled"});
}

TEST_F(WindowManagerTest, GatingFollowsTheLayerOrder) {
  StubWindow* back = Add("Back");
  StubWindow* top = Add("Top", "layer='5'");
  StubWindow* dialog = Add("Dialog", "_modal='1'");
  manager_->OpenWindow("Back", false);
  manager_->OpenWindow("Top", false);
  manager_->OpenWindow("Dialog", false);
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{"Top", "Dialog", "Back"}));
  EXPECT_TRUE(top->IsInputEnabled()) << "a higher layer stays in front of the modal dialog";
  EXPECT_TRUE(dialog->IsInputEnabled());
  EXPECT_FALSE(back->IsInputEnabled());
}

TEST_F(WindowManagerTest, NoUpdateBehindAWindowThatHasJustClosed) {
  Add("Back");
  Add("Front", "layer='1'");
  manager_->OpenWindow("Back", false);
  manager_->OpenWindow("Front", false);
  manager_->Update();
  EXPECT_EQ(Take("OnUpdate"), (std::vector<std::string>{"Front:OnUpdate", "Back:OnUpdate"}));
  manager_->CloseWindow("Front", false);
  manager_->Update();
  EXPECT_TRUE(Take("OnUpdate").empty()) << "the pass ends at the window that closed";
  EXPECT_EQ(OpenNames(), std::vector<std::string>{"Back"});
  manager_->Update();
  EXPECT_EQ(Take("OnUpdate"), std::vector<std::string>{"Back:OnUpdate"});
}

TEST_F(WindowManagerTest, AWindowReopenedFromItsClosedCallbackIsListedOnce) {
  StubWindow* a = Add("A");
  a->SetCallback(kClosed, manager_.get(), [](void* manager) {
    static_cast<G_WINDOW_MANAGER*>(manager)->OpenWindow("A", false);
  });
  manager_->OpenWindow("A", false);
  manager_->Update();
  manager_->CloseWindow("A", false);
  manager_->Update();
  EXPECT_EQ(OpenNames(), std::vector<std::string>{"A"});
  EXPECT_TRUE(a->IsOpen());
  a->SetCallback(kClosed, nullptr, nullptr);
  manager_->CloseWindow("A", false);
  manager_->Update();
  EXPECT_TRUE(manager_->OpenWindows().empty());
}

TEST_F(WindowManagerTest, AClickThatClosesItsWindowAndOpensAnother) {
  StubWindow* first = Add("First");
  StubWindow* second = Add("Second");
  first->on_event = [&](int32_t) {
    manager_->CloseWindow("First", false);
    manager_->OpenWindow("Second", false);
  };
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([&] { manager_->Update(); });
  manager_->OpenWindow("First", false);
  input.Idle(1);
  input.Click(512, 384);
  EXPECT_EQ(first->events, std::vector<int32_t>{3});
  EXPECT_TRUE(second->events.empty()) << "the new window in front did not get the same click";
  input.Idle(1);
  EXPECT_EQ(OpenNames(), std::vector<std::string>{"Second"});
  input.Click(512, 384);
  EXPECT_EQ(second->events, std::vector<int32_t>{3});
  EXPECT_EQ(first->events, std::vector<int32_t>{3});
}

TEST_F(WindowManagerTest, AClickReachesTheFrontmostWindowThatTakesIt) {
  StubWindow* back = Add("Back");
  StubWindow* front = Add("Front", "layer='1' _typePos='POS_IN_PIX' _position='200 100'");
  StubWindow* modal =
      Add("Modal", "layer='2' _modal='1' _typePos='POS_IN_PIX' _position='800 600'");
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([&] { manager_->Update(); });
  manager_->OpenWindow("Back", false);
  manager_->OpenWindow("Front", false);
  input.Idle(1);

  input.Click(512, 384);  // nothing of Front's there: it passes on
  EXPECT_TRUE(front->events.empty());
  EXPECT_EQ(back->events, std::vector<int32_t>{3});
  input.Click(200, 100);  // Front's button: nothing behind hears it
  EXPECT_EQ(front->events, std::vector<int32_t>{3});
  EXPECT_EQ(back->events, std::vector<int32_t>{3});

  manager_->OpenWindow("Modal", false);
  input.Idle(1);
  input.Click(512, 384);
  input.Click(200, 100);
  EXPECT_EQ(back->events.size(), 1u) << "nothing behind a modal window";
  EXPECT_EQ(front->events.size(), 1u);
  input.Click(800, 600);
  EXPECT_EQ(modal->events, std::vector<int32_t>{3});

  manager_->CloseWindow("Modal", false);
  input.Idle(1);
  input.Click(512, 384);
  EXPECT_EQ(back->events.size(), 2u) << "ungated once the modal window left";
}

TEST_F(WindowManagerTest, AMovingWindowSwallowsTheClick) {
  StubWindow* back = Add("Back");
  // Fades in at its place, with nothing of its own over Back's button.
  Add("Front", "_typeOpen='SH_FADE' layer='1' _typePos='POS_IN_PIX' _position='200 100'");
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([&] { manager_->Update(); });
  manager_->OpenWindow("Back", false);
  manager_->OpenWindow("Front", false);
  input.Click(512, 384);
  EXPECT_TRUE(back->events.empty()) << "swallowed while Front fades in";
  input.Idle(4);
  input.Click(512, 384);
  EXPECT_EQ(back->events, std::vector<int32_t>{3});
}

TEST_F(WindowManagerTest, APressAndItsReleaseAreOneWindowsClick) {
  StubWindow* back = Add("Back");
  StubWindow* front = Add("Front", "layer='1'");
  StubWindow* fading = Add("Fading", "layer='2' _typeOpen='SH_FADE' _timeShow='0.5'");
  StubWindow* gone = Add(
      "Gone", "layer='3' _typeOpen='SH_FADE' _timeShow='0.5' _typeClose='SH_FADE' _timeHide='1'");
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([&] { manager_->Update(); });
  Add("Dialog", "layer='4' _modal='1'");
  auto* button = back->GetGuiRoot().Add(std::make_unique<ORB::OC_GUI_BUTTON5>(7, "button.png"));
  button->SetPosition(0, 100, 0);  // 20 x 40 at (512, 484)
  manager_->OpenWindow("Back", false);
  input.Move(512, 384);
  input.Press();  // Back's; Front opens over it before the release
  manager_->OpenWindow("Front", false);
  input.Release();
  EXPECT_EQ(back->events, std::vector<int32_t>{3});
  EXPECT_TRUE(front->events.empty()) << "the window opened by the press";
  manager_->CloseWindow("Front", false);
  input.Move(512, 484);
  input.Press();  // Back's button; a modal dialog opens before the release
  manager_->OpenWindow("Dialog", false);
  input.Release();
  EXPECT_EQ(back->events, std::vector<int32_t>{3}) << "a modal window in front takes the click";
  EXPECT_FALSE(button->IsPressed()) << "nor may a later release click it";
  EXPECT_EQ(button->GetState(), ORB::OC_GUI_BUTTON5::kNormal);
  manager_->CloseWindow("Dialog", false);
  input.Idle(1);
  input.Click(512, 484);
  EXPECT_EQ(back->events, (std::vector<int32_t>{3, 7})) << "a click of its own";
  input.Move(512, 384);
  manager_->OpenWindow("Fading", false);
  input.Press();  // swallowed while Fading fades in
  input.Idle(5);
  ASSERT_FALSE(fading->IsAnimating());
  input.Release();
  EXPECT_TRUE(fading->events.empty()) << "a release whose press was swallowed";
  manager_->CloseWindow("Fading", true);
  manager_->OpenWindow("Gone", false);
  input.Idle(1);
  manager_->CloseWindow("Gone", false);  // fades out over a second
  input.Idle(4);                         // the opening would have ended by now
  input.Click(512, 384);
  EXPECT_TRUE(gone->IsOpen() && gone->IsAnimating()) << "still closing";
  EXPECT_TRUE(gone->events.empty()) << "a closing window takes no click";
  EXPECT_EQ(back->events.size(), 2u);
}

TEST_F(WindowManagerTest, AKeysReleaseGoesToTheWindowsOpenAtItsPressThatTakeInput) {
  Add<ReleaseNotingWindow>("Back");
  Add<ReleaseNotingWindow>("Front", "layer='1'");
  Add<ReleaseNotingWindow>("Dialog", "layer='2' _modal='1'");
  test_support::WindowHub hub(*manager_);
  test_support::ScriptedInput input([&] { manager_->Update(); });
  manager_->OpenWindow("Back", false);
  input.Idle(1);
  const int32_t key = ORB::platform::kKeyEscape;  // no window takes it
  input.KeyDown(key);
  manager_->OpenWindow("Front", false);
  input.KeyUp(key);
  EXPECT_EQ(Take("up"), std::vector<std::string>{"Back:up 27"}) << "Front opened after the press";
  input.KeyDown(key);
  manager_->OpenWindow("Dialog", false);
  input.KeyUp(key);
  EXPECT_TRUE(Take("up").empty()) << "both stand behind a modal window since the press";
  input.Key(key);
  EXPECT_EQ(Take("up"), std::vector<std::string>{"Dialog:up 27"});
}

TEST_F(WindowManagerTest, ResourcesRefreshAndMessages) {
  StubWindow* a = Add("A");
  StubWindow* b = Add("B");
  a->message_answer = 7;
  EXPECT_EQ(manager_->SendWindowMessage("A", 1, 2), 7);
  EXPECT_EQ(manager_->SendWindowMessage("Nobody", 1, 2), 0);
  manager_->RefreshAll();
  EXPECT_EQ(Take("Refresh"), (std::vector<std::string>{"A:Refresh", "B:Refresh"})) << "open or not";

  EXPECT_EQ(manager_->LoadWindowResources("A"), a);
  EXPECT_EQ(manager_->LoadWindowResources("Nobody"), nullptr);
  EXPECT_EQ(textures_->Uses("button.png"), 1);
  manager_->LoadWindowResources("B");
  EXPECT_EQ(manager_->ReleaseWindowResources("A"), a);
  EXPECT_FALSE(a->IsLoaded());
  EXPECT_TRUE(b->IsLoaded());
  manager_->OpenWindow("B", false);
  manager_->ReleaseAllResources(false);
  EXPECT_TRUE(b->IsReleasePending()) << "B still opening";
  manager_->ReleaseAllResources(true);
  EXPECT_FALSE(b->IsLoaded());
  EXPECT_EQ(textures_->TotalUses(), 0);
}

TEST_F(WindowManagerTest, TheGamesManager) {
  EXPECT_EQ(GetWindowManager(), nullptr);
  G_WINDOW_MANAGER& made = CreateWindowManager(nullptr);
  EXPECT_EQ(GetWindowManager(), &made);
  DestroyWindowManager();
  EXPECT_EQ(GetWindowManager(), nullptr);
}

}  // namespace
}  // namespace ORB_GF
