#include "HeadlessTest.h"

#include <algorithm>
#include <cmath>

#include "core/TChannelArray.h"
#include "core/TGame.h"
#include "platform/Sound.h"
#include "platform/SoundTestFiles.h"
#include "platform/TAudioDevice.h"

namespace {
constexpr int RATE = 22050;
constexpr int SETTLE_MS = 20;
} // namespace

class TGameSoundTest : public HeadlessTest {
protected:
    TGameSoundTest() : device(TAudioDevice::Instance()) {
        device.Reset();
        device.SetCapture(true);
        game = TGame::Create();
        game->soundPath = (files.Path() / "Sound").string() + "/";
        game->musicPath = (files.Path() / "Music").string() + "/";
        files.Write("Sound/blip.wav", soundfiles::Wav(soundfiles::Tone(0.5, RATE), 1, RATE));
        files.Write("Music/track.ogg", soundfiles::Ogg(soundfiles::Tone(1.0, RATE), 1, RATE));
        effect = game->LoadGameSound("blip.wav", 0);
    }
    ~TGameSoundTest() override {
        device.SetCapture(false);
        device.Reset();
    }

    void Advance(int ms) {
        backend.AdvanceTime(ms);
        ChannelPlaying(nullptr); // brings the mix up to the clock
    }

    // Loudest left-channel sample rendered over the next ms, after a settling time.
    float PeakOver(int ms) {
        Advance(SETTLE_MS);
        device.TakeCapture();
        Advance(ms);
        const auto mix = device.TakeCapture();
        float peak = 0.0f;
        for (size_t i = 0; i < mix.size(); i += 2) {
            peak = std::max(peak, std::fabs(mix[i]));
        }
        return peak;
    }

    TAudioDevice& device;
    soundfiles::TempFolder files;
    TSoundPtr effect;
};

TEST_F(TGameSoundTest, GameStartsWithAPoolOfSixteenPlaceholders) {
    ASSERT_NE(game->channelArray, nullptr);
    EXPECT_EQ(game->channelArray->Count(), 16);
}

TEST_F(TGameSoundTest, SameEffectOnOneChannelVariableCutsTheFirstOff) {
    ASSERT_NE(effect, nullptr);
    TChannelPtr channel;
    game->PlayGameSound(effect, channel, 1.0f, 1.0f);
    const float onePeak = PeakOver(50);
    const TChannelPtr first = channel;
    game->PlayGameSound(effect, channel, 1.0f, 1.0f);
    EXPECT_NE(channel, first);
    EXPECT_EQ(ChannelPlaying(first), 0);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    EXPECT_NEAR(PeakOver(50), onePeak, 0.02f);
}

TEST_F(TGameSoundTest, PlayGameSound2OverlapsCopies) {
    auto first = game->PlayGameSound2(effect, nullptr, 1.0f, 1.0f);
    const float onePeak = PeakOver(50);
    auto second = game->PlayGameSound2(effect, nullptr, 1.0f, 1.0f);
    EXPECT_EQ(ChannelPlaying(first), 1);
    EXPECT_EQ(ChannelPlaying(second), 1);
    EXPECT_GT(PeakOver(50), onePeak * 1.2f);
}

TEST_F(TGameSoundTest, PlayGameSound2StopsAChannelItIsGivenButNeverPlaysOnIt) {
    TChannelPtr own;
    game->PlayGameSound(effect, own, 1.0f, 1.0f);
    const TChannelPtr given = own;
    auto fresh = game->PlayGameSound2(effect, given, 1.0f, 1.0f);
    EXPECT_EQ(ChannelPlaying(own), 0);
    EXPECT_EQ(own, given);
    EXPECT_NE(fresh, given);
    EXPECT_EQ(ChannelPlaying(fresh), 1);
}

TEST_F(TGameSoundTest, EffectPlaysAtTheGivenVolumeAndRate) {
    TChannelPtr channel;
    game->PlayGameSound(effect, channel, 1.0f, 1.0f);
    const float fullPeak = PeakOver(50);
    game->PlayGameSound(effect, channel, 0.5f, 2.0f);
    EXPECT_NEAR(PeakOver(50) / fullPeak, 0.5f, 0.03f);
    // Half a second at double speed lasts 250 ms, SETTLE_MS + 50 of them gone.
    Advance(250 - (SETTLE_MS + 50) - 5);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    Advance(10);
    EXPECT_EQ(ChannelPlaying(channel), 0);
}

TEST_F(TGameSoundTest, StopSoundClearsAPlayingChannelButLeavesAFinishedOne) {
    TChannelPtr channel;
    game->PlayGameSound(effect, channel, 1.0f, 1.0f);
    Advance(600);
    const TChannelPtr finished = channel;
    game->StopSound(channel);
    EXPECT_EQ(channel, finished);

    game->PlayGameSound(effect, channel, 1.0f, 1.0f);
    EXPECT_NE(channel, finished);
    const TChannelPtr playing = channel;
    game->StopSound(channel);
    EXPECT_EQ(channel, nullptr);
    EXPECT_EQ(ChannelPlaying(playing), 0);
    EXPECT_EQ(PeakOver(50), 0.0f);
}

TEST_F(TGameSoundTest, NullSoundsPrintANoticeAndPlayNothing) {
    TChannelPtr channel;
    game->PlayGameSound(effect, channel, 1.0f, 1.0f);
    const TChannelPtr playing = channel;
    testing::internal::CaptureStdout();
    game->PlayGameSound(nullptr, channel, 1.0f, 1.0f);
    auto fresh = game->PlayGameSound2(nullptr, nullptr, 1.0f, 1.0f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "PlayGameSound tried to play a null sound\n"
              "PlayGameSound2 tried to play a null sound\n");
    EXPECT_EQ(channel, playing);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    EXPECT_EQ(fresh, nullptr);
    EXPECT_EQ(device.ActiveChannels(), 1);
}

TEST_F(TGameSoundTest, PoolOfOneLetsNoFreshChannelPlay) {
    game->channelArray = TChannelArray::Create(1);
    EXPECT_EQ(game->PlayGameSound2(effect, nullptr, 1.0f, 1.0f), nullptr);
    EXPECT_EQ(device.ActiveChannels(), 0);
    EXPECT_EQ(PeakOver(50), 0.0f);
}

TEST_F(TGameSoundTest, MusicPlaysAtMusicVolumeAndRestartsFromTheBeginning) {
    game->LoadMusic("track.ogg", 1);
    ASSERT_NE(game->currentMusic, nullptr);
    EXPECT_TRUE(game->currentMusic->Loops());
    EXPECT_TRUE(game->currentMusic->Streamed());
    TChannelPtr reference;
    game->PlayGameSound(game->currentMusic, reference, 1.0f, 1.0f);
    const float fullPeak = PeakOver(50);
    game->StopSound(reference);

    game->PlayMusic();
    EXPECT_NEAR(PeakOver(50) / fullPeak, 0.4f, 0.03f);
    Advance(800);
    const TChannelPtr first = game->musicChannel;
    game->PlayMusic();
    EXPECT_EQ(ChannelPlaying(first), 0);
    // A restarted one-second track has a second to go; a continued one would end sooner.
    Advance(990);
    EXPECT_EQ(ChannelPlaying(game->musicChannel), 1);
}

TEST_F(TGameSoundTest, TrackPlayedOnceEndsAndStaysInItsChannel) {
    game->LoadMusic("track.ogg", 0);
    game->PlayMusic();
    const TChannelPtr channel = game->musicChannel;
    Advance(1100);
    EXPECT_EQ(ChannelPlaying(channel), 0);
    game->StopMusic();
    EXPECT_EQ(game->musicChannel, channel);
}

TEST_F(TGameSoundTest, WithMusicOffLoadingAndPlayingDoNothingButStoppingStillStops) {
    game->LoadMusic("track.ogg", 1);
    game->PlayMusic();
    const TSoundPtr loaded = game->currentMusic;
    const TChannelPtr playing = game->musicChannel;
    game->music = 0;
    files.Write("Music/other.ogg", soundfiles::Ogg(soundfiles::Tone(0.5, RATE), 1, RATE));
    game->LoadMusic("other.ogg", 1);
    EXPECT_EQ(game->currentMusic, loaded);
    game->PlayMusic();
    EXPECT_EQ(game->musicChannel, playing);
    EXPECT_EQ(ChannelPlaying(playing), 1);
    game->StopMusic();
    EXPECT_EQ(game->musicChannel, nullptr);
    EXPECT_EQ(ChannelPlaying(playing), 0);
}

TEST_F(TGameSoundTest, MissingFilesLoadAsNullWithoutANotice) {
    auto cut = soundfiles::Ogg(soundfiles::Tone(1.0, RATE), 1, RATE);
    cut.resize(cut.size() / 2);
    files.Write("Music/cut.ogg", cut);
    testing::internal::CaptureStdout();
    game->LoadMusic("cut.ogg", 1);
    EXPECT_EQ(game->currentMusic, nullptr);
    game->LoadMusic("missing.ogg", 1);
    EXPECT_EQ(game->LoadGameSound("missing.wav", 0), nullptr);
    game->music = 0;
    EXPECT_NE(game->LoadGameSound("blip.wav", 0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(game->currentMusic, nullptr);
}

TEST_F(TGameSoundTest, PlayMusicWithNoTrackLoadedDoesNothing) {
    game->LoadMusic("missing.ogg", 1);
    game->PlayMusic();
    EXPECT_EQ(game->musicChannel, nullptr);
    EXPECT_EQ(device.ActiveChannels(), 0);
    game->StopMusic();
}
