// Synthesises every sound effect (WAV) and piece of music (Ogg Vorbis) of the game into a folder.
// Usage: soundgen <output folder>
#include "AudioFile.h"
#include "Effects.h"
#include "Tunes.h"

#include <cstdio>
#include <string>

namespace {

struct Piece {
    const char* name;
    StereoBuffer (*make)();
};

const Piece kEffects[] = {
    {"mouthPop", mouthPopEffect},       {"beat stage", beatStageEffect},     {"kelzo fx hits", hitEffect},
    {"wrong movement", wrongMoveEffect}, {"menu click", menuClickEffect},     {"yay", yayEffect},
    {"Kelzo Alarm2", alarmEffect},       {"gameover", gameOverEffect},       {"lost life", lostLifeEffect},
    {"hint", hintEffect},                {"undo", undoEffect},
};

const Piece kTunes[] = {
    {"kelzo main theme first part", mainThemeFirstPart},
    {"kelzo main theme looping part", mainThemeLoopingPart},
    {"kelzo in-game music", inGameMusic},
    {"gameover", gameOverJingle},
};

void report(const std::string& file, const StereoBuffer& sound) {
    std::printf("soundgen: %-40s %6.2f s  peak %.3f  rms %.3f\n", file.c_str(),
                sound.frames() / 44100.0, sound.peak(), sound.rms());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <output folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    for (const Piece& p : kEffects) {
        StereoBuffer sound = p.make();
        std::string file = std::string(p.name) + ".wav";
        report(file, sound);
        if (!writeWav(folder + file, sound)) {
            std::fprintf(stderr, "soundgen: cannot write %s%s\n", folder.c_str(), file.c_str());
            ok = false;
        }
    }
    for (const Piece& p : kTunes) {
        StereoBuffer sound = p.make();
        std::string file = std::string(p.name) + ".ogg";
        report(file, sound);
        if (!writeOggVorbis(folder + file, sound, 0.45f)) {
            std::fprintf(stderr, "soundgen: cannot write %s%s\n", folder.c_str(), file.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
