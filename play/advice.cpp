#include "play/advice.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "play/search.h"
#include "play/stage_state.h"
#include "play/world_state.h"
#include "world/world.h"

namespace {

// One search from one state. The thread plays in a world of its own (the world's globals are per
// thread).
struct Job {
  std::thread thread;
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  std::string start;
  SearchResult result;
  double ms = 0;

  ~Job() { Stop(); }
  void Stop() {
    cancel = true;
    if (thread.joinable()) thread.join();
  }
};

struct Advice {
  // At most one search at a time, so at most one holds memory: a new state stops the search under
  // way and waits (a frame or so) for it to notice, never holding up a frame to join it.
  std::unique_ptr<Job> job;
  std::string pending;                  // the state to search from next; empty when none
  std::string judged;                   // the state at rest last judged
  std::vector<std::string> pathStates;  // the known solution: the states its actions start from
  std::vector<int> pathActions;
  int hint = -1;
  bool lost = false;
  bool hintWanted = false;
  int hintFrames = 0;
  SearchFigures largest{0, 0, 0};
};

Advice& State() {
  static Advice advice;
  return advice;
}

void RunJob(Job* job, int stage) {
  const auto started = std::chrono::steady_clock::now();
  FillTileTables();
  StageNo = stage;
  StageClear = 0;
  SearchLimits limits;
  limits.maxBytes = kSearchMemoryLimit;
  limits.cancel = &job->cancel;
  job->result = SearchFrom(job->start, limits);
  job->ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  job->done = true;
}

void StopSearch(Advice& advice) {
  if (advice.job) advice.job->cancel = true;
  advice.pending.clear();
}

void TakeFinishedSearch(Advice& advice);

// Starts the pending search once the one before it has finished.
void StartPendingSearch(Advice& advice) {
  TakeFinishedSearch(advice);
  if (advice.pending.empty() || advice.job) return;
  advice.job = std::make_unique<Job>();
  Job* job = advice.job.get();
  job->start = std::move(advice.pending);
  advice.pending.clear();
  job->thread = std::thread(RunJob, job, StageNo);
  if (WorkWithinFrame()) job->thread.join();
}

void StartSearch(Advice& advice, const std::string& from) {
  StopSearch(advice);
  advice.pending = from;
  StartPendingSearch(advice);
}

void TakeFinishedSearch(Advice& advice) {
  if (!advice.job || !advice.job->done) return;
  std::unique_ptr<Job> job = std::move(advice.job);
  job->Stop();
  const SearchResult& result = job->result;
  if (result.states > advice.largest.states) {
    advice.largest = SearchFigures{result.states, result.bytes, job->ms};
  }
  if (job->start != advice.judged) return;
  if (result.solvable) {
    advice.pathStates = result.path;
    advice.pathActions = result.actions;
    advice.hint = result.actions.front();
  } else if (result.complete) {
    advice.lost = true;
    advice.hintWanted = false;
  }
}

}  // namespace

void ResetAdvice() {
  Advice& advice = State();
  StopSearch(advice);
  advice.judged.clear();
  advice.pathStates.clear();
  advice.pathActions.clear();
  advice.hint = -1;
  advice.lost = false;
  advice.hintWanted = false;
  advice.hintFrames = 0;
}

void UpdateAdvice() {
  Advice& advice = State();
  if (advice.hintFrames > 0) advice.hintFrames--;
  if (StageClear != 0 || !WorldAtRest()) {
    // An action is under way: the hint shown was for the state it leaves.
    advice.hintFrames = 0;
    advice.hint = -1;
    return;
  }
  std::string now = PackWorld();
  if (now != advice.judged) {
    advice.judged = std::move(now);
    advice.hint = -1;
    advice.lost = false;
    advice.hintFrames = 0;
    size_t i = 0;
    while (i < advice.pathStates.size() && advice.pathStates[i] != advice.judged) i++;
    if (i < advice.pathStates.size()) {
      StopSearch(advice);
      advice.hint = advice.pathActions[i];
    } else {
      StartSearch(advice, advice.judged);
    }
  }
  StartPendingSearch(advice);
  TakeFinishedSearch(advice);
  if (advice.hintWanted && advice.hint >= 0) {
    advice.hintWanted = false;
    advice.hintFrames = kHintFrames;
  }
}

void AskHint() {
  Advice& advice = State();
  if (advice.lost) return;
  if (advice.hint >= 0) {
    advice.hintFrames = kHintFrames;
  } else {
    advice.hintWanted = true;
  }
}

int HintAction() {
  return State().hint;
}

int HintFramesLeft() {
  return State().hintFrames;
}

bool StageLost() {
  return State().lost;
}

bool AdviceSearching() {
  return State().job != nullptr || !State().pending.empty();
}

SearchFigures LargestSearch() {
  return State().largest;
}
