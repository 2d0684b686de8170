#pragma once
// The whole game through its entry (GameMain), in the test's process: the
// engine's service with its frame loop on the manual clock, the game's hooks
// and the game on a copy of the hub's resources folder (tests/data/game_hub,
// hub_files.h) with the shipped loading screen, the shipped fade window and
// a stand-in "GP_Menu" added (or on a copy of the shipped data), a temporary
// home, and every message box and log line captured.
//
//   TEST_F(GameDriverTest, ...) {
//     const int32_t result = Run([&](int32_t frame) {   // after each frame drawn
//       if (GetGameState() == GameState::kPlaying) Close();
//     });
//     EXPECT_EQ(result, ORB::kExitNormal);
//   }
//
// By default the window and the drawing device are fakes (the window takes
// events from Queue); a fixture made with `real_display` opens the system's
// window on SDL's offscreen driver and draws with OpenGL (for _gl_test
// files, which run there), or, with `UseRecordingDevice`, draws on the
// recording device (SDL's dummy driver serves: no GL is loaded). The system's
// window takes events from the SDL event injector.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/platform/clock.h"
#include "engine/platform/fake_display.h"
#include "engine/platform/fake_gpu_device.h"
#include "engine/platform/message_box.h"
#include "engine/platform/platform_event.h"
#include "engine/platform/sdl_event_injector.h"
#include "game/instruments/driver_instruments.h"
#include "game/shell/startup/game_main.h"
#include "game_shell_fixture.h"
#include "hub_files.h"
#include "support/log_capture.h"
#include "support/source_path.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"

namespace game {

class GameDriverTest : public ::testing::Test {
 protected:
  using Event = ORB::platform::PlatformEvent;
  using FrameStep = std::function<void(int32_t frame)>;

  // Which data the game runs on: the hub's test folder with the additions
  // above, or a copy of the shipped data as it is.
  enum class Data { kHubFixture, kShipped };

  explicit GameDriverTest(bool real_display = false, Data data = Data::kHubFixture)
      : real_display_(real_display), data_(data) {}

  void SetUp() override {
    ASSERT_FALSE(base_.Path().empty());
    if (data_ == Data::kShipped) {
      std::filesystem::copy(test_support::SourcePath("Resources"), base_.File("Resources"),
                            std::filesystem::copy_options::recursive);
      return;
    }
    CopyHubResources(base_.Path());
    // The shipped loading screen and fade, and their pictures.
    for (const char* file :
         {"data/share/main/other/screen_loading.xml", "data/share/main/windows/Fade_Transition.xml",
          "data/share/image/gui/backdrop.png"}) {
      CopyShipped(file);
    }
    std::filesystem::copy(test_support::SourcePath("Resources/data/share/image/loading"),
                          Resource("data/share/image/loading"));
    WriteResource("data/share/main/windows/GP_Menu.xml",
                  "<window _name=\"GP_Menu\" _type=\"G_WINDOW_SIMPLE\" _typeOpen=\"SH_MOMENTAL\" "
                  "_typeClose=\"SH_MOMENTAL\" _modal=\"1\" layer=\"50\"><GUI/></window>");
    EditResource("data/share/main/other/scenes.xml", [](pugi::xml_document& scenes) {
      for (const char* window : {"Fade_Transition", "GP_Menu"}) {
        scenes.document_element().append_child("scene").append_attribute("file") =
            (std::string("data/share/main/windows ") + window + ".xml").c_str();
      }
    });
    EditResource("data/share/main/other/resource_list.xml", [](pugi::xml_document& list) {
      list.document_element().append_child("folder").append_attribute("value") =
          "data/share/image/loading";
    });
  }

  void TearDown() override {
    ORB::ClearAllHooks();
    SetShellOpener({});
    ORB::OC_GAME_SERVICE_ONE& service = ORB::OC_GAME_SERVICE_ONE::Get();
    service.SetDisplayMaker({});
    service.SetDeviceMaker({});
    service.SetFileSystem(nullptr);
    SetFrameScript({});
  }

  // --- The resources folder, before Run.
  std::string Resource(const std::string& name) const { return base_.File("Resources/" + name); }
  void WriteResource(const std::string& name, const std::string& text) const {
    base_.Write("Resources/" + name, text);
  }
  void RemoveResource(const std::string& name) const {
    std::filesystem::remove_all(Resource(name));
  }
  void CopyShipped(const std::string& name) const {
    std::filesystem::create_directories(std::filesystem::path(Resource(name)).parent_path());
    std::filesystem::copy_file(test_support::SourcePath("Resources/" + name), Resource(name),
                               std::filesystem::copy_options::overwrite_existing);
  }
  template <typename Edit>
  void EditResource(const std::string& name, Edit&& edit) const {
    EditXmlFile(Resource(name), std::forward<Edit>(edit));
  }
  // The edition's child of that name gets the attribute's value; null
  // removes the child.
  void SetEdition(const char* child, const char* attribute, const char* value) {
    EditResource("data/share/main/other/editions.xml", [&](pugi::xml_document& editions) {
      pugi::xml_node edition = editions.document_element().child("edition");
      if (value == nullptr) {
        edition.remove_child(child);
      } else {
        edition.child(child).attribute(attribute).set_value(value);
      }
    });
  }

  // A button in the shipped look on the fixture's title, at a position from
  // the title's centre ("x y").
  void AddTitleButton(int32_t id, const char* position) {
    CopyShipped("data/share/image/gui/button_wide.png");
    EditResource("data/share/main/windows/Title.xml", [&](pugi::xml_document& title) {
      pugi::xml_node button = title.document_element().child("GUI").append_child("BUTTON5");
      button.append_attribute("ID") = id;
      button.append_attribute("TEXTURE") = "data/share/image/gui button_wide.png";
      button.append_child("POSITION").text() = position;
    });
  }

  // The save folder the data's "game.xml" gives under the home.
  std::string SaveFolder() const {
    return home_.AppData() + (data_ == Data::kShipped ? "/Vorlane" : "/Fixture Works") +
           "/HarvelstonePyndlex/";
  }
  // The folder holding Resources/ (the program's base folder).
  std::string BaseFolder() const { return base_.PathWithSlash(); }

  // --- The run.
  // GameMain with the fixture's window, device, resources and clock;
  // `each_frame` runs after every frame the game drew.
  int32_t Run(FrameStep each_frame = {}) {
    frames_ = 0;
    messages_.clear();
    files_ = std::make_unique<ORB::FileSystem>(base_.Path());
    ORB::OC_GAME_SERVICE_ONE& service = ORB::OC_GAME_SERVICE_ONE::Get();
    service.SetFileSystem(files_.get());
    if (real_display_) {
      service.SetDisplayMaker({});
      if (recording_device_) {
        service.SetDeviceMaker([] { return std::make_unique<ORB::platform::FakeGpuDevice>(); });
      } else {
        service.SetDeviceMaker({});
      }
    } else {
      service.SetDisplayMaker([this] {
        auto display = std::make_unique<ORB::platform::FakeDisplay>();
        display_ = display.get();
        return display;
      });
      service.SetDeviceMaker([] { return std::make_unique<ORB::platform::FakeGpuDevice>(); });
    }
    ORB::platform::SetMessageSink([this](const std::string& caption, const std::string& text) {
      messages_.emplace_back(caption, text);
    });
    ORB::platform::SetClock(&clock_);
    // The game's own render hook is wrapped once the loop starts.
    ORB::SetHook(ORB::Hook::Start, [this, each_frame](intptr_t) {
      const ORB::Callback* game = ORB::GetHook(ORB::Hook::Render);
      ORB::CallbackFunction draw = game != nullptr ? game->function : ORB::CallbackFunction();
      ORB::SetHook(ORB::Hook::Render, [this, draw, each_frame](intptr_t argument) {
        const int32_t result = draw ? draw(argument) : ORB::kResultOk;
        ++frames_;
        if (each_frame) each_frame(frames_);
        // A run that goes wrong still ends.
        if (frames_ >= max_frames_) Close();
        return result;
      });
      return ORB::kResultOk;
    });
    const int32_t result = GameMain(0);
    ORB::platform::SetClock(nullptr);
    ORB::platform::SetMessageSink(nullptr);
    ORB::ClearHook(ORB::Hook::Start);
    display_ = nullptr;
    return result;
  }

  // The window's close button.
  void Close() {
    if (display_ != nullptr) {
      Queue(Event{Event::Kind::CloseRequested});
    } else {
      ORB::platform::InjectQuit();
    }
  }
  // An event of the fake window, read at the next update.
  void Queue(const Event& event) {
    ASSERT_NE(display_, nullptr) << "events are queued on the fake window only";
    display_->Queue(event);
  }
  void QueueKey(int32_t code) {
    Event event{Event::Kind::KeyDown};
    event.code = code;
    Queue(event);
    event.kind = Event::Kind::KeyUp;
    Queue(event);
  }

  // A click of the left button at a point of the window.
  void QueueClick(int32_t x, int32_t y) {
    Event event{Event::Kind::ButtonDown};
    event.code = 1;
    event.x = x;
    event.y = y;
    Queue(event);
    event.kind = Event::Kind::ButtonUp;
    Queue(event);
  }

  // Milliseconds of the manual clock.
  uint32_t NowMs() { return clock_.NowMs(); }

  // The system's window draws on the recording device (before Run).
  void UseRecordingDevice() { recording_device_ = true; }

  static constexpr int32_t kMaxFrames = 2000;
  // The frame after which a run is closed.
  int32_t max_frames_ = kMaxFrames;

  const bool real_display_;
  const Data data_;
  bool recording_device_ = false;
  test_support::TempHome home_;
  test_support::TempFolder base_;
  test_support::LogCapture log_;
  std::unique_ptr<ORB::FileSystem> files_;
  ORB::platform::ManualClock clock_;
  ORB::platform::FakeDisplay* display_ = nullptr;  // the service's window's, while it runs
  int32_t frames_ = 0;
  std::vector<std::pair<std::string, std::string>> messages_;
};

}  // namespace game
