#include "platform/TGlTexture.h"

#include <epoxy/gl.h>

#include "platform/TGlContext.h"

TGlTexture::TGlTexture(int width, int height, bool filtered)
    : generation_(TGlContext::Current()), width_(width), height_(height) {
    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_2D, id_);
    const GLint filter = filtered ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 nullptr);
}

TGlTexture::~TGlTexture() {
    // A texture of a closed context went with it.
    if (id_ != 0 && generation_ == TGlContext::Current()) {
        glDeleteTextures(1, &id_);
    }
}

void TGlTexture::Upload(int x, int y, int width, int height, const uint32_t* pixels) {
    glBindTexture(GL_TEXTURE_2D, id_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                    pixels);
}
