#include "HeadlessTest.h"

#include "core/TChannelArray.h"
#include "platform/Sound.h"
#include "platform/SoundTestFiles.h"
#include "platform/TAudioDevice.h"

namespace {
TChannelPtr Member(const TChannelArray& pool, int index) {
    return As<TChannel>(pool.ValueAtIndex(index));
}
} // namespace

class TChannelArrayTest : public HeadlessTest {
protected:
    TChannelArrayTest() { TAudioDevice::Instance().Reset(); }
    ~TChannelArrayTest() override { TAudioDevice::Instance().Reset(); }

    // A channel that really plays, for a pool member that is busy.
    TChannelPtr PlayingChannel() {
        auto sound = LoadSound(
            files.Write("tone.wav", soundfiles::Wav(soundfiles::Tone(1.0, 22050), 1, 22050)));
        auto channel = CueSound(sound);
        ResumeChannel(channel);
        return channel;
    }

    soundfiles::TempFolder files;
};

TEST_F(TChannelArrayTest, PoolOfSixteenHandsOutTheMembersInTurnStartingWithTheSecond) {
    auto pool = TChannelArray::Create(16);
    ASSERT_EQ(pool->Count(), 16);
    EXPECT_EQ(pool->currentChannel, Member(*pool, 0));
    for (int round = 0; round < 2; ++round) {
        for (int i = 1; i <= 16; ++i) {
            EXPECT_EQ(pool->GetChannel(), Member(*pool, i % 16)) << "round " << round << ", " << i;
        }
    }
}

TEST_F(TChannelArrayTest, PoolOfOneNeverHandsOutItsMember) {
    auto pool = TChannelArray::Create(1);
    EXPECT_EQ(pool->GetChannel(), nullptr);
    EXPECT_EQ(pool->GetChannel(), nullptr);
    EXPECT_EQ(pool->currentChannel, Member(*pool, 0));
}

TEST_F(TChannelArrayTest, PlayingMembersAreSkipped) {
    auto pool = TChannelArray::Create(2);
    pool->AddLast(PlayingChannel());
    EXPECT_EQ(pool->GetChannel(), Member(*pool, 1));
    EXPECT_EQ(pool->GetChannel(), Member(*pool, 0));
    EXPECT_EQ(pool->GetChannel(), Member(*pool, 1));

    auto allBusy = TChannelArray::Create(1);
    allBusy->AddLast(PlayingChannel());
    EXPECT_EQ(allBusy->GetChannel(), nullptr);
}

TEST_F(TChannelArrayTest, StopSingleChannelSwapsInANewCurrentPlaceholder) {
    auto pool = TChannelArray::Create(3);
    auto busy = PlayingChannel();
    pool->AddLast(busy);
    pool->StopSingleChannel(busy);
    EXPECT_EQ(ChannelPlaying(busy), 0);
    EXPECT_FALSE(pool->Contains(busy));
    ASSERT_EQ(pool->Count(), 4);
    EXPECT_EQ(pool->currentChannel, Member(*pool, 3));
    EXPECT_EQ(pool->GetChannel(), Member(*pool, 0));
}

TEST_F(TChannelArrayTest, KillStopsAndRemovesEveryMember) {
    auto pool = TChannelArray::Create(2);
    auto busy = PlayingChannel();
    pool->AddLast(busy);
    pool->Kill();
    EXPECT_EQ(ChannelPlaying(busy), 0);
    EXPECT_EQ(pool->Count(), 0);
    EXPECT_EQ(pool->GetChannel(), nullptr);
}
