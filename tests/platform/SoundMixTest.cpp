#include "HeadlessTest.h"

#include <algorithm>
#include <cmath>

#include "platform/ChannelTiming.h"
#include "platform/Sound.h"
#include "platform/SoundTestFiles.h"
#include "platform/TAudioDevice.h"

namespace {
constexpr int RATE = 44100;
// Where the loudness is read: clear of the ramp at a voice's start.
constexpr int SETTLE_MS = 20;
} // namespace

// Sounds play on the in-memory mix, which follows the virtual clock.
class SoundMixTest : public HeadlessTest {
protected:
    SoundMixTest() : device(TAudioDevice::Instance()) {
        device.Reset();
        device.SetCapture(true);
    }
    ~SoundMixTest() override {
        device.SetCapture(false);
        device.Reset();
    }

    TSoundPtr Load(const std::string& name, const std::vector<int16_t>& samples, int flags = 0,
                   int rate = RATE, int channels = 1) {
        return LoadSound(files.Write(name, soundfiles::Wav(samples, channels, rate)), flags);
    }

    TChannelPtr Play(const TSoundPtr& sound, float volume = 1.0f, float rate = 1.0f) {
        auto channel = CueSound(sound);
        SetChannelVolume(channel, volume);
        SetChannelRate(channel, rate);
        ResumeChannel(channel);
        return channel;
    }

    // Moves the clock on and gives the loudest left-channel sample of the mix
    // rendered meanwhile, leaving out its first skipMs.
    float PeakOver(int ms, int skipMs = 0) {
        backend.AdvanceTime(ms);
        ChannelPlaying(nullptr); // brings the mix up to the clock
        const auto mix = device.TakeCapture();
        float peak = 0.0f;
        for (size_t i = static_cast<size_t>(skipMs) * RATE / 1000 * 2; i < mix.size(); i += 2) {
            peak = std::max(peak, std::fabs(mix[i]));
        }
        return peak;
    }

    TAudioDevice& device;
    soundfiles::TempFolder files;
};

TEST_F(SoundMixTest, MixIsRenderedInMemoryOnTheHeadlessPlatform) {
    EXPECT_TRUE(device.RendersToMemory());
}

TEST_F(SoundMixTest, CuedChannelIsSilentUntilResumed) {
    auto sound = Load("tone.wav", soundfiles::Tone(1.0, RATE));
    auto channel = CueSound(sound);
    EXPECT_EQ(PeakOver(100), 0.0f);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    ResumeChannel(channel);
    EXPECT_GT(PeakOver(100, SETTLE_MS), 0.1f);
}

TEST_F(SoundMixTest, VolumeScalesTheAmplitude) {
    auto sound = Load("tone.wav", soundfiles::Tone(1.0, RATE));
    auto full = Play(sound, 1.0f);
    const float fullPeak = PeakOver(100, SETTLE_MS);
    StopChannel(full);
    PeakOver(10);
    Play(sound, 0.4f);
    const float quietPeak = PeakOver(100, SETTLE_MS);
    ASSERT_GT(fullPeak, 0.1f);
    EXPECT_NEAR(quietPeak / fullPeak, 0.4f, 0.02f);
}

TEST_F(SoundMixTest, ChannelPlaysForTheSoundsLengthOverItsRate) {
    struct Case {
        int fileRate;
        float rate;
        int expectedMs;
    };
    for (const Case& c : {Case{RATE, 1.0f, 500}, Case{RATE, 2.0f, 250}, Case{22050, 1.0f, 500},
                          Case{RATE, 0.5f, 1000}}) {
        auto sound = Load("timed.wav", soundfiles::Tone(0.5, c.fileRate), 0, c.fileRate);
        auto channel = Play(sound, 1.0f, c.rate);
        EXPECT_NEAR(MsUntilSilent(backend, channel, 3000), c.expectedMs, 3)
            << "file rate " << c.fileRate << ", rate " << c.rate;
        device.TakeCapture();
        EXPECT_EQ(PeakOver(20), 0.0f);
    }
}

TEST_F(SoundMixTest, LoopingSoundKeepsPlayingPastItsLength) {
    auto looped = Play(Load("loop.wav", soundfiles::Tone(0.2, RATE), 1));
    auto once = Play(Load("once.wav", soundfiles::Tone(0.2, RATE), 0));
    PeakOver(1000);
    EXPECT_EQ(ChannelPlaying(looped), 1);
    EXPECT_EQ(ChannelPlaying(once), 0);
    EXPECT_GT(PeakOver(100), 0.1f);
}

TEST_F(SoundMixTest, LongGapsEndChannelsWithoutRenderingItAll) {
    auto looped = Play(Load("loop.wav", soundfiles::Tone(0.3, RATE), 1));
    auto once = Play(Load("once.wav", soundfiles::Tone(3.0, RATE), 0));
    backend.AdvanceTime(2500);
    EXPECT_EQ(ChannelPlaying(once), 1);
    backend.AdvanceTime(10000);
    EXPECT_EQ(ChannelPlaying(once), 0);
    EXPECT_EQ(ChannelPlaying(looped), 1);
}

TEST_F(SoundMixTest, StopChannelSilencesAtOnce) {
    auto channel = Play(Load("tone.wav", soundfiles::Tone(1.0, RATE)));
    ASSERT_GT(PeakOver(50), 0.1f);
    StopChannel(channel);
    EXPECT_EQ(ChannelPlaying(channel), 0);
    EXPECT_EQ(PeakOver(100), 0.0f);
    ResumeChannel(channel);
    EXPECT_EQ(ChannelPlaying(channel), 0);
}

TEST_F(SoundMixTest, TwoChannelsMix) {
    auto sound = Load("tone.wav", soundfiles::Tone(1.0, RATE, 1, 0.3));
    auto first = Play(sound);
    const float onePeak = PeakOver(100, SETTLE_MS);
    StopChannel(first);
    PeakOver(10);
    Play(sound);
    Play(sound);
    const float twoPeak = PeakOver(100, SETTLE_MS);
    ASSERT_GT(onePeak, 0.05f);
    EXPECT_NEAR(twoPeak / onePeak, 2.0f, 0.05f);
}

TEST_F(SoundMixTest, EightAndSixteenBitFilesSoundAlike) {
    const auto tone = soundfiles::Tone(1.0, RATE);
    auto eight = LoadSound(files.Write("eight.wav", soundfiles::Wav(tone, 1, RATE, 8)));
    auto sixteen = LoadSound(files.Write("sixteen.wav", soundfiles::Wav(tone, 1, RATE, 16)));
    ASSERT_TRUE(eight && sixteen);
    StopChannel(Play(eight));
    auto a = Play(eight);
    const float eightPeak = PeakOver(100, SETTLE_MS);
    StopChannel(a);
    PeakOver(10);
    Play(sixteen);
    const float sixteenPeak = PeakOver(100, SETTLE_MS);
    EXPECT_NEAR(eightPeak, sixteenPeak, 0.02f);
}

TEST_F(SoundMixTest, FinishedVoicesAreReusedAndOldChannelsGoInert) {
    auto sound = Load("blip.wav", soundfiles::Tone(0.02, RATE));
    TChannelPtr previous;
    for (int i = 0; i < 1000; ++i) {
        auto channel = Play(sound);
        ASSERT_EQ(ChannelPlaying(channel), 1) << "play " << i;
        backend.AdvanceTime(30);
        ASSERT_EQ(ChannelPlaying(channel), 0) << "play " << i;
        previous = channel;
    }
    EXPECT_LE(device.ActiveChannels(), 1);

    // previous's voice now carries a new sound: previous must leave it alone.
    auto current = Play(Load("long.wav", soundfiles::Tone(1.0, RATE)));
    EXPECT_EQ(ChannelPlaying(previous), 0);
    StopChannel(previous);
    SetChannelVolume(previous, 0.0f);
    EXPECT_EQ(ChannelPlaying(current), 1);
    EXPECT_GT(PeakOver(100, SETTLE_MS), 0.1f);
}

TEST_F(SoundMixTest, MoreSoundsAtOnceThanVoicesMutesOnlyTheExtraOnes) {
    auto sound = Load("blip.wav", soundfiles::Tone(0.05, RATE));
    std::vector<TChannelPtr> channels;
    for (int i = 0; i < 600; ++i) {
        channels.push_back(Play(sound));
    }
    const auto playing = std::count_if(channels.begin(), channels.end(),
                                       [](const TChannelPtr& c) { return ChannelPlaying(c) == 1; });
    EXPECT_GE(playing, 64);
    EXPECT_LT(playing, 600);
    backend.AdvanceTime(100);
    EXPECT_EQ(ChannelPlaying(Play(sound)), 1);
}

TEST_F(SoundMixTest, CuedChannelsNobodyHoldsAreTakenBack) {
    auto sound = Load("tone.wav", soundfiles::Tone(0.1, RATE));
    for (int i = 0; i < 1000; ++i) {
        CueSound(sound);
    }
    EXPECT_LE(device.ActiveChannels(), 1);
}

TEST_F(SoundMixTest, PlainChannelIsInert) {
    auto plain = std::make_shared<TChannel>();
    SetChannelVolume(plain, 1.0f);
    SetChannelRate(plain, 2.0f);
    ResumeChannel(plain);
    EXPECT_EQ(ChannelPlaying(plain), 0);
    StopChannel(plain);
    EXPECT_EQ(PeakOver(50), 0.0f);
    EXPECT_EQ(CueSound(nullptr), nullptr);
}

TEST_F(SoundMixTest, OggSoundPlaysForItsLength) {
    const auto bytes = soundfiles::Ogg(soundfiles::Tone(0.5, RATE, 2), 2, RATE);
    auto sound = LoadSound(files.Write("tone.ogg", bytes));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->Frames(), RATE / 2);
    auto channel = Play(sound);
    EXPECT_GT(PeakOver(100, SETTLE_MS), 0.1f);
    // Half a second in all, 100 ms of it already heard.
    EXPECT_NEAR(MsUntilSilent(backend, channel, 3000), 400, 3);
}

TEST_F(SoundMixTest, PathsAreFoundWhateverTheirCase) {
    files.Write("Data/Sound/Hit.wav", soundfiles::Wav(soundfiles::Tone(0.1, RATE), 1, RATE));
    EXPECT_NE(LoadSound((files.Path() / "data/sound/hit.wav").string()), nullptr);
}
