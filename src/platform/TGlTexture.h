#pragma once

#include <cstdint>

// An RGBA texture of the live GL context, filled piece by piece from
// 0xAARRGGBB pixels.
class TGlTexture {
public:
    TGlTexture(int width, int height, bool filtered);
    ~TGlTexture();
    TGlTexture(const TGlTexture&) = delete;
    TGlTexture& operator=(const TGlTexture&) = delete;

    void Upload(int x, int y, int width, int height, const uint32_t* pixels);
    unsigned Id() const { return id_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    unsigned id_ = 0;
    unsigned generation_;
    int width_;
    int height_;
};
