#include "valueNoise.h"

#include <cmath>
#include <cstdint>

namespace lumenary::artwork {

namespace {

double latticeValue(std::int64_t x, std::int64_t y, std::int64_t z, unsigned seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= std::uint32_t(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= std::uint32_t(y) * 0xC2B2AE35u;
    h = (h << 17) | (h >> 15);
    h ^= std::uint32_t(z) * 0x27D4EB2Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / double(0xFFFFFF);
}

double fade(double t) { return t * t * (3.0 - 2.0 * t); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double scatteredValue(int index, unsigned seed) { return latticeValue(index, 0, 0, seed); }

double valueNoise(double x, double y, double z, unsigned seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double fz = std::floor(z);
    const auto ix = std::int64_t(fx);
    const auto iy = std::int64_t(fy);
    const auto iz = std::int64_t(fz);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double tz = fade(z - fz);

    const auto corner = [&](int dx, int dy, int dz) { return latticeValue(ix + dx, iy + dy, iz + dz, seed); };
    const double near = lerp(lerp(corner(0, 0, 0), corner(1, 0, 0), tx), lerp(corner(0, 1, 0), corner(1, 1, 0), tx), ty);
    const double far = lerp(lerp(corner(0, 0, 1), corner(1, 0, 1), tx), lerp(corner(0, 1, 1), corner(1, 1, 1), tx), ty);
    return lerp(near, far, tz);
}

double fractalNoise(double x, double y, double z, int octaves, unsigned seed)
{
    double sum = 0.0;
    double weight = 0.0;
    double amplitude = 1.0;
    double frequency = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * valueNoise(x * frequency, y * frequency, z * frequency, seed + unsigned(octave));
        weight += amplitude;
        amplitude *= 0.5;
        frequency *= 2.0;
    }
    return sum / weight;
}

}  // namespace lumenary::artwork
