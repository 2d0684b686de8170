#include "game/records/hearts.h"

#include <gtest/gtest.h>

#include <deque>

#include "engine/platform/clock.h"
#include "framework/player.h"

namespace {

using game::gHearts;

class HeartsTest : public ::testing::Test {
 protected:
  HeartsTest() : hearts_(&owner_) {
    owner_.SetItemCount("health", 5);
    hearts_.SetRefillTime(600);
    hearts_.SetCount(5);
  }
  void SetUp() override { ORB::platform::SetClock(&clock_); }
  void TearDown() override { ORB::platform::SetClock(nullptr); }

  void At(int64_t seconds) { clock_.SetCalendarSeconds(seconds); }

  ORB::platform::ManualClock clock_;
  ORB_GF::gPlayer owner_;
  gHearts hearts_;
};

TEST_F(HeartsTest, HeartsComeBackOneAfterAnother) {
  At(1000);
  ASSERT_TRUE(hearts_.Spend());
  ASSERT_TRUE(hearts_.Spend());
  EXPECT_EQ(hearts_.GetCount(), 3);
  EXPECT_EQ(hearts_.GetQueue(), (std::deque<uint32_t>{1000, 1600}));
  EXPECT_TRUE(hearts_.IsRefilling());
  EXPECT_EQ(hearts_.GetCountdown(), 600.0);

  At(1700);
  EXPECT_TRUE(hearts_.Refresh());
  EXPECT_EQ(hearts_.GetCount(), 4);
  EXPECT_EQ(hearts_.GetCountdown(), 500.0);
  EXPECT_EQ(hearts_.GetQueue(), (std::deque<uint32_t>{1600}));

  At(2200);
  EXPECT_FALSE(hearts_.Refresh());
  EXPECT_EQ(hearts_.GetCount(), 5);
  EXPECT_FALSE(hearts_.IsRefilling());
  EXPECT_EQ(hearts_.GetCountdown(), 0.0);
  EXPECT_TRUE(hearts_.GetQueue().empty());
}

TEST_F(HeartsTest, TheFrameCountdownBringsTheHeart) {
  At(1000);
  ASSERT_TRUE(hearts_.Spend());
  At(1300);
  hearts_.Refresh();
  ASSERT_EQ(hearts_.GetCountdown(), 300.0);
  for (int frame = 0; frame < 299 * 4; ++frame) hearts_.Update(0.25f);
  EXPECT_EQ(hearts_.GetCount(), 4);
  At(1600);
  for (int frame = 0; frame < 8; ++frame) hearts_.Update(0.25f);
  EXPECT_EQ(hearts_.GetCount(), 5);
  EXPECT_FALSE(hearts_.IsRefilling());
}

TEST_F(HeartsTest, SpendingWithNoneLeftFails) {
  At(50);
  hearts_.SetCount(0);
  EXPECT_FALSE(hearts_.Spend());
  EXPECT_TRUE(hearts_.GetQueue().empty());
  EXPECT_EQ(hearts_.GetCount(), 0);
}

TEST_F(HeartsTest, AtTheMaximumNothingCountsDown) {
  At(1000);
  ASSERT_TRUE(hearts_.Spend());
  hearts_.SetCount(5);  // filled by other means, the time still queued
  EXPECT_FALSE(hearts_.Refresh());
  EXPECT_FALSE(hearts_.IsRefilling());
  EXPECT_EQ(hearts_.GetCountdown(), 0.0);
  EXPECT_FALSE(hearts_.Add());
}

TEST_F(HeartsTest, AddingWithAnEmptyQueueIsSafe) {
  At(1000);
  hearts_.SetCount(2);
  ASSERT_TRUE(hearts_.GetQueue().empty());
  EXPECT_TRUE(hearts_.Add());
  EXPECT_EQ(hearts_.GetCount(), 3);
  EXPECT_EQ(hearts_.Fill(), 2);
  EXPECT_EQ(hearts_.GetCount(), 5);
}

TEST_F(HeartsTest, AnnouncedHeartWithoutQueueArrivesOnce) {
  // A template may start a countdown without any queued time.
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<health increment='true' count='2' countdown='1.5' time_refill_heart='600.9'/>"));
  hearts_.Load(document.child("health"));
  EXPECT_EQ(hearts_.GetRefillTime(), 600u);
  At(0);
  for (int frame = 0; frame < 100; ++frame) hearts_.Update(0.5f);
  EXPECT_EQ(hearts_.GetCount(), 3);
  EXPECT_FALSE(hearts_.IsRefilling());
}

TEST_F(HeartsTest, HeartsCatchUpForTimeSpentClosed) {
  At(1000);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(hearts_.Spend());
  EXPECT_EQ(hearts_.GetCount(), 0);
  At(1000 + 3 * 600 + 10);  // three refills and a bit later
  EXPECT_TRUE(hearts_.Refresh());
  EXPECT_EQ(hearts_.GetCount(), 3);
  EXPECT_EQ(hearts_.GetCountdown(), 590.0);
  At(100000);
  EXPECT_FALSE(hearts_.Refresh());
  EXPECT_EQ(hearts_.GetCount(), 5);
}

TEST_F(HeartsTest, AClockSetBackNeitherFillsNorUnderflows) {
  At(100000);
  ASSERT_TRUE(hearts_.Spend());
  ASSERT_TRUE(hearts_.Spend());
  At(40000);  // the clock goes back
  EXPECT_TRUE(hearts_.Refresh());
  EXPECT_EQ(hearts_.GetCount(), 3);
  EXPECT_EQ(hearts_.GetCountdown(), 600.0);
  EXPECT_EQ(hearts_.GetQueue(), (std::deque<uint32_t>{40000, 40600}));
  At(40600);
  hearts_.Refresh();
  EXPECT_EQ(hearts_.GetCount(), 4);
  EXPECT_EQ(hearts_.GetCountdown(), 600.0);

  At(-5);  // before 1970: nothing below zero
  hearts_.Refresh();
  EXPECT_EQ(hearts_.GetCount(), 4);
  EXPECT_LE(hearts_.GetCountdown(), 600.0);
}

TEST_F(HeartsTest, SpendingCountsFromTheLastQueuedRefill) {
  At(1000);
  ASSERT_TRUE(hearts_.Spend());
  At(1200);
  ASSERT_TRUE(hearts_.Spend());
  EXPECT_EQ(hearts_.GetQueue(), (std::deque<uint32_t>{1000, 1600}));
  EXPECT_EQ(hearts_.GetCountdown(), 400.0);
}

TEST_F(HeartsTest, StaleTimesAtTheMaximumAreNotOwed) {
  At(1000);
  ASSERT_TRUE(hearts_.Spend());
  hearts_.SetCount(5);
  At(9000);
  ASSERT_TRUE(hearts_.Spend());
  EXPECT_EQ(hearts_.GetCount(), 4);
  EXPECT_EQ(hearts_.GetQueue(), (std::deque<uint32_t>{9000}));
}

TEST_F(HeartsTest, AQueueFarAheadOfTheClockIsWorkedOffInOnePass) {
  owner_.SetItemCount("health", 1000000);
  hearts_.SetCount(1000);
  hearts_.SetRefillTime(100000);
  At(5000);
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(hearts_.Spend());
  ASSERT_EQ(hearts_.GetQueue().back(), 5000u + 999u * 100000u);
  hearts_.SetRefillTime(0);
  At(1);
  hearts_.Refresh();
  EXPECT_EQ(hearts_.GetCount(), 1000);
  EXPECT_TRUE(hearts_.GetQueue().empty());
}

}  // namespace
