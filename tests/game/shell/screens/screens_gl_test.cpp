// The screens drawn for real (OpenGL on SDL's offscreen driver) from the
// shipped resources: the title with its greeting, the pack and level lists,
// "GP_Finish" with two stars over a board solved with one error, the solved
// picture on the finish over the largest boards (20 x 15, 15 x 20 and
// 20 x 20), ten players in "Players",
// and the hit edges of a pack card, a level tile and a page button, each
// written as a PNG beside the test program and checked by pixel. The game
// starts on a copy of Resources/ as the driver starts it; the tutorial, the
// cursor's file and picture are the hub fixture's while the shipped tree
// has none of its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/resource_loader_adapters.h"
#include "engine/foundation/frame_skipper.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_button5.h"
#include "game/play/gameplay.h"
#include "game/play/main_road.h"
#include "game/play/screen/play_screen.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/hub_hooks.h"
#include "game/shell/screens/confirm_dialog.h"
#include "game/shell/screens/finish_window.h"
#include "game/shell/screens/level_window.h"
#include "game/shell/screens/pack_window.h"
#include "game/shell/screens/players_window.h"
#include "game/shell/screens/title_top_window.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/resource_list.h"
#include "support/offscreen_gl.h"
#include "support/scripted_input.h"
#include "support/sound_rig.h"
#include "support/source_path.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"
#include "support/write_png.h"

namespace game {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kClear = 0xFF000000u;
constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kInk = 0xFF2E3440u;
constexpr uint32_t kSecondary = 0xFF00798Cu;
constexpr uint32_t kAccent = 0xFFEDAE49u;
constexpr uint32_t kSlot = 0xFFE4DDD0u;

int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

bool Near(uint32_t actual, uint32_t expected, int tolerance) {
  for (const int shift : {16, 8, 0}) {
    if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) return false;
  }
  return true;
}

// Pixels of the rectangle within `tolerance` of the colour.
int32_t Count(const test_support::Frame& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
              uint32_t colour, int tolerance = 24) {
  int32_t n = 0;
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) n += Near(frame.At(x, y), colour, tolerance) ? 1 : 0;
  }
  return n;
}

// One clickable thing drawn on black: walking in from (reach x, reach y)
// beyond its middle, the first light pixel of each side is its drawn edge (a
// shadow stays dark); one pixel inside that edge it takes clicks, two
// outside it does not. Answers the left edge's x.
int32_t ExpectHitEdges(const test_support::Frame& frame, const ORB::Vector3& middle,
                       ORB::Point reach, const std::function<bool(float, float)>& hit) {
  const auto cx = static_cast<int32_t>(middle.x);
  const auto cy = static_cast<int32_t>(middle.y);
  int32_t left = cx;
  for (const ORB::Point side : {ORB::Point{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
    int32_t x = cx + side.x * reach.x;
    int32_t y = cy + side.y * reach.y;
    const auto lit = [&] {
      const uint32_t p = frame.At(x, y);
      return Channel(p, 16) + Channel(p, 8) + Channel(p, 0) > 300;
    };
    while (!lit() && (x != cx || y != cy)) x -= side.x, y -= side.y;
    if (side.x < 0) left = x;
    EXPECT_TRUE(hit(static_cast<float>(x - side.x), static_cast<float>(y - side.y)))
        << "one pixel inside the drawn edge at " << x << ", " << y;
    EXPECT_FALSE(hit(static_cast<float>(x + 2 * side.x), static_cast<float>(y + 2 * side.y)))
        << "two pixels outside the drawn edge at " << x << ", " << y;
  }
  return left;
}

class ScreensGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(OpenWindow("screens"));
    if (skip_unchanged_frames_) renderer_->SkipUnchangedFrames();
    renderer_->SetClearColour(ORB::Colour(kClear));
    const fs::path resources = base_.File("Resources");
    fs::copy(test_support::SourcePath("Resources"), resources, fs::copy_options::recursive);
    const fs::path fixture = test_support::TestData("game_hub");
    for (const char* file :
         {"data/share/main/other/tutorial.xml", "data/share/main/other/gCursor.xml",
          "data/share/image/gui/cursor.png"}) {
      if (!fs::exists(resources / file)) fs::copy_file(fixture / file, resources / file);
    }
    ORB::FrameDelta().store(1.0f / 60.0f);
    rig_.Open(base_.Path(), *renderer_, window_.get(), &sound_loader_);
    SetGameParts(DefaultGameParts());
    ASSERT_TRUE(CreateGame("game.xml"));
    ASSERT_TRUE(LoadResourceList(kResourceListFile));
    ASSERT_TRUE(Hub().Init());
    ASSERT_TRUE(Hub().PreloadMenuWindows());
    gameplay_ = std::make_unique<GG_GAMEPLAY>(&Hub());
    Hub().SetGameplay(gameplay_.get());
    GG_PLAYER* player = Hub().CreatePlayer(L"Anna");
    ASSERT_NE(player, nullptr);
    Hub().SetCurrentPlayer(player);
    player_ = player;
  }
  void TearDown() override {
    if (gGame* hub = gGame::Instance()) hub->SetGameplay(gameplay_.get());
    rig_.Close();
    gameplay_.reset();
    ORB::FrameDelta().store(0.0f);
    OffscreenGlTest::TearDown();
  }

  gGame& Hub() { return *gGame::Instance(); }
  ORB_GF::G_WINDOW_MANAGER& Windows() { return *ORB_GF::GetWindowManager(); }

  // The hub's frames, as the driver runs them.
  void Frames(int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      Hub().Update();
      ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
      Hub().Draw();
      renderer_->EndFrame();
    }
  }
  // One more frame, read and written as a PNG.
  test_support::Frame Shot(const std::string& png) {
    Hub().Update();
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    Hub().Draw();
    const test_support::Frame frame = Snapshot(png);
    renderer_->EndFrame();
    return frame;
  }

  test_support::TempHome home_;
  test_support::TempFolder base_;
  test_support::LoopbackRig sound_;
  ORB::SoundSystemLoader sound_loader_{sound_.system()};
  GameEngineRig rig_;
  std::unique_ptr<GG_GAMEPLAY> gameplay_;
  GG_PLAYER* player_ = nullptr;
  bool skip_unchanged_frames_ = false;  // draws through the frame skipper
};

TEST_F(ScreensGlTest, TheTitleWithItsGreeting) {
  HubHooks hooks;
  Hub().OpenTitle();
  test_support::ScriptedInput input([&] { Frames(1); });
  input.Idle(40);
  input.Move(900, 700);
  const test_support::Frame frame = Shot("screens_title.png");

  // The paper fills the screen; the buttons are accent-coloured in the middle.
  EXPECT_TRUE(Near(frame.At(4, 760), 0xFFE9E1D3u, 12));
  EXPECT_GT(Count(frame, 412, 470, 612, 490, kAccent, 40), 1500) << "play";
  EXPECT_GT(Count(frame, 400, 180, 624, 330, 0xFF2E4057u, 10), 3000) << "the logo's cells";

  // "Hello, Anna!" in ink at the top left, the link below it in the
  // secondary colour, and nothing of either beyond them.
  auto& top = *dynamic_cast<GG_WINDOW_TITLE_TOP*>(Windows().FindWindow("Title_Top"));
  EXPECT_EQ(top.GetGreeting(), L"Hello, Anna!");
  const GG_WINDOW_TITLE_TOP::Box link = top.GetLinkBox();
  EXPECT_FLOAT_EQ(link.x, 32.0f);
  EXPECT_FLOAT_EQ(link.y, 28.0f + 33.0f);
  EXPECT_GT(Count(frame, 32, 28, 240, 61, kInk, 30), 150) << "the greeting's ink";
  EXPECT_GT(Count(frame, 32, 61, 32 + static_cast<int32_t>(link.w), 84, kSecondary, 30), 150)
      << "the link's text and underline";
  EXPECT_EQ(Count(frame, 32, 61, 32 + static_cast<int32_t>(link.w), 84, kInk, 10), 0);
  EXPECT_EQ(Count(frame, 300, 20, 1000, 90, kInk, 30), 0) << "the greeting line ends";

  // Under the pointer the link takes the highlight.
  input.Move(static_cast<int32_t>(link.x + 20), static_cast<int32_t>(link.y + 10));
  const test_support::Frame lit = Shot("screens_title_link.png");
  EXPECT_EQ(Count(lit, 32, 61, 32 + static_cast<int32_t>(link.w), 82, kSecondary, 30), 0);
  EXPECT_GT(Count(lit, 32, 61, 32 + static_cast<int32_t>(link.w), 82, 0xFFC98A1Eu, 30), 30);
}

TEST_F(ScreensGlTest, ThePackAndLevelLists) {
  player_->GetStatistics().score = 350;
  player_->FindLevel(1, 1)->SetStars(3);
  player_->FindLevel(1, 2)->SetStars(2);
  player_->FindLevel(1, 2)->SetLock(false);
  player_->FindLevel(1, 3)->SetLock(false);
  Hub().OpenPackList();
  test_support::ScriptedInput input([&] { Frames(1); });
  input.Idle(40);
  input.Move(1000, 740);
  const test_support::Frame packs = Shot("screens_packs.png");
  // The bar, the heading and four cards; the first pack open, the others
  // under their veils.
  EXPECT_GT(Count(packs, 0, 0, 1024, 70, 0xFFFFFDF8u, 6), 40000) << "the bar";
  EXPECT_GT(Count(packs, 412, 110, 612, 134, kInk, 30), 200) << "the heading";
  EXPECT_GT(Count(packs, 176, 150, 496, 390, 0xFFFFFDF8u, 6), 20000) << "the first card";
  Hub().CloseLevelsNow();
  Windows().CloseWindow("Packs", true);
  input.Idle(20);

  Hub().OpenLevels(1, true);
  input.Idle(40);
  const test_support::Frame levels = Shot("screens_levels.png");
  // The first tile (its centre at 251, 325): its number in ink and three won
  // stars; the second (centre 425) two won stars and an empty one; the
  // fourth locked: no number.
  EXPECT_GT(Count(levels, 230, 292, 272, 326, kInk, 40), 60) << "the number 1";
  EXPECT_GT(Count(levels, 209, 352, 293, 378, kAccent, 30), 200) << "three won stars";
  EXPECT_GT(Count(levels, 383, 352, 439, 378, kAccent, 30), 140) << "two won stars";
  EXPECT_EQ(Count(levels, 440, 352, 467, 378, kAccent, 30), 0) << "and no third";
  EXPECT_GT(Count(levels, 440, 352, 467, 378, kSlot, 16), 100) << "but its empty place";
  EXPECT_EQ(Count(levels, 752, 292, 794, 326, kInk, 40), 0) << "a locked level has no number";
}

TEST_F(ScreensGlTest, TheFinishWindowWithTwoStarsOverASolvedBoard) {
  renderer_->SetClearColour(ORB::Colour(kPaper));  // what the play screen stands on
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  {
    test_support::MainRoad road(Hub(), *gameplay_, &Windows());
    const auto picture = road.Solution("data/share/main/levels pack_1/heart.xml");
    ASSERT_FALSE(picture.empty());
    // One wrong opening first: the corner cell is empty.
    ASSERT_FALSE(picture[0][0]);
    road.Stroke(0, 0, 0, 0, 1);
    ASSERT_EQ(gameplay_->Errors(), 1);
    road.Solve(picture);
    ASSERT_TRUE(gameplay_->IsEnded());
  }
  auto& finish = *dynamic_cast<GG_WINDOW_FINISH*>(Windows().FindWindow("GP_Finish"));
  HubHooks hooks;
  test_support::ScriptedInput input([&] { Frames(1); });
  for (int32_t i = 0; i < 600 && !(finish.IsOpen() && !finish.IsAnimating()); ++i) input.Idle(1);
  ASSERT_TRUE(finish.IsOpen()) << "the finish window opens after the end sweep";
  input.Idle(90);  // both stars pop in
  input.Move(1000, 740);
  ASSERT_EQ(finish.StarsShown(), 2u);
  EXPECT_FALSE(finish.AreStarsPopping());
  const test_support::Frame frame = Shot("screens_finish.png");

  // The won stars over their places (the window stands at 852, 406; the
  // stars 60 above it, 76 apart), the third place empty.
  EXPECT_GT(Count(frame, 756, 326, 796, 366, kAccent, 30), 800) << "first star";
  EXPECT_GT(Count(frame, 832, 326, 872, 366, kAccent, 30), 800) << "second star";
  EXPECT_EQ(Count(frame, 908, 326, 948, 366, kAccent, 40), 0) << "no third star";
  EXPECT_GT(Count(frame, 908, 326, 948, 366, kSlot, 12), 500) << "its empty place";
  // The numbers: one error (its row 104 below the window's middle) in ink,
  // and the title.
  EXPECT_GT(Count(frame, 950, 500, 980, 522, kInk, 40), 20) << "\"1\" error";
  EXPECT_GT(Count(frame, 760, 89, 944, 139, kInk, 40), 800) << "\"Solved!\"";
  // Beside it the solved picture shows through the light dimming: a filled
  // cell of the heart's second row, and a crossed empty cell of its first.
  EXPECT_GT(Count(frame, 330, 340, 380, 390, 0xFF2E4057u, 40), 1500) << "a filled cell";
  EXPECT_GT(Count(frame, 452, 275, 512, 330, 0xFFE0E0E0u, 40), 400) << "a closed cell's white";
}

TEST_F(ScreensGlTest, TheInGameMenuAndAPacksQuestion) {
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  renderer_->SetClearColour(ORB::Colour(kPaper));
  Windows().OpenWindow("GP_Menu", false);
  test_support::ScriptedInput input([&] { Frames(1); });
  input.Idle(40);
  const test_support::Frame menu = Shot("screens_menu.png");
  // Three wide accent buttons down the middle, the title above them.
  for (const int32_t y : {306, 374, 442}) {
    EXPECT_GT(Count(menu, 432, y - 10, 592, y + 10, kAccent, 40), 1500) << y;
  }
  EXPECT_GT(Count(menu, 420, 200, 604, 250, kInk, 40), 600) << "\"Paused\"";
  Windows().CloseWindow("GP_Menu", true);
  Hub().StopLevel();
  Hub().ReleaseLevel();
  input.Idle(10);

  Hub().OpenPackList();
  input.Idle(40);
  auto* question = OpenConfirm("Confirm_Buy_Pack");
  ASSERT_NE(question, nullptr);
  question->SetMessage(400);
  input.Idle(40);
  const test_support::Frame buy = Shot("screens_buy.png");
  EXPECT_EQ(question->GetMessageLabel()->GetText(), L"Buy this pack\nfor 400 coins?");
  EXPECT_GT(Count(buy, 330, 310, 694, 384, kInk, 40), 800) << "two lines of the question";
  EXPECT_GT(Count(buy, 312, 414, 492, 434, kAccent, 40), 1500) << "yes";
}

TEST_F(ScreensGlTest, TheLargestSolvedPictureTenPlayersAndTheHitEdges) {
  // The largest shipped boards, wide, tall and square (20 cells on their
  // long side), reach under the finish card; it shows each picture whole.
  struct Board {
    int32_t pack;
    int32_t level;
    const char* name;
    int32_t columns;
    int32_t rows;
  };
  const std::vector<Board> boards = {
      {3, 1, "elephant", 20, 15},
      {3, 2, "windmill", 15, 20},
      {4, 1, "balloon", 20, 20},
  };
  for (const Board& board : boards) {
    SCOPED_TRACE(board.name);
    ASSERT_TRUE(Hub().StartLevel(board.level, board.pack));
    std::vector<std::vector<bool>> picture;
    {
      test_support::MainRoad road(Hub(), *gameplay_, &Windows());
      picture = road.Solution("data/share/main/levels pack_" + std::to_string(board.pack) + "/" +
                              board.name + ".xml");
      road.Solve(picture);
    }
    ASSERT_EQ(static_cast<int32_t>(picture.size()), board.rows);
    ASSERT_EQ(static_cast<int32_t>(picture[0].size()), board.columns);
    HubHooks hooks;  // the road's hooks and input have gone with it
    test_support::ScriptedInput input([&] { Frames(1); });
    auto& finish = *dynamic_cast<GG_WINDOW_FINISH*>(Windows().FindWindow("GP_Finish"));
    for (int32_t i = 0; i < 900 && !(finish.IsOpen() && !finish.IsAnimating()); ++i) input.Idle(1);
    // The win's trophies, one after another.
    for (int32_t i = 0; i < 20 && (Windows().IsOpen("Trophy_Get") || !Hub().TrophyQueue().empty());
         ++i) {
      Windows().CloseWindow("Trophy_Get", true);
      input.Idle(20);
    }
    input.Idle(90);
    const test_support::Frame solved =
        Shot(std::string("screens_finish_largest_") + board.name + ".png");
    // The whole picture on the card, 6 pixels a cell: each cell's middle in
    // the filled cells' colour or the frame's white.
    ASSERT_EQ(finish.GetPicture().CellSide(), 6);
    for (int32_t row = 0; row < board.rows; ++row) {
      for (int32_t col = 0; col < board.columns; ++col) {
        const gPictureView::Cell cell = finish.GetPicture().CellAt(col, row);
        EXPECT_TRUE(Near(solved.At(852 + cell.x + 3, 406 - 188 + cell.y + 3),
                         picture[row][col] ? 0xFF2E4057u : 0xFFFFFFFFu, 24))
            << col << ", " << row;
      }
    }
    Windows().CloseAll();
    Hub().StopLevel();
    Hub().ReleaseLevel();
    input.Idle(40);
  }
  HubHooks hooks;
  test_support::ScriptedInput input([&] { Frames(1); });

  // Ten players, the last current: the list shows the last seven, and the
  // page up button the first seven.
  for (int32_t i = 2; i <= 10; ++i) {
    Hub().SetCurrentPlayer(Hub().CreatePlayer(L"Player " + std::to_wstring(i)));
  }
  auto& players = *dynamic_cast<GG_WINDOW_PLAYERS*>(Windows().OpenWindow("Players", false));
  input.Idle(40);
  Shot("screens_players_ten.png");
  EXPECT_EQ(players.GetList()->GetTopRow(), 3) << "Player 10 at the foot";
  const auto at = [](const ORB::OC_GUI_OBJECT* widget) {
    return widget->GetTransform().GetWorld().position;
  };
  const ORB::Vector3 up = at(players.GetGuiRoot().FindById(GG_WINDOW_PLAYERS::kPageUpId));
  input.Click(static_cast<int32_t>(up.x), static_cast<int32_t>(up.y));
  EXPECT_EQ(players.GetList()->GetTopRow(), 0);

  // On black (the paper window closed): a card of the pack list, which a
  // click two pixels beside its edge misses and one inside takes...
  const auto show = [&](const std::function<void()>& open, const char* png) {
    for (int32_t i = 0; i < 2; ++i) {  // "Players" opens the title once it has closed
      Windows().CloseAll();
      input.Idle(40);
    }
    open();
    input.Idle(40);
    Windows().CloseWindow("Back", true);
    input.Idle(5);
    return Shot(png);
  };
  const test_support::Frame packs =
      show([&] { Hub().OpenPackList(); }, "screens_hit_edges_packs.png");
  gPackItem& card =
      *dynamic_cast<GG_WINDOW_PACK*>(Windows().FindWindow("Packs"))->PackGrid().PackItem(1);
  const ORB::Vector3 middle = card.GetTransform().GetWorld().position;
  const int32_t edge = ExpectHitEdges(packs, middle, {172, 128},
                                      [&](float x, float y) { return card.Contains(x, y); });
  input.Click(edge - 2, static_cast<int32_t>(middle.y));
  input.Idle(30);
  EXPECT_FALSE(Windows().IsOpen("Confirm_Buy_Pack"));
  input.Click(edge + 1, static_cast<int32_t>(middle.y));
  input.Idle(30);
  EXPECT_TRUE(Windows().IsOpen("Confirm_Buy_Pack"));
  // ...a level tile and the level list's page button.
  const test_support::Frame tiles =
      show([&] { Hub().OpenLevels(1, true); }, "screens_hit_edges_levels.png");
  auto& levels = *dynamic_cast<GG_WINDOW_LEVEL*>(Windows().FindWindow("Levels"));
  gLevel_Item& tile = *levels.LevelGrid().LevelItem(0);
  ExpectHitEdges(tiles, tile.GetTransform().GetWorld().position, {85, 93},
                 [&](float x, float y) { return tile.Contains(x, y); });
  auto& next = *dynamic_cast<ORB::OC_GUI_BUTTON5*>(levels.GetGuiRoot().FindById(2));
  ExpectHitEdges(tiles, at(&next), {40, 40},
                 [&](float x, float y) { return next.GetSheet().Contains(x, y); });
}

// Frames drawn in parts over the picture the device kept (the offscreen
// driver's buffer keeps it) equal, every pixel, the same frames drawn whole:
// a level played on the play screen with the game's cursor, the pointer
// over the board, cells filled and a clue crossed, a hint's flight and its
// burst of particles, the in-game menu fading in and out, the end sweep and
// the finish window's stars. Every fourth frame the parts drawn so far are
// read, then the frame is drawn whole and read again.
class PartialFramesGlTest : public ScreensGlTest {
 protected:
  PartialFramesGlTest() { skip_unchanged_frames_ = true; }
};

TEST_F(PartialFramesGlTest, FramesDrawnInPartsEqualTheWholeFrames) {
  gPlayScreen screen(*gameplay_);
  ASSERT_TRUE(screen.Load()) << screen.Error();
  screen.AcquireResources();
  renderer_->SetClearColour(ORB::Colour(kPaper));
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  const ORB::FrameSkipper& skipper = *renderer_->GetFrameSkipper();
  int32_t frames = 0;
  int32_t compared = 0;
  int32_t differing = 0;
  auto draw = [&] {
    ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    Hub().Draw();
    renderer_->EndFrame();
  };
  auto frame = [&] {
    draw();
    if (++frames % 4 != 0) return;
    const std::vector<uint32_t> parts = Read(0, 0, kWidth, kHeight);
    renderer_->RedrawNextFrame();
    draw();
    const std::vector<uint32_t> whole = Read(0, 0, kWidth, kHeight);
    ++compared;
    if (parts != whole && differing++ == 0) {
      ADD_FAILURE() << "frame " << frames << " differs (parts_frame.png, whole_frame.png)";
      test_support::WritePng(test_support::BesideTestProgram("parts_frame.png"), parts, kWidth,
                             kHeight);
      test_support::WritePng(test_support::BesideTestProgram("whole_frame.png"), whole, kWidth,
                             kHeight);
    }
  };
  test_support::MainRoad road(Hub(), *gameplay_, &Windows());
  road.SetDraw(frame);
  const auto picture = road.Solution("data/share/main/levels pack_1/heart.xml");
  ASSERT_FALSE(picture.empty());
  road.Idle(8);
  for (int32_t col = 0; col < 5; ++col) road.PointAt(4, col);  // the hover
  road.Stroke(1, 0, 1, 4, 1);                                  // a whole row: its clue is crossed
  gameplay_->StartHint();
  road.Idle(80);  // the flight and its burst
  Windows().OpenWindow("GP_Menu", false);
  road.Idle(30);
  Windows().CloseWindow("GP_Menu", false);
  road.Idle(30);
  road.Solve(picture);
  ASSERT_TRUE(gameplay_->IsEnded());
  auto& finish = *dynamic_cast<GG_WINDOW_FINISH*>(Windows().FindWindow("GP_Finish"));
  for (int32_t i = 0; i < 600 && !(finish.IsOpen() && !finish.IsAnimating()); ++i) road.Idle(1);
  road.Idle(60);  // the stars pop in
  EXPECT_EQ(differing, 0) << "of " << compared;
  EXPECT_GT(skipper.PartialFrames(), frames / 2) << "the frames were drawn in parts";
}

}  // namespace
}  // namespace game
