#include "HeadlessTest.h"

#include <ogg/ogg.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "platform/ChannelTiming.h"
#include "platform/Sound.h"
#include "platform/SoundTestFiles.h"
#include "platform/TAudioDevice.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int RATE = 44100;
// Clear of the ramp at a voice's start.
constexpr int SETTLE_MS = 20;
// A window this long of a 440 Hz tone always holds a crest.
constexpr int WINDOW_MS = 5;

Bytes ToneOgg(double seconds, int rate = RATE, int channels = 2) {
    return soundfiles::Ogg(soundfiles::Tone(seconds, rate, channels), channels, rate);
}

// A tone under a little noise: it takes many pages, as real music does.
Bytes NoisyToneOgg(double seconds) {
    auto samples = soundfiles::Tone(seconds, RATE, 2, 0.4);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> noise(-3000, 3000);
    for (auto& sample : samples) {
        sample = static_cast<int16_t>(sample + noise(random));
    }
    return soundfiles::Ogg(samples, 2, RATE);
}

// Where each Ogg page starts.
std::vector<size_t> PageStarts(const Bytes& bytes) {
    constexpr size_t HEADER = 27;
    std::vector<size_t> starts;
    size_t at = 0;
    while (at + HEADER <= bytes.size()) {
        const size_t segments = bytes[at + 26];
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i) {
            body += bytes[at + HEADER + i];
        }
        starts.push_back(at);
        at += HEADER + segments + body;
    }
    return starts;
}

// The pages of the middle fifth of the sound, with fresh checksums when
// rechecksum is set, so the damage reaches the decoder instead of being
// dropped as a torn page.
Bytes DamagedInTheMiddle(Bytes bytes, bool rechecksum) {
    const auto starts = PageStarts(bytes);
    for (size_t p = starts.size() * 2 / 5; p < starts.size() * 3 / 5; ++p) {
        const size_t at = starts[p];
        const size_t headerLength = 27 + bytes[at + 26];
        const size_t end = p + 1 < starts.size() ? starts[p + 1] : bytes.size();
        for (size_t i = at + headerLength; i < end; i += 3) {
            bytes[i] ^= 0xA5;
        }
        if (rechecksum) {
            ogg_page page{bytes.data() + at, static_cast<long>(headerLength),
                          bytes.data() + at + headerLength,
                          static_cast<long>(end - at - headerLength)};
            ogg_page_checksum_set(&page);
        }
    }
    return bytes;
}

// The file with its middle fifth of pages left out.
Bytes MiddleCutOut(Bytes bytes) {
    const auto starts = PageStarts(bytes);
    bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(starts[starts.size() * 2 / 5]),
                bytes.begin() + static_cast<std::ptrdiff_t>(starts[starts.size() * 3 / 5]));
    return bytes;
}

} // namespace

// Music decoded while it plays, on the in-memory mix that follows the virtual clock.
class MusicStreamTest : public HeadlessTest {
protected:
    MusicStreamTest() : device(TAudioDevice::Instance()) {
        device.Reset();
        device.SetCapture(true);
    }
    ~MusicStreamTest() override {
        device.SetCapture(false);
        device.Reset();
    }

    TSoundPtr Stream(const std::string& name, const Bytes& bytes, int flags = 0) {
        return StreamSound(files.Write(name, bytes), flags);
    }

    TChannelPtr Play(const TSoundPtr& sound) {
        auto channel = CueSound(sound);
        ResumeChannel(channel);
        return channel;
    }

    // Moves the clock on and gives the left channel of the mix rendered meanwhile.
    std::vector<float> Render(int ms) {
        backend.AdvanceTime(ms);
        ChannelPlaying(nullptr); // brings the mix up to the clock
        const auto mix = device.TakeCapture();
        std::vector<float> left;
        for (size_t i = 0; i < mix.size(); i += 2) {
            left.push_back(mix[i]);
        }
        return left;
    }

    static float Peak(const std::vector<float>& mix) {
        float peak = 0.0f;
        for (float sample : mix) {
            peak = std::max(peak, std::fabs(sample));
        }
        return peak;
    }

    // The loudest sample of the quietest WINDOW_MS stretch: near 0 over any gap.
    static float QuietestWindow(const std::vector<float>& mix) {
        const size_t window = static_cast<size_t>(RATE) * WINDOW_MS / 1000;
        float quietest = 1.0f;
        for (size_t at = 0; at + window <= mix.size(); at += window) {
            quietest =
                std::min(quietest, Peak({mix.begin() + static_cast<std::ptrdiff_t>(at),
                                         mix.begin() + static_cast<std::ptrdiff_t>(at + window)}));
        }
        return quietest;
    }

    TAudioDevice& device;
    soundfiles::TempFolder files;
};

TEST_F(MusicStreamTest, StreamedTrackPlaysItsWholeLengthWithoutAGap) {
    struct Case {
        int rate;
        int channels;
        double seconds;
    };
    // Each far longer than the voice's queue, so it is refilled many times.
    for (const Case& c : {Case{RATE, 2, 2.5}, Case{22050, 1, 2.0}}) {
        auto sound = Stream("track.ogg", ToneOgg(c.seconds, c.rate, c.channels));
        ASSERT_NE(sound, nullptr);
        EXPECT_TRUE(sound->Streamed());
        EXPECT_EQ(sound->Frames(), static_cast<int>(c.seconds * c.rate));
        auto channel = Play(sound);
        Render(SETTLE_MS);
        const int lengthMs = static_cast<int>(c.seconds * 1000);
        const int heardMs = lengthMs - SETTLE_MS - 50;
        EXPECT_GT(QuietestWindow(Render(heardMs)), 0.2f) << c.rate << " Hz";
        EXPECT_NEAR(MsUntilSilent(backend, channel, 3000), 50, 3) << c.rate << " Hz";
        device.TakeCapture();
        EXPECT_EQ(Peak(Render(50)), 0.0f);
    }
}

TEST_F(MusicStreamTest, LoopingTrackOutlastsItsLengthWithoutAGap) {
    // One longer than a queued buffer, one that fits in a buffer many times over.
    for (double seconds : {0.5, 0.05}) {
        device.Reset();
        auto channel = Play(Stream("loop.ogg", ToneOgg(seconds), 1));
        Render(SETTLE_MS);
        const auto mix = Render(2000);
        EXPECT_EQ(ChannelPlaying(channel), 1) << seconds << " s";
        EXPECT_GT(QuietestWindow(mix), 0.2f) << seconds << " s";
    }
}

TEST_F(MusicStreamTest, StopSilencesAStreamAtOnceForGood) {
    auto channel = Play(Stream("track.ogg", ToneOgg(2.0), 1));
    ASSERT_GT(Peak(Render(50)), 0.1f);
    StopChannel(channel);
    EXPECT_EQ(ChannelPlaying(channel), 0);
    EXPECT_EQ(Peak(Render(100)), 0.0f);
    ResumeChannel(channel);
    EXPECT_EQ(ChannelPlaying(channel), 0);
    EXPECT_EQ(Peak(Render(100)), 0.0f);
    EXPECT_EQ(device.ActiveChannels(), 0);
}

TEST_F(MusicStreamTest, CuedStreamWaitsSilentUntilResumed) {
    auto sound = Stream("track.ogg", ToneOgg(0.5));
    auto channel = CueSound(sound);
    EXPECT_EQ(Peak(Render(300)), 0.0f);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    ResumeChannel(channel);
    Render(SETTLE_MS);
    EXPECT_GT(Peak(Render(50)), 0.1f);
    // The whole track is still to come: nothing was used up while it waited.
    EXPECT_NEAR(MsUntilSilent(backend, channel, 3000), 500 - SETTLE_MS - 50, 3);
}

TEST_F(MusicStreamTest, EachChannelStreamsItsOwnCopy) {
    auto sound = Stream("track.ogg", ToneOgg(1.0));
    auto first = Play(sound);
    Render(600);
    auto second = Play(sound);
    EXPECT_NEAR(MsUntilSilent(backend, first, 3000), 400, 3);
    EXPECT_EQ(ChannelPlaying(second), 1);
    EXPECT_NEAR(MsUntilSilent(backend, second, 3000), 600, 3);
}

TEST_F(MusicStreamTest, LongGapsMoveStreamsOnWithoutRenderingItAll) {
    auto looped = Play(Stream("loop.ogg", ToneOgg(0.3), 1));
    auto once = Play(Stream("once.ogg", ToneOgg(3.0)));
    backend.AdvanceTime(2500);
    EXPECT_EQ(ChannelPlaying(once), 1);
    backend.AdvanceTime(10000);
    EXPECT_EQ(ChannelPlaying(once), 0);
    EXPECT_EQ(ChannelPlaying(looped), 1);
    device.TakeCapture();
    EXPECT_GT(QuietestWindow(Render(500)), 0.2f);
}

TEST_F(MusicStreamTest, DamagedTracksEndOrGoOnButNeverHang) {
    const Bytes good = NoisyToneOgg(4.0);
    // Enough pages that the damage falls well after the first moments.
    ASSERT_GE(PageStarts(good).size(), 12u);
    struct Case {
        const char* what;
        Bytes bytes;
    };
    for (const Case& c : {Case{"torn pages in the middle", DamagedInTheMiddle(good, false)},
                          Case{"garbage with good checksums", DamagedInTheMiddle(good, true)},
                          Case{"middle pages left out", MiddleCutOut(good)}}) {
        for (int flags : {0, 1}) {
            device.Reset();
            auto sound = Stream("damaged.ogg", c.bytes, flags);
            // Damage past its first moments is found only while it plays.
            ASSERT_NE(sound, nullptr) << c.what;
            auto channel = Play(sound);
            Render(SETTLE_MS);
            EXPECT_GT(Peak(Render(100)), 0.1f) << c.what;
            if (flags == 0) {
                EXPECT_LT(MsUntilSilent(backend, channel, 10000), 4000) << c.what;
            } else {
                Render(10000);
            }
            StopChannel(channel);
            device.TakeCapture();
            EXPECT_EQ(Peak(Render(50)), 0.0f) << c.what;
        }
    }
}

TEST_F(MusicStreamTest, ChannelsStartedAndDroppedInQuickSuccessionAreAllTakenBack) {
    auto sound = Stream("track.ogg", ToneOgg(1.0), 1);
    for (int i = 0; i < 40; ++i) {
        auto channel = Play(sound);
        backend.AdvanceTime(i % 7);
        if (i % 2 == 0) {
            StopChannel(channel);
        }
    }
    auto unheard = CueSound(sound);
    unheard.reset();
    EXPECT_EQ(device.ActiveChannels(), 20);
    device.Reset();
    EXPECT_EQ(device.ActiveChannels(), 0);
    EXPECT_EQ(Peak(Render(50)), 0.0f);
}
