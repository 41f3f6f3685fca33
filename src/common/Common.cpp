#include "common/Common.h"

#include <cmath>

#include "platform/Exits.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Strings.h"

int ccRound(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

int ccRectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    if (x1 < x2 + w2 && x2 < x1 + w1) {
        if (y1 < y2 + h2 && y2 < y1 + h1) {
            return 1;
        }
    }
    return 0;
}

std::string ccPadWithZeros(const std::string& text, int length) {
    int missing = length - TextLength(text);
    if (missing <= 0) {
        return text;
    }
    return std::string(static_cast<size_t>(missing), '0') + text;
}

int ccMouseHit() {
    for (int button = 1; button <= 3; ++button) {
        if (MouseHit(button)) {
            return 1;
        }
    }
    return 0;
}

int ccFlushAll() {
    FlushKeys();
    FlushMouse();
    return 0;
}

std::string ccAddSlash(const std::string& path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\')) {
        return path;
    }
    return path + "/";
}

int ccDrawRectOutline(int x, int y, int width, int height) {
    auto left = static_cast<float>(x);
    auto top = static_cast<float>(y);
    auto right = static_cast<float>(x + width - 1);
    auto bottom = static_cast<float>(y + height - 1);
    DrawLine(left, top, right, top, 0);
    DrawLine(right, top, right, bottom, 0);
    DrawLine(right, bottom, left, bottom, 0);
    DrawLine(left, bottom, left, top, 0);
    return 0;
}

int ccRunTimeError(const std::string& message, int endProgram) {
    Notify(message, 0);
    RuntimeError(message);
    // RuntimeError does not come back; should it ever, endProgram still ends the run.
    if (endProgram) {
        End();
    }
}
