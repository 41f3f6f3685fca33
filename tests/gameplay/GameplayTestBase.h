#pragma once

#include "HeadlessTest.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/TChannelArray.h"
#include "gameplay/TAlienBullet.h"
#include "gameplay/TBullet.h"
#include "gameplay/THazard.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPickup.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TProfile.h"
#include "gameplay/TSpawn.h"
#include "platform/Images.h"
#include "platform/Strings.h"
#include "screens/TGameScreen.h"

// A game object that notes every effect played, so tests can count sounds.
class RecordingGame : public TGame {
public:
    std::vector<TSoundPtr> played;

    int PlayGameSound(const std::shared_ptr<TSound>& sound, std::shared_ptr<TChannel>& channel,
                      float volume, float rate) override {
        played.push_back(sound);
        return TGame::PlayGameSound(sound, channel, volume, rate);
    }
    std::shared_ptr<TChannel> PlayGameSound2(const std::shared_ptr<TSound>& sound,
                                             std::shared_ptr<TChannel> channel, float volume,
                                             float rate) override {
        played.push_back(sound);
        return TGame::PlayGameSound2(sound, std::move(channel), volume, rate);
    }
    int Count(const TSoundPtr& sound) const {
        return static_cast<int>(std::count(played.begin(), played.end(), sound));
    }
};

// A level in progress on the headless platform, with pictures of the real
// sizes made in memory and the real sounds when the data folder is there.
class GameplayTestBase : public HeadlessTest {
protected:
    GameplayTestBase() {
        recording = std::make_shared<RecordingGame>();
        recording->screenStack = TList::Create();
        recording->channelArray = TChannelArray::Create(16);
        recording->InitFixedRateLogic(200);
        recording->useRemainderDelta = 1;
        auto sounds = std::string(BRINDLEWICK_DATA_DIR) + "/Data/Sound/";
        if (std::filesystem::exists(sounds)) {
            recording->soundPath = sounds;
        }
        game = recording;
        renderer = std::make_shared<TRenderer>();
        imageBank = TImageBank::Create("Data/Images/");
        StockImageBank();
        profile = TProfile::Create();
        delta = 1.0f;
        TGameScreen::particleList = TParticleList::Create();
    }

    ~GameplayTestBase() override {
        profile.reset();
        level.reset();
        player.reset();
        HUD.reset();
        gameScreen.reset();
        TGameScreen::particleList.reset();
    }

    // A new level and ship for the profile's level number.
    void StartLevel() {
        level = TLevel::Create();
        level->Init();
        player = TPlayer::CreatePlayer();
    }

    // One logic step of the game screen, without the HUD.
    void Step() {
        level->Logic();
        player->Logic();
        TGameScreen::particleList->Logic();
    }

    THazardPtr AddAlien(int type, float x, float y) {
        auto alien = THazard::CreateHazardOfType(static_cast<int>(x), static_cast<int>(y), type);
        level->hazardList->AddLast(alien);
        return alien;
    }

    std::shared_ptr<RecordingGame> recording;

private:
    void Stock(const std::string& name, int width, int height, int cells, int mid) {
        auto image =
            TGameImage::CreateFromImage(CreateImage(width, height, cells), Upper(name), mid);
        imageBank->Insert(Upper(name), image);
    }

    void StockImageBank() {
        Stock("logo", 824, 323, 16, 0);
        Stock("player", 140, 123, 8, 1);
        Stock("playerwhite", 140, 123, 1, 1);
        Stock("background", 1024, 768, 1, 0);
        Stock("pickup", 40, 40, 1, 1);
        Stock("bullet1", 40, 80, 1, 1);
        Stock("bullet2", 40, 80, 1, 1);
        Stock("Alien1", 100, 100, 20, 1);
        Stock("Alien1White", 100, 100, 20, 1);
        Stock("Alien2", 168, 100, 20, 1);
        Stock("Alien2White", 168, 100, 20, 1);
        Stock("AlienBullet", 24, 24, 1, 1);
        Stock("AlienBullet2", 32, 44, 1, 1);
        Stock("turret", 80, 72, 1, 1);
        Stock("TurretWhite", 80, 72, 1, 1);
        Stock("win", 320, 360, 1, 1);
        Stock("explosion", 128, 128, 1, 1);
        Stock("particlering", 128, 128, 1, 1);
        Stock("particlering2", 128, 128, 1, 1);
        Stock("particle1", 16, 16, 1, 1);
        Stock("particle2", 14, 14, 1, 1);
    }
};
