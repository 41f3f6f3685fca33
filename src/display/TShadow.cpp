#include "display/TShadow.h"

#include "platform/Graphics.h"

std::shared_ptr<TShadow> TShadow::Create(float x, float y, float alpha) {
    auto shadow = std::make_shared<TShadow>();
    shadow->Init(x, y, alpha);
    return shadow;
}

int TShadow::Init(float x, float y, float a) {
    X = x;
    Y = y;
    alpha = a;
    return 0;
}

int TShadow::Copy(const TShadow& other) {
    return Init(other.X, other.Y, other.alpha);
}

int TShadow::Apply() {
    SetColor(0, 0, 0);
    SetAlpha(alpha);
    return 0;
}

int TShadow::Restore() {
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    return 0;
}
