// The flights of the play screen on a fake clock: a hint arrives after its
// way's length over its speed and opens its cell once, a level stopped in
// mid-flight opens nothing, a bonus coin credits its coins once and leaves
// the live list, the finish window waits for it; effects without a template
// or without a speed fly nothing. Also the error panel's places, locks,
// clamping and animation time.
#include "game/play/screen/play_effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "game/play/screen/error_panel.h"
#include "play_screen_rig.h"
#include "support/recording_renderer.h"

namespace game {
namespace {

class PlayEffectsTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    rig_ = std::make_unique<PlayScreenRig>(*renderer_);
    ASSERT_NO_FATAL_FAILURE(rig_->Start(PlayScreenRig::kFirstLevel, 2));
  }
  void TearDown() override { rig_.reset(); }

  GG_GAMEPLAY& Gameplay() { return *rig_->gameplay; }
  gPlayEffects& Effects() { return rig_->screen->Effects(); }
  uint32_t HintUses() { return rig_->host.Player().GetStatistics().hint_use; }
  // Every closed picture cell but `keep`, opened alone.
  void FillAllBut(const GG_ELEMENT* keep) {
    for (GG_ELEMENT* cell : Gameplay().Board().CellsToFind()) {
      if (cell == keep || cell->IsOpen()) continue;
      Gameplay().Board().ApplyClick(
          static_cast<int32_t>(cell->Row()), static_cast<int32_t>(cell->Col()),
          static_cast<int32_t>(cell->Row()), static_cast<int32_t>(cell->Col()), true);
    }
  }
  GG_ELEMENT* BonusCell() {
    for (GG_ELEMENT* cell : Gameplay().Board().CellsToFind()) {
      if (cell->HasBonus()) return cell;
    }
    return nullptr;
  }

  std::unique_ptr<PlayScreenRig> rig_;
};

TEST_F(PlayEffectsTest, AHintArrivesAfterItsLengthOverItsSpeedAndOpensItsCellOnce) {
  const ORB::Vector2 from = rig_->Controls().HintButton().ScreenPoint();
  const uint32_t uses = HintUses();
  Gameplay().StartHint();
  gHintFlight& flight = Effects().Hint();
  ASSERT_TRUE(flight.IsFlying());
  GG_ELEMENT* target = flight.Target();
  ASSERT_NE(target, nullptr);
  EXPECT_TRUE(Gameplay().IsBusy()) << "the input waits for the hint";

  const float dx = target->Centre().x - from.x;
  const float dy = target->Centre().y - from.y;
  const float expected = std::sqrt(dx * dx + dy * dy) / flight.Speed();
  EXPECT_NEAR(flight.Duration(), expected, 1e-4f);
  // The control points stand a third and two thirds of the way, aside.
  const ORB::Vector2 c1 = flight.Control1();
  EXPECT_GT(std::abs((c1.x - from.x) * dy - (c1.y - from.y) * dx), 1.0f) << "deflected";

  const int frames = static_cast<int>(std::ceil(expected / PlayScreenRig::kFrame));
  rig_->Frames(frames - 2);
  EXPECT_FALSE(target->IsOpen()) << "still flying";
  EXPECT_TRUE(flight.IsFlying());
  // Halfway the sprite is off the straight line (the curve bends).
  rig_->Frames(4);
  EXPECT_FALSE(flight.IsFlying());
  EXPECT_TRUE(target->IsOpen());
  EXPECT_EQ(HintUses(), uses + 1);
  EXPECT_FALSE(Gameplay().IsBusy());
  ASSERT_NE(flight.FinishParticles(), nullptr) << "the burst at the arrival";
  EXPECT_TRUE(flight.FinishParticles()->System().IsEmitting());
  rig_->Frames(60);
  EXPECT_EQ(HintUses(), uses + 1) << "once";
}

TEST_F(PlayEffectsTest, AStopInMidFlightOpensNothing) {
  // A line under way (the reset target follows it) and a coin in flight.
  const ORB::Point start = rig_->CellPoint(1, 0);
  rig_->input.Move(start.x, start.y);
  rig_->input.Press();
  rig_->input.Move(rig_->CellPoint(1, 2).x, start.y);
  ASSERT_TRUE(rig_->Controls().ResetTarget().IsDragging());
  ASSERT_TRUE(Effects().StartBonusEffect({300.0f, 300.0f}, 10));
  Gameplay().StartHint();
  ASSERT_TRUE(Effects().Hint().IsFlying());
  rig_->Frames(5);
  const uint32_t uses = HintUses();
  const int32_t coins = rig_->screen->GetCoins();
  Gameplay().Stop();
  EXPECT_FALSE(Effects().Hint().IsFlying());
  EXPECT_EQ(Effects().GetFlyingEffects(), 0);
  EXPECT_FALSE(rig_->Controls().ResetTarget().IsDragging());
  EXPECT_EQ(rig_->Controls().ResetTarget().Colour().ToUInt(),
            rig_->Controls().ResetTarget().BeginColour().ToUInt());
  EXPECT_FALSE(Gameplay().IsBusy());
  rig_->input.Release();
  EXPECT_LE(rig_->screen->GetCoins(), coins) << "no coin lands after the level";
  // The same level again: the old cells are gone, and nothing of the flight
  // reaches the new ones.
  ASSERT_NO_FATAL_FAILURE(rig_->LoadLevel(PlayScreenRig::kFirstLevel, 2));
  rig_->Frames(120);
  EXPECT_EQ(HintUses(), uses);
  for (const GG_ELEMENT* cell : Gameplay().Board().CellsToFind()) EXPECT_FALSE(cell->IsOpen());

  // Restart cancels a flight as well.
  Gameplay().StartHint();
  ASSERT_TRUE(Effects().Hint().IsFlying());
  Gameplay().Restart();
  EXPECT_FALSE(Effects().Hint().IsFlying());
  rig_->Frames(120);
  EXPECT_EQ(HintUses(), uses);
}

TEST_F(PlayEffectsTest, ABonusCoinCreditsOnceAndLeavesTheLiveList) {
  GG_ELEMENT* bonus = BonusCell();
  ASSERT_NE(bonus, nullptr);
  const int32_t before = Gameplay().Pieces().GetCoins();
  // Seen from inside the credit: the coin is still in the list.
  int32_t credited = 0;
  int32_t flyingAtCredit = -1;
  Effects().SetCredit([&](int32_t coins) {
    credited += coins;
    flyingAtCredit = Effects().GetFlyingEffects();
    rig_->screen->Pieces().Coins().Add(coins);
  });
  Gameplay().Board().ApplyClick(
      static_cast<int32_t>(bonus->Row()), static_cast<int32_t>(bonus->Col()),
      static_cast<int32_t>(bonus->Row()), static_cast<int32_t>(bonus->Col()), true);
  EXPECT_EQ(Gameplay().Pieces().GetCoins(), before + Gameplay().CoinsPerCell()) << "the cell's own";
  EXPECT_EQ(Gameplay().Pieces().GetFlyingEffects(), 1);
  ASSERT_EQ(Effects().Bonuses().size(), 1u);
  const GG_EFFECT_BONUS& coin = *Effects().Bonuses().front();
  EXPECT_EQ(coin.GetStage(), GG_EFFECT_BONUS::Stage::kAppearing);

  int frames = 0;
  while (Effects().GetFlyingEffects() > 0 && frames < 600) {
    rig_->Frame();
    ++frames;
  }
  EXPECT_LT(frames, 600);
  EXPECT_EQ(credited, Gameplay().BonusCoins());
  EXPECT_EQ(flyingAtCredit, 1);
  EXPECT_EQ(Gameplay().Pieces().GetCoins(),
            before + Gameplay().CoinsPerCell() + Gameplay().BonusCoins());
  EXPECT_EQ(Gameplay().LevelCoins(), Gameplay().Pieces().GetCoins())
      << "the counter ends on the coins the level pays";
}

TEST_F(PlayEffectsTest, TheFinishWindowWaitsForTheFlyingCoin) {
  GG_ELEMENT* bonus = BonusCell();
  ASSERT_NE(bonus, nullptr);
  FillAllBut(bonus);
  Gameplay().Board().ApplyClick(
      static_cast<int32_t>(bonus->Row()), static_cast<int32_t>(bonus->Col()),
      static_cast<int32_t>(bonus->Row()), static_cast<int32_t>(bonus->Col()), true);
  ASSERT_TRUE(Gameplay().IsEnded());
  ASSERT_EQ(Effects().GetFlyingEffects(), 1);
  bool openedWhileFlying = false;
  for (int frame = 0; frame < 600 && !rig_->windows.IsOpen("GP_Finish"); ++frame) {
    rig_->Frame();
    if (rig_->windows.IsOpen("GP_Finish") && Effects().GetFlyingEffects() > 0)
      openedWhileFlying = true;
  }
  EXPECT_TRUE(rig_->windows.IsOpen("GP_Finish"));
  EXPECT_FALSE(openedWhileFlying);
  EXPECT_FALSE(Gameplay().Board().IsSweeping());
}

TEST_F(PlayEffectsTest, TheHoldEndsWithItsTimeOrTheLevel) {
  Gameplay().HoldInput(0.5f);
  EXPECT_TRUE(Gameplay().IsBusy());
  rig_->Click(rig_->CellPoint(1, 0));
  EXPECT_FALSE(rig_->Cell(1, 0).IsOpen()) << "held";
  rig_->Frames(40);
  EXPECT_FALSE(Gameplay().IsBusy());
  rig_->Click(rig_->CellPoint(1, 0));
  EXPECT_TRUE(rig_->Cell(1, 0).IsOpen());

  Gameplay().HoldInput(10.0f);
  Gameplay().Restart();
  EXPECT_FALSE(Gameplay().IsBusy()) << "a new level is not held";
}

// --- Templates.

struct EffectsDocument {
  explicit EffectsDocument(const std::string& xml) { document.load_string(xml.c_str()); }
  pugi::xml_node Root() const { return document.document_element(); }
  pugi::xml_document document;
};

TEST(PlayEffectsTemplates, WithoutATemplateOrASpeedNothingFlies) {
  struct Row {
    const char* what;
    const char* xml;
    bool hint, bonus;
  };
  const std::vector<Row> table = {
      {"no children", "<effects/>", false, false},
      {"no fly sprite", "<effects><hint_fly speed=\"500\"/><bonus_effect speed=\"1\"/></effects>",
       false, false},
      {"speed 0",
       "<effects><hint_fly speed=\"0\"><sprite_fly><FILE>a</FILE></sprite_fly></hint_fly>"
       "</effects>",
       false, false},
      {"negative speed",
       "<effects><hint_fly speed=\"-3\"><sprite_fly><FILE>a</FILE></sprite_fly>"
       "</hint_fly></effects>",
       false, false},
      {"both",
       "<effects><hint_fly speed=\"400\"><sprite_fly><FILE>a</FILE></sprite_fly></hint_fly>"
       "<bonus_effect><sprite_sunime><FILE>c</FILE></sprite_sunime></bonus_effect></effects>",
       true, true},
  };
  GG_ELEMENT cell(GG_ELEMENT::kFilled, 0, 0);
  cell.SetPosition({300.0f, 300.0f});
  for (const Row& row : table) {
    SCOPED_TRACE(row.what);
    EffectsDocument document(row.xml);
    gPlayEffects effects;
    effects.Load(document.Root(), nullptr);
    EXPECT_EQ(effects.StartHintFlight({900.0f, 100.0f}, cell), row.hint);
    EXPECT_EQ(effects.StartBonusEffect({300.0f, 300.0f}, 10), row.bonus);
    EXPECT_EQ(effects.GetFlyingEffects(), row.bonus ? 1 : 0);
    effects.Reset();
    EXPECT_EQ(effects.GetFlyingEffects(), 0);
    EXPECT_FALSE(effects.Hint().IsFlying());
  }
}

// --- The error panel.

class ErrorPanelTest : public test_support::RecordingRendererTest {
 protected:
  void Load(const std::string& attributes) {
    document_.load_string(
        ("<error_panel pos=\"100 50\" grid=\"4 2\" interval=\"30 40\" " + attributes +
         "><sprite><FILE>m.png</FILE><ANIMATION loop=\"1\" grid=\"4 1\" frames=\"4\" "
         "fps=\"8\"/></sprite><sprite_lock><FILE>l.png</FILE></sprite_lock></error_panel>")
            .c_str());
    ASSERT_TRUE(panel_.Load(document_.document_element()));
  }
  size_t DrawnQuads() {
    const size_t before = Drawn().size();
    panel_.Draw();
    return (Drawn().size() - before) / 4;
  }
  pugi::xml_document document_;
  gErrorPanel panel_;
};

TEST_F(ErrorPanelTest, PlacesLocksMarksAndTheirTime) {
  ASSERT_NO_FATAL_FAILURE(Load("ping=\"0.25\""));
  EXPECT_EQ(panel_.Capacity(), 8);
  struct Row {
    int32_t places;
    int32_t shown;  // clamped to the grid
  };
  for (const Row& row : std::vector<Row>{{0, 0}, {3, 3}, {8, 8}, {12, 8}, {-2, 0}}) {
    panel_.SetPlaces(row.places);
    EXPECT_EQ(panel_.Places(), row.shown) << row.places;
    EXPECT_EQ(DrawnQuads(), static_cast<size_t>(8 - row.shown))
        << "a lock on every place not allowed";
  }
  // Places run row by row.
  EXPECT_EQ(panel_.PlaceCentre(0).x, 100.0f);
  EXPECT_EQ(panel_.PlaceCentre(3).x, 190.0f);
  EXPECT_EQ(panel_.PlaceCentre(4).x, 100.0f);
  EXPECT_EQ(panel_.PlaceCentre(4).y, 90.0f);

  // Each mark: 4 frames at 8 a second plus the ping.
  panel_.SetPlaces(3);
  for (int32_t i = 1; i <= 10; ++i) {
    panel_.MarkError();
    const int32_t marks = std::min(i, 8);
    EXPECT_EQ(panel_.Marks(), marks) << "marks stop at the grid's places";
    EXPECT_FLOAT_EQ(panel_.GetAnimationTime(), static_cast<float>(marks) * (4.0f / 8.0f + 0.25f));
  }
  EXPECT_EQ(panel_.Mark(7)->GetTransform()->GetPositionV2().x, panel_.PlaceCentre(7).x);
  panel_.Clear();
  EXPECT_EQ(panel_.Marks(), 0);
  EXPECT_EQ(panel_.GetAnimationTime(), 0.0f);
  EXPECT_EQ(panel_.Places(), 3) << "a second chance keeps the places";
}

}  // namespace
}  // namespace game
