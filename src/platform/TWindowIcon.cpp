#include "platform/TWindowIcon.h"

#include <memory>

#include "platform/FilePath.h"
#include "platform/TPngReader.h"

namespace {

struct TSurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

} // namespace

TWindowIcon::TWindowIcon(const std::string& path) : pixels_(TPngReader::Read(ResolvePath(path))) {}

bool TWindowIcon::ApplyTo(SDL_Window* window) const {
    if (!window || !pixels_) {
        return false;
    }
    // The pixmap's 0xAARRGGBB words are SDL's ARGB8888; SDL copies them for the window.
    std::unique_ptr<SDL_Surface, TSurfaceFreer> surface(
        SDL_CreateRGBSurfaceWithFormatFrom(pixels_->Pixels(), pixels_->Width(), pixels_->Height(),
                                           32, pixels_->Width() * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!surface) {
        return false;
    }
    SDL_SetWindowIcon(window, surface.get());
    return true;
}

bool TWindowIcon::ShowGameIcon(SDL_Window* window) {
    // Switching between full screen and a window makes a new window; the
    // picture is read only for the first.
    static const TWindowIcon icon;
    return icon.ApplyTo(window);
}
