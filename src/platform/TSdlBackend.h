#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>

#include "platform/TBackend.h"
#include "platform/TGlContext.h"
#include "platform/TGlRenderer.h"

// The real backend: an SDL window with an OpenGL 3.3 core context, drawn
// through one sprite batcher into a fixed 1024 by 768 logical screen that is
// shown scaled to fit (with black bars) when the window is larger.
class TSdlBackend : public TBackend {
public:
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
    void Translate(const SDL_Event& event, TInputState& input) const;

private:
    struct TWindowCloser {
        void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    };

    bool InitVideo();
    bool Fail(const std::string& what);
    TInputEvent MouseMoveTo(int windowX, int windowY) const;

    bool videoReady_ = false;
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
