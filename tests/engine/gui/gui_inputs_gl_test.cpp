// The input widgets drawn with real OpenGL (SDL's offscreen driver) from the
// shipped pictures and font, read through the repository: a line box typed
// into (its caret showing), a list box with row 2 selected, a level and a
// turned 13-frame slider, a 12-frame slider and a simple slider at 0.4. The
// frame is written as gui_inputs.png beside the test program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/timer.h"
#include "engine/gui/gui_line_box.h"
#include "engine/gui/gui_list_box.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_simple_slider.h"
#include "engine/gui/gui_slider12.h"
#include "engine/gui/gui_slider13.h"
#include "engine/gui/gui_slider_pieces.h"
#include "engine/platform/key_codes.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "support/gui_frames.h"
#include "support/offscreen_gl.h"
#include "support/renderer_textures.h"
#include "support/scripted_input.h"
#include "support/source_path.h"

namespace ORB {
namespace {

constexpr const char* kFont = "data/share/font dejavu_sans_20.xml";
constexpr const char* kPage = "data/share/font dejavu_sans_20.png";
constexpr const char* kGui = "data/share/image/gui ";
constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kInk = 0xFF2E3440u;
constexpr float kTurn = 0.5235988f;  // 30 degrees

std::string Gui(const char* file) { return std::string(kGui) + file; }

int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }
bool Near(uint32_t argb, uint32_t want, int tolerance) {
  for (const int shift : {16, 8, 0}) {
    if (std::abs(Channel(argb, shift) - Channel(want, shift)) > tolerance) return false;
  }
  return true;
}
bool IsAccent(uint32_t argb) { return Near(argb, 0xFFEDAE49u, 24); }
bool IsInk(uint32_t argb) { return Near(argb, kInk, 60); }

class GuiInputsGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open("gui inputs")); }
};

TEST_F(GuiInputsGlTest, InputWidgetsFromTheShippedPictures) {
  renderer_->SetClearColour(Colour(kPaper));
  test_support::RendererTextures loader(*renderer_);
  FileSystem files(test_support::SourcePath(""));
  OC_REPOSITORY repository(files, &loader, nullptr);
  ASSERT_EQ(repository.AddFolder("data/share/font"), kResultOk);
  ASSERT_EQ(repository.AddFolder("data/share/image/gui"), kResultOk);
  RepositoryTextureProvider textures(repository);
  RepositoryDocumentProvider documents(repository);
  SetTextureProvider(&textures);
  SetDocumentProvider(&documents);
  FrameDelta().store(0.0f);  // the caret stays shown
  {
    OC_GUI_ROOT root;
    // A line box typed into.
    auto* box = root.Add(std::make_unique<OC_GUI_LINEBOX>(1, Gui("line_box.png"), kPage, kFont));
    box->SetPosition(260.0f, 90.0f, 0.0f);
    box->SetMargins(12.0f, 12.0f, 12.0f, 12.0f);
    box->SetColor(Colour(kInk));
    // A list of four rows, six to a panel, each on its row picture.
    auto* list = root.Add(std::make_unique<OC_GUI_LISTBOX>(
        2, Gui("list_box_highlight.png"), Gui("list_box_panel.png"), Gui("slider12.png"), kPage,
        kFont, 1.5f));
    list->SetPosition(260.0f, 330.0f, 0.0f);
    list->SetRowTexture(Gui("list_box_row.png"), 6);
    list->SetFontColor(Colour(kInk));
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"}) list->AddItemUtf8(name);
    // Sliders.
    auto* level = root.Add(std::make_unique<OC_GUI_SLIDER13>(
        3, Gui("slider13.png"), Vector2(560.0f, 90.0f), Vector2(960.0f, 90.0f), 20.0f, 1.5f, 0.0f,
        100.0f, 5.0f, 40.0f));
    const Vector2 turned_start(560.0f, 170.0f);
    const Vector2 turned_end = turned_start + Vector2(std::cos(kTurn), std::sin(kTurn)) * 360.0f;
    auto* turned = root.Add(std::make_unique<OC_GUI_SLIDER13>(
        4, Gui("slider13.png"), turned_start, turned_end, 20.0f, 1.5f, 0.0f, 100.0f, 5.0f, 60.0f));
    auto* twelve = root.Add(std::make_unique<OC_GUI_SLIDER12>(
        5, Gui("slider12.png"), Vector2(560.0f, 480.0f), Vector2(960.0f, 480.0f), 20.0f, 1.5f, 0.0f,
        100.0f, 5.0f, 30.0f));
    auto* simple = root.Add(std::make_unique<OC_GUI_SIMPLE_SLIDER>(
        6, Gui("simple_slider_track.png"), Gui("simple_slider_runner.png")));
    simple->SetPosition(760.0f, 580.0f, 0.0f);
    simple->SetValue(0.4f);
    root.LoadResources();
    ASSERT_NE(box->GetFont(), nullptr);
    ASSERT_NE(list->GetFont(), nullptr);
    ASSERT_TRUE(level->IsBuilt() && turned->IsBuilt() && twelve->IsBuilt() && simple->IsBuilt());

    // Typed and selected as a player does.
    {
      test_support::GuiFrames frames(root);
      test_support::ScriptedInput input([&] { frames.Run(); });
      input.Click(260, 330 - 108 + 2 * 36 + 18);  // row 2
      input.Click(260, 90);
      for (const wchar_t c : std::wstring(L"Nonogram \u00E9/")) input.TypeAlone(c);
    }
    ASSERT_EQ(box->GetText(), L"Nonogram \u00E9/");
    ASSERT_EQ(list->GetSelected(), 2);

    ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
    root.Draw();
    const test_support::Frame frame = Snapshot("gui_inputs.png");

    // The line: ink from half a cell inside the area's left edge (260 - 168
    // + 10 = 102), ending with the caret, all inside the area.
    int ink_left = kWidth;
    int ink_right = -1;
    for (int y = 78; y < 102; ++y) {
      for (int x = 80; x < 440; ++x) {
        if (!IsInk(frame.At(x, y))) continue;
        ink_left = std::min(ink_left, x);
        ink_right = std::max(ink_right, x);
      }
    }
    EXPECT_NEAR(ink_left, 102, 3);
    const int text_end = 102 + box->GetFont()->MeasureLine(box->GetText().c_str());
    EXPECT_NEAR(ink_right, text_end, 4) << "the caret after the last character";
    bool caret = false;  // the "|" glyph: 2 right of its pen, 3 wide
    for (int x = text_end - 1; x <= text_end + 3; ++x) caret = caret || IsInk(frame.At(x, 90));
    EXPECT_TRUE(caret) << "the caret stands across the line's middle";

    // The highlight: the rows of row 2 (panel top 222, rows 36 high) and no
    // other.
    int tint_top = kHeight;
    int tint_bottom = -1;
    for (int y = 222; y < 438; ++y) {
      if (Near(frame.At(150, y), 0xFFF9E4C1u, 10)) {
        tint_top = std::min(tint_top, y);
        tint_bottom = std::max(tint_bottom, y);
      }
    }
    EXPECT_NEAR((tint_top + tint_bottom) / 2.0, 222 + 2 * 36 + 18, 1.5);
    EXPECT_NEAR(tint_bottom - tint_top + 1, 30, 2) << "inside its border";

    // The sliders' travels: 400 less the pulled-in ends (16 each) less the
    // button distances (48 each); the turned one 360 long.
    EXPECT_NEAR(level->GetFillLength(), 0.4f * 272.0f, 0.5f);
    EXPECT_NEAR(turned->GetFillLength(), 0.6f * 232.0f, 0.5f);
    // Along the axis: the fill shows up to the runner's rim, the groove
    // beyond it.
    for (OC_GUI_SLIDER13* slider : {level, turned}) {
      SCOPED_TRACE(slider->GetId());
      const Vector2 start =
          slider->GetTransform().GetWorld().GetPositionV2() + slider->GetFillStart();
      const Vector2 d = slider->GetDirection();
      auto at = [&](float along) {
        const Vector2 p = start + d * along;
        return frame.At(static_cast<int32_t>(std::lround(p.x)),
                        static_cast<int32_t>(std::lround(p.y)));
      };
      const float fill = slider->GetFillLength();
      for (float along = 2.0f; along < fill - 14.0f; along += 1.0f) {
        EXPECT_TRUE(IsAccent(at(along))) << "along " << along;
      }
      EXPECT_TRUE(IsAccent(at(fill))) << "the runner";
      for (float along = fill + 14.0f; along < fill + 40.0f; along += 1.0f) {
        EXPECT_FALSE(IsAccent(at(along))) << "along " << along;
      }
    }

    // The 12-frame slider: the minus and plus signs at its ends.
    EXPECT_TRUE(IsInk(frame.At(560 + 16, 480)));
    EXPECT_TRUE(IsInk(frame.At(960 - 16, 480)));
    EXPECT_TRUE(IsInk(frame.At(960 - 16, 480 - 4))) << "the plus's upright";

    // The simple slider: filled from the bar's left end (640) to its runner
    // (at 760 - 108 + 0.4 x 216 = 738.4), empty beyond it.
    for (int x = 644; x < 724; ++x) EXPECT_TRUE(IsAccent(frame.At(x, 580))) << x;
    for (int x = 754; x < 874; ++x) EXPECT_FALSE(IsAccent(frame.At(x, 580))) << x;
    EXPECT_TRUE(IsAccent(frame.At(738, 580))) << "the runner";

    EXPECT_EQ(renderer_->EndFrame(), kResultNone);

    // The fills alone: from the start of the runner's travel to the runner's
    // centre, along the axis whatever its turn.
    ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
    for (OC_GUI_SLIDER13* slider : {level, turned})
      slider->GetPieces().Get(SliderPieces::kFill)->Draw();
    const test_support::Frame fills = Snapshot("gui_inputs_fills.png");
    for (OC_GUI_SLIDER13* slider : {level, turned}) {
      SCOPED_TRACE(slider->GetId());
      const Vector2 origin = slider->GetTransform().GetWorld().GetPositionV2();
      const Vector2 start = origin + slider->GetFillStart();
      const Vector2 runner = origin + slider->GetRunner();
      const Vector2 d = slider->GetDirection();
      float first = 1e9f;
      float last = -1e9f;
      int count = 0;
      for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
          if (!IsAccent(fills.At(x, y))) continue;
          const Vector2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
          const float across = std::fabs(Vector2::Dot(p - start, Vector2(-d.y, d.x)));
          if (across > 40.0f) continue;  // the other slider's
          EXPECT_LE(across, 3.0f);
          const float along = Vector2::Dot(p - start, d);
          first = std::min(first, along);
          last = std::max(last, along);
          ++count;
        }
      }
      EXPECT_GT(count, 100);
      EXPECT_NEAR(first, 0.0f, 1.5f) << "from the start of the travel";
      EXPECT_NEAR(last, Vector2::Dot(runner - start, d), 1.5f) << "to the runner's centre";
    }
    EXPECT_EQ(renderer_->EndFrame(), kResultNone);
    root.ReleaseResources();
  }
  SetTextureProvider(nullptr);
  SetDocumentProvider(nullptr);
}

}  // namespace
}  // namespace ORB
