#include "engine/foundation/loader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "engine/foundation/thread.h"

namespace ORB {
namespace {

class TestLoader : public OC_LOADER {
 public:
  using OC_LOADER::OC_LOADER;
  void Draw() override {}
  void Update() override {}
};

class RecordingLoader : public TestLoader {
 public:
  using TestLoader::TestLoader;
  std::vector<int32_t> seen;

 protected:
  void OnProgress(int32_t percent) override { seen.push_back(percent); }
};

TEST(LoaderTest, TaskTypesAndProgressSteps) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<tasks><t TYPE='Image' PATH='a'/><t TYPE='X' PATH='b'/><t TYPE='' PATH='c'/>"
      "<t PATH='d'/></tasks>"));
  TestLoader loader(document.child("tasks"));
  EXPECT_EQ(loader.TaskTotal(), 4);
  EXPECT_EQ(OC_LOADER::TypeCode("Sound"), 1);
  EXPECT_EQ(OC_LOADER::TypeCode("Music"), 2);
  EXPECT_EQ(OC_LOADER::TypeCode("Video"), 3);
  EXPECT_EQ(OC_LOADER::TypeCode("XML"), 4);
  EXPECT_EQ(OC_LOADER::TypeCode(""), 5);
  EXPECT_EQ(OC_LOADER::TypeCode("xml"), 5);

  EXPECT_EQ(loader.GetResult(), 0) << "no run yet";
  EXPECT_EQ(loader.RunDirect(), 1);
  EXPECT_EQ(loader.GetProgress(), 100);
  EXPECT_EQ(loader.PendingTasks(), 0u);
  EXPECT_EQ(OC_LOADER::RunTasks(nullptr), kResultBadArgument);
}

TEST(LoaderTest, FourTasksReportQuarters) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string("<l><a/><b/><c/><d/></l>"));
  RecordingLoader loader(document.child("l"));
  EXPECT_EQ(OC_LOADER::RunTasks(&loader), kResultOk);
  EXPECT_EQ(loader.seen, (std::vector<int32_t>{25, 50, 75, 100}));
  RecordingLoader empty(document.child("missing"));
  EXPECT_EQ(OC_LOADER::RunTasks(&empty), kResultOk);
  EXPECT_EQ(empty.GetProgress(), 0);
}

TEST(LoaderTest, DirectRunKeepsAFailure) {
  TestLoader loader([](OC_LOADER& self) {
    self.SetProgress(100);
    return kResultStartFailed;
  });
  EXPECT_EQ(loader.RunDirect(), kResultStartFailed);
  EXPECT_EQ(loader.GetResult(), kResultStartFailed);
}

TEST(LoaderTest, ThreadedRunReportsItsExitCode) {
  std::atomic<bool> release{false};
  TestLoader loader([&](OC_LOADER& self) {
    for (int p = 0; p <= 100; p += 10) self.SetProgress(p);
    while (!release.load()) std::this_thread::yield();
    return 7;
  });
  loader.Start();
  EXPECT_EQ(loader.GetResult(), kThreadStillActive);
  while (loader.GetProgress() < 100) std::this_thread::yield();
  release = true;
  while (loader.GetResult() == kThreadStillActive) std::this_thread::yield();
  EXPECT_EQ(loader.GetResult(), 7);
}

}  // namespace
}  // namespace ORB
