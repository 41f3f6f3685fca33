#include "TextTestBase.h"

#include "text/TLabelColumn.h"

class LabelColumnTest : public TextTestBase {
protected:
    TLabelColumnPtr Column(const TColorPtr& color = nullptr, const TShadowPtr& shadow = nullptr) {
        return TLabelColumn::Create(50.0f, 100.0f, 60, font, 0.5f, 0.5f, color, shadow);
    }

    static TLabelPtr LabelAt(const TLabelColumn& column, int index) {
        return As<TLabel>(column.ValueAtIndex(index));
    }
};

TEST_F(LabelColumnTest, LabelsAreSpacedDownByTheGap) {
    auto column = Column();
    column->AddLabel("first");
    column->AddLabel("second");
    column->AddLabel("third");
    EXPECT_EQ(column->Count(), 3);
    EXPECT_FLOAT_EQ(column->nextY, 280.0f);
    column->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    const char* names[] = {"first", "second", "third"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].text, names[i]);
        EXPECT_FLOAT_EQ(texts[i].x, 50.0f);
        EXPECT_FLOAT_EQ(texts[i].y, 100.0f + 60.0f * static_cast<float>(i));
        EXPECT_EQ(texts[i].state.scaleX, 0.5f);
        EXPECT_EQ(texts[i].state.font, font);
    }
    ExpectNeutralState();
}

TEST_F(LabelColumnTest, SharedColourAndShadowChangeEveryLabel) {
    auto color = TColor::Create(255, 0, 0, 1.0f);
    auto shadow = TShadow::Create(1.0f, 1.0f, 0.5f);
    auto column = Column(color, shadow);
    column->AddLabel("a");
    column->AddLabel("b");
    color->Set(0, 255, 0, 0.5f);
    shadow->Init(4.0f, 6.0f, 0.25f);
    column->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 4u); // shadow and text of each label
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const auto& shade = texts[2 * i];
        const auto& text = texts[2 * i + 1];
        EXPECT_FLOAT_EQ(shade.x, text.x + 4.0f);
        EXPECT_FLOAT_EQ(shade.y, text.y + 6.0f);
        EXPECT_EQ(shade.state.alpha, 0.25f);
        EXPECT_EQ(text.state.r, 0);
        EXPECT_EQ(text.state.g, 255);
        EXPECT_EQ(text.state.alpha, 0.5f);
    }
}

TEST_F(LabelColumnTest, SetColorReachesOnlyTheLabelsAlreadyThere) {
    auto column = Column();
    column->AddLabel("a");
    EXPECT_EQ(LabelAt(*column, 0)->color, nullptr);
    EXPECT_EQ(LabelAt(*column, 0)->shadow, nullptr);
    auto red = TColor::Create(255, 0, 0, 1.0f);
    auto shadow = TShadow::Create(2.0f, 2.0f, 0.5f);
    column->SetColor(red);
    column->SetShadow(shadow);
    column->SetAlignment(TLabel::ALIGN_RIGHT);
    column->SetRendererCamera(0);
    column->AddLabel("b");

    auto before = LabelAt(*column, 0);
    EXPECT_EQ(before->color, red);
    EXPECT_EQ(before->shadow, shadow);
    EXPECT_EQ(before->alignment, TLabel::ALIGN_RIGHT);
    EXPECT_EQ(before->useRendererCamera, 0);
    auto after = LabelAt(*column, 1);
    EXPECT_EQ(after->color, nullptr);
    EXPECT_EQ(after->shadow, nullptr);
    EXPECT_EQ(after->alignment, TLabel::ALIGN_LEFT);
    EXPECT_EQ(after->useRendererCamera, 1);
    EXPECT_EQ(column->color, nullptr);

    column->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].state.r, 255);
    EXPECT_EQ(texts[1].state.g, 0);
    EXPECT_EQ(texts[2].text, "b");
    EXPECT_EQ(texts[2].state.g, 255);
}

TEST_F(LabelColumnTest, SetTextFormatReformatsEveryLabel) {
    auto column = Column();
    column->AddLabel("12");
    column->AddLabel("7");
    column->SetTextFormat(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5);
    EXPECT_EQ(LabelAt(*column, 0)->text, "00012");
    EXPECT_EQ(LabelAt(*column, 1)->text, "00007");
}

TEST_F(LabelColumnTest, DrawSkipsElementsThatAreNotLabels) {
    auto column = Column();
    column->AddLabel("a");
    column->AddLast(std::make_shared<TObject>());
    column->AddLabel("b");
    column->SetAlignment(TLabel::ALIGN_CENTRE_HORIZ);
    column->Draw();
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "a");
    EXPECT_EQ(texts[1].text, "b");
}
