// Runs a program as a child process with a changed environment, its standard error captured,
// an optional SIGTERM after a while (the desktop asking it to quit) and a hard limit after which
// it counts as hung and is killed.
#pragma once
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct ChildRun {
  std::vector<std::string> args;  // args[0] is the program
  std::string folder = "/";       // where it starts
  // Variables to set; a value of nullopt removes the variable.
  std::vector<std::pair<std::string, std::optional<std::string>>> env;
  int quitAfterMs = -1;  // SIGTERM then; -1 never
  // When set, quitAfterMs counts from this text's first appearance on standard error, so a
  // slow start (a sanitizer build, a busy machine) still runs its full time.
  std::string quitAfterText;
  int limitMs = 20000;  // SIGKILL then, and the run counts as hung
};

struct ChildResult {
  bool exited = false;  // ended by itself (or by its SIGTERM handling) with an exit code
  int code = -1;
  bool hung = false;
  int signal = 0;  // the signal that ended it, when it did not exit
  std::string err;
};

inline ChildResult RunChild(const ChildRun& run) {
  namespace fs = std::filesystem;
  ChildResult result;
  const fs::path errFile =
      fs::temp_directory_path() / ("kobako_child_err_" + std::to_string(getpid()));
  // Everything the child needs is built before the fork: after it, only system calls.
  std::vector<std::string> envText;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    bool changed = false;
    for (const auto& change : run.env) changed = changed || change.first == name;
    if (!changed) envText.push_back(entry);
  }
  for (const auto& [name, value] : run.env) {
    if (value) envText.push_back(name + "=" + *value);
  }
  std::vector<char*> envp;
  for (std::string& entry : envText) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<char*> argv;
  for (const std::string& arg : run.args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  pid_t child = fork();
  if (child < 0) return result;
  if (child == 0) {
    int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int null = open("/dev/null", O_RDWR);
    if (err < 0 || null < 0 || chdir(run.folder.c_str()) != 0) _exit(126);
    dup2(null, 0);
    dup2(null, 1);
    dup2(err, 2);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  const auto start = std::chrono::steady_clock::now();
  bool termSent = false;
  long long termFrom = run.quitAfterText.empty() ? 0 : -1;
  int status = 0;
  for (;;) {
    if (waitpid(child, &status, WNOHANG) == child) break;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    if (!run.quitAfterText.empty() && termFrom < 0) {
      std::ifstream in(errFile, std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      if (text.str().find(run.quitAfterText) != std::string::npos) termFrom = ms;
    }
    if (!termSent && run.quitAfterMs >= 0 && termFrom >= 0 && ms - termFrom >= run.quitAfterMs) {
      kill(child, SIGTERM);
      termSent = true;
    }
    if (ms >= run.limitMs) {
      result.hung = true;
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!result.hung && WIFEXITED(status)) {
    result.exited = true;
    result.code = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  std::ifstream in(errFile, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  result.err = text.str();
  std::error_code ignored;
  fs::remove(errFile, ignored);
  return result;
}

// The lines of a text, without their line feeds.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
