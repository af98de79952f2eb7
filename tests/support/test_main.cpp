#include <gtest/gtest.h>

#include "tests/support/headless.h"

namespace {
HeadlessBackend* testBackend = nullptr;
}  // namespace

HeadlessBackend& TestBackend() {
  return *testBackend;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  HeadlessBackend backend;
  testBackend = &backend;
  SetBackend(&backend);
  int result = RUN_ALL_TESTS();
  SetBackend(nullptr);
  return result;
}
