#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace lumenary::artwork {

// A colour with channels in 0..1 that can be scaled and blended freely; it is clamped only
// when it becomes a pixel.
struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

inline Rgb rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

inline Rgb mix(Rgb a, Rgb b, double t) { return a * (1.0 - t) + b * t; }

inline double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

inline QRgb toQRgb(Rgb c)
{
    const auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

}  // namespace lumenary::artwork
