#include "display/TColor.h"

#include "platform/Graphics.h"

std::shared_ptr<TColor> TColor::Create(int r, int g, int b, float alpha) {
    auto color = std::make_shared<TColor>();
    color->Set(r, g, b, alpha);
    return color;
}

int TColor::Apply() {
    SetColor(R, G, B);
    SetAlpha(alpha);
    return 0;
}

int TColor::ApplyNoAlpha() {
    SetColor(R, G, B);
    return 0;
}

int TColor::Copy(const TColor& other) {
    Set(other.R, other.G, other.B, other.alpha);
    return 0;
}

int TColor::Get(int& r, int& g, int& b) const {
    r = R;
    g = G;
    b = B;
    return 0;
}

int TColor::GetFull(int& r, int& g, int& b, float& a) const {
    Get(r, g, b);
    a = alpha;
    return 0;
}

int TColor::Restore() {
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    return 0;
}

int TColor::Set(int r, int g, int b, float a) {
    R = r;
    G = g;
    B = b;
    alpha = a;
    return 0;
}
