#include "gameplay/TProfile.h"

int TProfile::UpdateLives(int change) {
    lives += change;
    if (lives < 0) {
        lives = 0;
    }
    return 0;
}
