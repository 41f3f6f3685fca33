#pragma once

#include <string>

// The busiest moment of a late level: forty aliens hanging in the sky, forty
// shots of the ship's side climbing past them, sixty alien shots falling,
// ten turrets on the ground and a sky full of explosion particles. Works on
// the globals of the level being played (level, player, particles).
class CrowdedScene {
public:
    static constexpr int LEVEL = 20;
    static constexpr int ALIENS = 40;
    static constexpr int BULLETS = 40;
    static constexpr int ALIEN_BULLETS = 60;
    static constexpr int SPAWNS = 10;
    static constexpr int PARTICLES = 1500;

    // A fresh headless game whose image bank holds pictures of the real
    // sizes made in memory; sounds come from dataDir/Data/Sound when there.
    static void StartHeadlessGame(const std::string& dataDir);
    static void EndGame();
    // A new level 20 with its ship, HUD and particle list.
    static void StartLevel();

    // Adds what is missing and takes away what arrived since the last call,
    // so the scene stays just as crowded from one step to the next.
    void TopUp();
    // Brings the particle list back to its full count.
    static void FillParticles();
    // One logic step of the game screen.
    static void Step();
    // One frame of the game screen.
    static void Draw();

private:
    void TrimAndFillAliens();
    void TrimAndFillBullets();
    void TrimAndFillAlienBullets();
    void TrimAndFillSpawns();
    static void KeepShipPlaying();

    int nextAlien_ = 0;
    int nextSpawn_ = 0;
};
