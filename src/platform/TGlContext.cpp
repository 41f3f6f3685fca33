#include "platform/TGlContext.h"

#include <epoxy/gl.h>

unsigned TGlContext::current_ = 0;
unsigned TGlContext::lastGeneration_ = 0;
int TGlContext::maxTextureSize_ = 0;

void TGlContext::RequestAttributes() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

TGlContext::TGlContext(SDL_Window* window) {
    if (!window) {
        return;
    }
    context_ = SDL_GL_CreateContext(window);
    if (!context_) {
        return;
    }
    if (SDL_GL_MakeCurrent(window, context_) != 0 || epoxy_gl_version() < 33) {
        SDL_GL_DeleteContext(context_);
        context_ = nullptr;
        SDL_SetError("OpenGL 3.3 is not available");
        return;
    }
    generation_ = ++lastGeneration_;
    current_ = generation_;
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    maxTextureSize_ = size;
}

TGlContext::~TGlContext() {
    if (context_) {
        SDL_GL_DeleteContext(context_);
        if (current_ == generation_) {
            current_ = 0;
        }
    }
}
