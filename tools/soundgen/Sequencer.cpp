#include "Sequencer.h"

#include <cctype>
#include <cmath>
#include <sstream>

namespace {

int pitchClass(const std::string& text, size_t& pos) {
    static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    int pc = base[std::toupper(text[pos]) - 'A'];
    ++pos;
    while (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
        pc += text[pos] == '#' ? 1 : -1;
        ++pos;
    }
    return (pc + 12) % 12;
}

int parsePitch(const std::string& text) {
    size_t pos = 0;
    int pc = pitchClass(text, pos);
    int octave = std::stoi(text.substr(pos));
    return (octave + 1) * 12 + pc;
}

}  // namespace

std::vector<NoteEvent> parseMelody(const std::string& text, int startStep) {
    std::vector<NoteEvent> notes;
    std::istringstream in(text);
    std::string token;
    int step = startStep;
    while (in >> token) {
        float velocity = 0.8f;
        if (token.back() == '!') velocity = 1.0f;
        if (token.back() == '~') velocity = 0.55f;
        if (velocity != 0.8f) token.pop_back();
        size_t slash = token.find('/');
        int length = std::stoi(token.substr(slash + 1));
        std::string pitches = token.substr(0, slash);
        if (pitches != "r") {
            std::istringstream chord(pitches);
            std::string one;
            while (std::getline(chord, one, '+')) notes.push_back({step, length, parsePitch(one), velocity});
        }
        step += length;
    }
    return notes;
}

int chordRoot(const std::string& symbol, int octave) {
    size_t pos = 0;
    return (octave + 1) * 12 + pitchClass(symbol, pos);
}

std::vector<int> chordNotes(const std::string& symbol, int octave) {
    size_t pos = 0;
    pitchClass(symbol, pos);
    std::string quality = symbol.substr(pos);
    int root = chordRoot(symbol, octave);
    std::vector<int> intervals;
    if (quality == "m") intervals = {0, 3, 7};
    else if (quality == "m7") intervals = {0, 3, 7, 10};
    else if (quality == "7") intervals = {0, 4, 7, 10};
    else if (quality == "maj7") intervals = {0, 4, 7, 11};
    else if (quality == "sus4") intervals = {0, 5, 7};
    else if (quality == "dim") intervals = {0, 3, 6};
    else intervals = {0, 4, 7};
    std::vector<int> notes;
    for (int i : intervals) notes.push_back(root + i);
    return notes;
}

std::vector<NoteEvent> arpeggiate(const std::vector<std::string>& chords, const std::string& pattern,
                                  int octave, float velocity, int startStep) {
    std::vector<NoteEvent> notes;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        std::vector<int> tones = chordNotes(chords[bar], octave);
        if (tones.size() == 3) tones.push_back(tones[0] + 12);
        tones.push_back(tones[0] + 12);
        for (int s = 0; s < 16; ++s) {
            char c = pattern[(bar * 16 + s) % pattern.size()];
            if (!std::isdigit(static_cast<unsigned char>(c))) continue;
            int length = 1;
            while (s + length < 16 && pattern[(bar * 16 + s + length) % pattern.size()] == '.') ++length;
            float accent = s % 4 == 0 ? 1.0f : 0.8f;
            notes.push_back({startStep + static_cast<int>(bar) * 16 + s, length, tones[c - '0'], velocity * accent});
        }
    }
    return notes;
}

std::vector<NoteEvent> strum(const std::vector<std::string>& chords, const std::string& pattern, int octave,
                             float velocity, int startStep) {
    std::vector<NoteEvent> notes;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        for (int s = 0; s < 16; ++s) {
            char c = pattern[(bar * 16 + s) % pattern.size()];
            if (c != 'x' && c != 'X') continue;
            int length = 1;
            while (s + length < 16 && pattern[(bar * 16 + s + length) % pattern.size()] == '.') ++length;
            for (int note : chordNotes(chords[bar], octave))
                notes.push_back({startStep + static_cast<int>(bar) * 16 + s, length, note,
                                 velocity * (c == 'X' ? 1.0f : 0.75f)});
        }
    }
    return notes;
}

std::vector<NoteEvent> bassLine(const std::vector<std::string>& chords, const std::string& pattern, int octave,
                                float velocity, int startStep) {
    std::vector<NoteEvent> notes;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        int root = chordRoot(chords[bar], octave);
        bool minor = chords[bar].find('m') != std::string::npos && chords[bar].find("maj") == std::string::npos;
        for (int s = 0; s < 16; ++s) {
            char c = pattern[(bar * 16 + s) % pattern.size()];
            int offset;
            switch (c) {
                case 'R': offset = 0; break;
                case '5': offset = 7; break;
                case '8': offset = 12; break;
                case '7': offset = 10; break;
                case '3': offset = minor ? 3 : 4; break;
                default: continue;
            }
            int length = 1;
            while (s + length < 16 && pattern[(bar * 16 + s + length) % pattern.size()] == '.') ++length;
            notes.push_back({startStep + static_cast<int>(bar) * 16 + s, length, root + offset,
                             velocity * (s % 8 == 0 ? 1.0f : 0.85f)});
        }
    }
    return notes;
}

Song::Song(float bpm, int barCount, float tailSeconds)
    : stepLength(60.0f / bpm / 4.0f), bars(barCount),
      bus(static_cast<size_t>((barCount * 16 * (60.0f / bpm / 4.0f) + tailSeconds) * kSampleRate)) {}

size_t Song::stepFrame(int step) const { return static_cast<size_t>(std::lround(step * stepLength * kSampleRate)); }

void Song::addNotes(const std::vector<NoteEvent>& notes, const NoteInstrument& instrument, float pan, float gain,
                    float reverbSend) {
    int index = 0;
    for (const NoteEvent& n : notes) {
        Signal s = instrument(midiToHz(static_cast<float>(n.midi)), n.length * stepLength, n.velocity, index++);
        bus.add(s, stepFrame(n.step), pan, gain, reverbSend);
    }
}

void Song::addDrums(const std::string& pattern, int fromBar, int toBar, const DrumInstrument& drum, float pan,
                    float gain, float reverbSend, uint32_t seed) {
    for (int bar = fromBar; bar < toBar; ++bar) {
        for (int s = 0; s < 16; ++s) {
            char c = pattern[((bar - fromBar) * 16 + s) % pattern.size()];
            float velocity = c == 'X' ? 1.0f : c == 'x' ? 0.7f : c == 'o' ? 0.4f : 0.0f;
            if (velocity == 0.0f) continue;
            int step = bar * 16 + s;
            bus.add(drum(velocity, seed + static_cast<uint32_t>(step) * 7919u), stepFrame(step), pan, gain, reverbSend);
        }
    }
}
