#pragma once
// Runs a save while the disk takes only a few bytes: the process's file size
// limit is lowered for the call (and the signal that limit raises ignored),
// then put back. For tests of saves that must fail without harming the file
// they would replace.
//
//   EXPECT_FALSE(test_support::WithFileSizeLimit(20, [&] { return list.Save(folder); }));
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <csignal>

namespace test_support {

template <typename Save>
bool WithFileSizeLimit(rlim_t bytes, Save&& save) {
  struct rlimit limits {};
  EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &limits), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = limits;
  small.rlim_cur = bytes;
  EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = save();
  setrlimit(RLIMIT_FSIZE, &limits);
  std::signal(SIGXFSZ, previous);
  return saved;
}

}  // namespace test_support
