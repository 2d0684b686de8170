#pragma once
// A FIFO under a file's name, for readers that must refuse it without waiting
// on it. Should one block on it all the same, a guard opens the FIFO's other
// end after a while, so the test fails instead of hanging:
//
//   ASSERT_TRUE(test_support::MakeFifo(folder.File("players.save")));
//   const auto status = test_support::WithoutBlocking(path, [&] { return list.Load(...); });
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

namespace test_support {

inline bool MakeFifo(const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  return ::mkfifo(path.c_str(), 0600) == 0;
}

// Runs `work` on this thread and answers its result; `fifo` is the FIFO it
// must not wait on.
template <typename Work>
auto WithoutBlocking(const std::string& fifo, Work work) {
  std::promise<void> finished;
  std::future<void> done = finished.get_future();
  bool blocked = false;
  std::thread guard([&] {
    if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready) return;
    blocked = true;
    // Opened for both ends, the FIFO lets a waiting open go on; closed again,
    // it ends a waiting read.
    while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
      const int end = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (end >= 0) ::close(end);
    }
  });
  auto result = work();
  finished.set_value();
  guard.join();
  EXPECT_FALSE(blocked) << "blocked on the FIFO " << fifo;
  return result;
}

}  // namespace test_support
