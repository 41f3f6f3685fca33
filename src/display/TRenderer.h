#pragma once

#include <memory>
#include <string>

#include "display/TColor.h"
#include "display/TShadow.h"
#include "platform/TImageFont.h"

// Owns the display (full screen or a window at the game's fixed size), the
// game-wide scale and scroll, and draws the screens' centred, shadowed text.
class TRenderer : public TObject {
public:
    int bitDepth = 0;
    int fullScreen = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    int screenWidth = 1024;
    int screenHeight = 768;
    float scrollX = 0.0f;
    float scrollY = 0.0f;

    // Keeps the game point (x, y) where it is at scale 1 when zoomed.
    virtual int CentreOnCoords(float x, float y);
    // Closes the display and opens it again in the current mode.
    virtual int CreateScreen();
    virtual float GetTextWidth(const std::string& text, const TImageFontPtr& font, float scale);
    virtual int GetRandX(int margin);
    virtual int GetRandY(int margin);
    virtual float GetX(float x);
    virtual float GetY(float y);
    // The full-screen keys: Ctrl+F and Alt+Enter.
    virtual int Logic();
    virtual int OutputText(const std::string& text, float x, float y, const TImageFontPtr& font,
                           float sx, float sy, const TColorPtr& color, const TShadowPtr& shadow);
    virtual int OutputTextCentered(const std::string& text, float y, const TImageFontPtr& font,
                                   float sx, float sy, const TColorPtr& color,
                                   const TShadowPtr& shadow);
    virtual int ResetScale();
    virtual int ResetScrolling();
    // Back to a drawing scale of 1 by 1 (not to the game scale).
    virtual int RestoreScale();
    virtual int SetGameScale(float sx, float sy);
    // Sets the drawing scale to (sx, sy) times the game scale.
    virtual int TempScale(float sx, float sy);
    virtual int ToggleFullScreen();
    virtual int SetFullScreen(int on);
};

using TRendererPtr = std::shared_ptr<TRenderer>;
