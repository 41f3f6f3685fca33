#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

#include "../tests/platform/SoundTestFiles.h"
#include "core/TChannelArray.h"
#include "core/TGame.h"
#include "platform/Sound.h"
#include "platform/TAudioDevice.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"

namespace {

constexpr int RATE = 44100;

// A minute of stereo "music": a few drifting tones over a little noise, so the
// encoder has as much to say as it would for a real track.
std::vector<int16_t> MinuteOfMusic() {
    constexpr int SECONDS = 60;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-0.05, 0.05);
    std::vector<int16_t> samples(static_cast<size_t>(SECONDS) * RATE * 2);
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double left = 0.2 * std::sin(2 * M_PI * (220 + 20 * std::sin(t)) * t) +
                            0.15 * std::sin(2 * M_PI * 330 * t) + noise(random);
        const double right = 0.2 * std::sin(2 * M_PI * 277 * t) +
                             0.15 * std::sin(2 * M_PI * (440 + 30 * std::sin(0.5 * t)) * t) +
                             noise(random);
        samples[2 * i] = static_cast<int16_t>(left * 32767);
        samples[2 * i + 1] = static_cast<int16_t>(right * 32767);
    }
    return samples;
}

const soundfiles::TempFolder& Files() {
    static soundfiles::TempFolder files;
    return files;
}

const std::string& TrackPath() {
    static const std::string path =
        Files().Write("track.ogg", soundfiles::Ogg(MinuteOfMusic(), 2, RATE, 0.4f));
    return path;
}

const std::string& EffectPath() {
    static const std::string path =
        Files().Write("effect.wav", soundfiles::Wav(soundfiles::Tone(0.5, RATE), 1, RATE));
    return path;
}

void UseHeadless() {
    TPlatform::Instance().UseHeadless();
    TAudioDevice::Instance().Reset();
}

// Opening a one-minute music track for streaming, as a screen does when it
// starts: the file is read and checked, and only its first moments decoded.
void BM_OpenMusicStream60s(benchmark::State& state) {
    UseHeadless();
    const std::string& path = TrackPath();
    for (auto _ : state) {
        auto sound = StreamSound(path, 1);
        if (!sound) {
            state.SkipWithError("the track did not open");
            break;
        }
        benchmark::DoNotOptimize(sound);
    }
}
BENCHMARK(BM_OpenMusicStream60s)->Unit(benchmark::kMillisecond);

// Decoding the same track whole, as music was loaded before it was streamed.
void BM_DecodeWholeOggTrack60s(benchmark::State& state) {
    UseHeadless();
    const std::string& path = TrackPath();
    for (auto _ : state) {
        auto sound = LoadSound(path, 1);
        if (!sound) {
            state.SkipWithError("the track did not load");
            break;
        }
        benchmark::DoNotOptimize(sound);
    }
}
BENCHMARK(BM_DecodeWholeOggTrack60s)->Unit(benchmark::kMillisecond);

// What a screen change that brings its own music costs the frame it happens
// in: LoadMusic, then PlayMusic, which cues the track and queues its first
// buffers (the old track's stream is stopped and let go as well).
void BM_ScreenChangeLoadsAndPlaysMusic(benchmark::State& state) {
    UseHeadless();
    auto game = TGame::Create();
    const std::string& path = TrackPath();
    game->musicPath = path.substr(0, path.rfind('/') + 1);
    for (auto _ : state) {
        game->LoadMusic("track.ogg", 1);
        game->PlayMusic();
        if (!ChannelPlaying(game->musicChannel)) {
            state.SkipWithError("the track did not play");
            break;
        }
    }
    TAudioDevice::Instance().Reset();
}
BENCHMARK(BM_ScreenChangeLoadsAndPlaysMusic)->Unit(benchmark::kMillisecond);

// One 16 ms frame of the in-memory mix while a music track streams: the
// buffers heard are refilled as the mix goes on.
void BM_MixOneFrameOfStreamingMusic(benchmark::State& state) {
    auto& backend = TPlatform::Instance().UseHeadless();
    auto& device = TAudioDevice::Instance();
    device.Reset();
    auto track = StreamSound(TrackPath(), 1);
    auto channel = CueSound(track);
    ResumeChannel(channel);
    for (auto _ : state) {
        backend.AdvanceTime(16);
        device.Update();
    }
    device.Reset();
}
BENCHMARK(BM_MixOneFrameOfStreamingMusic)->Unit(benchmark::kMicrosecond);

// Loading a typical half-second sound effect.
void BM_LoadWavEffect(benchmark::State& state) {
    UseHeadless();
    const std::string& path = EffectPath();
    for (auto _ : state) {
        auto sound = LoadSound(path, 0);
        benchmark::DoNotOptimize(sound);
    }
}
BENCHMARK(BM_LoadWavEffect)->Unit(benchmark::kMicrosecond);

// A hundred effects started on fresh channels in one logic step.
void BM_HundredPlayGameSound2(benchmark::State& state) {
    UseHeadless();
    auto game = TGame::Create();
    auto effect = LoadSound(EffectPath(), 0);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            benchmark::DoNotOptimize(game->PlayGameSound2(effect, nullptr, 1.0f, 1.0f));
        }
        state.PauseTiming();
        TAudioDevice::Instance().Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HundredPlayGameSound2)->Unit(benchmark::kMicrosecond);

// Rendering one 5 ms logic step of the in-memory mix with a hundred voices playing.
void BM_MixOneStepOfHundredVoices(benchmark::State& state) {
    auto& backend = TPlatform::Instance().UseHeadless();
    auto& device = TAudioDevice::Instance();
    device.Reset();
    auto effect = LoadSound(EffectPath(), 1);
    std::vector<TChannelPtr> channels;
    for (int i = 0; i < 100; ++i) {
        channels.push_back(CueSound(effect));
        ResumeChannel(channels.back());
    }
    for (auto _ : state) {
        backend.AdvanceTime(5);
        device.Update();
    }
    device.Reset();
}
BENCHMARK(BM_MixOneStepOfHundredVoices)->Unit(benchmark::kMicrosecond);

} // namespace
