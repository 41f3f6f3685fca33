#include <benchmark/benchmark.h>

#include "CrowdedScene.h"
#include "StepShare.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"

namespace {

class HeadlessCrowd {
public:
    HeadlessCrowd() {
        CrowdedScene::StartHeadlessGame(BRINDLEWICK_DATA_DIR);
        CrowdedScene::StartLevel();
        scene.TopUp();
    }
    ~HeadlessCrowd() { CrowdedScene::EndGame(); }
    HeadlessCrowd(const HeadlessCrowd&) = delete;
    HeadlessCrowd& operator=(const HeadlessCrowd&) = delete;

    CrowdedScene scene;
};

// One logic step of the game screen in the crowded scene, topped up between
// steps outside the timing.
void BM_CrowdedLogicStep(benchmark::State& state) {
    HeadlessCrowd crowd;
    for (auto _ : state) {
        CrowdedScene::Step();
        state.PauseTiming();
        crowd.scene.TopUp();
        state.ResumeTiming();
    }
    ReportShareOfStep(state);
}
BENCHMARK(BM_CrowdedLogicStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// One frame of the crowded scene on the headless backend: its time and the
// number of draw operations it records.
void BM_CrowdedFrameDrawOps(benchmark::State& state) {
    HeadlessCrowd crowd;
    auto& backend = static_cast<THeadlessBackend&>(TPlatform::Instance().Backend());
    backend.ClearOps();
    size_t ops = 0;
    for (auto _ : state) {
        CrowdedScene::Draw();
        state.PauseTiming();
        ops = backend.Ops().size();
        backend.ClearOps();
        state.ResumeTiming();
    }
    state.counters["draw_ops"] = static_cast<double>(ops);
}
BENCHMARK(BM_CrowdedFrameDrawOps)->Unit(benchmark::kMicrosecond);

} // namespace
