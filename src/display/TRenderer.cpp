#include "display/TRenderer.h"

#include "common/Common.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Random.h"

namespace {
constexpr int KEY_F = 70;
constexpr int DISPLAY_HERTZ = 60;
constexpr int FULL_SCREEN_DEPTH = 32;
} // namespace

int TRenderer::CentreOnCoords(float x, float y) {
    auto width = static_cast<float>(screenWidth);
    auto height = static_cast<float>(screenHeight);
    scrollX = -(width * scaleX - width) * x / width;
    scrollY = -(height * scaleY - height) * y / height;
    return 0;
}

int TRenderer::CreateScreen() {
    EndGraphics();
    // Nothing can be shown without a display: that ends the program with a
    // plain message rather than a crash.
    GraphicsOrExit(screenWidth, screenHeight, bitDepth, DISPLAY_HERTZ, 0);
    return 0;
}

float TRenderer::GetTextWidth(const std::string& text, const TImageFontPtr& font, float scale) {
    if (font) {
        SetImageFont(font);
    }
    float width = static_cast<float>(TextWidth(text)) * scaleX * scale;
    if (font) {
        SetImageFont(nullptr);
    }
    return width;
}

int TRenderer::GetRandX(int margin) {
    return Rand(0, screenWidth - margin);
}

int TRenderer::GetRandY(int margin) {
    return Rand(0, screenHeight - margin);
}

float TRenderer::GetX(float x) {
    return x * scaleX + scrollX;
}

float TRenderer::GetY(float y) {
    return y * scaleY + scrollY;
}

int TRenderer::Logic() {
    if (KeyHit(KEY_F) && (KeyDown(Key::LCONTROL) || KeyDown(Key::RCONTROL))) {
        ToggleFullScreen();
    }
    // Enter is only taken here when an Alt key is held: Alt+Enter switches the
    // display (and its flush keeps it from the screen), while a plain Enter is
    // left for the screens that move on with it.
    if ((KeyDown(Key::LALT) || KeyDown(Key::RALT)) && KeyHit(Key::ENTER)) {
        ToggleFullScreen();
    }
    return 0;
}

int TRenderer::OutputText(const std::string& text, float x, float y, const TImageFontPtr& font,
                          float sx, float sy, const TColorPtr& color, const TShadowPtr& shadow) {
    if (font) {
        SetImageFont(font);
        TempScale(sx, sy);
    }
    if (shadow) {
        shadow->Apply();
        DrawText(text, x + shadow->X, y + shadow->Y);
        shadow->Restore();
    }
    if (color) {
        color->Apply();
    }
    DrawText(text, x, y);
    if (color) {
        color->Restore();
    }
    if (font) {
        SetImageFont(nullptr);
        RestoreScale();
    }
    return 0;
}

int TRenderer::OutputTextCentered(const std::string& text, float y, const TImageFontPtr& font,
                                  float sx, float sy, const TColorPtr& color,
                                  const TShadowPtr& shadow) {
    float x = (static_cast<float>(screenWidth) - GetTextWidth(text, font, sx)) / 2.0f;
    return OutputText(text, x, y, font, sx, sy, color, shadow);
}

int TRenderer::ResetScale() {
    scaleX = 1.0f;
    scaleY = 1.0f;
    return 0;
}

int TRenderer::ResetScrolling() {
    scrollX = 0.0f;
    scrollY = 0.0f;
    return 0;
}

int TRenderer::RestoreScale() {
    SetScale(1.0f, 1.0f);
    return 0;
}

int TRenderer::SetGameScale(float sx, float sy) {
    scaleX = sx;
    scaleY = sy;
    return 0;
}

int TRenderer::TempScale(float sx, float sy) {
    SetScale(sx * scaleX, sy * scaleY);
    return 0;
}

int TRenderer::ToggleFullScreen() {
    fullScreen = fullScreen ? 0 : 1;
    SetFullScreen(fullScreen);
    ccFlushAll();
    return 0;
}

int TRenderer::SetFullScreen(int on) {
    fullScreen = on;
    bitDepth = on ? FULL_SCREEN_DEPTH : 0;
    CreateScreen();
    return 0;
}
