// The game's blits beside SDL's own software blitter doing the same work on RGB565 surfaces, and
// beside a plain memcpy of the same bytes. Prints the ratios at the end.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "gfx/picture_slots.h"
#include "tests/gfx_bmp565.h"

namespace {

constexpr int kScreenW = 640, kScreenH = 480;

// Pictures like the game's: mostly coloured pixels, a tenth of them transparent black.
std::vector<uint16_t> Picture(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<uint16_t> pixels(static_cast<size_t>(width) * height);
  for (uint16_t& p : pixels) p = random() % 10 == 0 ? 0 : static_cast<uint16_t>(random() | 1);
  return pixels;
}

// The game's display: FrameId (640 x 1000) and BackId (640 x 480) loaded with pictures.
struct Display {
  Surface backbuffer{kScreenW, kScreenH};
  std::unique_ptr<PictureSlots> draw;
  SurfaceId frame = 0, back = 1, sprite = 2;

  Display() {
    draw = std::make_unique<PictureSlots>();
    draw->DrawOnto(backbuffer);
    Load(&frame, 640, 1000, 1);
    Load(&back, 640, 480, 2);
    Load(&sprite, 64, 64, 3);
    FillBack();
  }
  ~Display() { draw.reset(); }
  void Load(SurfaceId* id, int w, int h, unsigned seed) {
    const std::string path = "/tmp/kobako_gfx_bench_" + std::to_string(seed) + ".bmp";
    gfxtest::WriteBmp(path, w, h, Picture(w, h, seed));
    draw->MakeSurface(id, w, h, 0);
    draw->ReadBitmap(*id, path.c_str());
    std::remove(path.c_str());
  }
  void FillBack() {
    const std::vector<uint16_t> pixels = Picture(kScreenW, kScreenH, 4);
    std::copy(pixels.begin(), pixels.end(), backbuffer.Pixels());
  }
};

Display& TheDisplay() {
  static Display display;
  return display;
}

// The same pictures as RGB565 SDL surfaces.
struct SdlPair {
  SDL_Surface* src;
  SDL_Surface* dst;
  SdlPair(const uint16_t* pixels, int srcW, int srcH, int dstW, int dstH) {
    src = SDL_CreateRGBSurfaceWithFormat(0, srcW, srcH, 16, SDL_PIXELFORMAT_RGB565);
    dst = SDL_CreateRGBSurfaceWithFormat(0, dstW, dstH, 16, SDL_PIXELFORMAT_RGB565);
    for (int y = 0; y < srcH; ++y) {
      std::memcpy(static_cast<uint8_t*>(src->pixels) + y * src->pitch, pixels + y * srcW,
                  static_cast<size_t>(srcW) * 2);
    }
    const std::vector<uint16_t> back = Picture(dstW, dstH, 4);
    for (int y = 0; y < dstH; ++y) {
      std::memcpy(static_cast<uint8_t*>(dst->pixels) + y * dst->pitch, back.data() + y * dstW,
                  static_cast<size_t>(dstW) * 2);
    }
  }
  ~SdlPair() {
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
  }
};

BlitRequest Request(uint8_t mode, SurfaceId src, Rect rect, int x, int y, uint8_t level) {
  BlitRequest r{};
  r.Mode = mode;
  r.Src = src;
  r.SrcRect = rect;
  r.x = x;
  r.y = y;
  r.Level = level;
  return r;
}

void RunKobako(benchmark::State& state, BlitRequest request, int64_t pixels) {
  Display& display = TheDisplay();
  for (auto _ : state) {
    BlitRequest r = request;
    benchmark::DoNotOptimize(display.draw->Blit(r));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * pixels);
}

// The sdl side blits source rectangle rect of its source to (x, y) of its destination.
void RunSdl(benchmark::State& state, SdlPair& pair, SDL_Rect rect, int x, int y, int64_t pixels) {
  for (auto _ : state) {
    SDL_Rect to{x, y, rect.w, rect.h};
    benchmark::DoNotOptimize(SDL_BlitSurface(pair.src, &rect, pair.dst, &to));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * pixels);
}

// SDL's alpha-modulated blend of a 640-wide slot picture's rectangle onto the screen.
void RunSdlBlend(benchmark::State& state, SurfaceId slot, int height, SDL_Rect rect, int x, int y,
                 uint8_t level, bool keyed) {
  SdlPair pair(TheDisplay().draw->Slot(slot).pixels.get(), 640, height, kScreenW, kScreenH);
  if (keyed) SDL_SetColorKey(pair.src, SDL_TRUE, 0);
  SDL_SetSurfaceAlphaMod(pair.src, level);
  SDL_SetSurfaceBlendMode(pair.src, SDL_BLENDMODE_BLEND);
  RunSdl(state, pair, rect, x, y, int64_t{rect.w} * rect.h);
}

void RunMemcpy(benchmark::State& state, int w, int h) {
  std::vector<uint16_t> from(static_cast<size_t>(kScreenW) * 1000, 1);
  std::vector<uint16_t> to(static_cast<size_t>(kScreenW) * kScreenH, 2);
  for (auto _ : state) {
    for (int y = 0; y < h; ++y) {
      std::memcpy(&to[static_cast<size_t>(y) * kScreenW], &from[static_cast<size_t>(y) * kScreenW],
                  static_cast<size_t>(w) * 2);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

// The rescue window: 540 x 140 of the frame picture, alpha-blended onto the back buffer.
void Rescue_kobako(benchmark::State& state) {
  RunKobako(state, Request(BLIT_BLEND | BLEND_ALPHA, 0, Rect{0, 0, 540, 140}, 40, 10, 128),
            540 * 140);
}
void Rescue_sdl(benchmark::State& state) {
  RunSdlBlend(state, 0, 1000, SDL_Rect{0, 0, 540, 140}, 40, 10, 128, true);
}
// SDL's fastest 565 blend, without the colour key (not the same work: black is blended too).
void Rescue_sdlnokey(benchmark::State& state) {
  RunSdlBlend(state, 0, 1000, SDL_Rect{0, 0, 540, 140}, 40, 10, 128, false);
}
void Rescue_memcpy(benchmark::State& state) {
  RunMemcpy(state, 540, 140);
}

// The darkening of a stage transition: the whole Back picture subtracted from the back buffer.
// SDL has no subtractive surface blend; its alpha blend of the same pixels stands in.
void Darken_kobako(benchmark::State& state) {
  RunKobako(state, Request(BLIT_BLEND | BLEND_SUB, 1, Rect{0, 0, 640, 480}, 0, 0, 200), 640 * 480);
}
void Darken_sdl(benchmark::State& state) {
  RunSdlBlend(state, 1, 480, SDL_Rect{0, 0, 640, 480}, 0, 0, 200, true);
}
void Darken_memcpy(benchmark::State& state) {
  RunMemcpy(state, 640, 480);
}

// A 64 x 64 sprite copied with its black as the colour key.
void Sprite_kobako(benchmark::State& state) {
  RunKobako(state, Request(BLIT_COPY, 2, Rect{0, 0, 64, 64}, 300, 200, 0), 64 * 64);
}
void Sprite_sdl(benchmark::State& state) {
  SdlPair pair(TheDisplay().draw->Slot(2).pixels.get(), 64, 64, kScreenW, kScreenH);
  SDL_SetColorKey(pair.src, SDL_TRUE, 0);
  RunSdl(state, pair, SDL_Rect{0, 0, 64, 64}, 300, 200, 64 * 64);
}
void Sprite_memcpy(benchmark::State& state) {
  RunMemcpy(state, 64, 64);
}

// A whole screen copied without key.
void Screen_kobako(benchmark::State& state) {
  RunKobako(state, Request(BLIT_COPY | 0x10, 1, Rect{0, 0, 640, 480}, 0, 0, 0), 640 * 480);
}
void Screen_sdl(benchmark::State& state) {
  SdlPair pair(TheDisplay().draw->Slot(1).pixels.get(), 640, 480, kScreenW, kScreenH);
  SDL_SetSurfaceBlendMode(pair.src, SDL_BLENDMODE_NONE);
  RunSdl(state, pair, SDL_Rect{0, 0, 640, 480}, 0, 0, 640 * 480);
}
void Screen_memcpy(benchmark::State& state) {
  RunMemcpy(state, 640, 480);
}

// The blend done the described way, a table read per channel, for comparison with the kernel.
void Rescue_tables(benchmark::State& state) {
  Display& display = TheDisplay();
  const PictureSlots& d = *display.draw;
  const uint16_t* src = d.Slot(0).pixels.get();
  uint16_t* dst = display.backbuffer.Pixels();
  const int a = 128;
  for (auto _ : state) {
    for (int j = 0; j < 140; ++j) {
      const uint16_t* s = src + j * 640;
      uint16_t* o = dst + (10 + j) * kScreenW + 40;
      for (int i = 0; i < 540; ++i) {
        const unsigned sp = s[i], dp = o[i];
        if (sp == 0) continue;
        const int b = d.MulTable[dp & 31][255 - a] + d.MulTable[sp & 31][a];
        const int g = d.MulTable[(dp >> 5) & 63][255 - a] + d.MulTable[(sp >> 5) & 63][a];
        const int r = d.MulTable[dp >> 11][255 - a] + d.MulTable[sp >> 11][a];
        o[i] = static_cast<uint16_t>((r << 11) | (g << 5) | b);
      }
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 540 * 140);
}

BENCHMARK(Rescue_kobako);
BENCHMARK(Rescue_sdl);
BENCHMARK(Rescue_sdlnokey);
BENCHMARK(Rescue_memcpy);
BENCHMARK(Rescue_tables);
BENCHMARK(Darken_kobako);
BENCHMARK(Darken_sdl);
BENCHMARK(Darken_memcpy);
BENCHMARK(Sprite_kobako);
BENCHMARK(Sprite_sdl);
BENCHMARK(Sprite_memcpy);
BENCHMARK(Screen_kobako);
BENCHMARK(Screen_sdl);
BENCHMARK(Screen_memcpy);

// Keeps each run's time per iteration so that the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    std::printf("\nratio = kobako CPU time / other CPU time (below 1: kobako is faster)\n");
    for (const char* work : {"Rescue", "Darken", "Sprite", "Screen"}) {
      const double own = Time(std::string(work) + "_kobako");
      std::printf("%-7s kobako/sdl %.2f  kobako/memcpy %.2f", work,
                  own / Time(std::string(work) + "_sdl"),
                  own / Time(std::string(work) + "_memcpy"));
      if (std::string(work) == "Rescue") {
        std::printf("  kobako/tables %.2f  kobako/sdl-unkeyed %.2f", own / Time("Rescue_tables"),
                    own / Time("Rescue_sdlnokey"));
      }
      std::printf("\n");
    }
  }

 private:
  double Time(const std::string& name) const {
    auto it = times_.find(name);
    return it == times_.end() ? 0.0 : it->second;
  }
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
