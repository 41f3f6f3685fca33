#include "platform/TSpriteBatcher.h"

#include <epoxy/gl.h>

#include <cstddef>

namespace {

// Quads one buffer holds before it is sent on.
constexpr int MAX_QUADS = 4096;

// Blend modes of the drawing state.
constexpr int MASK_BLEND = 1;
constexpr int SOLID_BLEND = 2;
constexpr int LIGHT_BLEND = 4;
constexpr int SHADE_BLEND = 5;

const char* VERTEX_SHADER = R"(#version 330 core
uniform vec2 screenSize;
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 colour;
layout(location = 3) in float textured;
out vec2 fragTexCoord;
out vec4 fragColour;
out float fragTextured;
void main() {
    gl_Position = vec4(position.x * 2.0 / screenSize.x - 1.0,
                       1.0 - position.y * 2.0 / screenSize.y, 0.0, 1.0);
    fragTexCoord = texCoord;
    fragColour = colour;
    fragTextured = textured;
}
)";

const char* FRAGMENT_SHADER = R"(#version 330 core
uniform sampler2D picture;
uniform bool alphaTest;
in vec2 fragTexCoord;
in vec4 fragColour;
in float fragTextured;
out vec4 outColour;
void main() {
    vec4 texel = fragTextured > 0.5 ? texture(picture, fragTexCoord) : vec4(1.0);
    outColour = texel * fragColour;
    if (alphaTest && outColour.a < 0.5) {
        discard;
    }
}
)";

} // namespace

TSpriteBatcher::TSpriteBatcher(int screenWidth, int screenHeight)
    : shader_(std::make_unique<TGlShader>(VERTEX_SHADER, FRAGMENT_SHADER)) {
    if (!shader_->Valid()) {
        return;
    }
    shader_->Use();
    glUniform2f(shader_->Uniform("screenSize"), static_cast<float>(screenWidth),
                static_cast<float>(screenHeight));
    glUniform1i(shader_->Uniform("picture"), 0);
    alphaTestUniform_ = shader_->Uniform("alphaTest");
    CreateBuffers();
    vertices_.reserve(static_cast<size_t>(MAX_QUADS) * 4);
    ApplyBlend();
}

TSpriteBatcher::~TSpriteBatcher() {
    glDeleteBuffers(1, &indexBuffer_);
    glDeleteBuffers(1, &vertexBuffer_);
    glDeleteVertexArrays(1, &vertexArray_);
}

void TSpriteBatcher::CreateBuffers() {
    glGenVertexArrays(1, &vertexArray_);
    glBindVertexArray(vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(MAX_QUADS * 4 * sizeof(TVertex)), nullptr,
                 GL_STREAM_DRAW);
    const auto stride = static_cast<GLsizei>(sizeof(TVertex));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(TVertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(TVertex, u)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<void*>(offsetof(TVertex, r)));
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 1, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(TVertex, textured)));

    std::vector<GLuint> indices;
    indices.reserve(static_cast<size_t>(MAX_QUADS) * 6);
    for (GLuint quad = 0; quad < MAX_QUADS; ++quad) {
        const GLuint first = quad * 4;
        for (GLuint corner : {0u, 1u, 2u, 0u, 2u, 3u}) {
            indices.push_back(first + corner);
        }
    }
    glGenBuffers(1, &indexBuffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)),
                 indices.data(), GL_STATIC_DRAW);
}

void TSpriteBatcher::Add(const std::shared_ptr<TGlTexture>& texture, const TQuad& quad,
                         TQuadColour colour) {
    const bool sharesCall = !texture || !texture_ || texture == texture_;
    if (!sharesCall || vertices_.size() >= static_cast<size_t>(MAX_QUADS) * 4) {
        Flush();
    }
    if (texture && !texture_) {
        texture_ = texture;
    }
    const float textured = texture ? 1.0f : 0.0f;
    for (const auto& corner : quad) {
        vertices_.push_back({corner.x, corner.y, corner.u, corner.v, colour.r, colour.g, colour.b,
                             colour.a, textured});
    }
    ++quads_;
    if (flushEveryQuad) {
        Flush();
    }
}

void TSpriteBatcher::SetBlend(int blend) {
    if (blend != blend_) {
        Flush();
        blend_ = blend;
        ApplyBlend();
    }
}

void TSpriteBatcher::ApplyBlend() {
    glUniform1i(alphaTestUniform_, blend_ == MASK_BLEND ? 1 : 0);
    switch (blend_) {
    case MASK_BLEND:
    case SOLID_BLEND:
        glDisable(GL_BLEND);
        return;
    case LIGHT_BLEND:
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        return;
    case SHADE_BLEND:
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_DST_COLOR, GL_ZERO, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        return;
    default: // alpha blending, straight alpha
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        return;
    }
}

void TSpriteBatcher::Flush() {
    if (vertices_.empty()) {
        return;
    }
    if (texture_) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture_->Id());
    }
    const auto bytes = static_cast<GLsizeiptr>(vertices_.size() * sizeof(TVertex));
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    // A fresh store each time, so GL need not wait for the previous draw.
    glBufferData(GL_ARRAY_BUFFER, bytes, vertices_.data(), GL_STREAM_DRAW);
    const auto indexCount = static_cast<GLsizei>(vertices_.size() / 4 * 6);
    glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_INT, nullptr);
    ++drawCalls_;
    vertices_.clear();
    texture_.reset();
}

void TSpriteBatcher::ResetCounters() {
    drawCalls_ = 0;
    quads_ = 0;
}
