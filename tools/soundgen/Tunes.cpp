#include "Tunes.h"

#include "Sequencer.h"

#include <cmath>

namespace {

const float kTitleBpm = 116.0f;
const float kMusicPeak = 0.84f;  // headroom for the lossy encoder

// The title's band; every part of the title music is played by it.
struct TitleBand {
    static NoteInstrument lead() {
        return [](float f, float d, float v, int) { return electricPiano(f, d, v); };
    }
    static NoteInstrument glock() {
        return [](float f, float d, float v, int) { return bell(f * 2.0f, d, v, 3.5f, 1.2f, 0.35f); };
    }
    static NoteInstrument guitar() {
        return [](float f, float d, float v, int i) { return pluck(f, d, v, 0.45f, 1.1f, 1000u + i); };
    }
    static NoteInstrument pad() {
        return [](float f, float d, float v, int) { return softPad(f, d, v, 0.25f); };
    }
    static NoteInstrument bassGuitar() {
        return [](float f, float d, float v, int) { return bass(f, d, v); };
    }
};

DrumInstrument kickDrum() { return [](float v, uint32_t) { return kick(v); }; }
DrumInstrument snareDrum() { return [](float v, uint32_t s) { return snare(v, s); }; }
DrumInstrument brushDrum() { return [](float v, uint32_t s) { return brush(v, s); }; }
DrumInstrument closedHat() { return [](float v, uint32_t s) { return hiHat(v, false, s); }; }
DrumInstrument shakerDrum() { return [](float v, uint32_t s) { return shaker(v, s); }; }

const char* kTitleArp = "0.2.3.2.4.2.3.2.";
const char* kTitleBass = "R...R.5.R...8.5.";
const char* kTitleKick = "X.....x.X.......";
const char* kTitleSnare = "....X.......X...";
const char* kTitleHat = "x.o.x.o.x.o.x.oo";

// The tune on the electric piano, doubled softly an octave up on the glockenspiel.
void playTitleMelody(Song& song, const char* text, int startStep, float gain) {
    std::vector<NoteEvent> notes = parseMelody(text, startStep);
    song.addNotes(notes, TitleBand::lead(), 0.0f, gain, 0.25f);
    song.addNotes(notes, TitleBand::glock(), 0.15f, gain * 0.22f, 0.3f);
}

// Kick and snare of the title's beat over bars [fromBar, toBar).
void playTitleBackbeat(Song& song, int fromBar, int toBar, uint32_t seed) {
    song.addDrums(kTitleKick, fromBar, toBar, kickDrum(), 0.0f, 0.6f, 0.0f, seed);
    song.addDrums(kTitleSnare, fromBar, toBar, snareDrum(), 0.05f, 0.25f, 0.15f, seed + 1);
}

StereoBuffer finishLoop(const Song& song, float room, float wet) {
    StereoBuffer out = song.mix(room, 0.4f, wet);
    out.wrapTail(song.loopFrames());
    out.normalisePeak(kMusicPeak);
    // The player reloads the file between passes; tiny ramps keep that gap from clicking.
    out.fadeIn(0.004f);
    out.fadeOut(0.004f);
    return out;
}

}  // namespace

StereoBuffer mainThemeFirstPart() {
    const std::vector<std::string> chords = {"C", "Am", "F", "G", "C", "Am", "F", "G"};
    Song song(kTitleBpm, 8, 0.0f);
    song.addNotes(arpeggiate(chords, kTitleArp, 4, 0.5f, 0), TitleBand::guitar(), -0.35f, 0.55f, 0.25f);
    song.addNotes(strum(chords, "X...............", 4, 0.45f, 0), TitleBand::pad(), 0.3f, 0.35f, 0.45f);
    std::vector<std::string> later(chords.begin() + 2, chords.end());
    song.addNotes(bassLine(later, kTitleBass, 2, 0.8f, 32), TitleBand::bassGuitar(), 0.0f, 0.55f, 0.0f);
    song.addDrums(kTitleHat, 2, 8, closedHat(), 0.25f, 0.12f, 0.05f, 11);
    playTitleBackbeat(song, 4, 7, 12);
    // A fill in the last bar leads into the looping part.
    song.addDrums("X.......X.x.xxXX", 7, 8, snareDrum(), 0.05f, 0.22f, 0.15f, 14);
    song.addDrums("X...............", 7, 8, kickDrum(), 0.0f, 0.6f, 0.0f, 15);
    // The tune is first hinted at, then answered.
    const char* preview =
        "E5/3 D5/1 C5/2 E5/2 G5/8 "
        "A5/4 G5/4 E5/8 "
        "F5/3 E5/1 D5/2 F5/2 A5/8 "
        "G5/4 F5/2 D5/2 B4/4 r/4";
    playTitleMelody(song, preview, 64, 0.5f);
    StereoBuffer out = song.mix(0.6f, 0.4f, 0.3f);
    out.normalisePeak(kMusicPeak);
    out.fadeIn(0.004f);
    out.fadeOut(0.03f);
    return out;
}

StereoBuffer mainThemeLoopingPart() {
    const std::vector<std::string> chords = {"C", "Am", "F", "G", "C", "Am", "G7", "C",
                                             "F", "G", "Em", "Am", "Dm", "G", "F", "G7"};
    Song song(kTitleBpm, 16, 2.5f);
    const char* melody =
        // A: the tune
        "E5/3 D5/1 C5/2 E5/2 G5/4 G5/2 A5/2 "
        "G5/2 E5/2 C5/4 A4/4 r/4 "
        "F5/3 E5/1 D5/2 F5/2 A5/4 A5/2 C6/2 "
        "B5/4 A5/2 G5/2 D5/4 r/4 "
        "E5/3 D5/1 C5/2 E5/2 G5/4 G5/2 A5/2 "
        "C6/4 B5/2 A5/2 E5/4 r/2 E5/2 "
        "F5/2 A5/2 G5/2 F5/2 E5/2 D5/2 B4/2 D5/2 "
        "C5/6 G4/2 C5/4 r/4 "
        // B: the answer, climbing, then back down to the start
        "A5/2 A5/2 G5/2 A5/2 C6/4! A5/4 "
        "B5/2 B5/2 A5/2 B5/2 D6/4! B5/4 "
        "G5/3 E5/1 B4/2 E5/2 G5/4 B5/4 "
        "A5/6 G5/2 E5/4 C5/4 "
        "D5/2 F5/2 A5/2 D6/6 C6/2 A5/2 "
        "B5/4 G5/2 D5/2 G5/4 F5/4 "
        "E5/2 F5/2 A5/2 C6/2 B5/2 A5/2 G5/2 F5/2 "
        "D5/4 G5/2 F5/2 D5/4 B4/4";
    playTitleMelody(song, melody, 0, 0.55f);
    song.addNotes(arpeggiate(chords, kTitleArp, 4, 0.45f, 0), TitleBand::guitar(), -0.35f, 0.5f, 0.25f);
    song.addNotes(strum(chords, "X.......x.......", 4, 0.4f, 0), TitleBand::pad(), 0.3f, 0.3f, 0.45f);
    song.addNotes(bassLine(chords, kTitleBass, 2, 0.8f, 0), TitleBand::bassGuitar(), 0.0f, 0.55f, 0.0f);
    playTitleBackbeat(song, 0, 15, 21);
    song.addDrums(kTitleHat, 0, 16, closedHat(), 0.25f, 0.12f, 0.05f, 23);
    song.addDrums("..x...x...x...xx", 8, 16, shakerDrum(), -0.4f, 0.1f, 0.05f, 24);
    // The turnaround bar: a small fill back to the top.
    song.addDrums("X.......X.......", 15, 16, kickDrum(), 0.0f, 0.6f, 0.0f, 25);
    song.addDrums("....X.....x.X.xx", 15, 16, snareDrum(), 0.05f, 0.24f, 0.15f, 26);
    return finishLoop(song, 0.6f, 0.3f);
}

StereoBuffer inGameMusic() {
    const std::vector<std::string> chords = {"Fmaj7", "Am7", "Bbmaj7", "C",  "Fmaj7", "Am7",    "Gm7",   "C7",
                                             "Dm7",   "Am7", "Bbmaj7", "Fmaj7", "Gm7", "Am7", "Bbmaj7", "C7"};
    Song song(80.0f, 16, 3.0f);
    const char* melody =
        "r/2 A4/2 C5/2 E5/2 F5/6 r/2 "
        "E5/4 D5/2 C5/2 G4/6 r/2 "
        "r/2 F4/2 Bb4/2 D5/2 A5/6 r/2 "
        "G5/4 F5/2 E5/2 C5/8 "
        "r/2 A4/2 C5/2 E5/2 A5/4 G5/2 F5/2 "
        "E5/6 C5/2 D5/4 E5/4 "
        "F5/4 D5/2 Bb4/2 A4/4 G4/4 "
        "E4/4 G4/2 Bb4/2 C5/8 "
        "r/4 F5/2 E5/2 D5/4 A4/4 "
        "C5/6 A4/2 E5/8 "
        "D5/4 F5/4 A5/4 G5/2 F5/2 "
        "E5/8 C5/4 A4/4 "
        "r/2 Bb4/2 D5/2 F5/2 A5/6 G5/2 "
        "G5/4 E5/4 C5/8 "
        "D5/2 C5/2 D5/2 F5/2 A5/4 G5/4 "
        "G5/6 E5/2 C5/4 Bb4/4";
    NoteInstrument mallet = [](float f, float d, float v, int) { return marimba(f, d, v); };
    NoteInstrument keys = [](float f, float d, float v, int) { return electricPiano(f, d, v); };
    NoteInstrument pad = [](float f, float d, float v, int) { return softPad(f, d, v, 0.6f); };
    NoteInstrument low = [](float f, float d, float v, int) { return bass(f, d, v); };
    song.addNotes(parseMelody(melody, 0), mallet, 0.2f, 0.6f, 0.35f);
    song.addNotes(strum(chords, "X.....x...x.....", 4, 0.4f, 0), keys, -0.25f, 0.28f, 0.35f);
    song.addNotes(strum(chords, "X...............", 3, 0.4f, 0), pad, 0.1f, 0.22f, 0.5f);
    song.addNotes(bassLine(chords, "R.....5.R...8.5.", 2, 0.7f, 0), low, 0.0f, 0.5f, 0.0f);
    song.addDrums("X.........x.....", 0, 16, kickDrum(), 0.0f, 0.35f, 0.0f, 31);
    song.addDrums("....x.......x...", 0, 16, brushDrum(), 0.15f, 0.18f, 0.3f, 32);
    song.addDrums("oxoxoxoxoxoxoxox", 0, 16, shakerDrum(), -0.35f, 0.07f, 0.1f, 33);
    return finishLoop(song, 0.7f, 0.35f);
}

StereoBuffer gameOverJingle() {
    const float beat = 0.46f;
    MixBus bus(secondsToFrames(5.2f));
    // Four falling steps in parallel minor thirds, the last one held with a sinking wobble.
    const int top[] = {55, 54, 53, 52};     // G3 F#3 F3 E3
    const int lowVoice[] = {52, 51, 50, 49};  // E3 D#3 D3 C#3
    const int tuba[] = {36, 35, 34, 33};     // C2 B1 Bb1 A1
    for (int k = 0; k < 4; ++k) {
        bool last = k == 3;
        float start = k * beat + (last ? 0.08f : 0.0f);
        float length = last ? 1.9f : beat * 0.82f;
        auto curve = [last](int midi) -> PitchCurve {
            float f = midiToHz(static_cast<float>(midi));
            return [f, last](float t) {
                if (!last) return f;
                float wobble = 1.0f + 0.018f * std::sin(2 * kPi * 5.5f * t) * std::min(1.0f, t / 0.5f);
                float sink = t > 1.2f ? std::pow(2.0f, -0.8f * (t - 1.2f) / 12.0f) : 1.0f;
                return f * wobble * sink;
            };
        };
        size_t at = secondsToFrames(start);
        bus.add(mutedBrass(curve(top[k]), length, 0.9f, 1.0f), at, 0.2f, 0.6f, 0.25f);
        bus.add(mutedBrass(curve(lowVoice[k]), length, 0.8f, 0.8f), at, -0.2f, 0.45f, 0.25f);
        bus.add(bass(midiToHz(static_cast<float>(tuba[k])), length, 0.8f), at, 0.0f, 0.5f, 0.05f);
    }
    // A last little shrug: two plucked notes after the sigh.
    float after = 3 * beat + 0.08f + 2.05f;
    bus.add(pluck(midiToHz(57), 0.15f, 0.7f, 0.3f, 0.5f, 77), secondsToFrames(after), -0.1f, 0.4f, 0.2f);
    bus.add(pluck(midiToHz(45), 0.3f, 0.8f, 0.3f, 0.7f, 78), secondsToFrames(after + 0.22f), 0.1f, 0.45f, 0.2f);
    bus.add(kick(0.6f), secondsToFrames(after + 0.22f), 0.0f, 0.4f, 0.0f);
    StereoBuffer out = bus.finish(0.5f, 0.4f, 0.25f);
    out.normalisePeak(kMusicPeak);
    out.fadeIn(0.004f);
    out.fadeOut(0.25f);
    return out;
}
