#include "platform/desktop_pacing.h"

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/win.h"

namespace {

int KeyCode(const std::string& name) {
  static const struct {
    const char* name;
    int vk;
  } kKeys[] = {
      {"Up", VK_UP},       {"Down", VK_DOWN},   {"Left", VK_LEFT},    {"Right", VK_RIGHT},
      {"Space", VK_SPACE}, {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL}, {"Tab", VK_TAB},
  };
  for (const auto& key : kKeys) {
    if (name == key.name) return key.vk;
  }
  return 0;
}

bool ParseFrame(const std::string& word, int* frame) {
  if (word.empty() || word.size() > 9) return false;
  if (word.find_first_not_of("0123456789") != std::string::npos) return false;
  *frame = std::atoi(word.c_str());
  return true;
}

// The name of a state file without its folder and extension.
std::string MarkName(const std::string& file) {
  size_t slash = file.find_last_of('/');
  std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool ParseLine(const std::string& line, std::vector<DesktopPacing::Step>* steps, std::string* why) {
  using Step = DesktopPacing::Step;
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.empty() || words[0][0] == '#') return true;
  Step step{Step::END, 0, {}, ""};
  if (words[0] == "end" && words.size() == 2 && ParseFrame(words[1], &step.frame)) {
    steps->push_back(step);
    return true;
  }
  if (words[0] != "at" || words.size() < 3 || !ParseFrame(words[1], &step.frame)) {
    *why = "expected: at N keys|escape|state ... or end N";
    return false;
  }
  const std::string& action = words[2];
  if (action == "escape" && words.size() == 3) {
    step.kind = Step::ESCAPE;
  } else if (action == "keys" && words.size() == 4) {
    step.kind = Step::KEYS;
    if (words[3] != "-") {
      std::istringstream list(words[3]);
      for (std::string name; std::getline(list, name, ',');) {
        int vk = KeyCode(name);
        if (vk == 0) {
          *why = "unknown key \"" + name + "\"";
          return false;
        }
        step.keys.push_back(vk);
      }
    }
  } else if (action == "state" && words.size() == 4) {
    step.kind = Step::MARK;
    step.name = MarkName(words[3]);
  } else if (action == "shot" && words.size() == 4) {
    return true;  // pictures are the headless runner's business
  } else {
    *why = "unknown action \"" + action + "\"";
    return false;
  }
  steps->push_back(step);
  return true;
}

long long Microseconds(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

}  // namespace

bool DesktopPacing::Parse(const std::string& text, std::vector<Step>* steps, std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string why;
    if (!ParseLine(line, steps, &why)) {
      *error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
  }
  std::stable_sort(steps->begin(), steps->end(),
                   [](const Step& a, const Step& b) { return a.frame < b.frame; });
  return true;
}

DesktopPacing::DesktopPacing() {
  if (const char* path = std::getenv("KOBAKO_PRESENT_LOG")) {
    log_ = std::fopen(path, "w");
    if (log_ == nullptr) std::fprintf(stderr, "kobako: cannot write %s\n", path);
  }
  if (const char* path = std::getenv("KOBAKO_SCRIPT")) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (!file) {
      std::fprintf(stderr, "kobako: cannot read %s\n", path);
    } else if (!Parse(text.str(), &steps_, &error)) {
      std::fprintf(stderr, "kobako: %s: %s\n", path, error.c_str());
      steps_.clear();
    }
  }
}

DesktopPacing::~DesktopPacing() {
  if (log_ != nullptr) std::fclose(log_);
}

void DesktopPacing::AfterPresent(int presents) {
  if (log_ != nullptr) {
    std::fprintf(log_, "present %d %lld %lld\n", presents, Microseconds(CLOCK_REALTIME),
                 Microseconds(CLOCK_PROCESS_CPUTIME_ID));
  }
  while (next_ < steps_.size() && steps_[next_].frame <= presents) {
    const Step& step = steps_[next_++];
    if (step.frame != presents) continue;
    switch (step.kind) {
      case Step::KEYS:
        keys_.clear();
        keys_.insert(step.keys.begin(), step.keys.end());
        break;
      case Step::ESCAPE:
        PostMessageA(WM_KEYDOWN, VK_ESCAPE);
        break;
      case Step::MARK:
        if (log_ != nullptr) std::fprintf(log_, "mark %s %d\n", step.name.c_str(), presents);
        break;
      case Step::END:
        keys_.clear();
        PostMessageA(WM_CLOSE, 0);
        break;
    }
  }
  if (log_ != nullptr) std::fflush(log_);
}
