#include "TextTestBase.h"

#include "text/TStatLabel.h"

class StatLabelTest : public TextTestBase {
protected:
    // "SCORE:  " is 8 characters: 80 pixels at scale 1.
    TStatLabelPtr Row(float x, float scale) {
        return TStatLabel::Create("SCORE:  ", "123", x, 50.0f, font, scale, scale);
    }
};

TEST_F(StatLabelTest, ValueStartsAfterTheDescriptionAndTheGap) {
    struct Case {
        float scale;
        float valueX;
    };
    // Camera off, at x 600, gap 40: 80 + 40 at scale 1, 40 + 20 at scale 0.5.
    const Case cases[] = {{1.0f, 720.0f}, {0.5f, 660.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        backend.ClearOps();
        renderer->scrollX = 30.0f;
        auto row = Row(600.0f, c.scale);
        row->SetUseRendererCamera(0);
        row->AlignAsRow(40);
        EXPECT_FLOAT_EQ(row->description->x, 600.0f);
        row->Draw();
        auto texts = Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "SCORE:  ");
        EXPECT_FLOAT_EQ(texts[0].x, 600.0f);
        EXPECT_EQ(texts[1].text, "123");
        EXPECT_FLOAT_EQ(texts[1].x, c.valueX);
        EXPECT_FLOAT_EQ(texts[1].y, 50.0f);
    }
}

TEST_F(StatLabelTest, GapIsScaledLikeTheDescription) {
    auto row = Row(0.0f, 0.5f);
    row->gapX = 40.0f;
    renderer->SetGameScale(2.0f, 2.0f);
    EXPECT_FLOAT_EQ(row->GetGapX(), 40.0f);
    row->SetUseRendererCamera(0);
    EXPECT_FLOAT_EQ(row->GetGapX(), 20.0f);
}

TEST_F(StatLabelTest, ZoomedRowUnderTheCameraKeepsItsOnScreenGap) {
    // Game scale 2: the description (80 wide) covers screen x 200 to 360, so the
    // value belongs twice the gap of 40 further on, at 440.
    renderer->SetGameScale(2.0f, 2.0f);
    auto row = Row(100.0f, 1.0f);
    row->AlignAsRow(40);
    row->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FLOAT_EQ(texts[0].x, 200.0f);
    EXPECT_FLOAT_EQ(texts[1].x, 440.0f);
}

TEST_F(StatLabelTest, UpdateStatShowsTheValueThroughItsFormat) {
    auto row = Row(0.0f, 1.0f);
    EXPECT_EQ(row->stat->text, "123");
    row->stat->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5);
    row->UpdateStat("42");
    EXPECT_EQ(row->stat->text, "00042");
    EXPECT_EQ(row->stat->textRaw, "42");
    EXPECT_EQ(row->description->text, "SCORE:  ");
}

TEST_F(StatLabelTest, ColourShadowAndCameraReachBothLabels) {
    auto row = Row(0.0f, 1.0f);
    row->SetColor(10, 20, 30, 0.5f);
    row->SetShadow(2.0f, 3.0f, 0.25f);
    row->SetUseRendererCamera(0);
    for (const auto& label : {row->description, row->stat}) {
        ASSERT_NE(label->color, nullptr);
        EXPECT_EQ(label->color->R, 10);
        EXPECT_EQ(label->color->B, 30);
        EXPECT_EQ(label->color->alpha, 0.5f);
        ASSERT_NE(label->shadow, nullptr);
        EXPECT_EQ(label->shadow->Y, 3.0f);
        EXPECT_EQ(label->useRendererCamera, 0);
    }
    // Separate colour objects: changing one leaves the other alone.
    EXPECT_NE(row->description->color, row->stat->color);
    row->stat->color->R = 200;
    EXPECT_EQ(row->description->color->R, 10);
}
