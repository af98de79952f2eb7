#include "platform/script.h"

#include <cstdlib>
#include <sstream>

#include "platform/file_read.h"
#include "platform/gamepad.h"
#include "platform/keys.h"

namespace {

bool ParseFrame(const std::string& word, int* frame) {
  if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos) return false;
  if (word.size() > 9) return false;
  *frame = std::atoi(word.c_str());
  return true;
}

const struct {
  const char* name;
  Key key;
} kKeys[] = {
    {"Up", Key::Up},        {"Down", Key::Down},   {"Left", Key::Left},
    {"Right", Key::Right},  {"Space", Key::Space}, {"Shift", Key::Shift},
    {"Ctrl", Key::Control}, {"Tab", Key::Tab},     {"Backspace", Key::Backspace},
    {"Z", Key::Z},          {"R", Key::R},         {"H", Key::H},
};

bool KeyNamed(const std::string& name, Key* found) {
  for (const auto& key : kKeys) {
    if (name != key.name) continue;
    *found = key.key;
    return true;
  }
  return false;
}

std::string KeyList(const std::vector<Key>& keys) {
  std::string list;
  for (Key held : keys) {
    for (const auto& key : kKeys) {
      if (key.key != held) continue;
      if (!list.empty()) list += ',';
      list += key.name;
    }
  }
  return list.empty() ? "-" : list;
}

bool ParseKeys(const std::string& list, std::vector<Key>* keys, std::string* why) {
  if (list == "-") return true;
  std::istringstream in(list);
  for (std::string name; std::getline(in, name, ',');) {
    Key key;
    if (!KeyNamed(name, &key)) {
      *why = "unknown key \"" + name + "\"";
      return false;
    }
    keys->push_back(key);
  }
  return true;
}

bool ParseLine(const std::string& line, Script* script, std::string* why) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.empty() || words[0][0] == '#') return true;
  int frame = 0;
  const int segment = static_cast<int>(script->when.size());
  if (words[0] == "end") {
    if (words.size() != 2 || !ParseFrame(words[1], &frame)) {
      *why = "expected: end N";
      return false;
    }
    script->steps.push_back({ScriptStep::END, frame, {}, "", segment});
    return true;
  }
  if (words[0] == "when") {
    if (words.size() != 2) {
      *why = "expected: when SCENE";
      return false;
    }
    script->when.push_back(words[1]);
    return true;
  }
  if (words[0] != "at" || words.size() != 4 || !ParseFrame(words[1], &frame)) {
    if (words[0] == "at" && words.size() == 3 && words[2] == "escape" &&
        ParseFrame(words[1], &frame)) {
      script->steps.push_back({ScriptStep::ESCAPE, frame, {}, "", segment});
      return true;
    }
    *why = "expected: at N keys|pad|escape|shot|state ...";
    return false;
  }
  ScriptStep step{ScriptStep::KEYS, frame, {}, "", segment};
  if (words[2] == "keys") {
    if (!ParseKeys(words[3], &step.keys, why)) return false;
  } else if (words[2] == "pad") {
    step.kind = ScriptStep::PAD;
    if (!ParsePadControls(words[3], &step.pad, why)) return false;
  } else if (words[2] == "shot") {
    step.kind = ScriptStep::SHOT;
    step.file = words[3];
  } else if (words[2] == "state") {
    step.kind = ScriptStep::STATE;
    step.file = words[3];
  } else {
    *why = "unknown action \"" + words[2] + "\"";
    return false;
  }
  script->steps.push_back(step);
  return true;
}

}  // namespace

std::string StepLine(const ScriptStep& step, int frame) {
  const std::string at = "at " + std::to_string(frame) + " ";
  switch (step.kind) {
    case ScriptStep::KEYS:
      return at + "keys " + KeyList(step.keys);
    case ScriptStep::PAD:
      return at + "pad " + PadControlList(step.pad);
    case ScriptStep::ESCAPE:
      return at + "escape";
    case ScriptStep::SHOT:
      return at + "shot " + step.file;
    case ScriptStep::STATE:
      return at + "state " + step.file;
    case ScriptStep::END:
      break;
  }
  return "end " + std::to_string(frame);
}

bool ParseScript(const std::string& text, Script* script, std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string why;
    if (!ParseLine(line, script, &why)) {
      *error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
  }
  return true;
}

bool ReadScript(const std::string& path, Script* script, std::string* error) {
  // Far more than a whole game played through; a script is no place for more.
  constexpr size_t kScriptLimit = size_t{4} * 1024 * 1024;
  std::vector<char> bytes;
  if (!ReadRegularFile(path, kScriptLimit, &bytes)) {
    *error = "cannot read it (missing, not a regular file, or over 4 MiB)";
    return false;
  }
  return ParseScript(std::string(bytes.begin(), bytes.end()), script, error);
}
