#include "HeadlessTest.h"

#include "display/TColor.h"
#include "display/TShadow.h"
#include "platform/Graphics.h"

using ColorTest = HeadlessTest;

namespace {
void ExpectDrawColor(int r, int g, int b, float alpha) {
    int cr = -1, cg = -1, cb = -1;
    GetColor(cr, cg, cb);
    EXPECT_EQ(cr, r);
    EXPECT_EQ(cg, g);
    EXPECT_EQ(cb, b);
    EXPECT_FLOAT_EQ(GetAlpha(), alpha);
}
} // namespace

TEST_F(ColorTest, NewColourIsOpaqueBlackAndNewShadowIsHalfBlackOnePixelOff) {
    TColor color;
    EXPECT_EQ(color.R + color.G + color.B, 0);
    EXPECT_EQ(color.alpha, 1.0f);
    TShadow shadow;
    EXPECT_EQ(shadow.X, 1.0f);
    EXPECT_EQ(shadow.Y, 1.0f);
    EXPECT_EQ(shadow.alpha, 0.5f);
}

TEST_F(ColorTest, ApplyHandsValuesOnUnchangedAndRestoreGoesBackToNeutral) {
    SetColor(1, 2, 3);
    SetAlpha(0.1f);
    auto color = TColor::Create(300, -5, 0, 2.0f);
    color->Apply();
    ExpectDrawColor(300, -5, 0, 2.0f);
    color->Restore();
    ExpectDrawColor(255, 255, 255, 1.0f);
}

TEST_F(ColorTest, ApplyNoAlphaKeepsTheAlphaInForce) {
    SetAlpha(0.3f);
    TColor::Create(255, 0, 0, 0.9f)->ApplyNoAlpha();
    ExpectDrawColor(255, 0, 0, 0.3f);
}

TEST_F(ColorTest, CopyTakesAlphaGetLeavesItOut) {
    TColor color;
    color.Copy(*TColor::Create(10, 20, 30, 0.25f));
    int r = 0, g = 0, b = 0;
    float a = 0.0f;
    color.Get(r, g, b);
    EXPECT_EQ(r + g + b, 60);
    color.GetFull(r, g, b, a);
    EXPECT_EQ(a, 0.25f);
}

TEST_F(ColorTest, ShadowIsAlwaysBlackAtItsAlphaAndRestoresNeutral) {
    SetColor(255, 0, 0);
    auto shadow = TShadow::Create(2.0f, 3.0f, 0.7f);
    shadow->Apply();
    ExpectDrawColor(0, 0, 0, 0.7f);
    shadow->Restore();
    ExpectDrawColor(255, 255, 255, 1.0f);
    TShadow copy;
    copy.Copy(*shadow);
    EXPECT_EQ(copy.X, 2.0f);
    EXPECT_EQ(copy.Y, 3.0f);
    EXPECT_EQ(copy.alpha, 0.7f);
}

TEST_F(ColorTest, DrawCallsCarryTheStateInForce) {
    TColor::Create(255, 0, 0, 0.5f)->Apply();
    SetScale(2.0f, 3.0f);
    SetRotation(45.0f);
    DrawRect(1, 2, 3, 4);
    ASSERT_EQ(backend.Ops().size(), 1u);
    const auto& state = backend.Ops()[0].state;
    EXPECT_EQ(state.r, 255);
    EXPECT_EQ(state.g, 0);
    EXPECT_EQ(state.alpha, 0.5f);
    EXPECT_EQ(state.scaleY, 3.0f);
    EXPECT_EQ(state.rotation, 45.0f);
}
