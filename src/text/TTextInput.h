#pragma once

#include <memory>
#include <string>

#include "display/TColor.h"
#include "platform/TChannel.h"
#include "platform/TImageFont.h"
#include "platform/TSound.h"
#include "sprites/TFlasher.h"
#include "text/TLabel.h"

// A label the player types into: it takes one typed character per logic step,
// keeps its text within a character count and a pixel width, shows a blinking
// "_" cursor after the text and can click with every key. Enter accepts, Esc
// gives up. The typed value is the label's text; textRaw keeps the text it was
// created with.
class TTextInput : public TLabel {
public:
    static constexpr int MODE_ALL_CHARS = 0;
    static constexpr int MODE_NUMBERS_ONLY = 1;

    int allowEscToAbort = 1;
    // Exactly 1 lets characters above 126 be typed.
    int allowExtendedChars = 0;
    // Enter accepts an empty or all-blank text too.
    int allowNull = 1;
    // 1-based position of the next character: the text's length + 1.
    int currentChar = 0;
    TLabelPtr cursorLabel;
    TFlasherPtr flasher;
    int maxLength = 10;
    // 0: no limit.
    int maxPixelWidth = 0;
    int mode = MODE_ALL_CHARS;
    int playTypingSoundOnEnter = 1;
    int showCursor = 1;
    // Null: typing is silent.
    TSoundPtr typingSound;
    TChannelPtr typingChannel;
    int uppercaseFirstTypedChar = 0;

    static std::shared_ptr<TTextInput> Create(const std::string& text, float x, float y,
                                              const TImageFontPtr& font, float scaleX,
                                              float scaleY);

    void Draw() override;

    // The text and the cursor share this colour.
    virtual void ApplyColor(const TColorPtr& newColor);
    virtual void CreateCursorLabel();
    // Drops every pending key and typed character.
    virtual void Finish();
    // 1 accepted with Enter, -1 given up with Esc, 0 still typing.
    virtual int Logic();
    virtual void PlayTypingSound();
    // Empty again, ready for another entry.
    virtual void Reset();

private:
    void Backspace();
    void Type(int ch);
    int Enter();
    void PlaceCursor();
};

using TTextInputPtr = std::shared_ptr<TTextInput>;
