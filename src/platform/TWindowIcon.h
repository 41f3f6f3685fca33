#pragma once

#include <SDL.h>

#include <string>

#include "platform/TPixmap.h"

// The game's icon on its window (title bar, task switcher), read from the
// same picture the desktop's icon theme gets. A missing or unreadable file
// simply means no icon.
class TWindowIcon {
public:
    static constexpr const char* PATH = "Data/Icons/brindlewick.png";

    explicit TWindowIcon(const std::string& path = PATH);

    bool Loaded() const { return pixels_ != nullptr; }
    int Size() const { return pixels_ ? pixels_->Width() : 0; }

    // Puts the icon on the window; false when there is no icon or no window.
    bool ApplyTo(SDL_Window* window) const;

    // Puts the game's icon (PATH, read once, at the first window) on the window.
    static bool ShowGameIcon(SDL_Window* window);

private:
    TPixmapPtr pixels_;
};
