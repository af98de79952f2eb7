#include "platform/backend_sdl.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "platform/bare_x11.h"
#include "platform/debug.h"
#include "platform/events.h"
#include "platform/file_lookup.h"
#include "platform/file_read.h"
#include "platform/gamepad.h"
#include "platform/geometry.h"
#include "platform/sdl_environment.h"

namespace {

constexpr const char* kWindowTitle = "kobako";
constexpr const char* kWindowClass = "kobako";
constexpr const char* kAppId = "org.kobako.Kobako";
constexpr size_t kIconLimit = 1024 * 1024;
constexpr int kAudioRate = 44100;

SDL_Scancode ScancodeOf(Key key) {
  switch (key) {
    case Key::Up:
      return SDL_SCANCODE_UP;
    case Key::Down:
      return SDL_SCANCODE_DOWN;
    case Key::Left:
      return SDL_SCANCODE_LEFT;
    case Key::Right:
      return SDL_SCANCODE_RIGHT;
    case Key::Space:
      return SDL_SCANCODE_SPACE;
    case Key::Tab:
      return SDL_SCANCODE_TAB;
    case Key::Escape:
      return SDL_SCANCODE_ESCAPE;
    case Key::Backspace:
      return SDL_SCANCODE_BACKSPACE;
    case Key::Z:
      return SDL_SCANCODE_Z;
    case Key::R:
      return SDL_SCANCODE_R;
    case Key::H:
      return SDL_SCANCODE_H;
    default:
      return SDL_SCANCODE_UNKNOWN;
  }
}

// The controls a game controller holds, as SDL last read them with the keyboard.
unsigned PadControls(SDL_GameController* pad) {
  static const struct {
    SDL_GameControllerButton button;
    PadControl control;
  } kButtons[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, kPadUp},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kPadDown},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kPadLeft},
      {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kPadRight},
      {SDL_CONTROLLER_BUTTON_A, kPadA},
      {SDL_CONTROLLER_BUTTON_B, kPadB},
      {SDL_CONTROLLER_BUTTON_X, kPadX},
      {SDL_CONTROLLER_BUTTON_Y, kPadY},
      {SDL_CONTROLLER_BUTTON_BACK, kPadBack},
      {SDL_CONTROLLER_BUTTON_START, kPadStart},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kPadLeftShoulder},
      {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kPadRightShoulder},
  };
  unsigned held = StickControls(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX),
                                SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
  for (const auto& button : kButtons) {
    if (SDL_GameControllerGetButton(pad, button.button)) held |= button.control;
  }
  return held;
}

// For start-up measurements: the wall-clock time of the first frame, when asked for.
void ReportFirstFrame() {
  if (std::getenv("KOBAKO_REPORT_FIRST_FRAME") == nullptr) return;
  timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  std::fprintf(stderr, "kobako: first frame at %lld.%06ld\n", static_cast<long long>(now.tv_sec),
               now.tv_nsec / 1000);
}

}  // namespace

SdlBackend::SdlBackend() {
  SDL_InitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS);
  debugToStderr_ = std::getenv("KOBAKO_DEBUG") != nullptr;
}

SdlBackend::~SdlBackend() {
  CloseAudio();
  CloseWindow();
  pads_.clear();
  SDL_Quit();
}

bool SdlBackend::OpenWindow() {
  if (window_) return true;
  if (!videoReady_) {
    // The window's class is what the desktop entry's StartupWMClass names (X11), and its
    // application id the entry itself (Wayland), whatever the program file is called.
    setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", kAppId, 0);
    // The window's own framebuffer where the system has one (X11 shared memory): only the
    // rectangles that change travel to the screen, not a whole texture through a renderer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!ChooseVideoDrivers()) return NoWindow("no video driver to try");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return NoWindow(SDL_GetError());
    videoReady_ = true;
  }
  window_.reset(SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                 SCREEN_W, SCREEN_H,
                                 SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE));
  if (!window_) return NoWindow(SDL_GetError());
  SetIcon();
  CoverScreenWithoutWindowManager(window_.get());
  ShowBlack();
  return true;
}

void SdlBackend::SetIcon() {
  // The 64-pixel icon the build draws, kept in the data folder beside the pictures.
  const std::string path = FindFileNoCase("icons/kobako-64.png");
  std::vector<char> bytes;
  if (path.empty() || !ReadRegularFile(path, kIconLimit, &bytes)) return;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  SdlPtr<SDL_Surface> icon(rw != nullptr ? IMG_Load_RW(rw, 1) : nullptr);
  if (!icon) return Failed("no window icon", IMG_GetError());
  SDL_SetWindowIcon(window_.get(), icon.get());
}

// Only after the first frame, so that looking for controllers (a few milliseconds) never delays
// the start; SDL then announces each one, those plugged in before too.
void SdlBackend::OpenControllers() {
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    DebugLine((std::string("kobako: no game controllers: ") + SDL_GetError() + "\n").c_str());
  }
}

void SdlBackend::CloseWindow() {
  window_.reset();
  hasPicture_ = false;
}

void SdlBackend::ShowCursor(bool show) {
  SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlBackend::ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                             const ScreenRect* changed) {
  if (!window_ || width != SCREEN_W || height != SCREEN_H) return;
  if (isPresent) {
    if (++presents_ == 1) {
      ReportFirstFrame();
      OpenControllers();
    }
    pacing_.AfterPresent(presents_);
  }
  // Scenes present thirty times a second whether or not anything moved: only what changed since
  // the last picture goes to the screen, and an unchanged picture not at all. The picture kept
  // has seen every call since, so a part the caller already knows needs no search.
  const size_t count = static_cast<size_t>(width) * height;
  ScreenRect part{0, 0, SCREEN_W, SCREEN_H};
  if (hasPicture_) part = changed != nullptr ? *changed : ChangedPart(shown_.data(), pixels);
  if (part.Empty()) return;
  if (!hasPicture_) shown_.assign(pixels, pixels + count);
  // Only the rows that changed need copying into the picture kept.
  for (int y = part.y; hasPicture_ && y < part.y + part.h; ++y) {
    std::copy(pixels + y * width + part.x, pixels + y * width + part.x + part.w,
              shown_.begin() + y * width + part.x);
  }
  hasPicture_ = true;
  Render(part);
}

void SdlBackend::ShowBlack() {
  SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
  if (screen == nullptr) return Failed("no window surface", SDL_GetError());
  SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
  SDL_UpdateWindowSurface(window_.get());
}

void SdlBackend::Render(const ScreenRect& part) {
  if (!window_ || !hasPicture_) return;
  // The window's surface is made again whenever the window's size changes.
  SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
  if (screen == nullptr) return Failed("no window surface", SDL_GetError());
  const bool whole = part.w == SCREEN_W && part.h == SCREEN_H;
  if (!scaler_ || scalerWidth_ != screen->w || scalerHeight_ != screen->h) {
    scaler_ = std::make_unique<PictureScaler>(screen->w, screen->h);
    scalerWidth_ = screen->w;
    scalerHeight_ = screen->h;
  }
  // Straight into the surface when it holds 32-bit 0xAARRGGBB, through a copy otherwise.
  const bool direct = screen->format->format == SDL_PIXELFORMAT_RGB888 ||
                      screen->format->format == SDL_PIXELFORMAT_ARGB8888;
  const ScreenRect target = scaler_->WindowPart(part);
  if (whole) SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
  if (!target.Empty()) {
    if (SDL_MUSTLOCK(screen)) SDL_LockSurface(screen);
    if (direct) {
      scaler_->Draw(shown_.data(), target, static_cast<uint32_t*>(screen->pixels),
                    screen->pitch / 4);
    } else {
      scratch_.resize(static_cast<size_t>(screen->w) * screen->h);
      scaler_->Draw(shown_.data(), target, scratch_.data(), screen->w);
      const uint32_t* from = scratch_.data() + static_cast<size_t>(target.y) * screen->w + target.x;
      auto* to = static_cast<uint8_t*>(screen->pixels) +
                 static_cast<size_t>(target.y) * screen->pitch +
                 target.x * screen->format->BytesPerPixel;
      SDL_ConvertPixels(target.w, target.h, SDL_PIXELFORMAT_ARGB8888, from, screen->w * 4,
                        screen->format->format, to, screen->pitch);
    }
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
  }
  if (whole) {
    SDL_UpdateWindowSurface(window_.get());
  } else {
    const SDL_Rect rect = {target.x, target.y, target.w, target.h};
    SDL_UpdateWindowSurfaceRects(window_.get(), &rect, 1);
  }
}

bool SdlBackend::Fullscreen() const {
  return window_ && (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void SdlBackend::ToggleFullscreen() {
  if (!window_) return;
  if (!Fullscreen()) {
    SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
    CoverScreenWithoutWindowManager(window_.get());
    return;
  }
  SDL_SetWindowFullscreen(window_.get(), 0);
  // A window at the largest whole multiple that leaves room for the desktop around it.
  SDL_DisplayMode desktop;
  int factor = 1;
  if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window_.get()), &desktop) == 0) {
    factor = std::max(1, std::min(desktop.w * 9 / 10 / SCREEN_W, desktop.h * 9 / 10 / SCREEN_H));
  }
  SDL_SetWindowSize(window_.get(), SCREEN_W * factor, SCREEN_H * factor);
  SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void SdlBackend::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
      if (event.key.repeat) break;
      if (event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT)) {
        ToggleFullscreen();
      } else if (event.key.keysym.scancode == SDL_SCANCODE_ESCAPE) {
        PostEvent(GameEvent::Escape);
      }
      break;
    case SDL_CONTROLLERDEVICEADDED:
      // Opening one already open hands back the same controller; the map keeps one hold on it.
      if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
        pads_[SDL_JoystickGetDeviceInstanceID(event.cdevice.which)].reset(pad);
      }
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      pads_.erase(event.cdevice.which);
      break;
    case SDL_QUIT:
      if (!closePosted_) PostEvent(GameEvent::Close);
      closePosted_ = true;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        if (!closePosted_) PostEvent(GameEvent::Close);
        closePosted_ = true;
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Render(ScreenRect{0, 0, SCREEN_W, SCREEN_H});
      }
      break;
    default:
      break;
  }
}

void SdlBackend::PumpMessages(uint32_t waitMs) {
  // The game reads keys many times a frame and rests in short turns, and every look at the
  // desktop's events costs calls to the display server and to the controller watch: one look
  // every few milliseconds keeps keys and window fresh. The rest is a plain sleep; nothing the
  // desktop sends is needed before the next frame, which looks again first.
  const uint32_t now = SDL_GetTicks();
  if (now - lastLook_ >= kLookEveryMs) {
    SDL_PumpEvents();
    lastLook_ = now;
  }
  SDL_Event event;
  bool handled = false;
  while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
    HandleEvent(event);
    handled = true;
  }
  if (!handled && waitMs > 0) SDL_Delay(waitMs);
}

bool SdlBackend::KeyDown(Key key) {
  if (pacing_.KeyDown(key)) return true;
  const Uint8* keys = SDL_GetKeyboardState(nullptr);
  if (key == Key::Shift && (keys[SDL_SCANCODE_LSHIFT] || keys[SDL_SCANCODE_RSHIFT])) return true;
  if (key == Key::Control && (keys[SDL_SCANCODE_LCTRL] || keys[SDL_SCANCODE_RCTRL])) return true;
  SDL_Scancode code = ScancodeOf(key);
  if (code != SDL_SCANCODE_UNKNOWN && keys[code] != 0) return true;
  // A control held on any controller is its key held, in the same reading.
  for (const auto& pad : pads_) {
    if (PadHoldsKey(PadControls(pad.second.get()), key)) return true;
  }
  return false;
}

bool SdlBackend::OpenAudio() {
  if (audioReady_) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Failed("no sound", SDL_GetError());
    return false;
  }
  soundFont_ = FindSoundFont();
  // Exactly this format, whatever the device: SDL converts, and the tune is synthesised for it.
  if (Mix_OpenAudioDevice(kAudioRate, AUDIO_S16SYS, 2, 2048, nullptr, 0) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Failed("no sound", Mix_GetError());
    return false;
  }
  audioReady_ = true;
  return true;
}

void SdlBackend::CloseAudio() {
  if (!audioReady_) return;
  StopTune();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audioReady_ = false;
}

void SdlBackend::StopTune() {
  // Once the hook is gone the audio thread no longer reads the tune.
  Mix_HookMusic(nullptr, nullptr);
  tune_.reset();
}

bool SdlBackend::OpenMusic(const std::string& path) {
  // Without a device, a sound font or a tune the game simply runs silent.
  if (!audioReady_ || path.empty() || soundFont_.empty()) return false;
  StopTune();
  std::vector<char> bytes;
  if (!ReadRegularFile(path, kTuneLimit, &bytes)) return false;
  auto tune = std::make_unique<SynthesisedTune>();
  std::string why;
  if (!tune->Start(bytes, soundFont_, kAudioRate, &why)) {
    DebugLine(("kobako: " + path + " cannot be played: " + why + "\n").c_str());
    return false;
  }
  tune_ = std::move(tune);
  Mix_HookMusic(
      [](void* tune, Uint8* stream, int bytes) {
        static_cast<SynthesisedTune*>(tune)->Fill(reinterpret_cast<int16_t*>(stream), bytes / 4);
      },
      tune_.get());
  return true;
}

void SdlBackend::PlayMusicFromStart() {
  if (tune_) tune_->PlayFromStart();
}

bool SdlBackend::MusicPlaying() {
  return audioReady_ && tune_ && tune_->Playing();
}

void SdlBackend::Failed(const char* what, const std::string& why) {
  DebugLine(("kobako: " + std::string(what) + ": " + why + "\n").c_str());
}

bool SdlBackend::NoWindow(const std::string& why) {
  windowFailure_ = why;
  Failed("no window", why);
  return false;
}

void SdlBackend::DebugLine(const char* text) {
  if (debugToStderr_) std::fputs(text, stderr);
}
