#pragma once

#include <memory>
#include <random>
#include <string>

#include "platform/TBackend.h"
#include "platform/TDrawOp.h"
#include "platform/TInputState.h"

class THeadlessBackend;

// The state the platform's free functions share: the backend in use, the
// drawing state, key and mouse bookkeeping, the random generator and the
// application title.
class TPlatform {
public:
    static TPlatform& Instance();

    TBackend& Backend();
    void SetBackend(std::unique_ptr<TBackend> backend);
    // Installs a fresh headless backend and resets every shared state; returns it.
    THeadlessBackend& UseHeadless();
    // Back to a newly started program's state (backend kept).
    void Reset();

    // Takes in pending events, then gives the bookkeeping.
    TInputState& Input();

    TDrawState draw;
    std::mt19937 random{0x5eed};
    std::string appTitle;
    TImageFontPtr builtinFont;

private:
    TPlatform();

    std::unique_ptr<TBackend> backend_;
    TInputState input_;
};
