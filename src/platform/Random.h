#pragma once

// One seeded generator for the whole game, so a run repeats from its seed.
int SeedRnd(int seed);
// A whole number from a to b, both included (the ends are swapped if b < a).
int Rand(int a, int b);
// A real number from a up to below b.
double Rnd(double a = 0.0, double b = 1.0);
