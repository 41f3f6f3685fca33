// Oscillators, envelopes, filters and the instruments shared by the effects and the music.
#pragma once

#include "Prng.h"

#include <cstdint>
#include <vector>

namespace datagen {

double midiToHz(double midi);

// Attack, decay, sustain level, release; times in seconds.
struct Adsr {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;

    // Level at time t for a note held for `held` seconds.
    double at(double t, double held) const;
};

// Band-limited oscillator (PolyBLEP) with its own phase.
class Oscillator {
public:
    explicit Oscillator(double phase = 0.0) : phase_(phase) {}
    double sine(double hz);
    double saw(double hz);
    double pulse(double hz, double width);
    double triangle(double hz);

private:
    double advance(double hz);
    double phase_;
    double dt_ = 0.0;
    double triState_ = 0.0;
};

// Chamberlin state-variable filter: low-, band- and high-pass at once.
class StateVariableFilter {
public:
    struct Out {
        double low, band, high;
    };
    Out process(double in, double cutoffHz, double resonance);

private:
    double low_ = 0.0;
    double band_ = 0.0;
};

// White noise from the project's own generator.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : prng_(seed) {}
    double next() { return prng_.signedUnit(); }

private:
    Prng prng_;
};

enum class Instrument { Lead, Pad, Bass, Pluck, Bell, Brass, Kick, Snare, Hat, Crash };

// Renders one note, release tail included. `held` is how long the key is down.
std::vector<float> renderNote(Instrument instrument, double midi, double held, double velocity,
                              std::uint64_t seed);

} // namespace datagen
