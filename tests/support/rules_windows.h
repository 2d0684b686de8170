#pragma once
// The windows a level's rules open, for tests: the four loss dialogues
// (confirm windows a test answers as a click on their widgets would),
// "Fade_Transition", "GP_Finish" (which keeps the results it is shown) and
// "Shop", registered with a window manager of their own. A name listed in
// `leave_out` is not registered, for the tests of a missing window.
//
//   test_support::RulesWindows windows;
//   host.windows = &windows.Manager();
//   ... the level is lost, frames run ...
//   ASSERT_TRUE(windows.IsOpen("Confirm_Restart_Finish"));
//   windows.Dialog("Confirm_Restart_Finish")->Click(3);   // yes
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/window.h"
#include "framework/window_confirm.h"
#include "framework/window_manager.h"
#include "game/play/level_result.h"
#include "window_kit.h"

namespace test_support {

class AnswerableConfirm : public ORB_GF::G_WINDOW_CONFIRM {
 public:
  using G_WINDOW_CONFIRM::G_WINDOW_CONFIRM;
  // What a click on widget 3 (yes), 4 (no) or 5 (the third answer) does.
  void Click(int32_t id) { OnGuiEvent(id); }
};

class ResultsWindow : public ORB_GF::G_WINDOW, public game::cFinishResults {
 public:
  using G_WINDOW::G_WINDOW;
  void ShowResults(const game::LevelResult& result) override { results.push_back(result); }

  std::vector<game::LevelResult> results;
  int opened = 0;                       // times it has finished opening
  std::function<void()> on_open_begin;  // runs as each opening begins

 protected:
  void OnOpenBegin() override {
    if (on_open_begin) on_open_begin();
  }
  void OnOpened() override { ++opened; }
  void OnGuiEvent(int32_t /*id*/) override {}
};

class RulesWindows {
 public:
  static constexpr const char* kDialogs[] = {"Confirm_SecondChance", "Confirm_SecondChanceBuy",
                                             "Confirm_Restart_Finish", "Confirm_NoHealth"};

  explicit RulesWindows(const std::set<std::string>& leave_out = {})
      : manager_([](const pugi::xml_node&) -> ORB_GF::G_WINDOW* { return nullptr; }) {
    for (const char* name : kDialogs) {
      if (leave_out.count(name) > 0) continue;
      manager_.AddWindow(MakeWindow<AnswerableConfirm>(
          std::string("<window _name=\"") + name +
          "\" _type=\"G_WINDOW_CONFIRM\" _timeShow=\"0.2\" _timeHide=\"0.2\" _modal=\"1\" "
          "layer=\"20\"/>"));
    }
    if (leave_out.count("Fade_Transition") == 0) {
      manager_.AddWindow(MakeWindow<StubWindow>(
          "<window _name=\"Fade_Transition\" _typeOpen=\"SH_FADE\" _typeClose=\"SH_FADE\" "
          "_timeShow=\"0.3\" _timeHide=\"0.3\" _modal=\"1\" layer=\"100\"/>"));
    }
    if (leave_out.count("GP_Finish") == 0) {
      manager_.AddWindow(MakeWindow<ResultsWindow>(
          "<window _name=\"GP_Finish\" _timeShow=\"0.4\" _timeHide=\"0.3\" _modal=\"1\" "
          "layer=\"10\"/>"));
    }
    if (leave_out.count("Shop") == 0) {
      manager_.AddWindow(MakeWindow<StubWindow>("<window _name=\"Shop\" _modal=\"1\"/>"));
    }
  }

  ORB_GF::G_WINDOW_MANAGER& Manager() { return manager_; }
  AnswerableConfirm* Dialog(const std::string& name) {
    return dynamic_cast<AnswerableConfirm*>(manager_.FindWindow(name));
  }
  ResultsWindow* Finish() { return dynamic_cast<ResultsWindow*>(manager_.FindWindow("GP_Finish")); }
  bool IsOpen(const std::string& name) const { return manager_.IsOpen(name); }
  // The open windows' names, front first.
  std::vector<std::string> OpenNames() const {
    std::vector<std::string> names;
    for (const ORB_GF::G_WINDOW* window : manager_.OpenWindows())
      names.push_back(window->GetName());
    return names;
  }

 private:
  ORB_GF::G_WINDOW_MANAGER manager_;
};

}  // namespace test_support
