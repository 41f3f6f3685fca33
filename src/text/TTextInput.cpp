#include "text/TTextInput.h"

#include "core/Globals.h"
#include "platform/Input.h"
#include "platform/Strings.h"

namespace {
// How long the cursor shows and hides, in logic steps; it blinks forever.
constexpr int CURSOR_ON_STEPS = 20;
constexpr int CURSOR_OFF_STEPS = 10;
constexpr int FIRST_PRINTABLE = 32;
constexpr int LAST_PLAIN = 126;
} // namespace

std::shared_ptr<TTextInput> TTextInput::Create(const std::string& text, float x, float y,
                                               const TImageFontPtr& font, float scaleX,
                                               float scaleY) {
    auto input = std::make_shared<TTextInput>();
    input->InitLabel(text, x, y, font, scaleX, scaleY);
    input->CreateCursorLabel();
    input->currentChar = TextLength(input->text) + 1;
    input->flasher = TFlasher::Create(0, CURSOR_ON_STEPS, CURSOR_OFF_STEPS);
    return input;
}

void TTextInput::ApplyColor(const TColorPtr& newColor) {
    color = newColor;
    cursorLabel->color = newColor;
}

void TTextInput::CreateCursorLabel() {
    cursorLabel = TLabel::Create("_", x, y, imageFont, scaleX, scaleY);
}

void TTextInput::Finish() {
    FlushKeys();
}

int TTextInput::Logic() {
    flasher->Logic();
    int ch = GetChar();
    if (ch == Key::BACKSPACE) {
        Backspace();
    }
    if (mode == MODE_NUMBERS_ONLY && ch != Key::ENTER && (ch < '0' || ch > '9')) {
        ch = 0; // Esc too: a number entry cannot be given up
    }
    Type(ch);
    if (ch == Key::ENTER) {
        return Enter();
    }
    if (ch == Key::ESCAPE && allowEscToAbort) {
        Finish();
        return -1;
    }
    return 0;
}

void TTextInput::Backspace() {
    if (currentChar > 1) {
        currentChar -= 1;
        PlayTypingSound();
    }
    text = Left(text, currentChar - 1);
}

void TTextInput::Type(int ch) {
    bool printable =
        (ch >= FIRST_PRINTABLE && ch <= LAST_PLAIN) || (ch > LAST_PLAIN && allowExtendedChars == 1);
    if (!printable || currentChar > maxLength) {
        return;
    }
    std::string typed = EncodeUtf8(static_cast<char32_t>(ch));
    if (uppercaseFirstTypedChar && currentChar == 1) {
        typed = Upper(typed);
    }
    // The width limit is tested with the character as it will appear, so an
    // upper-cased first letter cannot slip past it.
    if (maxPixelWidth != 0 &&
        GetPotentialWidth(text + typed, 0) > static_cast<float>(maxPixelWidth)) {
        return;
    }
    text += typed;
    currentChar += 1;
    PlayTypingSound();
}

// A blank entry is refused unless allowed: the keys are dropped and typing goes on.
int TTextInput::Enter() {
    if (playTypingSoundOnEnter) {
        PlayTypingSound();
    }
    if (allowNull || !Trim(text).empty()) {
        Finish();
        return 1;
    }
    FlushKeys();
    return 0;
}

void TTextInput::PlayTypingSound() {
    if (typingSound) {
        game->PlayGameSound(typingSound, typingChannel, 1.0f, 1.0f);
    }
}

void TTextInput::Reset() {
    text.clear();
    currentChar = 1;
}

// Makes room for the cursor and puts it right after the last character, on
// the text's own line. Right-aligned text ends where the cursor begins, so the
// cursor ends at x; centred text is centred together with its cursor; text
// that starts at x (left and vertically centred) simply has the cursor after
// it, where the next letter will go.
void TTextInput::PlaceCursor() {
    offsetX = 0.0f;
    const float cursorWidth = cursorLabel->GetWidth(1);
    switch (alignment) {
    case ALIGN_RIGHT:
        offsetX = -cursorWidth;
        break;
    case ALIGN_CENTRE_ALL:
    case ALIGN_CENTRE_HORIZ:
        offsetX = -cursorWidth / 2.0f;
        break;
    default:
        break;
    }
    float textX = 0.0f;
    float textY = 0.0f;
    AlignedPosition(textX, textY);
    cursorLabel->x = textX + GetWidth(1);
    cursorLabel->y = textY;
    cursorLabel->useRendererCamera = useRendererCamera;
}

void TTextInput::Draw() {
    if (showCursor) {
        PlaceCursor();
        if (flasher->state != 0) {
            cursorLabel->Draw();
        }
    }
    TLabel::Draw();
}
