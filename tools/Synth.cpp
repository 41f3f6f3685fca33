#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Audio.h"

namespace datagen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDt = 1.0 / kSampleRate;

double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

std::size_t frames(double seconds) {
    return static_cast<std::size_t>(seconds * kSampleRate);
}

} // namespace

double midiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

double Adsr::at(double t, double held) const {
    auto level = [&](double time) {
        if (time < attack) {
            return time / attack;
        }
        if (time < attack + decay) {
            return 1.0 - (1.0 - sustain) * (time - attack) / decay;
        }
        return sustain;
    };
    if (t < held) {
        return level(t);
    }
    const double since = t - held;
    if (since >= release) {
        return 0.0;
    }
    const double x = 1.0 - since / release;
    return level(held) * x * x;
}

double Oscillator::advance(double hz) {
    dt_ = hz * kDt;
    const double t = phase_;
    phase_ += dt_;
    phase_ -= std::floor(phase_);
    return t;
}

double Oscillator::sine(double hz) {
    return std::sin(kTwoPi * advance(hz));
}

double Oscillator::saw(double hz) {
    const double t = advance(hz);
    return 2.0 * t - 1.0 - polyBlep(t, dt_);
}

double Oscillator::pulse(double hz, double width) {
    const double t = advance(hz);
    double v = t < width ? 1.0 : -1.0;
    v += polyBlep(t, dt_);
    double t2 = t + (1.0 - width);
    t2 -= std::floor(t2);
    v -= polyBlep(t2, dt_);
    return v;
}

double Oscillator::triangle(double hz) {
    // Integrated square: a band-limited triangle.
    const double sq = pulse(hz, 0.5);
    triState_ = dt_ * sq + (1.0 - dt_) * triState_;
    return triState_ * 4.0;
}

StateVariableFilter::Out StateVariableFilter::process(double in, double cutoffHz,
                                                      double resonance) {
    const double q = 1.0 / std::max(resonance, 0.5);
    // The filter is only stable while f^2 + 2fq < 4; keep well inside that.
    const double fMax = 0.9 * (std::sqrt(q * q + 4.0) - q);
    const double f =
        std::min(fMax, 2.0 * std::sin(std::numbers::pi * std::min(cutoffHz, 11000.0) * kDt));
    low_ += f * band_;
    const double high = in - low_ - q * band_;
    band_ += f * high;
    return {low_, band_, high};
}

namespace {

std::vector<float> lead(double hz, double held, double vel) {
    const Adsr env{0.008, 0.15, 0.75, 0.18};
    std::vector<float> out(frames(held + env.release));
    Oscillator a(0.0), b(0.37), lfo(0.0);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double vibrato = t > 0.2 ? 0.004 * std::min(1.0, (t - 0.2) * 4.0) : 0.0;
        const double f = hz * (1.0 + vibrato * lfo.sine(5.5));
        const double osc = 0.55 * a.pulse(f, 0.3) + 0.45 * b.saw(f * 1.006);
        const double e = env.at(t, held);
        const double cutoff = 900.0 + 3800.0 * e * e;
        out[i] = static_cast<float>(filter.process(osc, cutoff, 1.2).low * e * vel);
    }
    return out;
}

std::vector<float> pad(double hz, double held, double vel) {
    const Adsr env{0.35, 0.4, 0.8, 0.6};
    std::vector<float> out(frames(held + env.release));
    Oscillator o1(0.0), o2(0.31), o3(0.67), lfo(0.25);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double osc = o1.saw(hz * 0.997) + o2.saw(hz * 1.003) + 0.6 * o3.saw(hz * 2.002);
        const double cutoff = 1100.0 + 500.0 * lfo.sine(0.4);
        out[i] =
            static_cast<float>(filter.process(osc * 0.3, cutoff, 0.8).low * env.at(t, held) * vel);
    }
    return out;
}

std::vector<float> bass(double hz, double held, double vel) {
    const Adsr env{0.004, 0.2, 0.8, 0.06};
    std::vector<float> out(frames(held + env.release));
    Oscillator saw(0.0), sub(0.0);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double cutoff = 220.0 + 1600.0 * std::exp(-t * 14.0);
        const double osc = 0.6 * saw.saw(hz) + 0.7 * sub.sine(hz);
        out[i] = static_cast<float>(filter.process(osc, cutoff, 1.4).low * env.at(t, held) * vel);
    }
    return out;
}

std::vector<float> pluck(double hz, double held, double vel) {
    const double length = std::min(held, 0.25) + 0.25;
    std::vector<float> out(frames(length));
    Oscillator osc(0.0);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double e = std::min(1.0, t / 0.003) * std::exp(-t * 9.0);
        const double tail = std::min(1.0, (length - t) / 0.03);
        const double cutoff = 600.0 + 5000.0 * std::exp(-t * 20.0);
        out[i] = static_cast<float>(filter.process(osc.pulse(hz, 0.25), cutoff, 1.0).low * e *
                                    tail * vel);
    }
    return out;
}

std::vector<float> bell(double hz, double held, double vel) {
    const double length = held + 1.2;
    std::vector<float> out(frames(length));
    Oscillator p1(0.0), p2(0.0), p3(0.0), p4(0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double attack = std::min(1.0, t / 0.002);
        const double tail = std::min(1.0, (length - t) / 0.05);
        const double v = p1.sine(hz) * std::exp(-t * 2.5) +
                         0.5 * p2.sine(hz * 2.0) * std::exp(-t * 4.0) +
                         0.3 * p3.sine(hz * 2.76) * std::exp(-t * 6.0) +
                         0.2 * p4.sine(hz * 5.4) * std::exp(-t * 10.0);
        out[i] = static_cast<float>(v * 0.5 * attack * tail * vel);
    }
    return out;
}

std::vector<float> brass(double hz, double held, double vel) {
    const Adsr env{0.04, 0.2, 0.85, 0.25};
    std::vector<float> out(frames(held + env.release));
    Oscillator a(0.0), b(0.5), lfo(0.0);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double e = env.at(t, held);
        const double f = hz * (1.0 + 0.003 * lfo.sine(5.0) * std::min(1.0, t * 2.0));
        const double osc = a.saw(f) + b.saw(f * 1.004);
        const double cutoff = 500.0 + 3000.0 * e;
        out[i] = static_cast<float>(filter.process(osc * 0.5, cutoff, 0.9).low * e * vel);
    }
    return out;
}

std::vector<float> kick(double vel) {
    std::vector<float> out(frames(0.35));
    Oscillator osc(0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double hz = 45.0 + 120.0 * std::exp(-t * 30.0);
        const double e = std::min(1.0, t / 0.001) * std::exp(-t * 9.0);
        const double tail = std::min(1.0, (0.35 - t) / 0.03);
        out[i] = static_cast<float>(std::tanh(1.6 * osc.sine(hz)) * e * tail * vel);
    }
    return out;
}

std::vector<float> snare(double vel, std::uint64_t seed) {
    std::vector<float> out(frames(0.22));
    Oscillator tone(0.0);
    Noise noise(seed);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double attack = std::min(1.0, t / 0.001);
        const double tail = std::min(1.0, (0.22 - t) / 0.02);
        const double n = filter.process(noise.next(), 3500.0, 0.7).band * std::exp(-t * 18.0);
        const double b = 0.5 * tone.sine(190.0) * std::exp(-t * 30.0);
        out[i] = static_cast<float>((0.9 * n + b) * attack * tail * vel);
    }
    return out;
}

std::vector<float> hat(double vel, std::uint64_t seed, double length) {
    std::vector<float> out(frames(length));
    Noise noise(seed);
    StateVariableFilter filter;
    const double decay = 4.0 / length;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double attack = std::min(1.0, t / 0.0008);
        const double tail = std::min(1.0, (length - t) / 0.01);
        const double n = filter.process(noise.next(), 7000.0, 0.6).high;
        out[i] = static_cast<float>(0.4 * n * std::exp(-t * decay) * attack * tail * vel);
    }
    return out;
}

} // namespace

std::vector<float> renderNote(Instrument instrument, double midi, double held, double velocity,
                              std::uint64_t seed) {
    const double hz = midiToHz(midi);
    switch (instrument) {
    case Instrument::Lead:
        return lead(hz, held, velocity);
    case Instrument::Pad:
        return pad(hz, held, velocity);
    case Instrument::Bass:
        return bass(hz, held, velocity);
    case Instrument::Pluck:
        return pluck(hz, held, velocity);
    case Instrument::Bell:
        return bell(hz, held, velocity);
    case Instrument::Brass:
        return brass(hz, held, velocity);
    case Instrument::Kick:
        return kick(velocity);
    case Instrument::Snare:
        return snare(velocity, seed);
    case Instrument::Hat:
        return hat(velocity, seed, 0.06);
    case Instrument::Crash:
        return hat(velocity * 0.8, seed, 1.2);
    }
    return {};
}

} // namespace datagen
