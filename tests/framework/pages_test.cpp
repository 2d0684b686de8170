// Paged grids with recording fake items: loading, layout, drawing by page,
// turning at once and sliding, input, and the page markers.
#include "framework/pages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"
#include "framework/page_markers.h"
#include "support/counting_textures.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"

namespace ORB_GF {
namespace {

// Where each item was when it drew, and what it was told.
struct Record {
  std::vector<std::pair<int, ORB::Vector3>> draws;  // item number, world position
  std::vector<std::string> events;
};

class FakeItem : public G_PAGES_ITEM {
 public:
  FakeItem(int number, Record& record, bool takes_input = false)
      : G_PAGES_ITEM(static_cast<uint32_t>(number)),
        number_(number),
        record_(record),
        takes_input_(takes_input) {}
  int32_t GetWidth() const override { return 100; }
  int32_t GetHeight() const override { return 50; }
  void LoadResources() override { Note("load"); }
  void ReleaseResources() override { Note("release"); }
  void Draw() override { record_.draws.emplace_back(number_, transform_.GetWorld().position); }
  int32_t Refresh() override {
    Note("refresh");
    return 0;
  }
  int32_t OnMouseDown(int32_t button) override {
    Note("down" + std::to_string(button));
    return takes_input_ ? ORB::kEventSwallowed : 0;
  }
  int32_t OnMouseUp(int32_t button) override {
    Note("up" + std::to_string(button));
    return takes_input_ ? ORB::kEventSwallowed : 0;
  }
  int32_t OnMouseMove() override {
    Note("move");
    return 0;
  }
  ORB::Vector3 Position() const { return transform_.position; }
  int number() const { return number_; }

 private:
  void Note(const std::string& what) { record_.events.push_back(std::to_string(number_) + what); }
  int number_;
  Record& record_;
  bool takes_input_;
};

// A grid whose items are fake ones; a description named "skip" makes none,
// one with take="1" takes input.
class FakePages : public gPages {
 public:
  explicit FakePages(Record& record) : record_(record) {}
  G_PAGES_ITEM* CreateItem(const pugi::xml_node& node, int32_t index) override {
    indices.push_back(index);
    if (std::string(node.name()) == "skip") return nullptr;
    return new FakeItem(node.attribute("n").as_int(), record_, node.attribute("take").as_bool());
  }
  void OnItemClicked(G_PAGES_ITEM* item) override { clicked.push_back(static_cast<int>(item->id)); }
  void LoadExample(const pugi::xml_node& node) override {
    example = node.attribute("look").value();
  }

  std::vector<int32_t> indices;
  std::vector<int> clicked;
  std::string example;

 private:
  Record& record_;
};

std::string Items(int count, int taking = -1) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out += "<item n='" + std::to_string(i) + "'" + (i == taking ? " take='1'" : "") + "/>";
  }
  return out;
}

class PagesTest : public ::testing::Test {
 protected:
  void TearDown() override { ORB::FrameDelta().store(0.0f); }
  void Load(gPages& pages, const std::string& attributes, const std::string& children) {
    ASSERT_TRUE(
        document_.load_string(("<pages " + attributes + ">" + children + "</pages>").c_str()));
    pages.LoadRoot(document_.first_child());
  }
  FakeItem& At(gPages& pages, size_t i) { return *static_cast<FakeItem*>(pages.Item(i)); }
  // The numbers of the items drawn since the last call.
  std::vector<int> DrawnItems() {
    std::vector<int> out;
    for (const auto& [number, at] : record_.draws) out.push_back(number);
    record_.draws.clear();
    return out;
  }

  pugi::xml_document document_;
  Record record_;
};

TEST_F(PagesTest, SevenItemsOnThreeByTwoMakeTwoPages) {
  FakePages pages(record_);
  Load(pages, "cols='3' rows='2' interval_x='10' interval_y='20'",
       "<gEXAMPLE look='card'/>" + Items(3) + "<skip/>" +
           "<item n='3'/><item n='4'/><item n='5'/>"
           "<item n='6'/>");
  EXPECT_EQ(pages.indices, (std::vector<int32_t>{0, 1, 2, 3, 3, 4, 5, 6})) << "made items counted";
  EXPECT_EQ(pages.example, "card");
  ASSERT_EQ(pages.ItemCount(), 7u);
  EXPECT_EQ(pages.GetItemsPerPage(), 6);
  EXPECT_EQ(pages.GetPageCount(), 2);
  EXPECT_EQ(record_.events.size(), 7u) << "every item was refreshed";
  EXPECT_EQ(record_.events.front(), "0refresh");

  record_.events.clear();
  pages.LoadResources();
  EXPECT_EQ(record_.events.size(), 7u);
  EXPECT_EQ(pages.GetGridWidth(), 320);
  EXPECT_EQ(pages.GetGridHeight(), 120);
  // Centred on the grid's position; the second page starts again at the
  // top left.
  const float expected[7][2] = {{-110, -35}, {0, -35},  {110, -35}, {-110, 35},
                                {0, 35},     {110, 35}, {-110, -35}};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(At(pages, i).Position(), ORB::Vector3(expected[i][0], expected[i][1], 0)) << i;
    EXPECT_EQ(At(pages, i).number(), static_cast<int>(i)) << "insertion order";
  }

  pages.SetPosition(512.0f, 300.0f);
  pages.Draw();
  EXPECT_EQ(DrawnItems(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  pages.NextPage();  // at once
  EXPECT_EQ(pages.GetCurrentPage(), 1);
  pages.Draw();
  ASSERT_EQ(record_.draws.size(), 1u);
  EXPECT_EQ(record_.draws[0].second, ORB::Vector3(402, 265, 0));
  EXPECT_EQ(DrawnItems(), std::vector<int>{6});
  pages.NextPage();
  EXPECT_EQ(pages.GetCurrentPage(), 1) << "the last page stays";
  EXPECT_FALSE(pages.HasNextPage());
  EXPECT_TRUE(pages.HasPrevPage());
  pages.PrevPage();
  pages.PrevPage();
  EXPECT_EQ(pages.GetCurrentPage(), 0);
  pages.DrawPage(2);
  pages.DrawPage(-1);
  EXPECT_TRUE(DrawnItems().empty());
  pages.ReleaseResources();
  EXPECT_EQ(record_.events.back(), "6release");
}

TEST_F(PagesTest, ASlideMovesBothPagesAndEndsWhereItBegan) {
  FakePages pages(record_);
  Load(pages,
       "cols='2' rows='1' turn_type='SLIDE_HORIZONTAL' turn_time='0.5' turn_offset='800 600'",
       Items(4));
  pages.LoadResources();
  pages.SetPosition(400.0f, 300.0f);
  ASSERT_EQ(pages.GetTurnType(), gPages::kSlideHorizontal);
  EXPECT_EQ(pages.GetStepX(), 800.0f);
  ORB::FrameDelta().store(0.125f);

  pages.NextPage();
  EXPECT_EQ(pages.GetCurrentPage(), 0);
  EXPECT_EQ(pages.GetTargetPage(), 1);
  EXPECT_FALSE(pages.IsSettled());
  pages.NextPage();  // ignored while the slide runs
  pages.PrevPage();
  EXPECT_EQ(pages.GetTargetPage(), 1);

  // Each frame the leaving page moves 200 pixels left; the arriving page
  // is drawn one step (800) to its right.
  float expected_x = 400.0f;
  int frames = 0;
  while (!pages.IsSettled() && frames < 20) {
    pages.Update();
    ++frames;
    if (pages.GetCurrentPage() == 0) expected_x -= 200.0f;
    record_.draws.clear();
    pages.Draw();
    if (pages.IsSettled() || pages.GetCurrentPage() == 1) continue;
    ASSERT_EQ(record_.draws.size(), 4u) << frames;
    EXPECT_EQ(record_.draws[0].second.x, expected_x - 50.0f) << frames;           // item 0
    EXPECT_EQ(record_.draws[2].second.x, expected_x + 800.0f - 50.0f) << frames;  // item 2
  }
  EXPECT_LE(frames, 6);
  EXPECT_EQ(pages.GetCurrentPage(), 1);
  EXPECT_EQ(pages.GetTargetPage(), 1);
  EXPECT_EQ(pages.GetTransform().position, ORB::Vector3(400, 300, 0)) << "the transform is back";
  record_.draws.clear();
  pages.Draw();
  EXPECT_EQ(DrawnItems(), (std::vector<int>{2, 3}));

  pages.NextPage();  // beyond the last page: nothing
  EXPECT_TRUE(pages.IsSettled());
  EXPECT_EQ(pages.GetCurrentPage(), 1);
}

TEST_F(PagesTest, SlidesWithoutAUsableTimeTurnAtOnce) {
  struct Case {
    const char* attributes;
    int32_t type;
  };
  const Case cases[] = {
      {"turn_type='SLIDE_HORIZONTAL'", gPages::kSlideHorizontal},  // time and speed 0
      {"turn_type='SLIDE_VERTICAL' turn_time='-1'", gPages::kSlideVertical},
      {"turn_type='SLIDE_TO_POINT' turn_speed='0'", gPages::kSlideToPoint},
      {"turn_type='SLIDE_HORIZONTAL' turn_speed='1e-44'", gPages::kSlideHorizontal},  // endless
      {"turn_type='SPIN'", gPages::kUnknown},
  };
  for (const Case& c : cases) {
    Record record;
    FakePages pages(record);
    Load(pages, std::string("cols='1' rows='1' ") + c.attributes, Items(3));
    EXPECT_EQ(pages.GetTurnType(), c.type) << c.attributes;
    pages.NextPage();
    EXPECT_TRUE(pages.IsSettled()) << c.attributes;
    EXPECT_EQ(pages.GetCurrentPage(), 1) << c.attributes;
  }
}

TEST_F(PagesTest, SlideTimesFollowTheSpeed) {
  FakePages pages(record_);
  Load(pages, "cols='1' rows='1' turn_type='SLIDE_VERTICAL' turn_speed='400' turn_offset='800 600'",
       Items(2));
  ORB::FrameDelta().store(0.5f);
  pages.NextPage();  // a vertical slide is timed by the horizontal step: 2 s
  ASSERT_FALSE(pages.IsSettled());
  int frames = 0;
  while (!pages.IsSettled() && frames < 20) {
    pages.Update();
    ++frames;
    if (frames == 1) {
      EXPECT_EQ(pages.GetTransform().position.y, -150.0f);
    }
  }
  EXPECT_EQ(frames, 5);
  EXPECT_EQ(pages.GetCurrentPage(), 1);
  EXPECT_EQ(pages.GetTransform().position, ORB::Vector3(0, 0, 0));
}

TEST_F(PagesTest, InputGoesToTheCurrentPageOnly) {
  FakePages pages(record_);
  Load(pages, "cols='2' rows='1'", Items(4, 3));
  record_.events.clear();
  EXPECT_EQ(pages.OnMouseUp(4), 0);
  EXPECT_EQ(pages.OnMouseDown(4), 0);
  EXPECT_TRUE(record_.events.empty()) << "button 4 is nobody's";

  EXPECT_EQ(pages.OnMouseUp(1), 0);
  EXPECT_TRUE(record_.events.empty()) << "a release whose press no item took clicks nothing";
  EXPECT_TRUE(pages.clicked.empty());

  pages.NextPage();
  record_.events.clear();
  EXPECT_EQ(pages.OnMouseDown(2), ORB::kEventSwallowed);
  EXPECT_EQ(record_.events, (std::vector<std::string>{"2down2", "3down2"}));
  EXPECT_EQ(pages.OnMouseUp(1), 0) << "the release of another button";
  EXPECT_EQ(pages.OnMouseUp(2), 1) << "only the item that took the press hears its release";
  EXPECT_EQ(record_.events.back(), "3up2");
  EXPECT_EQ(pages.clicked, std::vector<int>{3});

  record_.events.clear();
  EXPECT_EQ(pages.OnMouseMove(), 0);
  EXPECT_EQ(record_.events.size(), 4u) << "every item hears the pointer move";
}

TEST_F(PagesTest, EmptyGridsAndBadAttributes) {
  test_support::LogCapture log;
  FakePages pages(record_);
  Load(pages, "cols='0' rows='-3' interval_x='x' turn_time='fast' turn_offset='10'", "");
  EXPECT_EQ(pages.GetCols(), 1);
  EXPECT_EQ(pages.GetRows(), 1);
  EXPECT_EQ(pages.GetPageCount(), 0);
  EXPECT_EQ(pages.GetTurnTime(), 0.0f);
  EXPECT_EQ(pages.GetStepX(), 1024.0f) << "the screen by default";
  EXPECT_TRUE(log.Has("interval_x=\"x\" is not a number"));
  EXPECT_TRUE(log.Has("turn_offset '10' is not two numbers"));
  pages.LoadResources();  // no items: no layout
  EXPECT_EQ(pages.GetGridWidth(), 0);
  pages.NextPage();
  pages.PrevPage();
  EXPECT_EQ(pages.GetCurrentPage(), 0) << "without pages the grid stays on page 0";
  pages.Draw();
  EXPECT_TRUE(record_.draws.empty());
  pages.SetRows(2);
  pages.SetCols(5000);
  EXPECT_EQ(pages.GetCols(), gPages::kMaxSide);
  pages.SetParent(nullptr);
  EXPECT_EQ(pages.GetTransform().parent, nullptr);

  // Items hang from the grid's transform, and through it from its parent.
  ORB::OS_TRANSFORM3 window;
  window.SetPosition(1000.0f, 0.0f, 0.0f);
  pages.SetParent(&window);
  pages.AddItem(new FakeItem(9, record_));
  pages.SetCols(1);
  pages.SetRows(1);
  pages.LoadResources();
  pages.Draw();
  ASSERT_EQ(record_.draws.size(), 1u);
  EXPECT_EQ(record_.draws[0].second, ORB::Vector3(1000, 0, 0));
  EXPECT_TRUE(At(pages, 0).Contains(951.0f, 20.0f));
  EXPECT_FALSE(At(pages, 0).Contains(1051.0f, 0.0f));
  EXPECT_EQ(At(pages, 0).Handle(99, 0, 0, 0, nullptr), 0) << "unknown messages answer 0";
}

TEST(PagesItemTest, TheItemsRectangleFollowsItsTurnAndScale) {
  Record record;
  FakeItem item(1, record);  // 100 x 50
  ORB::OS_TRANSFORM3 parent;
  parent.SetPosition(200.0f, 100.0f, 0.0f);
  parent.SetScale(2.0f, 2.0f, 1.0f);
  item.GetTransform().parent = &parent;
  EXPECT_TRUE(item.Contains(299.0f, 149.0f)) << "twice the size, centred";
  EXPECT_TRUE(item.Contains(101.0f, 51.0f));
  EXPECT_FALSE(item.Contains(302.0f, 100.0f));
  parent.SetScale(1.0f, 1.0f, 1.0f);
  parent.SetAngle(1.5707964f);  // a quarter turn: 50 wide, 100 high
  EXPECT_TRUE(item.Contains(200.0f, 148.0f));
  EXPECT_FALSE(item.Contains(240.0f, 100.0f));
  EXPECT_TRUE(item.Contains(224.0f, 100.0f));
  EXPECT_FALSE(item.Contains(200.0f, 152.0f));
}

class PageMarkersTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    provider_ = std::make_unique<test_support::CountingTextures>(*renderer_);
    provider_->Add("gui dots.png", 48, 24);
  }
  std::unique_ptr<test_support::CountingTextures> provider_;
};

TEST_F(PageMarkersTest, DotsStartHalfTheRowLeftOfItsPosition) {
  pugi::xml_document doc;
  ASSERT_TRUE(
      doc.load_string("<page_number file='gui dots.png'><TRANSFORM>500 700 0 0 0 0 0 0 0 1 1 "
                      "1</TRANSFORM></page_number>"));
  PageMarkers markers(doc.first_child());
  markers.LoadTexture(provider_.get());
  EXPECT_EQ(markers.GetDotWidth(), 24.0f);

  markers.SetCount(1);
  markers.Draw();
  EXPECT_TRUE(Drawn().empty()) << "one page shows no markers";

  markers.SetCount(3);
  markers.Next();
  markers.Draw();
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 12u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(drawn[4 * i].x, 476.0f + 24.0f * static_cast<float>(i)) << i;
    EXPECT_FLOAT_EQ(drawn[4 * i].y, 688.0f) << i;  // centred on the row's height
    EXPECT_FLOAT_EQ(drawn[4 * i + 2].x - drawn[4 * i].x, 24.0f);
    // The current page's dot shows the sheet's first half.
    EXPECT_FLOAT_EQ(drawn[4 * i].u, i == 1 ? 0.0f : 0.5f) << i;
  }
  markers.ReleaseTexture();
  EXPECT_EQ(provider_->Uses("gui dots.png"), 0);
}

TEST_F(PageMarkersTest, TheCurrentPageStaysWithinTheCount) {
  PageMarkers markers;
  markers.Next();
  markers.Prev();
  EXPECT_EQ(markers.GetCurrent(), 0u) << "no wrap at count 0";
  markers.SetCount(3);
  for (int i = 0; i < 5; ++i) markers.Next();
  EXPECT_EQ(markers.GetCurrent(), 2u);
  markers.SetCount(2);
  EXPECT_EQ(markers.GetCurrent(), 1u);
  markers.SetCount(0);
  EXPECT_EQ(markers.GetCurrent(), 0u);
  markers.Next();
  EXPECT_EQ(markers.GetCurrent(), 0u);
  markers.SetCount(4);
  markers.SetCurrent(3);
  markers.SetCurrent(9);
  EXPECT_EQ(markers.GetCurrent(), 3u);
  for (int i = 0; i < 6; ++i) markers.Prev();
  EXPECT_EQ(markers.GetCurrent(), 0u);
  markers.Draw();  // no texture: nothing, and no crash
  EXPECT_TRUE(Drawn().empty());
}

}  // namespace
}  // namespace ORB_GF
