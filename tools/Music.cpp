#include "Music.h"

#include "Sequencer.h"

#include <string_view>

namespace datagen {

namespace {

constexpr double kBeatsPerBar = 4.0;

double barStart(int bar) {
    return bar * kBeatsPerBar;
}

// Chord tones voiced between G3 and F#4, so the pad moves by small steps.
int padVoice(int pitchClass) {
    return 55 + (pitchClass - 7 + 12) % 12;
}

void addPad(Song& song, const Chord& chord, int bar, double velocity) {
    const std::vector<int> tones = chord.tones();
    for (std::size_t i = 0; i < tones.size(); ++i) {
        const double pan = -0.5 + static_cast<double>(i) * 0.5;
        song.add({barStart(bar), kBeatsPerBar * 0.97, static_cast<double>(padVoice(tones[i])),
                  velocity, Instrument::Pad, pan, 0.0});
    }
}

// Sixteenth-note arpeggio over the chord, up and down across an octave and a half.
void addArpeggio(Song& song, const Chord& chord, int bar, int baseMidi, double velocity,
                 double pan) {
    const std::vector<int> tones = chord.tones();
    std::vector<int> ladder;
    for (int octave = 0; octave < 2; ++octave) {
        for (int pc : {tones[0], tones[1], tones[2]}) {
            int m = baseMidi + (pc - baseMidi % 12 + 12) % 12 + 12 * octave;
            ladder.push_back(m);
        }
    }
    static constexpr int kPattern[16] = {0, 1, 2, 3, 4, 3, 2, 1, 0, 2, 1, 3, 2, 4, 3, 5};
    for (int step = 0; step < 16; ++step) {
        song.add({barStart(bar) + step * 0.25, 0.2, static_cast<double>(ladder[kPattern[step]]),
                  velocity * (step % 4 == 0 ? 1.0 : 0.75), Instrument::Pluck, pan, 0.35});
    }
}

// One bar of drums from three 16-step patterns: x hits, o hits softly, . rests.
void addDrums(Song& song, int bar, std::string_view kick, std::string_view snare,
              std::string_view hat, double velocity) {
    auto lay = [&](std::string_view pattern, Instrument instrument, double pan, double level) {
        for (std::size_t step = 0; step < pattern.size() && step < 16; ++step) {
            if (pattern[step] == '.') {
                continue;
            }
            const double accent = pattern[step] == 'x' ? 1.0 : 0.55;
            song.add({barStart(bar) + static_cast<double>(step) * 0.25, 0.1, 60.0,
                      velocity * level * accent, instrument, pan, 0.0});
        }
    };
    lay(kick, Instrument::Kick, 0.0, 1.0);
    lay(snare, Instrument::Snare, 0.1, 0.8);
    lay(hat, Instrument::Hat, -0.3, 0.6);
}

void addBassLine(Song& song, const Chord& chord, int bar, std::string_view pattern,
                 double velocity) {
    // Pattern steps: r root, o root an octave up, f the fifth, . rest; each an eighth note.
    const int root = 33 + (chord.root + 3) % 12; // A1 .. G#2
    for (std::size_t step = 0; step < pattern.size() && step < 8; ++step) {
        int midi = root;
        switch (pattern[step]) {
        case '.':
            continue;
        case 'o':
            midi = root + 12;
            break;
        case 'f':
            midi = root + 7;
            break;
        default:
            break;
        }
        song.add({barStart(bar) + static_cast<double>(step) * 0.5, 0.42, static_cast<double>(midi),
                  velocity, Instrument::Bass, 0.0, 0.0});
    }
}

} // namespace

Sound titleMusic() {
    // A minor, 100 bpm, 20 bars: four bars of pad and arpeggio, then the tune twice.
    Song song(100.0, 80, true);
    const std::vector<Chord> verse = parseChords("Am F C G Am F Dm E");
    for (int bar = 0; bar < 20; ++bar) {
        const Chord& chord = verse[static_cast<std::size_t>(bar < 4 ? bar : (bar - 4) % 8)];
        addPad(song, chord, bar, 0.55);
        addArpeggio(song, chord, bar, 69, bar < 4 ? 0.22 : 0.28, 0.35);
        if (bar >= 4) {
            addBassLine(song, chord, bar, "r...r.o.", 0.6);
        } else {
            addBassLine(song, chord, bar, "r.......", 0.45);
        }
        if (bar >= 12) {
            addDrums(song, bar, "x.....x.x.......", "....x.......x..o", "o.x.o.x.o.x.o.xo", 0.8);
        } else if (bar >= 4) {
            addDrums(song, bar, "x.......x.......", "............x...", "..o...o...o...o.", 0.6);
        } else {
            addDrums(song, bar, "x...............", "................", "..o...o...o...o.", 0.4);
        }
    }
    song.addMelody("A4/4 C5/4 E5/6 D5/2 | C5/6 A4/2 F4/4 A4/4 | G4/4 C5/4 E5/4 G5/4 |"
                   "F5/6 E5/2 D5/8 | E5/4 A5/4 G5/4 E5/4 | F5/6 E5/2 C5/8 |"
                   "D5/4 F5/4 A5/4 F5/4 | E5/6 D5/2 B4/4 G#4/4",
                   barStart(4), Instrument::Lead, 0.42, -0.1, 0.3);
    song.addMelody("A5/3 G5/3 E5/2 A5/3 G5/3 E5/2 | F5/3 E5/3 C5/2 A4/8 |"
                   "G5/3 E5/3 C5/2 G5/3 A5/3 G5/2 | B5/8 A5/4 G5/4 | C6/6 B5/2 A5/4 E5/4 |"
                   "F5/4 A5/4 C6/4 A5/4 | D6/6 C6/2 A5/4 F5/4 | E5/4 G#5/4 B5/4 E6/4",
                   barStart(12), Instrument::Lead, 0.42, -0.1, 0.3);
    // A brass counter-line under the second half.
    song.addMelody("A4/16 | A4/16 | G4/16 | D5/16 | C5/16 | C5/16 | A4/16 | B4/16", barStart(12),
                   Instrument::Brass, 0.22, 0.4, 0.0);
    return song.render(0.75, 0.35);
}

Sound gameMusic() {
    // E minor, 140 bpm, 32 bars: groove, tune, bridge, tune again with a harmony.
    Song song(140.0, 128, true);
    const std::vector<Chord> verse = parseChords("Em C D Bm Em C D B");
    const std::vector<Chord> bridge = parseChords("C D Em Em C D B B");
    for (int bar = 0; bar < 32; ++bar) {
        const bool inBridge = bar >= 16 && bar < 24;
        const Chord& chord = (inBridge ? bridge : verse)[static_cast<std::size_t>(bar % 8)];
        addPad(song, chord, bar, bar < 8 ? 0.35 : 0.45);
        addArpeggio(song, chord, bar, 64, 0.24, -0.4);
        addBassLine(song, chord, bar, inBridge ? "r.r.o.r." : "rrorrorf", 0.7);
        if (bar % 8 == 7) {
            addDrums(song, bar, "x...x...x...x.x.", "....x.......xoxx", "o.x.o.x.o.x.o.x.", 1.0);
        } else {
            addDrums(song, bar, "x...x...x...x...", "....x.......x...", "o.x.o.x.o.x.o.xo", 1.0);
        }
    }
    constexpr std::string_view kTune =
        "E5/2 r/2 E5/2 G5/2 B5/4 A5/2 G5/2 | E5/4 G5/4 C6/4 B5/4 |"
        "A5/2 r/2 A5/2 F#5/2 D5/4 F#5/2 A5/2 | B5/8 A5/4 F#5/4 |"
        "G5/2 F#5/2 E5/2 F#5/2 G5/4 B5/4 | C6/4 B5/2 G5/2 E5/8 |"
        "D5/2 E5/2 F#5/2 A5/2 D6/4 C6/2 A5/2 | B5/8 A5/2 F#5/2 D#5/4";
    song.addMelody(kTune, barStart(8), Instrument::Lead, 0.4, 0.1, 0.25);
    song.addMelody("G5/4 E5/4 C5/4 E5/4 | F#5/4 A5/4 D6/8 | B5/6 A5/2 G5/4 E5/4 |"
                   "G5/2 A5/2 B5/4 E5/8 | C6/4 B5/4 G5/4 E5/4 | D6/4 C6/4 A5/4 F#5/4 |"
                   "B5/8 A5/4 F#5/4 | D#5/8 F#5/4 B5/4",
                   barStart(16), Instrument::Brass, 0.45, 0.1, 0.25);
    song.addMelody(kTune, barStart(24), Instrument::Lead, 0.4, 0.1, 0.25);
    song.addMelody(kTune, barStart(24), Instrument::Lead, 0.22, -0.5, 0.1, -12);
    return song.render(0.75, 0.3);
}

Sound victoryMusic() {
    // A short fanfare in C major with a ringing last chord.
    Song song(120.0, 16, false, 2.5);
    const std::vector<Chord> chords = parseChords("C F G C");
    for (int bar = 0; bar < 4; ++bar) {
        addPad(song, chords[static_cast<std::size_t>(bar)], bar, bar == 3 ? 0.6 : 0.45);
        addBassLine(song, chords[static_cast<std::size_t>(bar)], bar,
                    bar == 3 ? "r......." : "r.r.o.r.", 0.6);
    }
    song.addMelody("G4/2 C5/2 E5/2 G5/6 E5/2 G5/2 | A5/4 F5/4 A5/4 C6/4 |"
                   "B5/2 A5/2 G5/2 F5/2 E5/4 D5/4 | C6/16",
                   0.0, Instrument::Brass, 0.55, 0.0, 0.3);
    song.addMelody("E4/8 G4/8 | F4/8 A4/8 | D5/8 B4/8 | E5/16", 0.0, Instrument::Brass, 0.3, 0.4,
                   0.0);
    for (int beat = 0; beat < 12; ++beat) {
        song.add({static_cast<double>(beat), 0.1, 60.0, beat % 2 == 0 ? 0.8 : 0.5,
                  beat % 2 == 0 ? Instrument::Kick : Instrument::Snare, 0.0, 0.0});
    }
    song.add({12.0, 0.1, 60.0, 0.9, Instrument::Kick, 0.0, 0.0});
    song.add({12.0, 2.0, 60.0, 0.7, Instrument::Crash, 0.2, 0.0});
    for (int i = 0; i < 6; ++i) {
        song.add({12.0 + i * 0.25, 2.0, 84.0 + std::vector<int>{0, 4, 7, 12, 16, 19}[i], 0.25,
                  Instrument::Bell, -0.3 + i * 0.12, 0.4});
    }
    return song.render(0.5, 0.3);
}

Sound gameOverMusic() {
    // A slow lament in A minor that sinks to a low, dark chord.
    Song song(90.0, 16, false, 3.0);
    const std::vector<Chord> chords = parseChords("Am Dm E Am");
    for (int bar = 0; bar < 4; ++bar) {
        addPad(song, chords[static_cast<std::size_t>(bar)], bar, 0.55);
        addBassLine(song, chords[static_cast<std::size_t>(bar)], bar, "r...r...", 0.55);
    }
    song.addMelody("E5/4 D5/4 C5/4 B4/4 | A4/4 F4/4 D5/8 | B4/4 G#4/4 E4/8 | A4/16", 0.0,
                   Instrument::Lead, 0.45, 0.0, 0.45);
    song.addMelody("C5/8 G#4/8 | F4/8 A4/8 | G#4/8 B4/8 | C5/16", 0.0, Instrument::Bell, 0.25, 0.4,
                   0.3);
    for (int bar = 0; bar < 3; ++bar) {
        song.add({barStart(bar), 0.1, 60.0, 0.6, Instrument::Kick, 0.0, 0.0});
        song.add({barStart(bar) + 2.0, 0.1, 60.0, 0.4, Instrument::Kick, 0.0, 0.0});
    }
    return song.render(1.0, 0.35);
}

} // namespace datagen
