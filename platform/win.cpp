// The window-message queue, clock, keys, MCI music commands and debug output, all forwarded to
// the backend in use.
#include "platform/win.h"

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/file_read.h"
#include "platform/gdi.h"

namespace {

std::deque<MSG> queue;
WNDPROC windowProc = nullptr;

// The one MCI device the game opens: its alias and whether a tune is behind it.
std::string musicAlias;
bool musicOpen = false;
std::string musicName;
// When the tune was last started; a tune that has ended this soon cannot play at all.
bool musicStarted = false;
uint32_t musicStartedAt = 0;
constexpr uint32_t kEndsAtOnceMs = 250;

// A broken tune (cut short, or no tune at all) ends as soon as it starts: started again on every
// idle turn, it would make the synthesiser complain twenty times a second for ever.
bool EndedAtOnce() {
  if (!musicStarted || CurrentBackend().MusicPlaying()) return false;
  return CurrentBackend().Clock() - musicStartedAt < kEndsAtOnceMs;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

void Pump(uint32_t waitMs) {
  CurrentBackend().PumpMessages(waitMs);
}

// The main loop asks for the tune's status on every idle turn: split by hand, no streams.
std::vector<std::string> Words(const char* command) {
  std::vector<std::string> words;
  if (command == nullptr) return words;
  for (const char* c = command; *c != '\0';) {
    while (*c == ' ' || *c == '\t') ++c;
    const char* start = c;
    while (*c != '\0' && *c != ' ' && *c != '\t') ++c;
    if (c != start) words.emplace_back(start, c);
  }
  return words;
}

void Reply(char* reply, int replySize, const char* text) {
  if (reply == nullptr || replySize <= 0) return;
  std::strncpy(reply, text, static_cast<size_t>(replySize) - 1);
  reply[replySize - 1] = '\0';
}

// MCI error codes the game never looks at, kept distinct for tests.
constexpr int MCIERR_UNRECOGNIZED_COMMAND = 261;
constexpr int MCIERR_INVALID_DEVICE_NAME = 263;

}  // namespace

bool CreateGameWindow(WNDPROC proc) {
  windowProc = proc;
  if (!CurrentBackend().OpenWindow()) return false;
  CurrentBackend().ShowCursor(false);
  return true;
}

std::string WindowFailure() {
  return CurrentBackend().WindowFailure();
}

void ShowCursor(bool show) {
  CurrentBackend().ShowCursor(show);
}

DWORD timeGetTime() {
  return CurrentBackend().Clock();
}

int16_t GetAsyncKeyState(int vk) {
  // Polling games never reach the message loop inside their blocking loops; keep the OS
  // events moving here so the window stays responsive.
  Pump(0);
  return CurrentBackend().KeyDown(vk) ? static_cast<int16_t>(0x8000) : 0;
}

void Sleep(DWORD ms) {
  CurrentBackend().Sleep(ms);
}

void WaitMessageTimeout(DWORD ms) {
  CurrentBackend().Idle(ms);
}

bool PeekMessageA(MSG* msg) {
  // An idle turn waits a moment for input instead of spinning a whole core; the backend looks
  // at the desktop's events once and waits only when there were none.
  Pump(queue.empty() ? 1 : 0);
  if (queue.empty()) return false;
  if (msg != nullptr) *msg = queue.front();
  return true;
}

bool GetMessageA(MSG* msg) {
  while (queue.empty()) Pump(10);
  MSG next = queue.front();
  queue.pop_front();
  if (msg != nullptr) *msg = next;
  return next.message != WM_QUIT;
}

void TranslateMessage(const MSG*) {}

intptr_t DispatchMessageA(const MSG* msg) {
  if (msg == nullptr || windowProc == nullptr) return 0;
  return windowProc(msg->message, msg->wParam);
}

void PostQuitMessage(int exitCode) {
  PostMessageA(WM_QUIT, exitCode);
}

void PostMessageA(unsigned message, intptr_t wParam) {
  MSG msg;
  msg.message = message;
  msg.wParam = wParam;
  queue.push_back(msg);
}

bool CloseRequested() {
  for (const MSG& msg : queue) {
    if (msg.message == WM_CLOSE || msg.message == WM_QUIT) return true;
  }
  return false;
}

int mciSendStringA(const char* command, char* reply, int replySize) {
  Reply(reply, replySize, "");
  std::vector<std::string> words = Words(command);
  if (words.empty()) return MCIERR_UNRECOGNIZED_COMMAND;
  std::string verb = Lower(words[0]);
  // open FILE alias NAME type sequencer
  if (verb == "open" && words.size() >= 4 && Lower(words[2]) == "alias") {
    musicAlias = Lower(words[3]);
    // A tune that is missing, not a regular file or too large is no tune.
    std::string path = FindFileNoCase(words[1].c_str());
    musicOpen = IsRegularFileWithin(path, kTuneLimit) && CurrentBackend().OpenMusic(path);
    musicName = words[1];
    musicStarted = false;
    return 0;
  }
  if (words.size() < 2 || Lower(words[1]) != musicAlias || musicAlias.empty()) {
    return MCIERR_INVALID_DEVICE_NAME;
  }
  // status NAME mode: a device without a tune has no mode to report.
  if (verb == "status" && words.size() >= 3 && Lower(words[2]) == "mode") {
    if (musicOpen && EndedAtOnce()) {
      OutputDebugStringA(
          (musicName + ": the tune ends as soon as it starts; not played again\n").c_str());
      musicOpen = false;
    }
    if (musicOpen) Reply(reply, replySize, CurrentBackend().MusicPlaying() ? "playing" : "stopped");
    return 0;
  }
  // play NAME from 0
  if (verb == "play") {
    if (musicOpen) {
      CurrentBackend().PlayMusicFromStart();
      musicStarted = true;
      musicStartedAt = CurrentBackend().Clock();
    }
    return 0;
  }
  return MCIERR_UNRECOGNIZED_COMMAND;
}

void OutputDebugStringA(const char* text) {
  CurrentBackend().DebugLine(text != nullptr ? text : "");
}

void OutputDebugLine(const std::string& text) {
  constexpr size_t kLineBytes = 127;
  size_t end = text.size();
  if (end > kLineBytes - 1) {
    end = kLineBytes - 1;
    // Back over the continuation bytes (10xxxxxx) of a character the cut would split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) end--;
  }
  OutputDebugStringA((text.substr(0, end) + "\n").c_str());
}
