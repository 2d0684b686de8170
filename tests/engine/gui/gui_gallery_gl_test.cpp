// The sample GUI descriptions (tests/data/gui) read by LoadGuiXml against the
// real repository over Resources/ and drawn with real OpenGL on the game's
// window (SDL's offscreen driver), one picture each beside the test program
// (gui_gallery_<sample>.png). Every widget leaves ink, and only in its own
// box; siblings do not overlap; no texture request is answered with the
// default texture; every use goes back when the tree is released and
// deleted. Then a player's events, injected into SDL's queue and pumped by
// the window: a button click, a ticked box, text typed into the line box and
// a slider dragged.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/input_state.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_animation_bar.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_checkbox5.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_label.h"
#include "engine/gui/gui_line_box.h"
#include "engine/gui/gui_progress_bar.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_simple_slider.h"
#include "engine/gui/gui_slider13.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/platform/sdl_event_injector.h"
#include "engine/scene/anchor.h"
#include "engine/scene/text_layout.h"
#include "support/gui_frames.h"
#include "support/offscreen_gl.h"
#include "support/shipped_resources.h"
#include "support/source_path.h"

namespace ORB {
namespace {

constexpr uint32_t kPaper = 0xFFF4EFE6u;

struct Sample {
  const char* file;  // under tests/data/gui
  const char* name;  // the description's NAME
  const char* picture;
};

constexpr Sample kSamples[] = {
    {"dialog.xml", "Dialog", "gui_gallery_dialog.png"},
    {"settings.xml", "Settings", "gui_gallery_settings.png"},
    {"list.xml", "Players", "gui_gallery_list.png"},
};

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive
  int count = 0;

  void Add(int x, int y) {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
    ++count;
  }
  bool Inside(const Box& outer) const {
    return left >= outer.left && top >= outer.top && right <= outer.right && bottom <= outer.bottom;
  }
  bool Meets(const Box& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
  }
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << box.left << ".." << box.right << " x " << box.top << ".." << box.bottom << " ("
             << box.count << " px)";
}

bool Differ(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF);
    const int cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > 4) return true;
  }
  return false;
}

// Where the widget says it draws: its size about its anchor at its world
// position, turned and scaled with its world transform, grown by `margin`.
Box Claimed(const OC_GUI_OBJECT& widget, int margin) {
  float width = widget.GetWidth();
  float height = widget.GetHeight();
  int32_t anchor = HS_MID;
  if (const auto* image = dynamic_cast<const OC_GUI_IMAGE*>(&widget)) anchor = image->GetAnchor();
  if (const auto* wide = dynamic_cast<const OC_GUI_WLABEL*>(&widget)) anchor = wide->GetAlignment();
  if (const auto* slider = dynamic_cast<const OC_GUI_SIMPLE_SLIDER*>(&widget)) {
    height = std::max(height, slider->GetRunnerSize().y);  // the knob stands out of the bar
  }
  const OS_TRANSFORM3 world = widget.GetTransform().GetWorld();
  if (const auto* label = dynamic_cast<const OC_GUI_LABEL*>(&widget)) {
    // The 8-bit path aligns by the glyphs' widths and draws by their
    // advances.
    const OC_FONT& font = *label->GetFont();
    const std::string& text = label->GetText();
    int32_t aligned = 0;
    for (const char c : text) {
      const Glyph* glyph = font.GetGlyphs().Find(NarrowCharId(c));
      aligned = glyph != nullptr ? aligned + glyph->width + font.letter_spacing : 0;
      if (glyph == nullptr) break;
    }
    Box box;
    box.left = static_cast<int>(world.position.x) + NarrowHorizontalOffset(font.alignment, aligned);
    box.top = static_cast<int>(world.position.y) +
              NarrowVerticalOffset(font.alignment, 1, font.GetLineHeight());
    box.right = box.left + font.MeasureLine(std::wstring(text.begin(), text.end()).c_str());
    box.bottom = box.top + font.GetLineHeight();
    box.left -= margin;
    box.top -= margin;
    box.right += margin;
    box.bottom += margin;
    return box;
  }
  float fx = 0.5f;
  float fy = 0.5f;
  AnchorFractions(anchor, &fx, &fy);
  const float c = std::cos(world.rotation.z);
  const float s = std::sin(world.rotation.z);
  Box box;
  for (const float u : {-fx, 1.0f - fx}) {
    for (const float v : {-fy, 1.0f - fy}) {
      const float x = u * width * world.scale.x;
      const float y = v * height * world.scale.y;
      box.Add(static_cast<int>(std::floor(world.position.x + x * c - y * s)),
              static_cast<int>(std::floor(world.position.y + x * s + y * c)));
    }
  }
  box.left -= margin;
  box.top -= margin;
  box.right += margin;
  box.bottom += margin;
  return box;
}

class GuiGalleryGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(OpenWindow("gui gallery"));
    renderer_->SetClearColour(Colour(kPaper));
    shipped_ = std::make_unique<test_support::ShippedResources>(
        *renderer_, std::initializer_list<const char*>{"data/share/image/gui",
                                                       "data/share/image/shop", "data/share/font"});
    FrameDelta().store(0.0f);  // the line box's caret stays shown
  }
  void TearDown() override {
    shipped_.reset();
    OffscreenGlTest::TearDown();
  }

  static void Read(OC_GUI_ROOT& root, pugi::xml_document& document, const Sample& sample) {
    ASSERT_TRUE(
        document.load_file(test_support::TestData(std::string("gui/") + sample.file).c_str()))
        << sample.file;
    LoadGuiXml(root, document, sample.name);
    root.LoadResources();
  }

  test_support::Frame Draw(OC_GUI_ROOT& root, const std::string& picture = std::string()) {
    EXPECT_EQ(renderer_->BeginFrame(), kResultOk);
    root.Draw();
    test_support::Frame frame = Snapshot(picture);
    renderer_->EndFrame();
    return frame;
  }

  // The pixels that change when the widget (with what it holds) is hidden.
  Box Ink(OC_GUI_ROOT& root, OC_GUI_OBJECT& widget, const test_support::Frame& full) {
    widget.SetVisible(false);
    const test_support::Frame without = Draw(root);
    widget.SetVisible(true);
    Box box;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (Differ(full.At(x, y), without.At(x, y))) box.Add(x, y);
      }
    }
    return box;
  }

  std::unique_ptr<test_support::ShippedResources> shipped_;
};

TEST_F(GuiGalleryGlTest, EachSampleDrawsEveryWidgetInItsOwnBox) {
  int widgets = 0;
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.file);
    pugi::xml_document document;
    {
      OC_GUI_ROOT root;
      ASSERT_NO_FATAL_FAILURE(Read(root, document, sample));
      ASSERT_EQ(root.Widget().GetChildCount(), 1u);
      // What the game would show: progress part of the way.
      if (auto* bar = dynamic_cast<OC_GUI_PROGRESS_BAR*>(root.FindById(40))) bar->SetPercent(60.0f);
      if (auto* ring = dynamic_cast<OC_GUI_ANIMATION_BAR*>(root.FindById(41)))
        ring->SetPercent(70.0f);
      if (auto* bright = dynamic_cast<OC_GUI_SIMPLE_SLIDER*>(root.FindById(22)))
        bright->SetValue(0.6f);
      EXPECT_EQ(shipped_->textures.missing, std::vector<std::string>())
          << "no default texture shown";

      const test_support::Frame full = Draw(root, sample.picture);
      // Each visible widget's ink, checked against the box it claims; and
      // siblings apart.
      std::vector<OC_GUI_OBJECT*> parents = {&root.Widget()};
      while (!parents.empty()) {
        OC_GUI_OBJECT* parent = parents.back();
        parents.pop_back();
        std::vector<std::pair<Box, int32_t>> siblings;
        for (size_t i = 0; i < parent->GetChildCount(); ++i) {
          OC_GUI_OBJECT* widget = parent->GetChild(i);
          if (!widget->IsVisible()) continue;
          ++widgets;
          const Box ink = Ink(root, *widget, full);
          const Box claimed = Claimed(*widget, 3);
          EXPECT_GT(ink.count, 0) << "widget " << widget->GetId() << " leaves ink";
          EXPECT_TRUE(ink.Inside(claimed))
              << "widget " << widget->GetId() << ": ink " << ink << ", claimed " << claimed;
          for (const auto& [other, id] : siblings) {
            EXPECT_FALSE(ink.Meets(other)) << "widgets " << id << " and " << widget->GetId();
          }
          siblings.emplace_back(ink, widget->GetId());
          parents.push_back(widget);
        }
      }
      root.ReleaseResources();
    }
    shipped_->ExpectNothingHeld();
  }
  EXPECT_GE(widgets, 35);
}

TEST_F(GuiGalleryGlTest, APlayerClicksTicksTypesAndDrags) {
  InputState input;
  auto pump = [&](test_support::GuiFrames& frames) {
    window_->PumpMessages(input);
    frames.Run();
    input.Update();
  };
  auto click = [&](test_support::GuiFrames& frames, int x, int y) {
    ASSERT_TRUE(platform::InjectMouseMove(x, y));
    pump(frames);
    ASSERT_TRUE(platform::InjectMouseButton(1, true, x, y));
    pump(frames);
    ASSERT_TRUE(platform::InjectMouseButton(1, false, x, y));
    pump(frames);
  };
  window_->PumpMessages(input);  // whatever the driver queued on creation
  input.Update();

  // The dialog's "Start over" button: the click answers 8 with its id.
  {
    pugi::xml_document document;
    OC_GUI_ROOT root;
    ASSERT_NO_FATAL_FAILURE(Read(root, document, kSamples[0]));
    test_support::GuiFrames frames(root);
    click(frames, 512 - 110, 384 + 95);
    EXPECT_EQ(frames.up, (std::vector<int32_t>{kGuiEventClicked}));
    EXPECT_EQ(frames.Last().id, 10);
    root.ReleaseResources();
  }

  // The settings card.
  pugi::xml_document document;
  {
    OC_GUI_ROOT root;
    ASSERT_NO_FATAL_FAILURE(Read(root, document, kSamples[1]));
    test_support::GuiFrames frames(root);
    auto* box = dynamic_cast<OC_GUI_CHECKBOX5*>(root.FindById(23));
    auto* line = dynamic_cast<OC_GUI_LINEBOX*>(root.FindById(25));
    auto* slider = dynamic_cast<OC_GUI_SLIDER13*>(root.FindById(20));
    ASSERT_TRUE(box != nullptr && line != nullptr && slider != nullptr);

    click(frames, 512 + 225, 384 + 48);
    EXPECT_TRUE(box->IsChecked()) << "the box ticks";

    // Typed at the end of the name.
    const Box area{.left = 512 + 65 - 170,
                   .top = 384 + 158 - 20,
                   .right = 512 + 65 + 170,
                   .bottom = 384 + 158 + 20};
    auto ink_in_field = [&](const test_support::Frame& frame) {
      int ink = 0;
      for (int y = area.top; y <= area.bottom; ++y) {
        for (int x = area.left; x <= area.right; ++x) {
          if ((frame.At(x, y) & 0xFFu) < 0x80u) ++ink;  // dark text
        }
      }
      return ink;
    };
    const int before = ink_in_field(Draw(root));
    click(frames, 512 + 65, 384 + 158);
    ASSERT_TRUE(line->IsFocused());
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(platform::InjectKey(SDLK_RIGHT, true));
      ASSERT_TRUE(platform::InjectKey(SDLK_RIGHT, false));
      pump(frames);
    }
    for (const char* typed : {"s", "!"}) {
      ASSERT_TRUE(platform::InjectKey(typed[0], true));
      ASSERT_TRUE(platform::InjectText(typed));
      ASSERT_TRUE(platform::InjectKey(typed[0], false));
      pump(frames);
    }
    EXPECT_EQ(line->GetText(), L"Zo\u00EBs!");
    const int after = ink_in_field(Draw(root, "gui_gallery_played.png"));
    EXPECT_GT(after, before + 20) << "the typed letters show";

    // The runner dragged 100 pixels toward the start.
    const float value = slider->GetValue();
    const Vector3 at = slider->GetTransform().GetWorld().position;
    const int runner_x = static_cast<int>(at.x + slider->GetRunner().x);
    const int runner_y = static_cast<int>(at.y + slider->GetRunner().y);
    ASSERT_TRUE(platform::InjectMouseMove(runner_x, runner_y));
    pump(frames);
    ASSERT_TRUE(platform::InjectMouseButton(1, true, runner_x, runner_y));
    pump(frames);
    for (int step = 1; step <= 5; ++step) {
      ASSERT_TRUE(platform::InjectMouseMove(runner_x - 20 * step, runner_y));
      pump(frames);
    }
    ASSERT_TRUE(platform::InjectMouseButton(1, false, runner_x - 100, runner_y));
    pump(frames);
    EXPECT_LT(slider->GetValue(), value - 20.0f);
    EXPECT_FALSE(slider->IsHeld());
    root.ReleaseResources();
  }
  shipped_->ExpectNothingHeld();
}

}  // namespace
}  // namespace ORB
