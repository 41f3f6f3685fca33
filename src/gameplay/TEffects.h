#pragma once

#include <string>

// How an explosion looks: a growing ring, eight fireballs and flying debris.
struct TExplosionRecipe {
    float ringGrowth;
    float ringFade;
    float fireballGrowthMin;
    float fireballGrowthMax;
    float fireballFade;
    int debrisCount;
    float debrisFade;
    float debrisSpeedXMin;
    float debrisSpeedXMax;
    float debrisSpeedYMin;
    float debrisSpeedYMax;
    // Multiplies the fireball growth and the debris speed.
    float size;
};

// A text that pops up over the play field and floats away.
struct TMessageRecipe {
    float fade;
    float growth;
    float rise;
    float scaleX;
    float scaleY;
    int r, g, b;
    float shadowX, shadowY, shadowAlpha;
};

// The bursts and pop-up texts the ship, the aliens and the turrets share.
class TEffects {
public:
    static TExplosionRecipe ShipExplosion();
    static TExplosionRecipe AlienExplosion(int alienType);
    static TExplosionRecipe SpawnExplosion();

    static const TMessageRecipe LEVEL_START_MESSAGE;
    static const TMessageRecipe BAD_NEWS_MESSAGE; // "You died!", "Time Up!"
    static const TMessageRecipe SUCCESS_MESSAGE;
    static const TMessageRecipe PICKUP_SCORE_MESSAGE;
    static const TMessageRecipe ALIEN_SCORE_MESSAGE;

    // Adds the particles of an explosion centred on (x, y).
    static void Explode(float x, float y, const TExplosionRecipe& recipe);
    // Adds a floating text centred on (x, y), in the game's font.
    static void FloatingMessage(const std::string& text, int x, int y,
                                const TMessageRecipe& recipe);
};
