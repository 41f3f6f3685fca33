#pragma once

#include "HeadlessTest.h"

#include "platform/Images.h"

// Sprites need the game's step length and the renderer's screen and camera.
class SpriteTestBase : public HeadlessTest {
protected:
    SpriteTestBase() {
        game = TGame::Create();
        game->InitFixedRateLogic(200);
        renderer = std::make_shared<TRenderer>();
        delta = 1.0f;
    }

    static TGameImagePtr Picture(int width, int height, int mid, int cells = 1) {
        return TGameImage::CreateFromImage(CreateImage(width, height, cells), "PICTURE", mid);
    }

    // A font whose characters are 10 pixels wide and 20 high.
    static TImageFontPtr TenPixelFont() { return std::make_shared<TImageFont>(20, 10); }
};
