#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/TPlatform.h"
#include "platform/TSdlBackend.h"

namespace {

constexpr int SPRITES = 2000;
constexpr int RUN_LENGTH = 50;
constexpr int TEXT_LINES = 10; // of 20 glyphs each: 200 glyphs

struct Position {
    float x, y;
};

// The real backend drawing off screen, with a few sprite pictures.
class Scene {
public:
    Scene() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        auto real = std::make_unique<TSdlBackend>();
        backend_ = real.get();
        TPlatform::Instance().SetBackend(std::move(real));
        ready_ = Graphics(1024, 768, 0, 60, 0) != 0;
        const uint32_t colours[] = {0xffff4040u, 0xff40ff40u, 0xff4040ffu, 0xffffff40u};
        for (uint32_t colour : colours) {
            auto image = CreateImage(32, 32, 4, -1);
            for (int cell = 0; cell < 4; ++cell) {
                LockImage(image, cell)->Fill(colour);
            }
            UnlockImage(image);
            MidHandleImage(image);
            images_.push_back(image);
        }
        uint32_t seed = 12345;
        for (int i = 0; i < SPRITES; ++i) {
            seed = seed * 1664525u + 1013904223u;
            positions_.push_back(
                {static_cast<float>(seed % 1024), static_cast<float>(seed / 1024 % 768)});
        }
    }

    ~Scene() { TPlatform::Instance().UseHeadless(); }

    bool Ready() const { return ready_; }
    TSpriteBatcher& Batcher() { return backend_->Renderer()->Batcher(); }

    // imagesInTurn 1: every sprite shares one picture; 4: runs of 50 per picture.
    void DrawSprites(int imagesInTurn) {
        for (int i = 0; i < SPRITES; ++i) {
            const auto& image = images_[static_cast<size_t>((i / RUN_LENGTH) % imagesInTurn)];
            DrawImage(image, positions_[static_cast<size_t>(i)].x,
                      positions_[static_cast<size_t>(i)].y, i % 4);
        }
    }

    static void DrawLines() {
        for (int line = 0; line < TEXT_LINES; ++line) {
            DrawText("SCORE0001234LIVES033", 20, static_cast<float>(20 + line * 18));
        }
    }

private:
    TSdlBackend* backend_ = nullptr;
    bool ready_ = false;
    std::vector<TImagePtr> images_;
    std::vector<Position> positions_;
};

// Draws one frame and hands its quads to GL; range(0) is 1 for one picture
// plus text, 4 for four pictures in runs of 50; range(1) is 1 to send every
// quad in a draw call of its own.
void BM_SubmitFrame(benchmark::State& state) {
    Scene scene;
    if (!scene.Ready()) {
        state.SkipWithError("no OpenGL display");
        return;
    }
    const int pictures = static_cast<int>(state.range(0));
    scene.Batcher().flushEveryQuad = state.range(1) != 0;
    int drawCalls = 0;
    for (auto _ : state) {
        scene.Batcher().ResetCounters();
        Cls();
        scene.DrawSprites(pictures);
        if (pictures == 1) {
            Scene::DrawLines();
        }
        scene.Batcher().Flush();
        drawCalls = scene.Batcher().DrawCalls();
        state.PauseTiming();
        // Let GL finish the frame outside the timing, so frames do not pile up.
        GrabPixmap(0, 0, 1, 1);
        state.ResumeTiming();
    }
    state.counters["draw_calls"] = drawCalls;
}
BENCHMARK(BM_SubmitFrame)
    ->ArgNames({"pictures", "per_quad"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond);

// The same frames drawn all the way to pixels (llvmpipe renders on the CPU).
void BM_WholeFrame(benchmark::State& state) {
    Scene scene;
    if (!scene.Ready()) {
        state.SkipWithError("no OpenGL display");
        return;
    }
    const int pictures = static_cast<int>(state.range(0));
    scene.Batcher().flushEveryQuad = state.range(1) != 0;
    for (auto _ : state) {
        Cls();
        scene.DrawSprites(pictures);
        if (pictures == 1) {
            Scene::DrawLines();
        }
        GrabPixmap(0, 0, 1, 1);
        Flip(0);
    }
}
BENCHMARK(BM_WholeFrame)
    ->ArgNames({"pictures", "per_quad"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
