// The clock and rests, forwarded to the backend in use, and the program's age.
#include "platform/clock.h"

#include <chrono>

#include "platform/backend.h"

namespace {

const std::chrono::steady_clock::time_point& ProgramStart() {
  static const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  return start;
}

// Starts the clock when the program loads, not at the first call.
[[maybe_unused]] const bool startNoted = (ProgramStart(), true);

}  // namespace

uint32_t NowMs() {
  return CurrentBackend().Clock();
}

void Rest(uint32_t ms) {
  CurrentBackend().Rest(ms);
}

void RestForEvents(uint32_t ms) {
  CurrentBackend().Idle(ms);
}

long MsSinceStart() {
  const auto elapsed = std::chrono::steady_clock::now() - ProgramStart();
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

bool WorkWithinFrame() {
  return CurrentBackend().WorkWithinFrame();
}
