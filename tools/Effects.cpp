#include "Effects.h"

#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace datagen {

namespace {

constexpr double kDt = 1.0 / kSampleRate;

// Fills `seconds` of mono sound, sample by sample, from f(t).
Sound synth(double seconds, const std::function<double(double)>& f) {
    Sound s;
    s.left.resize(static_cast<std::size_t>(seconds * kSampleRate));
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        s.left[i] = static_cast<float>(f(static_cast<double>(i) * kDt));
    }
    return s;
}

void mixInto(std::vector<float>& dst, const std::vector<float>& src, double at, double gain) {
    const auto start = static_cast<std::size_t>(at * kSampleRate);
    if (dst.size() < start + src.size()) {
        dst.resize(start + src.size(), 0.0f);
    }
    for (std::size_t i = 0; i < src.size(); ++i) {
        dst[start + i] += static_cast<float>(src[i] * gain);
    }
}

// Exponential glide from a to b with rate k per second.
double glide(double a, double b, double t, double k) {
    return b + (a - b) * std::exp(-t * k);
}

// Short fades against clicks, then the level.
Sound finish(Sound s, double peakDb, double fadeIn = 0.002, double fadeOut = 0.015) {
    fadeEdges(s, fadeIn, fadeOut);
    normalize(s, peakDb);
    return s;
}

Sound alienHit() {
    Oscillator osc;
    Noise noise(11);
    StateVariableFilter bp;
    return finish(synth(0.14,
                        [&](double t) {
                            const double tone = osc.pulse(glide(1500.0, 600.0, t, 30.0), 0.4);
                            const double n = bp.process(noise.next(), 2500.0, 2.0).band;
                            return (0.6 * tone + 0.8 * n) * std::exp(-t * 28.0);
                        }),
                  -4.0);
}

Sound explosion(double seconds, double sweepRate, double thumpHz, std::uint64_t seed) {
    Oscillator thump;
    Noise noise(seed);
    Noise crackle(seed + 1);
    StateVariableFilter lp;
    return synth(seconds, [&, seconds](double t) {
        const double cutoff = glide(4500.0, 120.0, t, sweepRate);
        const double n = lp.process(noise.next(), cutoff, 0.9).low;
        const double pops = crackle.next() > 0.996 ? crackle.next() * 2.0 : 0.0;
        const double body = std::exp(-t * 5.0 / seconds);
        const double boom = thump.sine(glide(thumpHz * 2.0, thumpHz, t, 12.0)) * std::exp(-t * 6.0);
        return (1.2 * n + 0.25 * pops * std::exp(-t * 4.0)) * body + 0.9 * boom;
    });
}

Sound alienShoot1() {
    Oscillator osc;
    StateVariableFilter lp;
    return finish(synth(0.22,
                        [&](double t) {
                            const double f = glide(1900.0, 320.0, t, 16.0);
                            const double v = lp.process(osc.saw(f), f * 2.5, 3.0).low;
                            return v * std::exp(-t * 9.0);
                        }),
                  -6.0);
}

Sound alienShoot2() {
    Oscillator osc, wobble;
    StateVariableFilter lp;
    return finish(synth(0.45,
                        [&](double t) {
                            const double f =
                                glide(420.0, 85.0, t, 6.0) * (1.0 + 0.08 * wobble.sine(28.0));
                            const double v = lp.process(osc.pulse(f, 0.5), 1400.0, 1.5).low;
                            return v * std::min(1.0, t / 0.01) * std::exp(-t * 4.5);
                        }),
                  -4.0);
}

Sound playerHit() {
    Oscillator saw, ring;
    Noise noise(23);
    StateVariableFilter lp;
    return finish(synth(0.35,
                        [&](double t) {
                            const double buzz = std::tanh(
                                3.0 * saw.saw(glide(160.0, 90.0, t, 8.0)) * ring.sine(47.0));
                            const double n = lp.process(noise.next(), 2200.0, 0.7).low;
                            return (0.8 * buzz + 0.7 * n) * std::exp(-t * 9.0);
                        }),
                  -3.0);
}

Sound spawnShoot() {
    Oscillator osc;
    return finish(synth(0.12,
                        [&](double t) {
                            const double f = glide(800.0, 1700.0, t, 25.0);
                            return osc.triangle(f) * std::exp(-t * 22.0);
                        }),
                  -7.0);
}

Sound blip() {
    Oscillator osc, overtone;
    return finish(synth(0.07,
                        [&](double t) {
                            return (osc.sine(1320.0) + 0.2 * overtone.sine(2640.0)) *
                                   std::exp(-t * 30.0);
                        }),
                  -6.0, 0.002, 0.01);
}

Sound dead() {
    Sound boom = explosion(2.0, 1.6, 45.0, 31);
    Oscillator fall;
    StateVariableFilter lp;
    Sound siren = synth(2.0, [&](double t) {
        const double f = glide(700.0, 50.0, t, 1.8);
        return lp.process(fall.saw(f), 1800.0, 1.0).low * 0.35 * std::exp(-t * 1.5);
    });
    mixInto(boom.left, siren.left, 0.0, 1.0);
    return finish(std::move(boom), -1.5, 0.002, 0.25);
}

Sound fire() {
    Oscillator osc;
    Noise noise(41);
    StateVariableFilter hp;
    return finish(synth(0.09,
                        [&](double t) {
                            const double f = glide(1200.0, 420.0, t, 40.0);
                            const double click = hp.process(noise.next(), 5000.0, 0.7).high;
                            return (0.7 * osc.pulse(f, 0.25) + 0.5 * click * std::exp(-t * 120.0)) *
                                   std::exp(-t * 30.0);
                        }),
                  -6.0, 0.001, 0.01);
}

Sound hit() {
    Oscillator a, b, c;
    Noise noise(53);
    return finish(synth(0.16,
                        [&](double t) {
                            const double ring =
                                a.sine(523.0) + 0.7 * b.sine(1187.0) + 0.5 * c.sine(1753.0);
                            return (0.5 * ring + 0.6 * noise.next() * std::exp(-t * 60.0)) *
                                   std::exp(-t * 20.0);
                        }),
                  -5.0);
}

Sound notes(const std::vector<int>& midis, double spacing, double held, Instrument instrument,
            double velocity) {
    Sound s;
    for (std::size_t i = 0; i < midis.size(); ++i) {
        mixInto(s.left, renderNote(instrument, midis[i], held, velocity, 100 + i),
                static_cast<double>(i) * spacing, 1.0);
    }
    return s;
}

Sound start() {
    Sound s = notes({60, 64, 67, 72}, 0.09, 0.12, Instrument::Pluck, 1.0);
    mixInto(s.left, notes({72, 76, 79, 84}, 0.09, 0.1, Instrument::Bell, 0.6).left, 0.0, 1.0);
    s.left.resize(static_cast<std::size_t>(0.8 * kSampleRate));
    return finish(std::move(s), -3.0, 0.002, 0.2);
}

Sound pickup() {
    Oscillator a, b;
    return finish(synth(0.3,
                        [&](double t) {
                            const double f = t < 0.07 ? 1318.5 : 1975.5;
                            const double v = a.sine(f) + 0.35 * b.triangle(f * 2.0);
                            const double since = t < 0.07 ? t : t - 0.07;
                            return v * std::min(1.0, since / 0.003) * std::exp(-since * 12.0);
                        }),
                  -4.0);
}

Sound pickup2() {
    Prng prng(61);
    static constexpr int kPentatonic[] = {0, 2, 4, 7, 9};
    Sound s;
    for (int i = 0; i < 9; ++i) {
        const int midi = 96 + kPentatonic[prng.between(0, 4)] + 12 * prng.between(0, 1);
        mixInto(s.left, renderNote(Instrument::Bell, midi, 0.02, 0.7 - 0.05 * i, 200 + i),
                0.035 * i, 1.0);
    }
    s.left.resize(static_cast<std::size_t>(0.55 * kSampleRate));
    return finish(std::move(s), -8.0, 0.002, 0.15);
}

Sound success() {
    Sound s = notes({60, 64, 67, 72}, 0.11, 0.1, Instrument::Brass, 0.9);
    for (int m : {72, 76, 79, 84}) {
        mixInto(s.left, renderNote(Instrument::Brass, m, 0.6, 0.6, 300 + m), 0.44, 1.0);
    }
    mixInto(s.left, renderNote(Instrument::Bell, 96, 0.1, 0.5, 399), 0.44, 1.0);
    s.left.resize(static_cast<std::size_t>(1.5 * kSampleRate));
    return finish(std::move(s), -2.0, 0.002, 0.3);
}

Sound spawn() {
    Oscillator osc;
    Noise noise(71);
    StateVariableFilter lp, bp;
    return finish(synth(0.5,
                        [&](double t) {
                            const double f = glide(180.0, 1300.0, t, 5.0);
                            const double tone = lp.process(osc.saw(f), f * 3.0, 4.0).low;
                            const double whoosh = bp.process(noise.next(), f * 2.0, 1.5).band;
                            const double env = std::min(1.0, t / 0.02) * std::exp(-t * 5.0);
                            return (0.6 * tone + 0.5 * whoosh) * env;
                        }),
                  -4.0);
}

Sound splashSound() {
    Sound s = notes({67, 72, 76, 79}, 0.14, 0.2, Instrument::Bell, 1.0);
    for (int m : {48, 55, 64, 72}) {
        mixInto(s.left, renderNote(Instrument::Pad, m, 1.4, 0.5, 400 + m), 0.0, 1.0);
    }
    mixInto(s.left, renderNote(Instrument::Bell, 84, 0.5, 0.8, 499), 0.62, 1.0);
    s.left.resize(static_cast<std::size_t>(2.4 * kSampleRate));
    return finish(std::move(s), -2.0, 0.003, 0.4);
}

Sound select() {
    Oscillator osc;
    StateVariableFilter lp;
    return finish(synth(0.15,
                        [&](double t) {
                            const double f = t < 0.055 ? 880.0 : 1318.5;
                            const double since = t < 0.055 ? t : t - 0.055;
                            const double env =
                                std::min(1.0, since / 0.002) * std::exp(-since * 25.0);
                            return lp.process(osc.pulse(f, 0.5), 4000.0, 0.7).low * env;
                        }),
                  -5.0);
}

} // namespace

Sound logoShimmer() {
    Sound s;
    s.left.assign(static_cast<std::size_t>(0.5 * kSampleRate), 0.0f);
    s.right = s.left;
    for (int i = 0; i < 8; ++i) {
        const std::vector<float> note =
            renderNote(Instrument::Bell, 84 + i * 2 + (i % 2) * 3, 0.01, 0.5, 500 + i);
        const double at = 0.03 * i;
        std::vector<float>& side = i % 2 == 0 ? s.left : s.right;
        std::vector<float>& other = i % 2 == 0 ? s.right : s.left;
        for (std::size_t j = 0; j < note.size(); ++j) {
            const auto k = static_cast<std::size_t>(at * kSampleRate) + j;
            if (k >= s.left.size()) {
                break;
            }
            side[k] += note[j];
            other[k] += 0.4f * note[j];
        }
    }
    Noise noise(77);
    StateVariableFilter hp;
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        const double t = static_cast<double>(i) * kDt;
        const double swell = std::sin(3.14159265 * std::min(1.0, t / 0.5)) * 0.15;
        const auto n = static_cast<float>(hp.process(noise.next(), 6000.0, 0.7).high * swell);
        s.left[i] += n;
        s.right[i] += n;
    }
    return finish(std::move(s), -4.0, 0.003, 0.12);
}

std::vector<NamedSound> makeEffects() {
    std::vector<NamedSound> out;
    out.push_back({"AlienHit.wav", alienHit()});
    out.push_back({"AlienExplosion.wav", finish(explosion(0.9, 4.0, 60.0, 17), -2.0, 0.002, 0.1)});
    out.push_back({"AlienShoot1.wav", alienShoot1()});
    out.push_back({"AlienShoot2.wav", alienShoot2()});
    out.push_back({"PlayerHit.wav", playerHit()});
    out.push_back({"SpawnShoot.wav", spawnShoot()});
    out.push_back({"blip.wav", blip()});
    out.push_back({"dead.wav", dead()});
    out.push_back({"fire.wav", fire()});
    out.push_back({"hit.wav", hit()});
    out.push_back({"start.wav", start()});
    out.push_back({"pickup.wav", pickup()});
    out.push_back({"pickup2.wav", pickup2()});
    out.push_back({"success.wav", success()});
    out.push_back({"spawn.wav", spawn()});
    out.push_back({"splashsound.wav", splashSound()});
    out.push_back({"select.wav", select()});
    return out;
}

} // namespace datagen
