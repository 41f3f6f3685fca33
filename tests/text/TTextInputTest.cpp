#include "TextTestBase.h"

#include "core/TGame.h"
#include "platform/Input.h"
#include "platform/TAudioData.h"
#include "platform/TAudioDevice.h"
#include "text/TTextInput.h"

class TextInputTest : public TextTestBase {
protected:
    TextInputTest() { game = TGame::Create(); }

    TTextInputPtr Input(const std::string& text = "") {
        return TTextInput::Create(text, 200.0f, 50.0f, font, 1.0f, 1.0f);
    }

    // Each character typed in its own logic step; the last step's result.
    int Type(TTextInput& input, const std::string& chars) {
        int result = 0;
        for (unsigned char c : chars) {
            result = Press(input, c);
        }
        return result;
    }

    int Press(TTextInput& input, int code) {
        backend.QueueChar(code);
        return input.Logic();
    }

    // A short blip on the sound layer.
    static TSoundPtr Blip() {
        TAudioData audio;
        audio.channels = 1;
        audio.rate = 22050;
        audio.samples.assign(2205, 1000);
        return TSound::Create(audio, false);
    }
};

TEST_F(TextInputTest, TypingEditsTheTextButNotTheRawText) {
    auto input = Input("abc");
    EXPECT_EQ(input->currentChar, 4);
    EXPECT_EQ(Type(*input, "d"), 0);
    EXPECT_EQ(input->text, "abcd");
    EXPECT_EQ(input->currentChar, 5);
    EXPECT_EQ(input->textRaw, "abc");
    Press(*input, Key::BACKSPACE);
    EXPECT_EQ(input->text, "abc");
    EXPECT_EQ(input->currentChar, 4);
    input->Reset();
    EXPECT_EQ(input->text, "");
    EXPECT_EQ(input->currentChar, 1);
}

TEST_F(TextInputTest, TenthCharacterIsAcceptedEleventhDropped) {
    auto input = Input();
    Type(*input, "abcdefghijk");
    EXPECT_EQ(input->text, "abcdefghij");
    EXPECT_EQ(input->currentChar, 11);
}

TEST_F(TextInputTest, PixelWidthLimitAcceptsExactlyTheLimit) {
    font->SetGlyph(U'W', TGlyph{nullptr, 0, 0, 11});
    auto input = Input();
    input->maxLength = 20;
    input->maxPixelWidth = 100;
    Type(*input, "aaaaaaaaa"); // 90 pixels
    Type(*input, "W");         // 101: one pixel too many
    EXPECT_EQ(input->text, "aaaaaaaaa");
    Type(*input, "a"); // exactly 100
    EXPECT_EQ(input->text, "aaaaaaaaaa");
    Type(*input, "a");
    EXPECT_EQ(input->text, "aaaaaaaaaa");
    EXPECT_EQ(input->currentChar, 11);
}

TEST_F(TextInputTest, WidthLimitMeasuresTheUpperCasedFirstLetter) {
    font->SetGlyph(U'A', TGlyph{nullptr, 0, 0, 12});
    auto input = Input();
    input->maxPixelWidth = 10;
    input->uppercaseFirstTypedChar = 1;
    Type(*input, "a"); // would show as "A", 12 pixels
    EXPECT_EQ(input->text, "");
    input->uppercaseFirstTypedChar = 0;
    Type(*input, "a");
    EXPECT_EQ(input->text, "a");
}

TEST_F(TextInputTest, BackspaceOnEmptyStaysEmpty) {
    auto input = Input();
    EXPECT_EQ(Press(*input, Key::BACKSPACE), 0);
    EXPECT_EQ(input->text, "");
    EXPECT_EQ(input->currentChar, 1);
}

TEST_F(TextInputTest, FirstLetterIsUpperCasedAgainAfterDeletingBackToEmpty) {
    auto input = Input();
    input->uppercaseFirstTypedChar = 1;
    Type(*input, "aa");
    EXPECT_EQ(input->text, "Aa");
    Press(*input, Key::BACKSPACE);
    Press(*input, Key::BACKSPACE);
    EXPECT_EQ(input->text, "");
    Type(*input, "a");
    EXPECT_EQ(input->text, "A");
}

TEST_F(TextInputTest, NumbersOnlyTakesDigitsAndEscDoesNotAbort) {
    auto input = Input();
    input->mode = TTextInput::MODE_NUMBERS_ONLY;
    EXPECT_EQ(Type(*input, "7x 8"), 0);
    EXPECT_EQ(input->text, "78");
    EXPECT_EQ(Press(*input, Key::ESCAPE), 0);
    Press(*input, Key::BACKSPACE);
    EXPECT_EQ(input->text, "7");
    EXPECT_EQ(Press(*input, Key::ENTER), 1);
    EXPECT_EQ(input->text, "7");
}

TEST_F(TextInputTest, ExtendedCharactersOnlyWhenAllowed) {
    constexpr int E_ACUTE = 233;
    auto input = Input();
    Press(*input, E_ACUTE);
    EXPECT_EQ(input->text, "");
    input->allowExtendedChars = 1;
    Press(*input, E_ACUTE);
    Type(*input, "t");
    EXPECT_EQ(input->text, "\xC3\xA9t");
    EXPECT_EQ(input->currentChar, 3);
    Press(*input, Key::BACKSPACE);
    Press(*input, Key::BACKSPACE);
    EXPECT_EQ(input->text, "");
}

TEST_F(TextInputTest, EnterAndEscResults) {
    struct Case {
        const char* what;
        int allowNull;
        int allowEsc;
        const char* typed;
        int key;
        int result;
    };
    const Case cases[] = {
        {"enter on empty, null allowed", 1, 1, "", Key::ENTER, 1},
        {"enter on blanks, null refused", 0, 1, "  ", Key::ENTER, 0},
        {"enter on empty, null refused", 0, 1, "", Key::ENTER, 0},
        {"enter on a word, null refused", 0, 1, " x ", Key::ENTER, 1},
        {"esc allowed", 1, 1, "ab", Key::ESCAPE, -1},
        {"esc not allowed", 1, 0, "ab", Key::ESCAPE, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto input = Input();
        input->allowNull = c.allowNull;
        input->allowEscToAbort = c.allowEsc;
        Type(*input, c.typed);
        backend.QueueChar(c.key);
        backend.QueueChar('z');
        EXPECT_EQ(input->Logic(), c.result);
        EXPECT_EQ(input->text, c.typed);
        if (c.key == Key::ENTER || c.result != 0) {
            // Accepting, aborting and refusing a blank entry all drop pending keys.
            EXPECT_EQ(GetChar(), 0);
        } else {
            EXPECT_EQ(GetChar(), 'z');
        }
    }
}

TEST_F(TextInputTest, TypingSoundPlaysForEveryAcceptedKeyOnly) {
    auto input = Input();
    input->typingSound = Blip();
    ASSERT_NE(input->typingSound, nullptr);
    input->maxLength = 1;
    struct Step {
        const char* what;
        int code;
        bool plays;
    };
    const Step steps[] = {
        {"backspace on empty", Key::BACKSPACE, false},
        {"a typed", 'a', true},
        {"b too long", 'b', false},
        {"backspace", Key::BACKSPACE, true},
        {"nothing typed", 0, false},
        {"enter", Key::ENTER, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const TChannelPtr before = input->typingChannel;
        if (step.code != 0) {
            backend.QueueChar(step.code);
        }
        input->Logic();
        EXPECT_EQ(input->typingChannel != before, step.plays);
        if (step.plays) {
            EXPECT_NE(input->typingChannel, nullptr);
        }
    }
    input->playTypingSoundOnEnter = 0;
    const TChannelPtr before = input->typingChannel;
    EXPECT_EQ(Press(*input, Key::ENTER), 1);
    EXPECT_EQ(input->typingChannel, before);
    TAudioDevice::Instance().Reset();
}

TEST_F(TextInputTest, CursorSitsRightAfterTheText) {
    struct Case {
        const char* what;
        int alignment;
        float scale;
        float textX;
        float textY;
        float cursorX;
        float cursorY;
    };
    // Input at (200, 50) showing "abcde": 50 by 20 with a 10-wide cursor at scale 1.
    const Case cases[] = {
        {"right", TLabel::ALIGN_RIGHT, 1.0f, 140, 50, 190, 50},
        {"right half", TLabel::ALIGN_RIGHT, 0.5f, 170, 50, 195, 50},
        // text and cursor together centred on x
        {"centre horiz", TLabel::ALIGN_CENTRE_HORIZ, 1.0f, 170, 50, 220, 50},
        {"centre all", TLabel::ALIGN_CENTRE_ALL, 1.0f, 170, 40, 220, 40},
        {"left", TLabel::ALIGN_LEFT, 1.0f, 200, 50, 250, 50},
        {"left half", TLabel::ALIGN_LEFT, 0.5f, 200, 50, 225, 50},
        {"centre vert", TLabel::ALIGN_CENTRE_VERT, 1.0f, 200, 40, 250, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        backend.ClearOps();
        // Made elsewhere and moved into place: the cursor follows the input.
        auto input = TTextInput::Create("", 0.0f, 0.0f, font, c.scale, c.scale);
        input->x = 200.0f;
        input->y = 50.0f;
        input->alignment = c.alignment;
        Type(*input, "abcde");
        input->Draw();
        auto texts = Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "_");
        EXPECT_FLOAT_EQ(texts[0].x, c.cursorX);
        EXPECT_FLOAT_EQ(texts[0].y, c.cursorY);
        EXPECT_EQ(texts[1].text, "abcde");
        EXPECT_FLOAT_EQ(texts[1].x, c.textX);
        EXPECT_FLOAT_EQ(texts[1].y, c.textY);
        ExpectNeutralState();
    }
}

TEST_F(TextInputTest, CursorBlinksTwentyStepsOnTenOff) {
    auto input = Input("ab");
    auto cursorDrawn = [&] {
        backend.ClearOps();
        input->Draw();
        auto texts = Texts();
        return std::any_of(texts.begin(), texts.end(),
                           [](const TDrawOp& op) { return op.text == "_"; });
    };
    EXPECT_TRUE(cursorDrawn());
    for (int i = 0; i < 20; ++i) {
        input->Logic();
    }
    EXPECT_TRUE(cursorDrawn());
    input->Logic(); // step 21
    EXPECT_FALSE(cursorDrawn());
    for (int i = 0; i < 10; ++i) {
        input->Logic();
    }
    EXPECT_FALSE(cursorDrawn());
    input->Logic(); // step 32
    EXPECT_TRUE(cursorDrawn());
    input->showCursor = 0;
    EXPECT_FALSE(cursorDrawn());
}

TEST_F(TextInputTest, CursorSharesTheColourAndCameraOfTheText) {
    renderer->scrollX = 10.0f;
    auto input = Input("abcde");
    input->ApplyColor(TColor::Create(0, 255, 0, 0.5f));
    struct Case {
        int camera;
        float textX;
    };
    for (const auto& c : {Case{1, 210.0f}, Case{0, 200.0f}}) {
        SCOPED_TRACE(c.camera);
        backend.ClearOps();
        input->useRendererCamera = c.camera;
        input->Draw();
        auto texts = Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_FLOAT_EQ(texts[1].x, c.textX);
        EXPECT_FLOAT_EQ(texts[0].x, c.textX + 50.0f);
        for (const auto& op : texts) {
            EXPECT_EQ(op.state.g, 255);
            EXPECT_EQ(op.state.r, 0);
            EXPECT_EQ(op.state.alpha, 0.5f);
        }
    }
    ExpectNeutralState();
}
