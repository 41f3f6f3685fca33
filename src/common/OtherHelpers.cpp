#include "common/OtherHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/Exits.h"
#include "platform/Graphics.h"
#include "platform/Strings.h"

int ccFastRand(int min, int max) {
    if (max < min) {
        std::swap(min, max);
    }
    const int64_t range = static_cast<int64_t>(max) - min + 1;
    return static_cast<int>(min + std::rand() % range);
}

int ccFastRandSeed(int seed) {
    std::srand(static_cast<unsigned>(seed));
    return 0;
}

namespace {

// A Double as the platform writes it: 17 significant digits, trailing zeros kept.
std::string DoubleText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%#.17lg", value);
    return buffer;
}

// A comma every groupSize characters left of position point, counting back from it.
void InsertGroupCommas(std::string& text, int point, int groupSize) {
    point = std::min(point, static_cast<int>(text.size()));
    while (point > groupSize) {
        point -= groupSize;
        text.insert(static_cast<size_t>(point), ",");
    }
}

} // namespace

std::string ccFormatNumber(double value, int decimals, int groupSize, int width) {
    std::string text = DoubleText(value);
    const size_t dot = text.find('.');
    const int point = dot == std::string::npos ? -1 : static_cast<int>(dot);
    if (decimals == 0) {
        decimals = -1;
    }
    text = Left(text, point + decimals + 1);
    if (groupSize > 0) {
        InsertGroupCommas(text, point, groupSize);
    }
    if (width != 0) {
        const int field = width + decimals + 1;
        if (TextLength(text) > field) {
            text = "Error";
        }
        text = RSet(text, field);
    }
    return text;
}

float ccRoundFloat(float value, int places) {
    const double v = value;
    const double half = v > 0.0 ? 0.5 : (v < 0.0 ? -0.5 : 0.0);
    if (places >= 0) {
        const double factor = std::pow(10.0, places);
        return static_cast<float>(std::trunc(v * factor + half) / factor);
    }
    const double step = std::pow(10.0, -places);
    return static_cast<float>(std::trunc(v / step + half) * step);
}

double ccPointToPointDist(double x1, double y1, double x2, double y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

float ccCircleHalfWidthAtY(float radius, float y) {
    return std::sqrt(radius * radius - y * y);
}

int ccCircleLineIntersect2(double x1, double y1, double x2, double y2, double cx, double cy,
                           double radius) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t = (dx * (cx - x1) + dy * (cy - y1)) / (dx * dx + dy * dy);
    if (std::isnan(t)) {
        t = 0.0; // a segment of no length is its start point
    }
    t = std::clamp(t, 0.0, 1.0);
    const double nearX = x1 + t * dx, nearY = y1 + t * dy;
    return ccPointToPointDist(nearX, nearY, cx, cy) < radius ? 1 : 0;
}

float ccGetMusicalNote(int semitones) {
    return static_cast<float>(std::pow(2.0, semitones / 12.0));
}

float ccGetMusicalNoteInScaleC(int degree) {
    // Each degree the scale reaches past one of these steps up by a whole tone.
    constexpr int WHOLE_TONES[] = {1, 2, 4, 5, 6, 8, 9, 11, 12, 13};
    int semitones = degree;
    for (int step : WHOLE_TONES) {
        if (degree >= step) {
            ++semitones;
        }
    }
    return ccGetMusicalNote(semitones);
}

int ccAddLists(const std::shared_ptr<TList>& target, const std::shared_ptr<TList>& source) {
    if (!target || !source || source->Count() == 0) {
        return 0;
    }
    // Taken first, so adding a list to itself doubles it instead of running on.
    std::vector<TObjectPtr> elements;
    for (const TObjectPtr& element : *source) {
        if (element) {
            elements.push_back(element);
        }
    }
    for (auto& element : elements) {
        target->AddLast(std::move(element));
    }
    return 1;
}

int ccDrawRectOutlinePrecise(float x, float y, float width, float height) {
    const float right = x + width, bottom = y + height;
    DrawLine(x, y, right, y, 0);
    DrawLine(right, y, right, bottom, 0);
    DrawLine(right, bottom, x, bottom, 0);
    DrawLine(x, bottom, x, y, 0);
    return 0;
}

int ccPrintGraphicsModes() {
    for (int i = 0; i < CountGraphicsModes(); ++i) {
        int width = 0, height = 0, depth = 0, hertz = 0;
        if (GetGraphicsMode(i, width, height, depth, hertz)) {
            Print(std::to_string(i) + " Width: " + std::to_string(width) +
                  " Height: " + std::to_string(height) + " Depth: " + std::to_string(depth) +
                  " Hertz: " + std::to_string(hertz));
        }
    }
    return 0;
}

std::string ccGetSharedUserDataFolder() {
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::string folder = dirs && *dirs ? dirs : "/usr/local/share";
    folder = folder.substr(0, folder.find(':'));
    if (folder.empty() || folder.front() != '/') {
        return {}; // relative entries do not count
    }
    std::error_code error;
    return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

std::string ccGetDirectXVersion() {
    return {};
}

std::string ccGetEnvVar(const std::string&) {
    return {};
}

std::string ccGetSpecialFolder(int) {
    return {};
}

std::string ccGetVersionString() {
    return {};
}

int ccEnableMaximize(int, int) {
    return 0;
}

int ccEnableMinimize(int, int) {
    return 0;
}

int ccVWait() {
    return 0;
}
