#pragma once

#include <memory>
#include <string>

#include "platform/TDrawOp.h"
#include "platform/TLogicalScreen.h"
#include "platform/TSpriteBatcher.h"

// Carries out draw calls on the live GL context: each drawing becomes quads
// for the sprite batcher, drawn into the logical screen.
class TGlRenderer {
public:
    TGlRenderer(int width, int height);

    // False when GL could not give what drawing needs; Error() says what.
    bool Valid() const { return screen_.Valid() && batcher_.Valid(); }
    std::string Error() const;

    void Draw(const TDrawOp& op);
    // Shows the frame in a window of the given drawable size.
    void ShowIn(int windowWidth, int windowHeight);
    TPixmapPtr Read(int x, int y, int width, int height);

    TSpriteBatcher& Batcher() { return batcher_; }
    // Draw calls of the last shown frame.
    int LastFrameDrawCalls() const { return lastFrameDrawCalls_; }

private:
    void DrawImage(const TDrawOp& op);
    void DrawSubImage(const TDrawOp& op);
    void DrawRect(const TDrawOp& op);
    void DrawLine(const TDrawOp& op);
    void DrawText(const TDrawOp& op);

    TLogicalScreen screen_;
    TSpriteBatcher batcher_;
    int lastFrameDrawCalls_ = 0;
};
