// The background tune, forwarded to the backend in use.
#include "platform/tune.h"

#include <cstdint>

#include "platform/backend.h"
#include "platform/debug.h"
#include "platform/file_lookup.h"
#include "platform/file_read.h"

namespace {

bool tuneOpen = false;
std::string tuneName;
// When the tune was last started; a tune that has ended this soon cannot play at all.
bool tuneStarted = false;
uint32_t tuneStartedAt = 0;
constexpr uint32_t kEndsAtOnceMs = 250;

// A broken tune (cut short, or no tune at all) ends as soon as it starts: started again on every
// idle turn, it would make the synthesiser complain twenty times a second for ever.
bool EndedAtOnce() {
  if (!tuneStarted || CurrentBackend().MusicPlaying()) return false;
  return CurrentBackend().Clock() - tuneStartedAt < kEndsAtOnceMs;
}

}  // namespace

void OpenTune(const std::string& name) {
  // A tune that is missing, not a regular file or too large is no tune.
  const std::string path = FindFileNoCase(name.c_str());
  tuneOpen = IsRegularFileWithin(path, kTuneLimit) && CurrentBackend().OpenMusic(path);
  tuneName = name;
  tuneStarted = false;
}

bool TuneStopped() {
  if (tuneOpen && EndedAtOnce()) {
    DebugOut(tuneName + ": the tune ends as soon as it starts; not played again\n");
    tuneOpen = false;
  }
  // A device without a tune has nothing to report.
  return tuneOpen && !CurrentBackend().MusicPlaying();
}

void PlayTuneFromStart() {
  if (!tuneOpen) return;
  CurrentBackend().PlayMusicFromStart();
  tuneStarted = true;
  tuneStartedAt = CurrentBackend().Clock();
}
