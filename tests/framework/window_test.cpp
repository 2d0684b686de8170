// Windows: descriptions, the show and hide movements for every kind and
// placement, the life-cycle callbacks, what the mouse handlers answer, the
// last event, resources and the auto transform. Widget trees are built in
// code through the window's GUI builder.
#include "framework/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/foundation/input_state.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_image.h"
#include "engine/platform/key_codes.h"
#include "framework/transform_auto.h"
#include "support/counting_textures.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/window_kit.h"

namespace ORB_GF {
namespace {

using test_support::MakeWindow;
using test_support::StubWindow;

// A widget that changes its value when a button goes up over anything, as
// a slider does when its runner is let go.
class ValueWidget : public ORB::OC_GUI_OBJECT {
 public:
  explicit ValueWidget(int32_t id) : OC_GUI_OBJECT(id) {}
  ORB::GuiEvent* OnMouseUp() override { return Answer(ORB::kGuiEventValueChanged); }
};

class WindowTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    textures_ = std::make_unique<test_support::CountingTextures>(*renderer_);
    textures_->Add("button.png", 100, 40);
    textures_->Add("backdrop.png", 8, 8);
    ORB::SetTextureProvider(textures_.get());
    ORB::FrameDelta().store(0.125f);
  }
  void TearDown() override {
    EXPECT_EQ(textures_->TotalUses(), 0) << "every texture use is given back";
    ORB::SetTextureProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }

  static void Tick(G_WINDOW& window, int frames) {
    for (int i = 0; i < frames; ++i) window.Update();
  }
  static ORB::Vector2 At(const G_WINDOW& window) {
    return window.GetLiveTransform().GetPositionV2();
  }

  std::unique_ptr<test_support::CountingTextures> textures_;
};

// What a description sets, beside the pictures and the widgets.
struct WindowSettings {
  std::string name;
  int32_t open, close, position;
  float show_time, hide_time, show_delay, hide_delay;
  bool modal;
  uint32_t layer;
  bool operator==(const WindowSettings&) const = default;
};

WindowSettings Settings(const G_WINDOW& w) {
  return {w.GetName(),     w.GetOpenKind(),  w.GetCloseKind(), w.GetPositionKind(), w.GetShowTime(),
          w.GetHideTime(), w.GetShowDelay(), w.GetHideDelay(), w.IsModal(),         w.GetLayer()};
}

void PrintTo(const WindowSettings& s, std::ostream* out) {
  *out << s.name << " open " << s.open << " close " << s.close << " position " << s.position
       << " times " << s.show_time << "/" << s.hide_time << " delays " << s.show_delay << "/"
       << s.hide_delay << " modal " << s.modal << " layer " << s.layer;
}

// One clickable image, id 3, 100 x 40 at the window's position.
ORB_GF::G_WINDOW::GuiBuilder OneButton(int32_t id = 3) {
  return [id](ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
    root.Add(std::make_unique<ORB::OC_GUI_IMAGE>(id, "button.png"));
  };
}

TEST_F(WindowTest, ADescriptionWithoutItemsGivesTheDefaults) {
  const auto window = MakeWindow<StubWindow>("<window/>");
  EXPECT_EQ(Settings(*window),
            (WindowSettings{"gWidnow", SH_MOVE_DOWN, SH_MOVE_DOWN, POS_MIDDLE_SCREEN, 0.5f, 0.5f,
                            0.0f, 0.0f, false, 0}));
  EXPECT_EQ(window->GetBackground(), nullptr);
  EXPECT_TRUE(window->IsInputEnabled()) << "input starts enabled";
  EXPECT_FALSE(window->IsOpen());
  EXPECT_FALSE(window->IsLoaded());
  EXPECT_EQ(window->GetShown().GetPositionV2(), ORB::Vector2(512.0f, 384.0f));
  EXPECT_EQ(window->GetCloseEnd().GetPositionV2(), ORB::Vector2(512.0f, 1152.0f));
  EXPECT_EQ(At(*window), ORB::Vector2(512.0f, -384.0f)) << "waiting above the screen";

  // Opens moving down into the centre over half a second.
  window->Open(false);
  Tick(*window, 3);
  EXPECT_EQ(At(*window), ORB::Vector2(512.0f, 0.0f));
  Tick(*window, 2);
  EXPECT_EQ(At(*window), ORB::Vector2(512.0f, 384.0f));
  EXPECT_FALSE(window->IsAnimating());
}

TEST_F(WindowTest, ReadsEveryItem) {
  test_support::LogCapture log;
  const auto window = MakeWindow<StubWindow>(
      "<window _name='Dialog' _typeOpen='SH_FADE' _typeClose='SH_MOVE_LEFT' "
      "_typePos='POS_IN_PIX' _timeShow='0.25' _timeHide='0.75' _delayHide='0.5' "
      "_delayShow='0.125' _modal='1' layer='7' _position='300 200'>"
      "<background START_COLOR='0 10 20 30' END_COLOR='200 10 20 30' SIZE='1024 768'>"
      "backdrop.png</background>"
      "<bots><bot type='ignored'/></bots>"
      "<sounds><item id='3' sound='click'/><item id='4' sound='tick'/>"
      "<other id='3' sound='clack'/></sounds></window>");
  EXPECT_EQ(Settings(*window), (WindowSettings{"Dialog", SH_FADE, SH_MOVE_LEFT, POS_IN_PIX, 0.25f,
                                               0.75f, 0.125f, 0.5f, true, 7}));
  EXPECT_EQ(window->GetShown().GetPositionV2(), ORB::Vector2(300.0f, 200.0f));
  ASSERT_NE(window->GetBackground(), nullptr);
  EXPECT_EQ(window->GetBackground()->GetFile(), "backdrop.png");
  EXPECT_EQ(window->GetBackground()->GetWidth(), 1024.0f);
  EXPECT_EQ(window->GetBackground()->GetHeight(), 768.0f);
  EXPECT_EQ(window->GetStartColour().ToUInt(), 0x000A141Eu);
  EXPECT_EQ(window->GetEndColour().ToUInt(), 0xC80A141Eu);
  EXPECT_EQ(window->GetBackground()->GetColor().ToUInt(), 0x000A141Eu);
  EXPECT_EQ(window->GetBackground()->GetTransform()->GetPositionV2(), ORB::Vector2(512.0f, 384.0f))
      << "the background stands at the screen's centre";
  EXPECT_EQ(window->GetSound(3), "clack") << "a repeated id replaces the sound";
  EXPECT_EQ(window->GetSound(4), "tick");
  EXPECT_EQ(window->GetSound(5), "");
  EXPECT_TRUE(log.Lines().empty());
}

TEST_F(WindowTest, TheGuiElementGoesToTheGuiXmlLoader) {
  test_support::LogCapture log;
  const auto window = MakeWindow<StubWindow>(
      "<w><GUI><IMAGE ID='3' TEXTURE='button.png'><POSITION>0 40</POSITION></IMAGE>"
      "<NOTHING ID='4'/></GUI></w>");
  const auto* image = window->FindWidget<ORB::OC_GUI_IMAGE>(3);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetTextureName(), "button.png");
  EXPECT_EQ(window->GetGuiRoot().Widget().GetChildCount(), 1u);
  EXPECT_TRUE(log.Has("NOTHING (ID 4): unknown element"));
  EXPECT_EQ(image->GetTransform().GetWorld().GetPositionV2(), ORB::Vector2(512.0f, -344.0f))
      << "under the window's transform (waiting above the screen)";
}

TEST_F(WindowTest, ShowTimesAndUnknownNames) {
  // "_timeShow" alone sets the hide time too.
  EXPECT_EQ(MakeWindow<StubWindow>("<w _timeShow='0.25'/>")->GetHideTime(), 0.25f);
  // It is not read for a window that opens at once; "_timeHide" is.
  const auto momental =
      MakeWindow<StubWindow>("<w _typeOpen='SH_MOMENTAL' _timeShow='2' _timeHide='0.25'/>");
  EXPECT_EQ(momental->GetShowTime(), 0.5f);
  EXPECT_EQ(momental->GetHideTime(), 0.25f);
  // "_timeHide" is not read for a window that closes at once.
  EXPECT_EQ(MakeWindow<StubWindow>("<w _typeClose='SH_MOMENTAL' _timeHide='2'/>")->GetHideTime(),
            0.5f);

  test_support::LogCapture log;
  const auto odd = MakeWindow<StubWindow>(
      "<w _name='Odd' _typeOpen='SH_MOVE_DIAGONAL' _typeClose='sh_fade' _typePos='POS_CORNER' "
      "_position='0.25 0.75'/>");
  EXPECT_EQ(odd->GetOpenKind(), SH_UNKNOWN);
  EXPECT_EQ(odd->GetCloseKind(), SH_UNKNOWN) << "names are compared exactly";
  EXPECT_EQ(odd->GetPositionKind(), POS_AUTO);
  EXPECT_EQ(odd->GetShown().GetPositionV2(), ORB::Vector2(256.0f, 576.0f));
  EXPECT_TRUE(log.Has("Odd: unknown _typeOpen \"SH_MOVE_DIAGONAL\""));
  EXPECT_TRUE(log.Has("Odd: unknown _typeClose \"sh_fade\""));
  EXPECT_TRUE(log.Has("Odd: unknown _typePos \"POS_CORNER\""));
  // An unknown kind stands still at its place.
  odd->Open(false);
  EXPECT_EQ(At(*odd), ORB::Vector2(256.0f, 576.0f));
  Tick(*odd, 8);
  EXPECT_EQ(At(*odd), ORB::Vector2(256.0f, 576.0f));
  EXPECT_TRUE(odd->IsOpen());
  EXPECT_FALSE(odd->IsAnimating());
}

// Where the window is right after Open, after three frames of 0.125 s (half
// of a 0.5 s opening) and at the end, for each show kind and placement.
struct OpenCase {
  const char* kind;
  const char* placement;  // _typePos and _position attributes
  ORB::Vector2 start, middle, end;
};

TEST_F(WindowTest, OpeningMovements) {
  const char* middle = "_typePos='POS_MIDDLE_SCREEN'";
  const char* pixels = "_typePos='POS_IN_PIX' _position='200 100'";
  const char* fractions = "_typePos='POS_AUTO' _position='0.25 0.75'";
  const ORB::Vector2 off(-1000.0f, -1000.0f);
  const std::vector<OpenCase> cases = {
      {"SH_MOMENTAL", middle, off, {512, 384}, {512, 384}},
      {"SH_FADE", middle, {512, 384}, {512, 384}, {512, 384}},
      {"SH_MOVE_UP", middle, {512, 1152}, {512, 768}, {512, 384}},
      {"SH_MOVE_DOWN", middle, {512, -384}, {512, 0}, {512, 384}},
      {"SH_MOVE_LEFT", middle, {1536, 384}, {1024, 384}, {512, 384}},
      {"SH_MOVE_RIGHT", middle, {-512, 384}, {0, 384}, {512, 384}},
      // Placed in pixels, a moving window has no fractions: it comes from
      // the screen's origin.
      {"SH_MOMENTAL", pixels, off, {200, 100}, {200, 100}},
      {"SH_FADE", pixels, {200, 100}, {200, 100}, {200, 100}},
      {"SH_MOVE_UP", pixels, {0, 0}, {100, 50}, {200, 100}},
      {"SH_MOVE_DOWN", pixels, {0, 0}, {100, 50}, {200, 100}},
      {"SH_MOVE_LEFT", pixels, {0, 0}, {100, 50}, {200, 100}},
      {"SH_MOVE_RIGHT", pixels, {0, 0}, {100, 50}, {200, 100}},
      {"SH_MOMENTAL", fractions, off, {256, 576}, {256, 576}},
      {"SH_FADE", fractions, {256, 576}, {256, 576}, {256, 576}},
      {"SH_MOVE_UP", fractions, {256, 1728}, {256, 1152}, {256, 576}},
      {"SH_MOVE_DOWN", fractions, {256, -576}, {256, 0}, {256, 576}},
      {"SH_MOVE_LEFT", fractions, {768, 576}, {512, 576}, {256, 576}},
      {"SH_MOVE_RIGHT", fractions, {-256, 576}, {0, 576}, {256, 576}},
  };
  for (const OpenCase& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.placement);
    const auto window =
        MakeWindow<StubWindow>(std::string("<w _typeOpen='") + c.kind + "' " + c.placement + "/>");
    window->Open(false);
    EXPECT_EQ(At(*window), c.start);
    EXPECT_TRUE(window->IsAnimating());
    Tick(*window, 3);
    EXPECT_EQ(At(*window), c.middle);
    Tick(*window, 5);
    EXPECT_EQ(At(*window), c.end);
    EXPECT_TRUE(window->IsOpen());
    EXPECT_FALSE(window->IsAnimating());
    EXPECT_EQ(window->GetBots().Size(), 0u) << "nothing moves any more";
  }
}

// Where the window is after three frames of a 0.5 s closing, where the
// closing ends, and that it waits at its opening start once closed.
struct CloseCase {
  const char* kind;
  const char* placement;
  ORB::Vector2 middle, end;
};

TEST_F(WindowTest, ClosingMovements) {
  const char* middle = "_typePos='POS_MIDDLE_SCREEN'";
  const char* fractions = "_typePos='POS_AUTO' _position='0.25 0.75'";
  const char* pixels = "_typePos='POS_IN_PIX' _position='200 100'";
  const std::vector<CloseCase> cases = {
      {"SH_MOMENTAL", middle, {512, 384}, {512, 384}},
      {"SH_FADE", middle, {512, 384}, {512, 384}},
      {"SH_MOVE_UP", middle, {512, 0}, {512, -384}},
      {"SH_MOVE_DOWN", middle, {512, 768}, {512, 1152}},
      {"SH_MOVE_LEFT", middle, {0, 384}, {-512, 384}},
      {"SH_MOVE_RIGHT", middle, {1024, 384}, {1536, 384}},
      {"SH_FADE", pixels, {200, 100}, {200, 100}},
      {"SH_MOVE_UP", pixels, {100, 50}, {0, 0}},
      {"SH_MOVE_UP", fractions, {256, 0}, {256, -576}},
      {"SH_MOVE_DOWN", fractions, {256, 1152}, {256, 1728}},
      {"SH_MOVE_LEFT", fractions, {0, 576}, {-256, 576}},
      {"SH_MOVE_RIGHT", fractions, {512, 576}, {768, 576}},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.placement);
    const auto window =
        MakeWindow<StubWindow>(std::string("<w _typeOpen='SH_MOMENTAL' _typeClose='") + c.kind +
                               "' " + c.placement + "/>");
    EXPECT_EQ(window->GetCloseEnd().GetPositionV2(), c.end);
    window->Open(false);
    Tick(*window, 1);
    const ORB::Vector2 shown = At(*window);
    window->Close(false);
    EXPECT_EQ(At(*window), shown);
    if (std::string(c.kind) == "SH_MOMENTAL") {
      Tick(*window, 1);
    } else {
      Tick(*window, 3);
      EXPECT_EQ(At(*window), c.middle);
      EXPECT_TRUE(window->IsAnimating());
      EXPECT_EQ(window->HandleMouseUp(1), ORB::kEventSwallowed);
      Tick(*window, 1);
    }
    EXPECT_TRUE(window->IsClosed());
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(At(*window), window->GetOpenStart().GetPositionV2()) << "ready for the next opening";
    EXPECT_EQ(window->Update(), kWindowClosed);
  }
}

// The callbacks of kinds 0 to 7 note their kind in one list, beside the
// window's hooks.
struct Notes {
  std::vector<std::string>* journal;
  int32_t kind;
};

void Watch(StubWindow& window, std::vector<Notes>& notes) {
  notes.clear();
  for (int32_t kind = 0; kind < 8; ++kind) notes.push_back({&window.Journal(), kind});
  for (Notes& note : notes) {
    window.SetCallback(note.kind, &note, [](void* context) {
      const auto* n = static_cast<Notes*>(context);
      n->journal->push_back("callback " + std::to_string(n->kind));
    });
  }
}

// The journal's lines that pass.
template <typename Keep>
std::vector<std::string> Lines(const std::vector<std::string>& journal, Keep keep) {
  std::vector<std::string> lines;
  std::copy_if(journal.begin(), journal.end(), std::back_inserter(lines), keep);
  return lines;
}

// A window "W" watched by `notes`, opened, given `opening` frames, closed and
// given `closing` frames.
std::unique_ptr<StubWindow> OpenAndClose(std::vector<Notes>& notes, int opening, int closing) {
  auto window = MakeWindow<StubWindow>("<w _name='W'/>");
  Watch(*window, notes);
  window->Open(false);
  for (int i = 0; i < opening; ++i) window->Update();
  window->Close(false);
  for (int i = 0; i < closing; ++i) window->Update();
  return window;
}

TEST_F(WindowTest, LifeCycleCallbacksFireOnceEachInOrder) {
  std::vector<Notes> notes;
  const auto window = OpenAndClose(notes, 8, 8);
  EXPECT_EQ(Lines(window->Journal(), [](const std::string& l) { return l != "W:OnUpdate"; }),
            (std::vector<std::string>{"W:OnOpenBegin", "callback 0", "W:OnOpening", "callback 1",
                                      "W:OnOpened", "callback 2", "W:OnCloseBegin", "callback 3",
                                      "W:OnClosing", "callback 4", "W:OnClosed", "callback 5"}));

  window->Journal().clear();
  window->DisableInput();
  window->EnableInput();
  window->EnableInput();
  EXPECT_EQ(window->Journal(),
            (std::vector<std::string>{"W:OnInputDisabled", "callback 6", "W:OnInputEnabled",
                                      "callback 7", "W:OnInputEnabled", "callback 7"}))
      << "each call runs its hook and callback";

  // Kinds outside 0..7 are ignored; null clears; the event callback takes
  // kind 8 only.
  window->SetCallback(8, &notes[0], [](void*) { FAIL(); });
  window->SetCallback(-1, &notes[0], [](void*) { FAIL(); });
  window->SetCallback(kInputEnabled, nullptr, nullptr);
  window->Journal().clear();
  window->EnableInput();
  EXPECT_EQ(window->Journal(), std::vector<std::string>{"W:OnInputEnabled"});
}

TEST_F(WindowTest, ACallbackMayClearItselfAndReopenTheWindow) {
  const auto window = MakeWindow<StubWindow>("<w _name='W' _typeOpen='SH_MOMENTAL'/>");
  struct Context {
    StubWindow* window;
    int closed = 0;
  } context{window.get()};
  window->SetCallback(kClosed, &context, [](void* c) {
    auto* self = static_cast<Context*>(c);
    ++self->closed;
    self->window->SetCallback(kClosed, nullptr, nullptr);
    self->window->Open(false);
  });
  window->Open(false);
  Tick(*window, 2);
  window->Close(false);
  Tick(*window, 8);
  EXPECT_EQ(context.closed, 1);
  EXPECT_TRUE(window->IsOpen()) << "reopened from its own closed callback";
  EXPECT_FALSE(window->IsClosed());
  EXPECT_EQ(At(*window), ORB::Vector2(512.0f, 384.0f));
}

TEST_F(WindowTest, InstantAndMomentalWaitOffScreenForTheDelay) {
  for (const char* xml : {"<w _typeOpen='SH_MOMENTAL' _delayShow='0.25'/>",
                          "<w _typeOpen='SH_MOVE_UP' _delayShow='0.25'/>"}) {
    SCOPED_TRACE(xml);
    const auto window = MakeWindow<StubWindow>(xml);
    const bool instant = std::string(xml).find("MOVE_UP") != std::string::npos;
    window->Open(instant);
    EXPECT_EQ(At(*window), ORB::Vector2(-1000.0f, -1000.0f));
    Tick(*window, 1);
    EXPECT_EQ(At(*window), ORB::Vector2(-1000.0f, -1000.0f));
    EXPECT_TRUE(window->IsAnimating());
    Tick(*window, 1);
    EXPECT_EQ(At(*window), ORB::Vector2(512.0f, 384.0f));
    EXPECT_FALSE(window->IsAnimating());
  }
}

TEST_F(WindowTest, AShowOrHideTimeOfZeroIsInstantForEveryKind) {
  for (const char* kind :
       {"SH_FADE", "SH_MOVE_UP", "SH_MOVE_DOWN", "SH_MOVE_LEFT", "SH_MOVE_RIGHT"}) {
    SCOPED_TRACE(kind);
    const auto window = MakeWindow<StubWindow>(std::string("<w _name='W' _typeOpen='") + kind +
                                               "' _typeClose='" + kind + "' _timeShow='0'/>");
    EXPECT_EQ(window->GetShowTime(), 0.0f);
    window->Open(false);
    EXPECT_EQ(At(*window), ORB::Vector2(-1000.0f, -1000.0f));
    Tick(*window, 1);
    EXPECT_FALSE(window->IsAnimating()) << "shown at the first frame";
    EXPECT_EQ(At(*window), ORB::Vector2(512.0f, 384.0f));
    Tick(*window, 10);
    EXPECT_EQ(At(*window), ORB::Vector2(512.0f, 384.0f)) << "and nothing moves it afterwards";
    EXPECT_EQ(window->GetBots().Size(), 0u);
    window->Close(false);
    Tick(*window, 1);
    EXPECT_TRUE(window->IsClosed()) << "hidden at the first frame";
  }
}

TEST_F(WindowTest, OpenWhileClosingAndCloseWhileClosingDoNothing) {
  std::vector<Notes> notes;
  const auto window = OpenAndClose(notes, 8, 1);
  window->Journal().clear();
  window->Open(false);
  window->Close(false);
  window->Close(true);
  EXPECT_TRUE(window->Journal().empty());
  Tick(*window, 8);
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(std::count(window->Journal().begin(), window->Journal().end(), "callback 5"), 1);
}

TEST_F(WindowTest, CloseDuringTheOpeningLetsTheOpeningsCallbacksFire) {
  std::vector<Notes> notes;
  const auto window = OpenAndClose(notes, 2, 10);
  EXPECT_EQ(
      Lines(window->Journal(), [](const std::string& l) { return l.rfind("callback", 0) == 0; }),
      (std::vector<std::string>{"callback 0", "callback 1", "callback 3", "callback 4",
                                "callback 2", "callback 5"}));
  EXPECT_TRUE(window->IsClosed());
}

TEST_F(WindowTest, BackgroundFadesWithTheMovementUnlessItsColoursAreEqual) {
  const auto window = MakeWindow<StubWindow>(
      "<w><background START_COLOR='0 255 255 255' END_COLOR='255 255 255 255'>backdrop.png"
      "</background></w>");
  window->Open(false);
  EXPECT_EQ(window->GetBots().Size(), 3u) << "move, sleep and fade";
  Tick(*window, 3);
  const uint32_t alpha = window->GetBackground()->GetColor().ToUInt() >> 24;
  EXPECT_GT(alpha, 100u);
  EXPECT_LT(alpha, 155u);
  Tick(*window, 5);
  EXPECT_EQ(window->GetBackground()->GetColor().ToUInt(), 0xFFFFFFFFu);
  window->Close(false);
  Tick(*window, 3);
  EXPECT_LT(window->GetBackground()->GetColor().ToUInt() >> 24, 155u);

  const auto plain = MakeWindow<StubWindow>(
      "<w><background START_COLOR='9 1 2 3' END_COLOR='9 1 2 3'>backdrop.png</background></w>");
  plain->Open(false);
  EXPECT_EQ(plain->GetBots().Size(), 2u) << "no fade between equal colours";
}

TEST_F(WindowTest, BackgroundAndTreeLoadDrawAndRelease) {
  test_support::ScopedGuiBuilder gui(OneButton());
  const auto window = MakeWindow<StubWindow>(
      "<w _name='W'><background SIZE='1024 768'>backdrop.png</background><GUI/></w>");
  const auto missing = MakeWindow<StubWindow>(
      "<w _name='M'><background SIZE='64 64'>no such picture.png</background></w>");
  window->LoadResources();
  missing->LoadResources();
  EXPECT_TRUE(window->IsLoaded());
  EXPECT_EQ(textures_->Uses("backdrop.png"), 1);
  EXPECT_EQ(textures_->Uses("button.png"), 1);
  EXPECT_TRUE(window->GetBackground()->IsLoaded());
  EXPECT_FALSE(missing->GetBackground()->IsLoaded());
  EXPECT_EQ(missing->GetBackground()->GetTexture(), renderer_->GetDefaultTexture())
      << "a missing picture draws the default texture";
  window->LoadResources();
  EXPECT_EQ(textures_->Uses("backdrop.png"), 1) << "loaded once";
  EXPECT_EQ(window->Journal(), std::vector<std::string>{"W:OnLoadResources"});

  window->Open(true);
  missing->Open(true);
  Tick(*window, 1);
  Tick(*missing, 1);
  window->Draw();
  missing->Draw();
  // Two full quads: the backdrop over the screen and the button at its
  // centre; the missing picture still draws its 64 x 64 quad.
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 12u);
  EXPECT_EQ(drawn[0].x, 0.0f);
  EXPECT_EQ(drawn[0].y, 0.0f);
  EXPECT_EQ(drawn[4].x, 462.0f);
  EXPECT_EQ(drawn[4].y, 364.0f);
  EXPECT_EQ(drawn[8].x, 480.0f);

  window->ReleaseResources(false);
  missing->ReleaseResources(false);
  EXPECT_FALSE(window->IsLoaded());
  EXPECT_EQ(textures_->TotalUses(), 0);
}

TEST_F(WindowTest, AReleaseDuringAMovementWaitsForTheNextClosing) {
  test_support::ScopedGuiBuilder gui(OneButton());
  const auto window = MakeWindow<StubWindow>("<w _name='W'><GUI/></w>");
  window->LoadResources();
  window->Open(false);
  window->ReleaseResources(false);
  EXPECT_TRUE(window->IsLoaded());
  EXPECT_TRUE(window->IsReleasePending());
  Tick(*window, 8);
  EXPECT_TRUE(window->IsLoaded()) << "still shown";
  window->Close(false);
  Tick(*window, 8);
  EXPECT_FALSE(window->IsLoaded()) << "released as the closing ended";
  EXPECT_EQ(textures_->TotalUses(), 0);

  // Loading again cancels a release waiting for the closing.
  window->LoadResources();
  window->Open(false);
  window->ReleaseResources(false);
  window->LoadResources();
  EXPECT_FALSE(window->IsReleasePending());
  Tick(*window, 8);
  window->Close(false);
  Tick(*window, 8);
  EXPECT_TRUE(window->IsLoaded());

  // Forced, the release happens at once, moving or not.
  window->Open(false);
  window->ReleaseResources(true);
  EXPECT_FALSE(window->IsLoaded());
  EXPECT_EQ(textures_->TotalUses(), 0);
}

TEST_F(WindowTest, MouseHandlersAnswerOneZeroOrSwallow) {
  test_support::ScopedGuiBuilder gui(OneButton());
  const auto window = MakeWindow<StubWindow>(
      "<w _name='W'><GUI/><sounds><item id='4' sound='other'/></sounds></w>");
  window->LoadResources();
  static std::vector<std::string> played;
  played.clear();
  window->click_sound = [](const std::string& name) {
    played.push_back(name);
    return 1;
  };
  struct Clicks {
    std::vector<int32_t> ids;
  } clicks;
  window->SetEventCallback(kWidgetClicked, &clicks,
                           [](void* c, int32_t id) { static_cast<Clicks*>(c)->ids.push_back(id); });
  window->SetEventCallback(kClosed, &clicks, [](void*, int32_t) { FAIL(); });

  std::vector<int32_t> downs;
  std::vector<int32_t> ups;
  test_support::ScriptedInput input([&] {
    const ORB::InputState& state = *ORB::InputState::Current();
    if (state.IsPressed(ORB::platform::kMouseLeft)) downs.push_back(window->HandleMouseDown(1));
    if (state.IsReleased(ORB::platform::kMouseLeft)) ups.push_back(window->HandleMouseUp(1));
    window->Update();
  });
  window->Open(false);
  input.Click(512, 384);  // while it moves in
  EXPECT_EQ(downs, std::vector<int32_t>{ORB::kEventSwallowed});
  EXPECT_EQ(ups, std::vector<int32_t>{ORB::kEventSwallowed});
  input.Idle(8);
  downs.clear();
  ups.clear();
  input.Click(512, 384);  // on the button
  input.Click(700, 384);  // beside it
  EXPECT_EQ(downs, (std::vector<int32_t>{kWindowEventTaken, kWindowNoEvent}));
  EXPECT_EQ(ups, (std::vector<int32_t>{kWindowEventTaken, kWindowNoEvent}));
  EXPECT_EQ(window->events, std::vector<int32_t>{3}) << "the click, not the press";
  EXPECT_EQ(clicks.ids, std::vector<int32_t>{3});
  EXPECT_EQ(played, std::vector<std::string>{""}) << "no sound mapped to id 3";
  EXPECT_EQ(window->LastGuiEvent(), nullptr) << "the last pass found nothing";
}

TEST_F(WindowTest, TheLastEventOutlivesATreeTheHandlerRebuilds) {
  test_support::ScopedGuiBuilder gui(OneButton(6));
  const auto window = MakeWindow<StubWindow>("<w _name='W' _typeOpen='SH_MOMENTAL'><GUI/></w>");
  window->LoadResources();
  window->on_event = [&](int32_t) {
    window->GetGuiRoot().Clear();
    window->GetGuiRoot().Add(std::make_unique<ORB::OC_GUI_IMAGE>(9, "button.png"));
  };
  test_support::ScriptedInput input([&] {
    if (ORB::InputState::Current()->IsReleased(ORB::platform::kMouseLeft)) {
      window->HandleMouseUp(1);
    }
    window->Update();
  });
  window->Open(false);
  input.Idle(1);
  input.Click(512, 384);
  const ORB::GuiEvent* event = window->LastGuiEvent();
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->id, 6);
  EXPECT_EQ(event->code, ORB::kGuiEventClicked);
  window->ReleaseResources(true);
}

TEST_F(WindowTest, AValueChangeReachesOnGuiEventWithoutASound) {
  test_support::ScopedGuiBuilder gui([](ORB::OC_GUI_ROOT& root, const pugi::xml_node&) {
    root.Add(std::make_unique<ValueWidget>(9));
  });
  const auto window = MakeWindow<StubWindow>("<w _name='W' _typeOpen='SH_MOMENTAL'><GUI/></w>");
  static int sounds = 0;
  sounds = 0;
  window->click_sound = [](const std::string&) { return ++sounds; };
  window->SetEventCallback(kWidgetClicked, nullptr, [](void*, int32_t) { FAIL(); });
  window->Open(false);
  Tick(*window, 1);
  ORB::InputState input;
  input.OnKeyDown(ORB::platform::kMouseLeft);
  input.Update();
  input.OnKeyUp(ORB::platform::kMouseLeft);
  EXPECT_EQ(window->HandleMouseUp(1), kWindowEventTaken);
  EXPECT_EQ(window->events, std::vector<int32_t>{9});
  ASSERT_NE(window->LastGuiEvent(), nullptr);
  EXPECT_EQ(window->LastGuiEvent()->code, ORB::kGuiEventValueChanged);
  EXPECT_EQ(sounds, 0) << "the click sound is for clicks only";
}

TEST_F(WindowTest, AWindowDestroyedWhileItMoves) {
  const auto window =
      MakeWindow<StubWindow>("<w><background START_COLOR='0 1 1 1'>backdrop.png</background></w>");
  window->LoadResources();
  window->Open(false);
  Tick(*window, 2);
  window->Close(false);
  EXPECT_GT(window->GetBots().Size(), 3u);
}

TEST_F(WindowTest, SetDelayAndMessages) {
  const auto window = MakeWindow<StubWindow>("<w _name='W'/>");
  window->SetDelay(true, 0.25f);
  window->SetDelay(false, 0.75f);
  EXPECT_EQ(window->GetShowDelay(), 0.25f);
  EXPECT_EQ(window->GetHideDelay(), 0.75f);
  window->message_answer = 42;
  EXPECT_EQ(window->SendMessage(3, 4), 42);
  EXPECT_EQ(window->Journal().back(), "W:OnMessage 3 4");
}

TEST(TransformAutoTest, FractionsOfTheScreen) {
  EXPECT_EQ(OS_TRANSFORM3_AUTO::ScreenSize().x, 1024);
  EXPECT_EQ(OS_TRANSFORM3_AUTO::ScreenSize().y, 768);
  OS_TRANSFORM3_AUTO t;
  t.position.z = 5.0f;
  t.SetAuto(0.25f, -0.5f);
  EXPECT_EQ(t.position, ORB::Vector3(256.0f, -384.0f, 5.0f));
  EXPECT_EQ(t.auto_x, 0.25f);

  pugi::xml_document document;
  document.load_string(
      "<a auto_y='0.5'>10 20 30 1 2 3 0 0 0.5 2 2 1</a>"
      "<b>10 20 30 1 2 3 0 0 0.5 2 2 1</b><c auto_x='1' auto_y='1'>1 2</c>");
  const OS_TRANSFORM3_AUTO a(document.child("a"));
  EXPECT_EQ(a.position, ORB::Vector3(10.0f, 384.0f, 30.0f));
  EXPECT_EQ(a.pivot, ORB::Vector3(1.0f, 2.0f, 3.0f));
  EXPECT_EQ(a.scale, ORB::Vector3(2.0f, 2.0f, 1.0f));
  EXPECT_EQ(a.auto_y, 0.5f);
  EXPECT_EQ(a.auto_x, 0.0f);
  const OS_TRANSFORM3_AUTO b(document.child("b"));
  EXPECT_EQ(b.position, ORB::Vector3(10.0f, 20.0f, 30.0f));
  const OS_TRANSFORM3_AUTO c(document.child("c"));
  EXPECT_EQ(c.position, ORB::Vector3(1024.0f, 768.0f, 0.0f)) << "short text: a new transform";

  OS_TRANSFORM3_AUTO::SetScreenSize(800, 600);
  t.SetAuto(0.5f, 0.5f);
  EXPECT_EQ(t.position, ORB::Vector3(400.0f, 300.0f, 5.0f));
  OS_TRANSFORM3_AUTO::SetScreenSize(1024, 768);
}

}  // namespace
}  // namespace ORB_GF
