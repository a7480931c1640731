#ifndef KELZO_MODES_PRAISEDISPLAY_H
#define KELZO_MODES_PRAISEDISPLAY_H

#include <cstdint>

#include "Core/String.h"
#include "graphics/TextTexture.h"

class Texture;

// The timing of the praise word, by the settings' "_wd_" variation and the
// language: it fades in until fadeInEnd, holds until holdEnd and fades out
// until fadeOutEnd (ms after its start).
struct PraiseTiming {
    int fadeInEnd;
    int holdEnd;
    int fadeOutEnd;
    int fadeInDivisor;
    int fadeOutDivisor;
};

PraiseTiming praiseTiming(int wellDoneVariation, int language);
// Opacity t ms after the start: below 0 before it (a delayed word stays
// hidden), 1 while held, 0 at the end.
float praiseOpacity(const PraiseTiming& timing, int t);

// Size and lift of the word `elapsed` ms after its start.
struct PraiseMotion {
    float scale;
    float yOffset;
};
PraiseMotion praiseMotion(int elapsed, int wellDoneVariation, bool slow);

// The praise word ("Well Done!") that pops over the board when a puzzle is
// solved: rendered once into a 370 x 64 glowing text texture, then zoomed (and
// with "_wd_" 4 raised) for about a second and a half. A new show() replaces a
// word still on screen at once. The same word never comes a third time in a
// row: a pick equal to either of the last two words is picked again, up to 20
// picks in all.
//
//     praise.show(false, false, nullptr, 300);   // when the puzzle is solved
//     ... every frame: keepAnimating |= praise.update();
class PraiseDisplay {
public:
    static constexpr int kWordWidth = 370;
    static constexpr int kWordHeight = 64;
    static constexpr int kMaxPicks = 20;

    PraiseDisplay();
    ~PraiseDisplay();
    PraiseDisplay(const PraiseDisplay&) = delete;
    PraiseDisplay& operator=(const PraiseDisplay&) = delete;

    // A new word from list A, B or C (C first), or overrideText when given,
    // shown delayMs from now.
    void show(bool useListB, bool useListC, const char* overrideText, int delayMs);
    // Steps and draws the word; true while it shows.
    bool update();
    // The frame's two halves of update(): the state at game time `now`
    // (false once the word has ended), then the drawing of that state.
    bool step(int now);
    void draw() const;

    // The word a show() would choose, remembered as the last word.
    String pickWord(bool useListB, bool useListC);

    float opacity() const { return opacity_; }
    float scale() const { return motion_.scale; }
    float yOffset() const { return motion_.yOffset; }
    bool isDone() const { return done != 0; }
    const String& lastWord() const { return lastWord_; }
    Texture* wordTexture() const { return word; }

    int startTime = 0;
    float x = 164.0f;
    float y = 240.0f;
    uint8_t done = 1;
    Texture* word = nullptr;     // owned
    Texture* shadow = nullptr;   // owned; drawn 20 px higher when set
    uint8_t slow = 0;
    DivisionTable glow;
    // The dice: rand() in the game, fixed sequences in tests.
    int (*random)() = nullptr;

private:
    String candidate(bool useListB, bool useListC);
    void ensureGlow(int radius);
    void releaseWord();

    String lastWord_;
    String wordBefore_;
    float opacity_ = 0.0f;
    PraiseMotion motion_ = {0.0f, 0.0f};
};

#endif
