#pragma once

namespace lumenary::artwork {

// A pseudo-random number in 0..1 for an index, the same on every run; for scattering things.
double scatteredValue(int index, unsigned seed);

// Smooth pseudo-random noise in 0..1 over 3D space. The same arguments always give the same
// value, so every build draws identical pictures. Sampling it on a unit sphere gives planet
// surfaces without seams or pinched poles.
double valueNoise(double x, double y, double z, unsigned seed);

// Several octaves of valueNoise added together: large shapes with finer detail, in 0..1.
double fractalNoise(double x, double y, double z, int octaves, unsigned seed);

}  // namespace lumenary::artwork
