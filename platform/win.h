// Stand-ins for the few Windows calls the game makes: clock, keys, message loop, MCI, debug
// output, sleeping, and the C library's rand with the same sequence on every machine.
#pragma once
#include <cstdint>
#include <string>

#include "platform/types.h"

constexpr int VK_TAB = 0x09;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;

constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUIT = 0x0012;
constexpr unsigned WM_KEYDOWN = 0x0100;

struct MSG {
  unsigned message = 0;
  intptr_t wParam = 0;
};

typedef intptr_t (*WNDPROC)(unsigned message, intptr_t wParam);

// The game window: shown, focused, cursor hidden, named and drawn as the desktop knows the game.
// Returns false when no display can be had.
bool CreateGameWindow(WNDPROC proc);
// Why CreateGameWindow failed, in the display library's words; empty when it did not say.
std::string WindowFailure();
void ShowCursor(bool show);

// Milliseconds, unsigned 32-bit; differences are taken modulo 2^32.
DWORD timeGetTime();
// High bit (0x8000) set while the key is down. Keeps the OS event queue flowing.
int16_t GetAsyncKeyState(int vk);
void Sleep(DWORD ms);
// Waits up to ms for window events, leaving them queued: the idle turn of a loop that waits on
// the clock, so that it does not spin a whole core.
void WaitMessageTimeout(DWORD ms);

// Without removing: true when a message waits. May wait up to 1 ms for one.
bool PeekMessageA(MSG* msg);
// Removes the next message; false for WM_QUIT.
bool GetMessageA(MSG* msg);
void TranslateMessage(const MSG* msg);
intptr_t DispatchMessageA(const MSG* msg);
void PostQuitMessage(int exitCode);
// Queues a message for the window (the platform does this for key presses and window close).
void PostMessageA(unsigned message, intptr_t wParam);
// True while a close request (the window's close button, SIGTERM, Ctrl+C) or the quit message
// waits in the queue. Loops that wait on the clock without reading messages end when it is.
bool CloseRequested();

// "open sound\kel.mid alias bgm type sequencer", "status bgm mode", "play bgm from 0".
int mciSendStringA(const char* command, char* reply, int replySize);

void OutputDebugStringA(const char* text);
// One debug line of at most 127 bytes, its line feed included: a longer text is cut before the
// UTF-8 character that would not fit whole.
void OutputDebugLine(const std::string& text);

// clock(): milliseconds since the program started.
long ProgramClock();
// A linear congruential generator: seed * 214013 + 2531011, results bits 16..30.
void Srand(unsigned seed);
int Rand();
