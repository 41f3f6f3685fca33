#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>
#include <vector>

#include "platform/TBackend.h"
#include "platform/TGameController.h"
#include "platform/TGlContext.h"
#include "platform/TGlRenderer.h"

// The real backend: an SDL window with an OpenGL 3.3 core context, drawn
// through one sprite batcher into a fixed 1024 by 768 logical screen that is
// shown scaled to fit (with black bars) in whatever size the window has. Game
// pads are opened as they are plugged in and press the game's keys.
class TSdlBackend : public TBackend {
public:
    // How long a frame waits for events while the window is minimised or
    // hidden, in place of drawing: the game keeps time but leaves the CPU be.
    static constexpr int IDLE_WAIT_MS = 50;
    // The smallest window the player can drag it to.
    static constexpr int MIN_WINDOW_WIDTH = 256;
    static constexpr int MIN_WINDOW_HEIGHT = 192;

    TSdlBackend();
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    bool OpenDisplay(int width, int height, int depth, int hertz) override;
    void CloseDisplay() override;
    void SetTitle(const std::string& title) override;
    void Draw(const TDrawOp& op) override;
    void Present(int sync) override;
    TPixmapPtr ReadPixels(int x, int y, int width, int height) override;
    void PumpEvents(TInputState& input) override;
    int64_t Now() override;
    void Sleep(int ms) override;
    void ShowMessage(const std::string& text, bool serious) override;
    std::string LastError() const override { return lastError_; }

    // The renderer of the open display; null while closed.
    TGlRenderer* Renderer() { return renderer_.get(); }
    SDL_Window* Window() { return window_.get(); }

    // One SDL event in the game's terms, applied to input.
    void Translate(const SDL_Event& event, TInputState& input);

    // Game pads open now.
    int OpenPads() const { return static_cast<int>(pads_.size()); }
    // Frames that waited for events instead of being drawn and shown.
    int IdleFrames() const { return idleFrames_; }

private:
    struct TWindowCloser {
        void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    };

    bool InitVideo();
    void InitPads();
    // Opens the pad at a device index unless it is open already; its id, or -1.
    int OpenPad(int deviceIndex);
    void ClosePad(int id);
    // Minimised or hidden: nothing of a frame would be seen.
    bool Idle() const;
    bool Fail(const std::string& what);
    TInputEvent MouseMoveTo(int windowX, int windowY) const;

    bool videoReady_ = false;
    bool padsReady_ = false;
    std::vector<std::unique_ptr<TGameController>> pads_;
    int idleFrames_ = 0;
    bool hidden_ = false; // the frame being drawn will not be seen
    std::unique_ptr<SDL_Window, TWindowCloser> window_;
    std::unique_ptr<TGlContext> context_;
    std::unique_ptr<TGlRenderer> renderer_;
    std::string title_;
    std::string lastError_;
    int width_ = 1024;
    int height_ = 768;
    int swapInterval_ = -1;
    std::chrono::steady_clock::time_point start_;
};
