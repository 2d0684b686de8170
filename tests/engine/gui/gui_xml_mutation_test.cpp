// The sample GUI descriptions damaged at random (a fixed seed, a bounded
// number of mutants): values swapped for hostile ones, attributes dropped,
// elements renamed, copied into themselves or nested deep, bytes cut and
// flipped. Each mutant that still parses is loaded against the real
// repository on the recording device, driven by a pointer and keys, drawn,
// released and deleted: nothing may crash or read out of bounds (the test
// also runs under the address and undefined-behaviour sanitizers), and every
// texture and description taken must be given back.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/foundation/timer.h"
#include "engine/gui/gui_root.h"
#include "engine/gui/gui_xml_loader.h"
#include "engine/platform/key_codes.h"
#include "support/gui_frames.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"
#include "support/scripted_input.h"
#include "support/shipped_resources.h"
#include "support/source_path.h"

namespace ORB {
namespace {

constexpr int kMutantsPerSample = 150;
constexpr const char* kSamples[] = {"dialog.xml", "settings.xml", "list.xml"};

// Values that have broken readers before: empty, signs, huge and tiny
// numbers, words where numbers go, too few or too many numbers, names that
// are almost right.
constexpr const char* kHostile[] = {
    "",
    " ",
    "-1",
    "0",
    "1",
    "2147483647",
    "2147483648",
    "-2147483648",
    "99999999999999999999",
    "4294967295",
    "nan",
    "inf",
    "-inf",
    "1e39",
    "-1e39",
    "0x7fffffff",
    "abc",
    "1 2",
    "1 2 3",
    "1 2 3 4 5 6 7 8 9 10 11 12 13",
    "255 255 255",
    "HS_MDI",
    "hs_ul",
    "RIGHT",
    "VALUE_CHANGED",
    "data/share/image/gui missing.png",
    "data/share/font missing.xml",
    "\xC3",
    "\xFF\xFE",
};
constexpr const char* kElements[] = {
    "LABEL",    "WLABEL",       "IMAGE",   "BUTTON5", "BUTTON2",      "PANEL",         "PANEL9",
    "CHECKBOX", "CHECKBOX_IOS", "LINEBOX", "LISTBOX", "PROGRESS_BAR", "ANIMATION_BAR", "SLIDER12",
    "SLIDER13", "SIMPLESLIDER", "CONTEXT", "SCRIPTS", "TRANSFORM",
};

template <typename T, size_t N>
int Count(const T (&)[N]) {
  return static_cast<int>(N);
}

class Mutator {
 public:
  explicit Mutator(uint32_t seed) : random_(seed) {}

  // The sample's text after one to four mutations.
  std::string Mutate(const std::string& original) {
    pugi::xml_document document;
    if (!document.load_string(original.c_str())) return original;
    const int count = Pick(4) + 1;
    std::string text;
    for (int i = 0; i < count; ++i) {
      if (Pick(5) == 0) {
        text = Write(document);
        MutateBytes(text);
        if (!document.load_string(text.c_str())) return text;
      } else {
        MutateTree(document);
      }
    }
    return Write(document);
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }

  static std::string Write(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "", pugi::format_raw);
    return out.str();
  }

  static void Collect(pugi::xml_node node, std::vector<pugi::xml_node>& elements) {
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      elements.push_back(child);
      Collect(child, elements);
    }
  }

  void MutateTree(pugi::xml_document& document) {
    std::vector<pugi::xml_node> elements;
    Collect(document, elements);
    if (elements.size() < 2) return;
    pugi::xml_node element = elements[1 + Pick(static_cast<int>(elements.size()) - 1)];
    std::vector<pugi::xml_attribute> attributes;
    for (pugi::xml_attribute a : element.attributes()) attributes.push_back(a);
    switch (Pick(7)) {
      case 0:  // a hostile value
      case 1:
        if (!attributes.empty()) {
          attributes[Pick(static_cast<int>(attributes.size()))].set_value(
              kHostile[Pick(Count(kHostile))]);
        } else {
          element.text().set(kHostile[Pick(Count(kHostile))]);
        }
        break;
      case 2:  // a value dropped
        if (!attributes.empty())
          element.remove_attribute(attributes[Pick(static_cast<int>(attributes.size()))]);
        break;
      case 3:  // another element's name
        element.set_name(kElements[Pick(Count(kElements))]);
        break;
      case 4: {  // copies of itself nested in its CONTEXT, a few levels deep
        pugi::xml_document original;
        original.append_copy(element);
        pugi::xml_node inner = element;
        for (int depth = Pick(24) + 1; depth > 0; --depth) {
          pugi::xml_node context = inner.child("CONTEXT");
          if (!context) context = inner.append_child("CONTEXT");
          inner = context.append_copy(original.first_child());
        }
        break;
      }
      case 5:  // removed
        element.parent().remove_child(element);
        break;
      default:  // a copy beside it
        element.parent().insert_copy_after(element, element);
        break;
    }
  }

  void MutateBytes(std::string& text) {
    if (text.empty()) return;
    const size_t at = static_cast<size_t>(Pick(static_cast<int>(text.size())));
    switch (Pick(3)) {
      case 0: text.erase(at, static_cast<size_t>(Pick(16) + 1)); break;
      case 1: text[at] = static_cast<char>(Pick(256)); break;
      default: text.insert(at, kHostile[Pick(Count(kHostile))]); break;
    }
  }

  std::mt19937 random_;
};

class GuiXmlMutationTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    shipped_ = std::make_unique<test_support::ShippedResources>(
        *renderer_, std::initializer_list<const char*>{"data/share/image/gui",
                                                       "data/share/image/shop", "data/share/font"});
    FrameDelta().store(1.0f / 60.0f);
  }
  void TearDown() override {
    shipped_.reset();
    FrameDelta().store(0.0f);
  }

  std::unique_ptr<test_support::ShippedResources> shipped_;
};

TEST_F(GuiXmlMutationTest, DamagedSamplesBuildLessButNeverBreak) {
  const test_support::LogCapture quiet;  // the readers say what they skip
  Mutator mutator(20240611u);
  int parsed = 0;
  int widgets = 0;
  for (const char* file : kSamples) {
    pugi::xml_document original_document;
    ASSERT_TRUE(
        original_document.load_file(test_support::TestData(std::string("gui/") + file).c_str()));
    std::ostringstream original;
    original_document.save(original, "", pugi::format_raw);
    for (int i = 0; i < kMutantsPerSample; ++i) {
      const std::string text = mutator.Mutate(original.str());
      pugi::xml_document document;
      if (!document.load_string(text.c_str())) continue;
      ++parsed;
      {
        OC_GUI_ROOT root;
        LoadGuiXml(root, document, "Dialog");
        root.LoadResources();
        widgets += static_cast<int>(root.Widget().GetChildCount());
        test_support::GuiFrames frames(root);
        test_support::ScriptedInput input([&] { frames.Run(); });
        // Over the middle of the screen, where the samples stand.
        input.Drag(402, 479, 300, 400, 3);
        input.Click(737, 432);
        input.Click(577, 542);
        input.Type(platform::kKeyA, L'a');
        input.Key(platform::kKeyBackspace);
        input.Key(platform::kKeyDown);
        input.Drag(646, 276, 500, 276, 4);
        ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
        root.Draw();
        renderer_->EndFrame();
        root.ReleaseResources();
        root.LoadResources();
      }
      ASSERT_EQ(shipped_->textures.Out(), 0) << text;
      ASSERT_EQ(test_support::RecordsInUse(shipped_->repository), std::vector<std::string>())
          << text;
    }
  }
  EXPECT_GT(parsed, kMutantsPerSample) << "most mutants still parse";
  EXPECT_GT(widgets, 0);
}

}  // namespace
}  // namespace ORB
