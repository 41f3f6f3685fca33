#include <benchmark/benchmark.h>

#include "CrowdedScene.h"
#include "StepShare.h"
#include "core/Globals.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"
#include "screens/TGameScreen.h"

namespace {

// A sky of 1,500 explosion particles on a headless game.
class ParticleSky {
public:
    ParticleSky() {
        CrowdedScene::StartHeadlessGame(BRINDLEWICK_DATA_DIR);
        TGameScreen::particleList = TParticleList::Create();
        CrowdedScene::FillParticles();
    }
    ~ParticleSky() { CrowdedScene::EndGame(); }
    ParticleSky(const ParticleSky&) = delete;
    ParticleSky& operator=(const ParticleSky&) = delete;
};

// 1,500 particles stepped once; those that died are replaced outside the timing.
void BM_ParticleListLogic(benchmark::State& state) {
    ParticleSky sky;
    for (auto _ : state) {
        TGameScreen::particleList->Logic();
        state.PauseTiming();
        CrowdedScene::FillParticles();
        state.ResumeTiming();
    }
    ReportShareOfStep(state);
}
BENCHMARK(BM_ParticleListLogic)->Unit(benchmark::kMicrosecond);

// 1,500 particles drawn on the headless backend, every operation recorded.
void BM_ParticleListDraw(benchmark::State& state) {
    ParticleSky sky;
    auto& backend = static_cast<THeadlessBackend&>(TPlatform::Instance().Backend());
    size_t ops = 0;
    for (auto _ : state) {
        TGameScreen::particleList->Draw();
        state.PauseTiming();
        ops = backend.Ops().size();
        backend.ClearOps();
        state.ResumeTiming();
    }
    state.counters["draw_ops"] = static_cast<double>(ops);
    ReportShareOfStep(state);
}
BENCHMARK(BM_ParticleListDraw)->Unit(benchmark::kMicrosecond);

} // namespace
