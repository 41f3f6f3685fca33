#include "platform/TGlShader.h"

#include <epoxy/gl.h>

#include <vector>

namespace {

std::string ShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(std::max(length, 1)));
    glGetShaderInfoLog(shader, length, nullptr, text.data());
    return text.data();
}

std::string ProgramLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(std::max(length, 1)));
    glGetProgramInfoLog(program, length, nullptr, text.data());
    return text.data();
}

} // namespace

TGlShader::TGlShader(const char* vertexSource, const char* fragmentSource) {
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource);
    if (vertex != 0 && fragment != 0) {
        program_ = glCreateProgram();
        glAttachShader(program_, vertex);
        glAttachShader(program_, fragment);
        glLinkProgram(program_);
        GLint linked = GL_FALSE;
        glGetProgramiv(program_, GL_LINK_STATUS, &linked);
        if (!linked) {
            log_ = ProgramLog(program_);
            glDeleteProgram(program_);
            program_ = 0;
        }
    }
    // Once linked (or failed), the shader objects are no longer needed.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

TGlShader::~TGlShader() {
    if (program_ != 0) {
        glDeleteProgram(program_);
    }
}

unsigned TGlShader::Compile(unsigned kind, const char* source) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled) {
        log_ += ShaderLog(shader);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

void TGlShader::Use() const {
    glUseProgram(program_);
}

int TGlShader::Uniform(const char* name) const {
    return glGetUniformLocation(program_, name);
}
