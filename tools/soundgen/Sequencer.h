// A small step sequencer: notes on a grid of sixteenth notes, written as short texts,
// rendered by the instruments onto a mixing bus.
#pragma once

#include "Instruments.h"
#include "StereoBuffer.h"

#include <functional>
#include <string>
#include <vector>

struct NoteEvent {
    int step;       // sixteenths from the start of the song
    int length;     // sixteenths held
    int midi;
    float velocity;
};

// "C5/4 E5/2 r/2 C4+E4+G4/8 A4/2!" : pitch (or chord joined by '+', or r for a rest) and
// length in sixteenths; a trailing '!' accents the note, '~' plays it softly.
std::vector<NoteEvent> parseMelody(const std::string& text, int startStep);

// A chord symbol ("C", "Am", "G7", "Dm7", "Fmaj7", "Bbmaj7", "Csus4") as MIDI notes from its
// root in the given octave.
std::vector<int> chordNotes(const std::string& symbol, int octave);
int chordRoot(const std::string& symbol, int octave);

// One bar per chord. The pattern holds 16 characters per bar: a digit n plays chord tone n
// (0 root, 1 third, 2 fifth, 3 seventh or octave, 4 root an octave up), '.' holds, '-' rests.
std::vector<NoteEvent> arpeggiate(const std::vector<std::string>& chords, const std::string& pattern,
                                  int octave, float velocity, int startStep);
// The whole chord struck at the positions marked 'x' (accent 'X') and held to the next mark.
std::vector<NoteEvent> strum(const std::vector<std::string>& chords, const std::string& pattern, int octave,
                             float velocity, int startStep);
// Bass from the chord roots: 'R' root, '5' fifth, '8' octave, '7' flat seventh below the octave,
// '3' third, '.' holds, '-' rests.
std::vector<NoteEvent> bassLine(const std::vector<std::string>& chords, const std::string& pattern, int octave,
                                float velocity, int startStep);

using NoteInstrument = std::function<Signal(float freq, float duration, float velocity, int index)>;
using DrumInstrument = std::function<Signal(float velocity, uint32_t seed)>;

class Song {
public:
    Song(float bpm, int bars, float tailSeconds);

    float stepSeconds() const { return stepLength; }
    size_t stepFrame(int step) const;
    size_t loopFrames() const { return stepFrame(bars * 16); }

    void addNotes(const std::vector<NoteEvent>& notes, const NoteInstrument& instrument, float pan, float gain,
                  float reverbSend);
    // A drum lane: 16 characters per bar ('X' 1.0, 'x' 0.7, 'o' 0.4, '.' nothing), repeated over
    // bars [fromBar, toBar).
    void addDrums(const std::string& pattern, int fromBar, int toBar, const DrumInstrument& drum, float pan,
                  float gain, float reverbSend, uint32_t seed);

    StereoBuffer mix(float roomSize, float damping, float wetGain) const { return bus.finish(roomSize, damping, wetGain); }

private:
    float stepLength;
    int bars;
    MixBus bus;
};
