#include <benchmark/benchmark.h>

#include <memory>

#include "core/Globals.h"
#include "core/TGame.h"
#include "platform/THeadlessBackend.h"
#include "platform/TList.h"
#include "platform/TPlatform.h"

namespace {

struct Counter : TObject {
    int value = 0;
};

// A pass over a list of game objects that removes every other one, as the
// level's passes do when bullets leave play.
void BM_ListPassWithRemovals(benchmark::State& state) {
    const auto size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto list = TList::Create();
        for (int i = 0; i < size; ++i) {
            list->AddLast(std::make_shared<Counter>());
        }
        state.ResumeTiming();
        int i = 0;
        for (const auto& object : *list) {
            if (auto counter = As<Counter>(object)) {
                ++counter->value;
                if (i++ % 2 == 0) {
                    list->Remove(object);
                }
            }
        }
        benchmark::DoNotOptimize(list->Count());
    }
}
BENCHMARK(BM_ListPassWithRemovals)->Arg(100)->Arg(1000);

// One frame of the game loop's timing and screen dispatch with nothing to do.
void BM_GameLogicFrame(benchmark::State& state) {
    auto& backend = TPlatform::Instance().UseHeadless();
    game = TGame::Create();
    game->InitFixedRateLogic(200);
    game->useRemainderDelta = 1;
    game->AddScreenToStack(std::make_shared<TScreen>());
    for (auto _ : state) {
        backend.AdvanceTime(16);
        benchmark::DoNotOptimize(game->Logic());
    }
    game.reset();
}
BENCHMARK(BM_GameLogicFrame);

} // namespace
