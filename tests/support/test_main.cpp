#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/headless.h"

namespace {
HeadlessBackend* testBackend = nullptr;
}  // namespace

HeadlessBackend& TestBackend() {
  return *testBackend;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The synthesised tune is kept here, never in the cache folder of whoever runs the tests; the
  // programs the tests start inherit it.
  const std::string cache = std::filesystem::temp_directory_path() / "kobako-test-cache";
  setenv("XDG_CACHE_HOME", cache.c_str(), 1);
  HeadlessBackend backend;
  testBackend = &backend;
  SetBackend(&backend);
  int result = RUN_ALL_TESTS();
  SetBackend(nullptr);
  return result;
}
