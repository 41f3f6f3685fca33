#include "Sequencer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {

int pitchClass(char letter) {
    switch (letter) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        throw std::invalid_argument(std::string("bad note letter ") + letter);
    }
}

std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '|')) {
            ++i;
        }
        std::size_t j = i;
        while (j < text.size() && text[j] != ' ' && text[j] != '\n' && text[j] != '|') {
            ++j;
        }
        if (j > i) {
            out.push_back(text.substr(i, j - i));
        }
        i = j;
    }
    return out;
}

// Reads an accidental after the letter; returns the semitone shift and moves `pos`.
int accidental(std::string_view token, std::size_t& pos) {
    if (pos < token.size() && token[pos] == '#') {
        ++pos;
        return 1;
    }
    if (pos < token.size() && token[pos] == 'b') {
        ++pos;
        return -1;
    }
    return 0;
}

} // namespace

std::vector<int> Chord::tones() const {
    std::vector<int> out{root, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12};
    if (seventh != 0) {
        out.push_back((root + seventh) % 12);
    }
    return out;
}

std::vector<Chord> parseChords(std::string_view text) {
    std::vector<Chord> out;
    for (std::string_view token : tokens(text)) {
        std::size_t pos = 1;
        Chord chord;
        chord.root = (pitchClass(token[0]) + accidental(token, pos) + 12) % 12;
        if (pos < token.size() && token[pos] == 'm') {
            chord.minor = true;
            ++pos;
        }
        if (pos < token.size() && token[pos] == '7') {
            chord.seventh = 10;
        }
        out.push_back(chord);
    }
    return out;
}

std::vector<MelodyNote> parseMelody(std::string_view text, double startBeat) {
    std::vector<MelodyNote> out;
    double beat = startBeat;
    for (std::string_view token : tokens(text)) {
        const std::size_t slash = token.find('/');
        if (slash == std::string_view::npos) {
            throw std::invalid_argument("melody token without a length: " + std::string(token));
        }
        const double beats = std::stod(std::string(token.substr(slash + 1))) / 4.0;
        int midi = -1;
        if (token[0] != 'r') {
            std::size_t pos = 1;
            const int pc = pitchClass(token[0]) + accidental(token, pos);
            const int octave = std::stoi(std::string(token.substr(pos, slash - pos)));
            midi = 12 * (octave + 1) + pc;
        }
        out.push_back({beat, beats, midi});
        beat += beats;
    }
    return out;
}

void Song::addMelody(std::string_view text, double startBeat, Instrument instrument,
                     double velocity, double pan, double echo, int transpose) {
    for (const MelodyNote& m : parseMelody(text, startBeat)) {
        if (m.midi >= 0) {
            add({m.beat, m.beats * 0.92, static_cast<double>(m.midi + transpose), velocity,
                 instrument, pan, echo});
        }
    }
}

namespace {

struct StereoBuffer {
    std::vector<double> left, right;
    explicit StereoBuffer(std::size_t n) : left(n, 0.0), right(n, 0.0) {}
};

// Ping-pong echo over `send`, added to `mix`. For a loop the line runs over the buffer twice
// and only the second pass is kept, so the echoes of the end ring on at the start.
void pingPong(const StereoBuffer& send, StereoBuffer& mix, std::size_t delay, double feedback,
              bool loops) {
    if (delay == 0) {
        return;
    }
    std::vector<double> lineL(delay, 0.0), lineR(delay, 0.0);
    std::size_t pos = 0;
    double toneL = 0.0, toneR = 0.0;
    const std::size_t n = send.left.size();
    const int passes = loops ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const bool keep = pass == passes - 1;
        for (std::size_t i = 0; i < n; ++i) {
            const double outL = lineL[pos];
            const double outR = lineR[pos];
            toneL += 0.35 * (outL - toneL);
            toneR += 0.35 * (outR - toneR);
            lineL[pos] = 0.5 * (send.left[i] + send.right[i]) + feedback * toneR;
            lineR[pos] = feedback * toneL;
            pos = (pos + 1) % delay;
            if (keep) {
                mix.left[i] += 0.6 * toneL;
                mix.right[i] += 0.6 * toneR;
            }
        }
    }
}

} // namespace

Sound Song::render(double echoBeats, double echoFeedback) const {
    const double samplesPerBeat = 60.0 * kSampleRate / bpm_;
    const auto loopLength = static_cast<std::size_t>(std::llround(beats_ * samplesPerBeat));
    const std::size_t length =
        loopLength + (loops_ ? 0 : static_cast<std::size_t>(tail_ * kSampleRate));
    StereoBuffer dry(length), send(length);

    for (std::size_t k = 0; k < notes_.size(); ++k) {
        const Note& note = notes_[k];
        const auto start = static_cast<std::size_t>(std::llround(note.beat * samplesPerBeat));
        const double held = note.beats * 60.0 / bpm_;
        const std::vector<float> voice =
            renderNote(note.instrument, note.midi, held, note.velocity, 0xB41D0000ULL + k);
        const double angle = (note.pan + 1.0) * std::numbers::pi / 4.0;
        const double gl = std::cos(angle), gr = std::sin(angle);
        for (std::size_t j = 0; j < voice.size(); ++j) {
            std::size_t idx = start + j;
            if (loops_) {
                idx %= loopLength;
            } else if (idx >= length) {
                break;
            }
            const double v = voice[j];
            dry.left[idx] += v * gl;
            dry.right[idx] += v * gr;
            if (note.echo > 0.0) {
                send.left[idx] += v * gl * note.echo;
                send.right[idx] += v * gr * note.echo;
            }
        }
    }
    pingPong(send, dry, static_cast<std::size_t>(std::llround(echoBeats * samplesPerBeat)),
             echoFeedback, loops_);

    double peak = 1e-9;
    for (std::size_t i = 0; i < length; ++i) {
        peak = std::max({peak, std::fabs(dry.left[i]), std::fabs(dry.right[i])});
    }
    // Gentle saturation rounds off only the busiest moments.
    const double drive = 1.3 / peak;
    Sound out;
    out.left.resize(length);
    out.right.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        out.left[i] = static_cast<float>(std::tanh(dry.left[i] * drive));
        out.right[i] = static_cast<float>(std::tanh(dry.right[i] * drive));
    }
    if (!loops_) {
        fadeEdges(out, 0.002, 0.3);
    }
    normalize(out, -3.5);
    return out;
}

} // namespace datagen
