#include "TextTestBase.h"

#include "text/TLabel.h"
#include "text/TTextFormat.h"

class LabelTest : public TextTestBase {};

TEST_F(LabelTest, FormatModesShapeTheShownText) {
    struct Case {
        int mode;
        int param;
        const char* raw;
        const char* shown;
    };
    const Case cases[] = {
        {TTextFormat::FORMAT_MODE_STRING, 5, "42", "42"},
        {TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5, "42", "00042"},
        {TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5, "123456", "123456"},
        {TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5, "", "00000"},
        {7, 5, "42", ""},
        {-1, 0, "hello", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.raw) + " in mode " + std::to_string(c.mode));
        auto label = TLabel::Create("", 0.0f, 0.0f, font, 1.0f, 1.0f);
        label->SetFormatMode(c.mode, c.param);
        label->SetTextRaw(c.raw);
        EXPECT_EQ(label->text, c.shown);
        EXPECT_EQ(label->textRaw, c.raw);
    }
}

TEST_F(LabelTest, SetFormatModeReformatsAtOnceAndBack) {
    auto label = TLabel::Create("7", 0.0f, 0.0f, font, 1.0f, 1.0f);
    EXPECT_EQ(label->text, "7");
    label->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 2);
    EXPECT_EQ(label->text, "07");
    label->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0);
    EXPECT_EQ(label->text, "7");
}

TEST_F(LabelTest, SetTextShowsFormattedTextButKeepsTheRawValue) {
    auto label = TLabel::Create("12", 0.0f, 0.0f, font, 1.0f, 1.0f);
    label->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 3);
    label->SetText("5");
    EXPECT_EQ(label->text, "005");
    EXPECT_EQ(label->textRaw, "12");
    label->UpdateText();
    EXPECT_EQ(label->text, "012");
}

TEST_F(LabelTest, MeasuresInGameOrScreenPixels) {
    renderer->SetGameScale(2.0f, 3.0f);
    auto label = TLabel::Create("abcd", 0.0f, 0.0f, font, 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(label->GetWidth(1), 20.0f);
    EXPECT_FLOAT_EQ(label->GetHeight(1), 10.0f);
    EXPECT_FLOAT_EQ(label->GetWidth(0), 40.0f);
    EXPECT_FLOAT_EQ(label->GetHeight(0), 30.0f);
    label->useRendererCamera = 0;
    EXPECT_FLOAT_EQ(label->GetWidth(0), 20.0f);
    EXPECT_FLOAT_EQ(label->GetHeight(0), 10.0f);

    EXPECT_FLOAT_EQ(label->GetPotentialWidth("000000", 1), 30.0f);
    EXPECT_EQ(label->text, "abcd");
    EXPECT_EQ(GetImageFont(), BuiltinFont());
}

TEST_F(LabelTest, WithoutAFontMeasuresWithTheFontInForce) {
    auto label = TLabel::Create("abc", 0.0f, 0.0f, nullptr, 1.0f, 1.0f);
    SetImageFont(std::make_shared<TImageFont>(30, 7));
    EXPECT_FLOAT_EQ(label->GetWidth(1), 21.0f);
    EXPECT_FLOAT_EQ(label->GetHeight(1), 30.0f);
}

TEST_F(LabelTest, EachAlignmentPlacesTheText) {
    struct Case {
        const char* what;
        int alignment;
        float scale;
        float offsetX;
        float offsetY;
        float x;
        float y;
    };
    // "abcd" is 40 by 20 at scale 1, 20 by 10 at scale 0.5; the anchor is (100, 100).
    const Case cases[] = {
        {"left", TLabel::ALIGN_LEFT, 1.0f, 0, 0, 100, 100},
        {"left half", TLabel::ALIGN_LEFT, 0.5f, 0, 0, 100, 100},
        {"right", TLabel::ALIGN_RIGHT, 1.0f, 0, 0, 60, 100},
        {"right half", TLabel::ALIGN_RIGHT, 0.5f, 0, 0, 80, 100},
        {"centre all", TLabel::ALIGN_CENTRE_ALL, 1.0f, 0, 0, 80, 90},
        {"centre all half", TLabel::ALIGN_CENTRE_ALL, 0.5f, 0, 0, 90, 95},
        {"centre horiz", TLabel::ALIGN_CENTRE_HORIZ, 1.0f, 0, 0, 80, 100},
        {"centre horiz half", TLabel::ALIGN_CENTRE_HORIZ, 0.5f, 0, 0, 90, 100},
        {"centre vert", TLabel::ALIGN_CENTRE_VERT, 1.0f, 0, 0, 100, 90},
        {"centre vert half", TLabel::ALIGN_CENTRE_VERT, 0.5f, 0, 0, 100, 95},
        {"unknown", 9, 1.0f, 0, 0, 100, 100},
        {"right with offsets", TLabel::ALIGN_RIGHT, 1.0f, 5, -3, 65, 97},
        {"centre all with offsets", TLabel::ALIGN_CENTRE_ALL, 0.5f, -2, 4, 88, 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        backend.ClearOps();
        auto label = TLabel::Create("abcd", 100.0f, 100.0f, font, c.scale, c.scale);
        label->alignment = c.alignment;
        label->offsetX = c.offsetX;
        label->offsetY = c.offsetY;
        label->Draw();
        auto texts = Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_FLOAT_EQ(texts[0].x, c.x);
        EXPECT_FLOAT_EQ(texts[0].y, c.y);
        EXPECT_EQ(texts[0].text, "abcd");
        EXPECT_EQ(texts[0].state.scaleX, c.scale);
        EXPECT_EQ(texts[0].state.scaleY, c.scale);
        EXPECT_EQ(texts[0].state.font, font);
        ExpectNeutralState();
    }
}

TEST_F(LabelTest, ShadowIsDrawnFirstAtItsOffsetThenTheColouredText) {
    auto label = TLabel::Create("abcd", 100.0f, 100.0f, font, 1.0f, 1.0f);
    label->alignment = TLabel::ALIGN_CENTRE_ALL;
    label->SetShadow(1.0f, 1.0f, 0.5f);
    label->SetColor(255, 0, 0, 0.75f);
    label->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    const auto& shadow = texts[0];
    const auto& text = texts[1];
    EXPECT_FLOAT_EQ(shadow.x, 81.0f);
    EXPECT_FLOAT_EQ(shadow.y, 91.0f);
    EXPECT_EQ(shadow.state.r + shadow.state.g + shadow.state.b, 0);
    EXPECT_EQ(shadow.state.alpha, 0.5f);
    EXPECT_EQ(shadow.state.font, font);
    EXPECT_FLOAT_EQ(text.x, 80.0f);
    EXPECT_FLOAT_EQ(text.y, 90.0f);
    EXPECT_EQ(text.state.r, 255);
    EXPECT_EQ(text.state.g, 0);
    EXPECT_EQ(text.state.alpha, 0.75f);
    ExpectNeutralState();
}

TEST_F(LabelTest, LabelWithoutColourDrawsInTheColourInForce) {
    auto label = TLabel::Create("abcd", 0.0f, 0.0f, font, 1.0f, 1.0f);
    SetColor(0, 128, 0);
    label->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].state.g, 128);
    EXPECT_EQ(texts[0].state.r, 0);
}

TEST_F(LabelTest, CameraOnFollowsTheScrolledRendererCameraOffDoesNot) {
    struct Case {
        const char* what;
        int camera;
        int alignment;
        float gameScale;
        float x;
        float screenX;
        float screenY;
        float drawScale;
    };
    // Renderer scrolled by (10, 5); labels at (x, 20), "abcd" 40 wide, label scale 0.5.
    const Case cases[] = {
        {"left, camera on", 1, TLabel::ALIGN_LEFT, 1.0f, 0, 10, 25, 0.5f},
        {"left, camera off", 0, TLabel::ALIGN_LEFT, 1.0f, 0, 0, 20, 0.5f},
        {"right, camera on", 1, TLabel::ALIGN_RIGHT, 1.0f, 100, 90, 25, 0.5f},
        {"right, camera off", 0, TLabel::ALIGN_RIGHT, 1.0f, 100, 80, 20, 0.5f},
        {"zoomed, camera on", 1, TLabel::ALIGN_LEFT, 2.0f, 20, 50, 45, 1.0f},
        {"zoomed, camera off", 0, TLabel::ALIGN_LEFT, 2.0f, 20, 20, 20, 0.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        backend.ClearOps();
        renderer->SetGameScale(c.gameScale, c.gameScale);
        renderer->scrollX = 10.0f;
        renderer->scrollY = 5.0f;
        auto label = TLabel::Create("abcd", c.x, 20.0f, font, 0.5f, 0.5f);
        label->useRendererCamera = c.camera;
        label->alignment = c.alignment;
        label->Draw();
        auto texts = Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_FLOAT_EQ(texts[0].x, c.screenX);
        EXPECT_FLOAT_EQ(texts[0].y, c.screenY);
        EXPECT_FLOAT_EQ(texts[0].state.scaleX, c.drawScale);
        ExpectNeutralState();
    }
}
