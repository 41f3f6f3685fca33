#pragma once

#include <cstdint>
#include <string>

#include "platform/TDrawOp.h"
#include "platform/TInputState.h"
#include "platform/TPixmap.h"

// What differs between running in a real window and running headless: putting
// drawing on screen, collecting events, telling the time and showing messages.
// Everything else of the platform layer is shared code above this seam.
class TBackend {
public:
    virtual ~TBackend() = default;

    // Opens the display: depth 0 a window, 32 full screen. False if it cannot.
    virtual bool OpenDisplay(int width, int height, int depth, int hertz) = 0;
    virtual void CloseDisplay() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void Draw(const TDrawOp& op) = 0;
    // Makes what drawing image needs (its texture) now rather than at its first draw.
    virtual void Prepare(const TImage&) {}
    // Presents the frame; sync 1 waits for the vertical blank.
    virtual void Present(int sync) = 0;
    // Reads back a block of the frame drawn so far.
    virtual TPixmapPtr ReadPixels(int x, int y, int width, int height) = 0;
    // Takes in pending system events.
    virtual void PumpEvents(TInputState& input) = 0;
    virtual int64_t Now() = 0;
    virtual void Sleep(int ms) = 0;
    // Shows a message box (where there is a display); serious marks an error.
    virtual void ShowMessage(const std::string& text, bool serious) = 0;
    // Why the last OpenDisplay failed, when it did.
    virtual std::string LastError() const { return {}; }
};
