#pragma once
// The play screen as the game puts it together, on the shipped data: the
// repository with the shipped pictures and fonts, the shipped template
// player, the rules' windows and those the controls and the tutorial open,
// the gameplay screen with its play screen, and the tutorial following both.
// (A test may set host.windows to a manager of its own before Start.)
// The pointer's passes reach them in the hub's order (a press: tutorial,
// gameplay, windows; a release and a move: gameplay, tutorial, windows), one
// frame a scripted step.
//
//   PlayScreenRig rig(*renderer_);               // any renderer
//   ASSERT_NO_FATAL_FAILURE(rig.Start(PlayScreenRig::kFirstLevel, 1));
//   rig.input.Click(rig.CellPoint(1, 0));        // fills (1, 0)
//   rig.Frames(30);
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/foundation/hooks.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "framework/font_list.h"
#include "game/play/element.h"
#include "game/play/gameplay.h"
#include "game/play/screen/play_screen.h"
#include "game/play/screen/tutorial.h"
#include "support/game_host.h"
#include "support/renderer_textures.h"
#include "support/rules_windows.h"
#include "support/scripted_input.h"
#include "support/shipped_fonts.h"
#include "support/window_kit.h"

namespace game {

class PlayScreenRig {
 public:
  static constexpr const char* kFirstLevel = "data/share/main/levels pack_1/heart.xml";
  static constexpr const char* kTutorialFile = "data/share/main/other tutorial.xml";
  static constexpr float kFrame = 1.0f / 60.0f;

  explicit PlayScreenRig(ORB::Renderer& renderer)
      : renderer_(renderer), loader_(renderer), host(&loader_), provider_(host.Repository()) {}

  ~PlayScreenRig() {
    ORB::ClearHook(ORB::Hook::KeyDown);
    ORB::ClearHook(ORB::Hook::KeyUp);
    ORB::ClearHook(ORB::Hook::MouseMove);
    tutorial.reset();
    screen.reset();
    gameplay.reset();
    fonts_.Clear();
    if (ORB_GF::GetFontList() != nullptr) ORB_GF::GetFontList()->ReleaseTextures();
    ORB_GF::DestroyFontList();
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }
  PlayScreenRig(const PlayScreenRig&) = delete;
  PlayScreenRig& operator=(const PlayScreenRig&) = delete;

  // Builds the screen and its tutorial, then loads the level of that id of
  // pack 1 and takes its textures.
  void Start(const std::string& level, int32_t levelId) {
    ASSERT_NO_FATAL_FAILURE(Build());
    ASSERT_NO_FATAL_FAILURE(LoadLevel(level, levelId));
  }

  void Build() {
    for (const char* folder :
         {"data/share/image/board", "data/share/image/play", "data/share/image/gui",
          "data/share/image/effects", "data/share/image/packs", "data/share/font"}) {
      ASSERT_EQ(host.Repository().AddFolder(folder), ORB::kResultOk) << folder;
    }
    ORB::SetTextureProvider(&provider_);
    ORB::SetDocumentProvider(&documents_);
    ASSERT_NO_FATAL_FAILURE(fonts_.Load(host.Repository(), [this](const std::string& name) {
      return provider_.AcquireTexture(name);
    }));
    fonts_.AddTo(host.fonts);
    // The game's font list, which font styles are read against.
    ASSERT_TRUE(ORB_GF::CreateFontList().Load(host.Repository(), "data/share/font fonts.xml"));
    if (host.windows == nullptr) host.windows = &windows.Manager();
    for (const char* name : {"GP_Menu", "GP_FeedBack_Reset"}) {
      windows.Manager().AddWindow(test_support::MakeWindow<test_support::StubWindow>(
          std::string("<window _name=\"") + name + "\" _timeShow=\"0.2\" _timeHide=\"0.2\"/>"));
    }
    windows.Manager().AddWindow(test_support::MakeWindow<test_support::AnswerableConfirm>(
        "<window _name=\"Confirm_Skip_Tutorial\" _type=\"G_WINDOW_CONFIRM\" _timeShow=\"0.2\" "
        "_timeHide=\"0.2\" _modal=\"1\" layer=\"20\"/>"));
    gameplay = std::make_unique<GG_GAMEPLAY>(&host);
    host.gameplay = gameplay.get();
    screen = std::make_unique<gPlayScreen>(*gameplay);
    ASSERT_TRUE(screen->Load()) << screen->Error();
    screen->AcquireResources();
    tutorial = std::make_unique<GG_TUTORIAL>();
    tutorial->Attach(gameplay.get(), &screen->Controls());
    pugi::xml_document* file = host.GetDocument(kTutorialFile);
    ASSERT_NE(file, nullptr);
    const bool loaded = tutorial->Load(file->child("tutorial"), kTutorialFile);
    host.ReleaseDocument(file);
    ASSERT_TRUE(loaded) << tutorial->Error();
    InstallHooks();
  }

  void LoadLevel(const std::string& level, int32_t levelId) {
    host.pack_id = 1;
    host.level_id = levelId;
    ASSERT_TRUE(gameplay->Load(level)) << gameplay->LastError();
    gameplay->AcquireResources();
  }

  // The hub's order of the pointer's passes.
  void InstallHooks() {
    ORB::SetHook(ORB::Hook::KeyDown, [this](intptr_t code) {
      const auto button = static_cast<int32_t>(code);
      if (tutorial->IsActive()) tutorial->OnButtonDown(button);
      gameplay->OnButtonDown(button);
      host.windows->HandleMouseDown(button);
      return ORB::kResultNone;
    });
    ORB::SetHook(ORB::Hook::KeyUp, [this](intptr_t code) {
      const auto button = static_cast<int32_t>(code);
      gameplay->OnButtonUp(button);
      if (tutorial->IsActive()) tutorial->OnButtonUp(button);
      host.windows->HandleMouseUp(button);
      return ORB::kResultNone;
    });
    ORB::SetHook(ORB::Hook::MouseMove, [this](intptr_t) {
      gameplay->OnPointerMove();
      if (tutorial->IsActive()) tutorial->OnPointerMove();
      host.windows->HandleMouseMove();
      return ORB::kResultNone;
    });
  }

  // One frame of the hub: the screen, the tutorial, the windows.
  void Frame() {
    ORB::FrameDelta().store(kFrame);
    gameplay->Update();
    tutorial->Update();
    host.windows->Update();
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }
  void Draw() {
    gameplay->Draw();
    tutorial->Draw();
    host.windows->Draw();
  }

  // The centre of a cell, in whole pixels.
  ORB::Point CellPoint(int32_t row, int32_t col) const {
    const ORB::Vector2 c = gameplay->Settings().CellCentre(row, col);
    return {static_cast<int32_t>(c.x), static_cast<int32_t>(c.y)};
  }
  static ORB::Point At(const ORB::Vector2& p) {
    return {static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)};
  }
  void Click(const ORB::Point& p) { input.Click(p.x, p.y); }
  void Drag(const ORB::Point& from, const ORB::Point& to, int32_t moves = 4) {
    input.Drag(from.x, from.y, to.x, to.y, moves);
  }
  GG_ELEMENT& Cell(int32_t row, int32_t col) { return *gameplay->Board().CellAt(row, col); }
  gControlBar& Controls() { return screen->Controls(); }

 private:
  ORB::Renderer& renderer_;
  test_support::RendererTextures loader_;

 public:
  test_support::ShippedHost host;
  test_support::RulesWindows windows;
  std::unique_ptr<GG_GAMEPLAY> gameplay;
  std::unique_ptr<gPlayScreen> screen;
  std::unique_ptr<GG_TUTORIAL> tutorial;
  test_support::ScriptedInput input{[this] { Frame(); }};

 private:
  ORB::RepositoryTextureProvider provider_;
  ORB::RepositoryDocumentProvider documents_{host.Repository()};
  test_support::ShippedFonts fonts_;
};

}  // namespace game
