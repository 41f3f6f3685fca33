#include "platform/Graphics.h"

#include <cstdlib>
#include <iostream>

#include "platform/TPlatform.h"

namespace {

TDrawOp MakeOp(TDrawKind kind, float x, float y) {
    TDrawOp op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.state = TPlatform::Instance().draw;
    return op;
}

void Submit(const TDrawOp& op) {
    TPlatform::Instance().Backend().Draw(op);
}

// The modes the game can use: its own resolution, windowed and full screen.
struct Mode {
    int width, height, depth, hertz;
};
constexpr Mode MODES[] = {{1024, 768, 32, 60}};

} // namespace

int Graphics(int width, int height, int depth, int hertz, int) {
    auto& platform = TPlatform::Instance();
    platform.Backend().SetTitle(platform.appTitle);
    return platform.Backend().OpenDisplay(width, height, depth, hertz) ? 1 : 0;
}

int GraphicsOrExit(int width, int height, int depth, int hertz, int flags) {
    if (Graphics(width, height, depth, hertz, flags)) {
        return 1;
    }
    auto& platform = TPlatform::Instance();
    const std::string who = platform.appTitle.empty() ? "The game" : platform.appTitle;
    std::cerr << who << " cannot open its display (" << width << "x" << height
              << (depth != 0 ? " full screen" : " window") << ")";
    const std::string reason = platform.Backend().LastError();
    if (!reason.empty()) {
        std::cerr << ": " << reason;
    }
    std::cerr << '\n' << std::flush;
    std::exit(EXIT_FAILURE);
}

int EndGraphics() {
    TPlatform::Instance().Backend().CloseDisplay();
    return 0;
}

int Flip(int sync) {
    TPlatform::Instance().Backend().Present(sync);
    return 0;
}

TPixmapPtr GrabPixmap(int x, int y, int width, int height) {
    return TPlatform::Instance().Backend().ReadPixels(x, y, width, height);
}

int AppTerminate() {
    return TPlatform::Instance().Input().TakeQuitRequest();
}

void SetAppTitle(const std::string& title) {
    auto& platform = TPlatform::Instance();
    platform.appTitle = title;
    platform.Backend().SetTitle(title);
}

const std::string& AppTitle() {
    return TPlatform::Instance().appTitle;
}

int Cls() {
    Submit(MakeOp(TDrawKind::Cls, 0.0f, 0.0f));
    return 0;
}

int SetClsColor(int r, int g, int b) {
    auto& state = TPlatform::Instance().draw;
    state.clsR = r;
    state.clsG = g;
    state.clsB = b;
    return 0;
}

void GetClsColor(int& r, int& g, int& b) {
    const auto& state = TPlatform::Instance().draw;
    r = state.clsR;
    g = state.clsG;
    b = state.clsB;
}

int SetColor(int r, int g, int b) {
    auto& state = TPlatform::Instance().draw;
    state.r = r;
    state.g = g;
    state.b = b;
    return 0;
}

void GetColor(int& r, int& g, int& b) {
    const auto& state = TPlatform::Instance().draw;
    r = state.r;
    g = state.g;
    b = state.b;
}

int SetAlpha(float alpha) {
    TPlatform::Instance().draw.alpha = alpha;
    return 0;
}

float GetAlpha() {
    return TPlatform::Instance().draw.alpha;
}

int SetScale(float sx, float sy) {
    auto& state = TPlatform::Instance().draw;
    state.scaleX = sx;
    state.scaleY = sy;
    return 0;
}

void GetScale(float& sx, float& sy) {
    const auto& state = TPlatform::Instance().draw;
    sx = state.scaleX;
    sy = state.scaleY;
}

int SetRotation(float degrees) {
    TPlatform::Instance().draw.rotation = degrees;
    return 0;
}

float GetRotation() {
    return TPlatform::Instance().draw.rotation;
}

int SetBlend(int blend) {
    TPlatform::Instance().draw.blend = blend;
    return 0;
}

int GetBlend() {
    return TPlatform::Instance().draw.blend;
}

int DrawImage(const TImagePtr& image, float x, float y, int cell) {
    if (!image) {
        return 0;
    }
    auto op = MakeOp(TDrawKind::Image, x, y);
    op.image = image;
    op.frame = cell;
    op.handleX = image->handleX;
    op.handleY = image->handleY;
    Submit(op);
    return 0;
}

int DrawRect(float x, float y, float width, float height) {
    auto op = MakeOp(TDrawKind::Rect, x, y);
    op.x2 = width;
    op.y2 = height;
    Submit(op);
    return 0;
}

int DrawLine(float x1, float y1, float x2, float y2, int lastPixel) {
    auto op = MakeOp(TDrawKind::Line, x1, y1);
    op.x2 = x2;
    op.y2 = y2;
    op.lastPixel = lastPixel != 0;
    Submit(op);
    return 0;
}

int DrawText(const std::string& text, float x, float y) {
    auto op = MakeOp(TDrawKind::Text, x, y);
    op.text = text;
    Submit(op);
    return 0;
}

int DrawSubImageRect(const TImagePtr& image, float x, float y, float width, float height, float sx,
                     float sy, float sw, float sh, int cell) {
    if (!image) {
        return 0;
    }
    auto op = MakeOp(TDrawKind::SubImageRect, x, y);
    op.image = image;
    op.frame = cell;
    op.x2 = width;
    op.y2 = height;
    op.sx = sx;
    op.sy = sy;
    op.sw = sw;
    op.sh = sh;
    op.handleX = image->handleX;
    op.handleY = image->handleY;
    Submit(op);
    return 0;
}

int CountGraphicsModes() {
    return static_cast<int>(std::size(MODES));
}

bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz) {
    if (index < 0 || index >= CountGraphicsModes()) {
        return false;
    }
    const auto& mode = MODES[index];
    width = mode.width;
    height = mode.height;
    depth = mode.depth;
    hertz = mode.hertz;
    return true;
}
