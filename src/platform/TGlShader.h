#pragma once

#include <string>

// A linked GL program made of one vertex and one fragment shader.
class TGlShader {
public:
    // Check Valid() afterwards; Log() holds the compiler's complaint.
    TGlShader(const char* vertexSource, const char* fragmentSource);
    ~TGlShader();
    TGlShader(const TGlShader&) = delete;
    TGlShader& operator=(const TGlShader&) = delete;

    bool Valid() const { return program_ != 0; }
    const std::string& Log() const { return log_; }
    void Use() const;
    int Uniform(const char* name) const;

private:
    unsigned Compile(unsigned kind, const char* source);

    unsigned program_ = 0;
    std::string log_;
};
