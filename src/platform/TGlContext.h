#pragma once

#include <SDL.h>

// The OpenGL 3.3 core context of a window. Each context gets a new generation
// number, so GL objects made in an earlier (closed) context are known to be
// gone and are made again rather than used or deleted.
class TGlContext {
public:
    // Check Valid() afterwards; Error() tells why it failed.
    explicit TGlContext(SDL_Window* window);
    ~TGlContext();
    TGlContext(const TGlContext&) = delete;
    TGlContext& operator=(const TGlContext&) = delete;

    bool Valid() const { return context_ != nullptr; }

    // The generation of the live context, 0 when there is none.
    static unsigned Current() { return current_; }
    // The largest texture side the live context takes.
    static int MaxTextureSize() { return maxTextureSize_; }

    // Asks for the attributes of the contexts made from now on (before the window).
    static void RequestAttributes();

private:
    SDL_GLContext context_ = nullptr;
    unsigned generation_ = 0;

    static unsigned current_;
    static unsigned lastGeneration_;
    static int maxTextureSize_;
};
