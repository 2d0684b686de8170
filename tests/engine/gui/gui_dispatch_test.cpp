// The widget tree's input passes over stub widgets that answer chosen codes:
// who is asked, in which order, who answers, where the focus goes, what the
// root remembers, and scripts that change the tree while a pass runs.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/callback.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/result_codes.h"
#include "engine/gui/gui_layout.h"
#include "engine/gui/gui_object.h"
#include "engine/gui/gui_root.h"

namespace ORB {
namespace {

using Log = std::vector<int32_t>;

// Answers `code` in every pass (0: nothing) after noting its id in the log;
// `then` runs in the handler, as a widget's script would.
class Stub : public OC_GUI_OBJECT {
 public:
  Stub(int32_t id, Log* log, int32_t code = kGuiEventNone)
      : OC_GUI_OBJECT(id), log_(log), code_(code) {}

  GuiEvent* Process() override { return Respond(); }
  GuiEvent* OnMouseUp() override { return Respond(); }
  GuiEvent* OnMouseDown() override { return Respond(); }
  GuiEvent* OnMouseMove() override { return Respond(); }

  void SetCode(int32_t code) { code_ = code; }
  std::function<void()> then;

 private:
  GuiEvent* Respond() {
    log_->push_back(GetId());
    if (then) then();
    RunScript(GuiScript::kDown);
    return Answer(code_);
  }

  Log* log_;
  int32_t code_;
};

// root: 1 (11, 12 (121, 122)), 2
class GuiDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w1_ = root_->Add(std::make_unique<Stub>(1, &log_));
    w11_ = w1_->AddChild(std::make_unique<Stub>(11, &log_));
    w12_ = w1_->AddChild(std::make_unique<Stub>(12, &log_));
    w121_ = w12_->AddChild(std::make_unique<Stub>(121, &log_));
    w122_ = w12_->AddChild(std::make_unique<Stub>(122, &log_));
    w2_ = root_->Add(std::make_unique<Stub>(2, &log_));
  }
  Stub* Get(int32_t id) { return static_cast<Stub*>(root_->FindById(id)); }
  // Runs the pass; the ids asked, and the answer's id (0 for none).
  int32_t Run(GuiPass pass) {
    log_.clear();
    const GuiEvent* answer = root_->Dispatch(pass);
    return answer != nullptr ? answer->id : 0;
  }

  Log log_;
  std::unique_ptr<OC_GUI_ROOT> root_ = std::make_unique<OC_GUI_ROOT>();
  Stub* w1_ = nullptr;
  Stub* w11_ = nullptr;
  Stub* w12_ = nullptr;
  Stub* w121_ = nullptr;
  Stub* w122_ = nullptr;
  Stub* w2_ = nullptr;
};

TEST_F(GuiDispatchTest, ChildrenAreAskedFirstInOrderAndTheFirstAnswerEndsTheWalk) {
  struct Case {
    const char* name;
    std::map<int32_t, int32_t> codes;  // id -> code answered
    std::vector<int32_t> disabled;
    std::vector<int32_t> hidden;
    Log asked;
    int32_t answer;
  };
  const Case cases[] = {
      {"nothing answers", {}, {}, {}, {11, 121, 122, 12, 1, 2}, 0},
      {"deepest first", {{122, kGuiEventPressed}, {12, 7}}, {}, {}, {11, 121, 122}, 122},
      {"a parent answers after its children",
       {{12, kGuiEventEntered}},
       {},
       {},
       {11, 121, 122, 12},
       12},
      {"overlapping siblings: the first listed",
       {{1, 8}, {2, 8}},
       {},
       {},
       {11, 121, 122, 12, 1},
       1},
      {"a disabled subtree is not asked", {{121, 8}, {2, 8}}, {12}, {}, {11, 1, 2}, 2},
      {"a disabled leaf", {{121, 8}}, {121}, {}, {11, 122, 12, 1, 2}, 0},
      {"an invisible widget still answers", {{121, 8}}, {}, {12}, {11, 121}, 121},
  };
  for (const GuiPass pass :
       {GuiPass::kProcess, GuiPass::kMouseUp, GuiPass::kMouseDown, GuiPass::kMouseMove}) {
    for (const Case& c : cases) {
      for (const int32_t id : {1, 11, 12, 121, 122, 2}) {
        Get(id)->SetCode(c.codes.count(id) ? c.codes.at(id) : 0);
        Get(id)->SetEnabled(true);
        Get(id)->SetVisible(true);
      }
      for (const int32_t id : c.disabled) Get(id)->SetEnabled(false);
      for (const int32_t id : c.hidden) Get(id)->SetVisible(false);
      EXPECT_EQ(Run(pass), c.answer) << c.name;
      EXPECT_EQ(log_, c.asked) << c.name;
      EXPECT_EQ(root_->EventId(), c.answer) << c.name;
      EXPECT_EQ(root_->EventCode(), c.answer ? c.codes.at(c.answer) : 0) << c.name;
    }
  }
}

TEST_F(GuiDispatchTest, FocusGoesToTheAnsweringBranch) {
  struct Case {
    GuiPass pass;
    int32_t code;
    std::vector<int32_t> focused;  // after 122 answered, everything focused before
  };
  const Case cases[] = {
      // Mouse passes: every other branch loses the focus, later ones too.
      {GuiPass::kMouseDown, kGuiEventPressed, {1, 12, 122}},
      {GuiPass::kMouseUp, kGuiEventClicked, {1, 12, 122}},
      {GuiPass::kMouseMove, kGuiEventFocusReserved2, {1, 12, 122}},
      // The per-frame pass: only the branches listed before the answer.
      {GuiPass::kProcess, kGuiEventClicked, {1, 12, 122, 2}},
      {GuiPass::kProcess, kGuiEventFocusReserved11, {1, 12, 122, 2}},
      // Codes that do not move the focus.
      {GuiPass::kMouseDown, kGuiEventEntered, {1, 11, 12, 121, 122, 2}},
      {GuiPass::kMouseUp, kGuiEventValueChanged, {1, 11, 12, 121, 122, 2}},
  };
  for (const Case& c : cases) {
    root_->Widget().SetFocusTree(true);
    w122_->SetCode(c.code);
    ASSERT_EQ(Run(c.pass), 122);
    std::vector<int32_t> focused;
    for (const int32_t id : {1, 11, 12, 121, 122, 2}) {
      if (Get(id)->IsFocused()) focused.push_back(id);
    }
    EXPECT_EQ(focused, c.focused) << "pass " << static_cast<int>(c.pass) << " code " << c.code;
  }
  // The focus is taken by the answering branch from a tree that had none.
  root_->Widget().SetFocusTree(false);
  w122_->SetCode(kGuiEventClicked);
  Run(GuiPass::kMouseUp);
  EXPECT_TRUE(w1_->IsFocused());
  EXPECT_TRUE(w12_->IsFocused());
  EXPECT_FALSE(w122_->IsFocused()) << "the answer's own focus is its handler's";
}

// Counts what the draw and resource passes ask of it.
class Counted : public OC_GUI_OBJECT {
 public:
  explicit Counted(int32_t id) : OC_GUI_OBJECT(id) {}
  void Draw() override { ++draws; }
  void LoadResources() override { ++loads; }
  void ReleaseResources() override { ++releases; }
  int draws = 0, loads = 0, releases = 0;
};

TEST(GuiPasses, DrawingFollowsVisibilityAndResourcesReachEveryWidget) {
  OC_GUI_ROOT root;
  auto* disabled = root.Add(std::make_unique<Counted>(1));
  auto* inside_disabled = disabled->AddChild(std::make_unique<Counted>(2));
  auto* hidden = root.Add(std::make_unique<Counted>(3));
  auto* inside_hidden = hidden->AddChild(std::make_unique<Counted>(4));
  disabled->SetEnabled(false);
  hidden->SetVisible(false);
  root.Draw();
  root.LoadResources();
  root.ReleaseResources();
  EXPECT_EQ(disabled->draws, 1) << "a disabled widget is drawn";
  EXPECT_EQ(inside_disabled->draws, 1);
  EXPECT_EQ(hidden->draws, 0) << "an invisible widget hides its subtree";
  EXPECT_EQ(inside_hidden->draws, 0);
  for (const Counted* w : {disabled, inside_disabled, hidden, inside_hidden}) {
    EXPECT_EQ(w->loads, 1);
    EXPECT_EQ(w->releases, 1);
  }
  root.SetVisible(false);
  root.Draw();
  EXPECT_EQ(disabled->draws, 1) << "the root widget hides the whole tree";
  root.Move(3.0f, 4.0f);
  root.Move(1.0f, 1.0f);
  EXPECT_EQ(root.GetPosition().x, 4.0f);
  EXPECT_EQ(root.GetPosition().y, 5.0f);
  EXPECT_EQ(inside_hidden->GetTransform().GetWorld().position.y, 5.0f) << "the tree moves with it";
}

TEST_F(GuiDispatchTest, FindByIdSearchesPreOrderBelowTheWidget) {
  EXPECT_EQ(root_->FindById(0), nullptr) << "never the root widget itself";
  OC_GUI_OBJECT* zero = w12_->AddChild(std::make_unique<Stub>(0, &log_));
  EXPECT_EQ(root_->FindById(0), zero);
  // A widget is found before its descendants, and earlier branches first.
  w11_->AddChild(std::make_unique<Stub>(2, &log_));
  EXPECT_EQ(root_->FindById(2), w11_->GetChild(0));
  EXPECT_EQ(w12_->FindById(12), nullptr);
  EXPECT_EQ(w1_->FindById(122), w122_);
  EXPECT_EQ(root_->FindById(99), nullptr);
  w122_->SetCode(kGuiEventPressed);
  Run(GuiPass::kMouseDown);
  EXPECT_EQ(root_->Widget().GetEventById(122), kGuiEventPressed);
  EXPECT_EQ(root_->Widget().GetEventById(99), 0);
}

TEST_F(GuiDispatchTest, TheLastEventIsForgottenWhenTheTreeChanges) {
  const auto answer_by = [&](Stub* w) {
    w->SetCode(kGuiEventClicked);
    Run(GuiPass::kMouseUp);
    w->SetCode(0);
    ASSERT_EQ(root_->EventId(), w->GetId());
  };
  EXPECT_EQ(OC_GUI_ROOT().EventCode(), 0) << "a fresh root";

  answer_by(w122_);
  EXPECT_FALSE(root_->Remove(nullptr));
  EXPECT_EQ(root_->EventId(), 122) << "nothing removed, nothing forgotten";
  EXPECT_TRUE(root_->Remove(w122_));
  EXPECT_EQ(root_->EventId(), 0);
  EXPECT_EQ(root_->EventCode(), 0);
  EXPECT_EQ(root_->LastEvent(), nullptr);

  answer_by(w121_);
  EXPECT_TRUE(root_->RemoveById(11));
  EXPECT_EQ(root_->EventId(), 0);

  answer_by(w121_);
  EXPECT_TRUE(w1_->RemoveChild(w121_)) << "a removal made on a widget of the tree";
  EXPECT_EQ(root_->EventCode(), 0);

  answer_by(w2_);
  Run(GuiPass::kMouseUp);
  EXPECT_EQ(root_->EventCode(), 0) << "a pass in which nothing happened";

  answer_by(w2_);
  root_->Clear();
  EXPECT_EQ(root_->EventId(), 0);
  EXPECT_EQ(root_->Widget().GetChildCount(), 0u);
}

TEST_F(GuiDispatchTest, BadTreeOperationsChangeNothing) {
  EXPECT_FALSE(root_->RemoveById(99));
  Stub loose(5, &log_);
  EXPECT_FALSE(root_->Remove(&loose));
  root_->Add(nullptr);
  w1_->InsertChild(nullptr, 0);
  // Already in the tree, or above the widget: refused.
  w2_->AddChild(w121_);
  w121_->AddChild(w1_);
  w121_->AddChild(&root_->Widget());
  EXPECT_EQ(w121_->GetParent(), w12_);
  EXPECT_EQ(w2_->GetChildCount(), 0u);
  EXPECT_EQ(w121_->GetChildCount(), 0u);
  // Positions past the end append, negative ones insert first.
  Stub* last = w12_->AddChild(std::make_unique<Stub>(7, &log_));
  w12_->InsertChild(new Stub(8, &log_), 99);
  w12_->InsertChild(new Stub(9, &log_), -3);
  EXPECT_EQ(w12_->IndexOf(last), 3);
  EXPECT_EQ(w12_->GetChild(4)->GetId(), 8);
  EXPECT_EQ(w12_->GetChild(0)->GetId(), 9);
  EXPECT_EQ(w12_->GetChild(5), nullptr);
  EXPECT_EQ(w121_->GetTransform().parent, &w12_->GetTransform());
}

TEST_F(GuiDispatchTest, ScriptsMayRemoveWidgetsWhileAPassRuns) {
  // The answering widget removes itself: its id and code still come back.
  w121_->SetCode(kGuiEventClicked);
  w121_->then = [&] { root_->Remove(w121_); };
  EXPECT_EQ(Run(GuiPass::kMouseUp), 121);
  EXPECT_EQ(root_->EventCode(), kGuiEventClicked);
  EXPECT_EQ(root_->FindById(121), nullptr);
  EXPECT_TRUE(w12_->IsFocused()) << "the branch took the focus all the same";

  // A widget answering nothing removes itself, the widget after it, or one
  // before it: the walk goes on with the widgets that remain.
  Stub* a = w11_->AddChild(std::make_unique<Stub>(30, &log_));
  Stub* b = w11_->AddChild(std::make_unique<Stub>(31, &log_));
  Stub* c = w11_->AddChild(std::make_unique<Stub>(32, &log_));
  a->then = [&] { w11_->RemoveChild(a); };
  Run(GuiPass::kProcess);
  EXPECT_EQ(log_, (Log{30, 31, 32, 11, 122, 12, 1, 2}));
  b->then = [&] { w11_->RemoveChild(c); };
  Run(GuiPass::kProcess);
  EXPECT_EQ(log_, (Log{31, 11, 122, 12, 1, 2}));
  b->then = nullptr;
  Stub* d = w11_->AddChild(std::make_unique<Stub>(33, &log_));
  d->then = [&] { root_->Remove(b); };
  Run(GuiPass::kProcess);
  EXPECT_EQ(log_, (Log{31, 33, 11, 122, 12, 1, 2}));
  d->then = nullptr;
  EXPECT_EQ(w11_->GetChildCount(), 1u);

  // A widget removes its own parent: the parent's remaining children are
  // not asked, the rest of the tree is.
  w122_->then = [&] { root_->Remove(w12_); };
  Run(GuiPass::kMouseMove);
  EXPECT_EQ(log_, (Log{33, 11, 122, 1, 2}));
  EXPECT_EQ(root_->FindById(12), nullptr);
}

TEST_F(GuiDispatchTest, ScriptsMayClearOrDeleteTheRootWhileAPassRuns) {
  w122_->SetCode(kGuiEventClicked);
  w122_->then = [&] { root_->Clear(); };
  EXPECT_EQ(Run(GuiPass::kMouseUp), 122);
  EXPECT_EQ(root_->Widget().GetChildCount(), 0u);
  // A pass into an empty tree.
  EXPECT_EQ(Run(GuiPass::kMouseUp), 0);

  // A button that closes its window deletes the root during the pass.
  Stub* w = root_->Add(std::make_unique<Stub>(5, &log_, kGuiEventClicked));
  w->then = [&] { root_.reset(); };
  OC_GUI_ROOT* raw = root_.get();
  EXPECT_EQ(raw->OnMouseUp(), nullptr);
  EXPECT_EQ(root_, nullptr);
}

TEST_F(GuiDispatchTest, ScriptsBelongToTheirWidget) {
  int freed = 0;
  struct Token {
    explicit Token(int* count) : freed(count) {}
    ~Token() { ++*freed; }
    int* freed;
  };
  const auto counting_script = [&](int* calls) {
    auto token = std::make_shared<Token>(&freed);
    return CreateCallback([token, calls](intptr_t) { return ++*calls; }, "script");
  };
  int first = 0;
  int second = 0;
  w121_->SetScript(GuiScript::kDown, counting_script(&first));
  Run(GuiPass::kMouseDown);
  EXPECT_EQ(first, 1);
  w121_->SetScript(GuiScript::kDown, counting_script(&second));
  EXPECT_EQ(freed, 1) << "a replaced script is freed";
  EXPECT_EQ(w121_->GetScript(GuiScript::kDown)->name, "script");
  EXPECT_EQ(w121_->GetScript(GuiScript::kUp), nullptr);

  // A script that replaces itself runs to its end.
  int replaced = 0;
  w11_->SetScript(GuiScript::kDown, CreateCallback([&](intptr_t) {
                    w11_->SetScript(GuiScript::kDown, nullptr);
                    return ++replaced;
                  }));
  Run(GuiPass::kMouseDown);
  Run(GuiPass::kMouseDown);
  EXPECT_EQ(replaced, 1);

  // The base widget and the layouts free theirs with the widget.
  OC_GUI_OBJECT* plain = root_->Add(std::make_unique<OC_GUI_OBJECT>(40));
  plain->SetScript(GuiScript::kEnter, counting_script(&first));
  auto* row = root_->Add(std::make_unique<OC_GUI_HBOX_LAYOUT>(41, 100.0f, 20.0f, true, 4));
  row->SetScript(GuiScript::kUp, counting_script(&first));
  root_.reset();
  EXPECT_EQ(freed, 4);
}

}  // namespace
}  // namespace ORB
