// A note list on a beat grid, rendered to stereo through the instruments of Synth.h.
#pragma once

#include "Audio.h"
#include "Synth.h"

#include <string_view>
#include <vector>

namespace datagen {

struct Note {
    double beat = 0.0;  // start, in beats from the top
    double beats = 1.0; // held for
    double midi = 60.0;
    double velocity = 1.0;
    Instrument instrument = Instrument::Lead;
    double pan = 0.0;  // -1 left .. +1 right
    double echo = 0.0; // send to the echo
};

struct Chord {
    int root = 0; // pitch class, C = 0
    bool minor = false;
    int seventh = 0; // 0, or the interval of an added seventh (10 or 11)

    std::vector<int> tones() const; // pitch classes, root first
};

// "Am F C G7 B": roots with an optional sharp or flat, "m" for minor, "7" for a seventh.
std::vector<Chord> parseChords(std::string_view text);

struct MelodyNote {
    double beat;
    double beats;
    int midi; // -1 for a rest
};

// Tokens "E5/4 r/2 C#5/2": note and octave, or r for a rest, then a length in sixteenths.
// Bar lines "|" are ignored.
std::vector<MelodyNote> parseMelody(std::string_view text, double startBeat);

class Song {
public:
    Song(double bpm, int beats, bool loops, double tailSeconds = 0.0)
        : bpm_(bpm), beats_(beats), loops_(loops), tail_(tailSeconds) {}

    void add(const Note& note) { notes_.push_back(note); }
    void addMelody(std::string_view text, double startBeat, Instrument instrument, double velocity,
                   double pan, double echo, int transpose = 0);

    // Renders the song. A looping song is exactly `beats` long and every tail that runs
    // past the end, echoes included, is folded back onto the start.
    Sound render(double echoBeats, double echoFeedback) const;

private:
    double bpm_;
    int beats_;
    bool loops_;
    double tail_;
    std::vector<Note> notes_;
};

} // namespace datagen
