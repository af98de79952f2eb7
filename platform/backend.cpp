#include "platform/backend.h"

#include "platform/backend_headless.h"

namespace {
Backend* current = nullptr;
}  // namespace

void SetBackend(Backend* backend) {
  current = backend;
}

Backend& CurrentBackend() {
  // Code that runs before any backend is installed still gets a quiet one instead of a crash.
  static HeadlessBackend fallback;
  return current != nullptr ? *current : fallback;
}
