#include "platform/desktop_pacing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/events.h"
#include "platform/script.h"

namespace {

// The name of a state file without its folder and extension.
std::string MarkName(const std::string& file) {
  size_t slash = file.find_last_of('/');
  std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The desktop plays frame numbers only: it knows no scenes to wait for, and takes no pictures.
bool FlatSteps(const Script& script, std::vector<DesktopPacing::Step>* steps, std::string* error) {
  using Step = DesktopPacing::Step;
  if (!script.when.empty()) {
    *error =
        "\"when " + script.when[0] + "\": write the script flat first (kobako-headless --flatten)";
    return false;
  }
  for (const ScriptStep& line : script.steps) {
    Step step{Step::END, line.frame, line.keys, "", line.pad};
    switch (line.kind) {
      case ScriptStep::KEYS:
        step.kind = Step::KEYS;
        break;
      case ScriptStep::PAD:
        step.kind = Step::PAD;
        break;
      case ScriptStep::ESCAPE:
        step.kind = Step::ESCAPE;
        break;
      case ScriptStep::STATE:
        step.kind = Step::MARK;
        step.name = MarkName(line.file);
        break;
      case ScriptStep::SHOT:
        continue;
      case ScriptStep::END:
        break;
    }
    steps->push_back(step);
  }
  std::stable_sort(steps->begin(), steps->end(),
                   [](const Step& a, const Step& b) { return a.frame < b.frame; });
  return true;
}

long long Microseconds(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

}  // namespace

bool DesktopPacing::Parse(const std::string& text, std::vector<Step>* steps, std::string* error) {
  Script script;
  return ParseScript(text, &script, error) && FlatSteps(script, steps, error);
}

DesktopPacing::DesktopPacing() {
  if (const char* path = std::getenv("KOBAKO_PRESENT_LOG")) OpenLog(path);
  if (const char* path = std::getenv("KOBAKO_SCRIPT")) {
    Script script;
    std::string error;
    if (!ReadScript(path, &script, &error) || !FlatSteps(script, &steps_, &error)) {
      std::fprintf(stderr, "kobako: %s: %s\n", path, error.c_str());
      steps_.clear();
    }
  }
  // Frame 0 is before the first frame: keys held from the start, an Escape or end at once.
  RunSteps(0);
}

DesktopPacing::~DesktopPacing() {
  if (log_ != nullptr) std::fclose(log_);
}

void DesktopPacing::OpenLog(const char* path) {
  // Without waiting for a reader, should a FIFO stand there; only a regular file is written.
  const int fd = open(path, O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  struct stat st = {};
  if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ftruncate(fd, 0) != 0 ||
      (log_ = fdopen(fd, "w")) == nullptr) {
    std::fprintf(stderr, "kobako: cannot write %s (%s)\n", path,
                 fd >= 0 && S_ISREG(st.st_mode) ? std::strerror(errno) : "not a regular file");
    if (fd >= 0) close(fd);
    return;
  }
  logPath_ = path;
}

void DesktopPacing::AfterPresent(int presents) {
  if (log_ != nullptr) {
    std::fprintf(log_, "present %d %lld %lld\n", presents, Microseconds(CLOCK_REALTIME),
                 Microseconds(CLOCK_PROCESS_CPUTIME_ID));
  }
  RunSteps(presents);
  if (log_ != nullptr && (std::fflush(log_) != 0 || std::ferror(log_))) {
    std::fprintf(stderr, "kobako: cannot write %s (%s); the log stops here\n", logPath_.c_str(),
                 std::strerror(errno));
    std::fclose(log_);
    log_ = nullptr;
  }
}

void DesktopPacing::RunSteps(int presents) {
  while (next_ < steps_.size() && steps_[next_].frame <= presents) {
    const Step& step = steps_[next_++];
    if (step.frame != presents) continue;
    switch (step.kind) {
      case Step::KEYS:
        keys_.clear();
        keys_.insert(step.keys.begin(), step.keys.end());
        break;
      case Step::PAD:
        pad_ = step.pad;
        break;
      case Step::ESCAPE:
        PostEvent(GameEvent::Escape);
        break;
      case Step::MARK:
        if (log_ != nullptr) std::fprintf(log_, "mark %s %d\n", step.name.c_str(), presents);
        break;
      case Step::END:
        keys_.clear();
        pad_ = 0;
        PostEvent(GameEvent::Close);
        break;
    }
  }
}
