#include "SpriteTestBase.h"

#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "sprites/TSprite.h"

using SpriteTest = SpriteTestBase;

TEST_F(SpriteTest, CreateTakesTheImagesSizeAndAnchorsAtThePosition) {
    auto image = Picture(101, 51, 1);
    auto sprite = TSprite::Create(nullptr, 0, 0, "", nullptr);
    sprite->SetHitBox(3, 4, 5, 6);
    sprite->SetImage(image);
    EXPECT_EQ(sprite->width, 101);
    EXPECT_EQ(sprite->w2, 50);
    EXPECT_EQ(sprite->h2, 25);
    // The image's size replaces the hit box size; its corner survives.
    EXPECT_EQ(sprite->hitBoxX, 3);
    EXPECT_EQ(sprite->hitBoxWidth, 101);
    EXPECT_EQ(sprite->hitBoxHeight, 51);

    auto made = TSprite::Create(image, 10.0f, 20.0f, "", nullptr);
    EXPECT_EQ(made->originalX, 10.0f);
    EXPECT_EQ(made->originalY, 20.0f);
    EXPECT_EQ(made->flashCounterMax, 50);
    EXPECT_EQ(made->useRendererCamera, 1);
}

TEST_F(SpriteTest, LifeCounterEndsTheSpriteOnce) {
    auto sprite = TSprite::Create(nullptr, 0, 0, "", nullptr);
    sprite->lifeCounter = 1.0f;
    sprite->InitAnim(4, 100, 1, 0);
    EXPECT_EQ(sprite->Logic(), 0);
    EXPECT_EQ(sprite->lifeCounter, 0.0f);
    EXPECT_EQ(sprite->animCounter, 0.0f); // not advanced in that step
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(sprite->Logic(), 1); // 0 means no limit
    }
}

TEST_F(SpriteTest, GravityIsAddedOncePerMoveWhateverDelta) {
    auto sprite = TSprite::Create(nullptr, 0, 0, "", nullptr);
    sprite->gravity = 0.5f;
    delta = 2.0f;
    sprite->Move();
    EXPECT_EQ(sprite->speedY, 0.5f);
    EXPECT_EQ(sprite->y, 1.0f);
    EXPECT_EQ(sprite->originalY, 1.0f);
}

TEST_F(SpriteTest, FrictionAndItsClamp) {
    auto sprite = TSprite::Create(nullptr, 0, 0, "", nullptr);
    sprite->frictionX = 0.1f;
    sprite->frictionXClamp = 0.2f;
    sprite->speedX = 0.25f;
    const float expected[] = {0.225f, 0.2025f, 0.0f};
    for (float e : expected) {
        sprite->ApplyFriction();
        EXPECT_NEAR(sprite->speedX, e, 1e-6);
    }
    sprite->speedX = -0.15f;
    sprite->ApplyFriction();
    EXPECT_EQ(sprite->speedX, 0.0f);
    // Exactly at the clamp is left alone; Y works the same way.
    sprite->frictionY = 0.0f;
    sprite->frictionYClamp = 0.3f;
    sprite->speedY = -0.3f;
    sprite->ApplyFriction();
    EXPECT_EQ(sprite->speedY, -0.3f);
}

TEST_F(SpriteTest, AnimationEnds) {
    struct Case {
        const char* what;
        int direction;
        int loop;
        float counter;
        float expectedCounter;
        int expectedDirection;
        int expectedFrame;
    };
    // 20 frames over 1000 ms: 200 steps a pass.
    const Case cases[] = {
        {"forward stops on the last frame", 1, 0, 199.5f, 200.0f, 0, 19},
        {"forward loop carries the excess", 1, 1, 199.5f, 0.5f, 1, 0},
        {"backward stops on the first frame", -1, 0, 0.5f, 0.0f, 0, 0},
        {"backward loop wraps to the end", -1, 1, 0.5f, 199.5f, -1, 19},
        {"stopped stays put", 0, 1, 57.0f, 57.0f, 0, 0},
        {"other directions count as stopped", 2, 1, 57.0f, 57.0f, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto sprite = TSprite::Create(nullptr, 0, 0, "", nullptr);
        sprite->InitAnim(20, 1000, c.direction, c.loop);
        EXPECT_EQ(sprite->animCounterMax, 200);
        sprite->animCounter = c.counter;
        sprite->Logic();
        EXPECT_NEAR(sprite->animCounter, c.expectedCounter, 1e-4);
        EXPECT_EQ(sprite->animDirection, c.expectedDirection);
        EXPECT_EQ(sprite->currentFrame, c.expectedFrame);
        EXPECT_EQ(sprite->flashFrame, c.direction == 1 || c.direction == -1 ? c.expectedFrame : 0);
    }
}

TEST_F(SpriteTest, AnimationShorterThanAStepShowsTheFirstFrame) {
    auto sprite = TSprite::Create(nullptr, 0, 0, "", nullptr);
    sprite->InitAnim(8, 3, 1, 1);
    EXPECT_EQ(sprite->animCounterMax, 0);
    sprite->Logic();
    sprite->Logic();
    EXPECT_EQ(sprite->currentFrame, 0);
}

TEST_F(SpriteTest, CollisionNeedsRealOverlapAndOnlyThisSpritesHandleDecides) {
    auto centred = Picture(10, 10, 1);
    auto cornered = Picture(10, 10, 0);
    struct Case {
        const char* what;
        TGameImagePtr mine;
        TGameImagePtr theirs;
        float otherX;
        int expected;
    };
    const Case cases[] = {
        {"centred, sharing an edge", centred, centred, 10.0f, 0},
        {"centred, one pixel of overlap", centred, centred, 9.0f, 1},
        {"cornered, sharing an edge", cornered, cornered, 10.0f, 0},
        {"cornered, one pixel of overlap", cornered, cornered, 9.0f, 1},
        // This sprite is centred: the other's corner is also taken from its centre,
        // although its own image is handled at the corner.
        {"mine centred decides for both", centred, cornered, 9.0f, 1},
        // This sprite is cornered: both use their positions as corners.
        {"mine cornered decides for both", cornered, centred, 9.0f, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto me = TSprite::Create(c.mine, 100.0f, 100.0f, "", nullptr);
        auto other = TSprite::Create(c.theirs, 100.0f + c.otherX, 100.0f, "", nullptr);
        EXPECT_EQ(me->CollideSprite(*other), c.expected);
    }
    // Hit boxes offset from the corner.
    auto me = TSprite::Create(cornered, 0.0f, 0.0f, "", nullptr);
    me->SetHitBox(5, 0, 5, 10);
    auto other = TSprite::Create(cornered, 10.0f, 0.0f, "", nullptr);
    EXPECT_EQ(me->CollideSprite(*other), 0);
    other->x = 9.5f; // corner truncates to 9
    EXPECT_EQ(me->CollideSprite(*other), 1);
}

TEST_F(SpriteTest, BoundsCheckAtTheExactLimits) {
    auto sprite = TSprite::Create(Picture(40, 30, 1), 0, 0, "", nullptr);
    struct Case {
        float x, y, expectedX, expectedY;
    };
    const Case cases[] = {{20.0f, 15.0f, 20.0f, 15.0f},     {1004.0f, 753.0f, 1004.0f, 753.0f},
                          {19.0f, 14.0f, 20.0f, 15.0f},     {1005.0f, 754.0f, 1004.0f, 753.0f},
                          {500.0f, 300.0f, 500.0f, 300.0f}, {-50.0f, 900.0f, 20.0f, 753.0f}};
    for (const auto& c : cases) {
        sprite->x = c.x;
        sprite->y = c.y;
        sprite->originalX = 7.0f;
        sprite->BoundsCheck();
        EXPECT_EQ(sprite->x, c.expectedX);
        EXPECT_EQ(sprite->y, c.expectedY);
        EXPECT_EQ(sprite->originalX, 7.0f);
    }
}

TEST_F(SpriteTest, HitFlashOverlayFadesOverFiftySteps) {
    auto sprite = TSprite::Create(Picture(10, 10, 1), 50.0f, 60.0f, "", nullptr);
    sprite->SetFlashImage(Picture(10, 10, 1));
    sprite->StartHitFlash();
    const std::pair<int, float> checks[] = {{0, 1.0f}, {1, 0.98f}, {25, 0.5f}, {49, 0.02f}};
    int stepped = 0;
    for (auto [steps, alpha] : checks) {
        for (; stepped < steps; ++stepped) {
            sprite->Logic();
        }
        backend.ClearOps();
        sprite->Draw();
        auto images = OpsOfKind(TDrawKind::Image);
        ASSERT_EQ(images.size(), 2u) << steps;
        EXPECT_EQ(images[0].image, sprite->gameImage->image);
        EXPECT_EQ(images[0].state.alpha, 1.0f);
        EXPECT_EQ(images[1].image, sprite->flashImage->image);
        EXPECT_NEAR(images[1].state.alpha, alpha, 1e-5) << steps;
        EXPECT_EQ(images[1].x, 50.0f);
    }
    sprite->Logic();
    backend.ClearOps();
    sprite->Draw();
    EXPECT_EQ(OpsOfKind(TDrawKind::Image).size(), 1u);
    EXPECT_EQ(GetAlpha(), 1.0f);
}

TEST_F(SpriteTest, ImageSpriteDrawsThroughTheCameraWithItsScaleAndRotation) {
    auto sprite = TSprite::Create(Picture(10, 10, 1, 4), 100.0f, 200.0f, "", nullptr);
    sprite->currentFrame = 3;
    sprite->rotation = 30.0f;
    sprite->alpha = 0.5f;
    sprite->SetScaleParams(2.0f, 3.0f);
    renderer->SetGameScale(2.0f, 1.0f);
    renderer->scrollX = 5.0f;
    sprite->Draw();
    auto images = OpsOfKind(TDrawKind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].x, 205.0f);
    EXPECT_EQ(images[0].frame, 3);
    EXPECT_EQ(images[0].state.scaleX, 4.0f);
    EXPECT_EQ(images[0].state.scaleY, 3.0f);
    EXPECT_EQ(images[0].state.rotation, 30.0f);
    EXPECT_EQ(images[0].state.alpha, 0.5f);
    // The state is handed back.
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);
    EXPECT_EQ(GetRotation(), 0.0f);
    EXPECT_EQ(GetAlpha(), 1.0f);

    // Without the camera: raw coordinates, frame 0, no flash overlay.
    backend.ClearOps();
    sprite->useRendererCamera = 0;
    sprite->SetFlashImage(Picture(10, 10, 1));
    sprite->StartHitFlash();
    sprite->Draw();
    images = OpsOfKind(TDrawKind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].x, 100.0f);
    EXPECT_EQ(images[0].frame, 0);
    EXPECT_EQ(images[0].state.scaleX, 2.0f);
}

TEST_F(SpriteTest, ScaledTextSpriteStaysCentredWhileItMoves) {
    auto font = TenPixelFont();
    auto sprite = TSprite::Create(nullptr, 300.0f, 200.0f, "AWESOME!", font);
    sprite->SetScaleParams(0.5f, 0.5f);
    sprite->speedX = 4.0f;
    sprite->Move();
    sprite->Draw();
    auto texts = OpsOfKind(TDrawKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    // 80 by 20 pixels at half scale, centred on the moved anchor (304, 200).
    EXPECT_EQ(texts[0].x, 304.0f - 20.0f);
    EXPECT_EQ(texts[0].y, 200.0f - 5.0f);
    EXPECT_EQ(texts[0].state.font, font);
    EXPECT_EQ(GetImageFont(), BuiltinFont());
}

TEST_F(SpriteTest, ShadowedTextWithAlphaAboveOne) {
    auto sprite = TSprite::Create(nullptr, 300.0f, 200.0f, "100", TenPixelFont());
    sprite->useRendererCamera = 0;
    sprite->color = TColor::Create(180, 255, 255, 1.0f);
    sprite->alpha = 2.0f;
    sprite->shadow = TShadow::Create(2.0f, 3.0f, 0.5f);
    sprite->Draw();
    auto texts = OpsOfKind(TDrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    const auto& shadowPass = texts[0];
    EXPECT_EQ(shadowPass.state.r + shadowPass.state.g + shadowPass.state.b, 0);
    EXPECT_EQ(shadowPass.state.alpha, 1.0f);
    EXPECT_EQ(shadowPass.x, texts[1].x + 2.0f);
    EXPECT_EQ(shadowPass.y, texts[1].y + 3.0f);
    EXPECT_EQ(texts[1].state.r, 180);
    EXPECT_EQ(texts[1].state.alpha, 2.0f);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_EQ(GetAlpha(), 1.0f);
}
