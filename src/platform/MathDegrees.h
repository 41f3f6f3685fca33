#pragma once

#include <cmath>

// Trigonometry in degrees.
inline constexpr double DEGREES_PER_RADIAN = 57.29577951308232;

inline double Sin(double degrees) {
    return std::sin(degrees / DEGREES_PER_RADIAN);
}
inline double Cos(double degrees) {
    return std::cos(degrees / DEGREES_PER_RADIAN);
}
inline double ATan2(double y, double x) {
    return std::atan2(y, x) * DEGREES_PER_RADIAN;
}
