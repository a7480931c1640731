#include "modes/PraiseDisplay.h"

#include <cstdlib>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "graphics/DrawParams.h"
#include "graphics/Texture.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

const int kListC[9] = {473, 474, 467, 465, 466, 468, 469, 475, 471};
const int kListA[9] = {465, 466, 467, 465, 466, 468, 469, 470, 471};
const int kListB[9] = {472, 466, 467, 465, 466, 468, 469, 470, 471};

const char* const kEnglishWords[15] = {
    "Very Nice!", "Well Done!", "Great Success!", "Puzzle Completed!", "Well Done!",
    "Good Work!", "Excellent!", "Awesome!",       "Way To Go!",        "Great Work!",
    "Sweet!",     "Looking Good!", "Great Success!", "Rock On!",       "Groovy!",
};

const int kFontSize = 40;
const int kAlignCentred = 3;
const int kOneLine = 2;
const float kShadowRise = 20.0f;
const float kSlowFactor = 1.7f;

// Fruit and turtles: the themes whose praise glow is tighter and stronger.
bool tightGlowTheme(int theme) { return theme == 2 || theme == 4; }

int wellDoneVariation() { return gSettings ? gSettings->wellDoneVariation : 0; }

}  // namespace

PraiseTiming praiseTiming(int variation, int language)
{
    if ((language != kEnglish && variation < 2) || variation == 3)
        return {425, 956, 1381, 425, 425};
    if (variation == 2)
        return {425, 893, 1318, 425, 425};
    if (variation == 4)
        return {340, 465, 1102, 340, 637};
    return {425, 1050, 1475, 425, 425};
}

float praiseOpacity(const PraiseTiming& timing, int t)
{
    if (t < timing.fadeInEnd)
        return (float)t / (float)timing.fadeInDivisor;
    if (t < timing.holdEnd)
        return 1.0f;
    if (t < timing.fadeOutEnd)
        return (float)(timing.fadeOutEnd - t) / (float)timing.fadeOutDivisor;
    return 0.0f;
}

PraiseMotion praiseMotion(int elapsed, int variation, bool slow)
{
    const float e = (float)elapsed;
    if (slow) {
        float s = e * 0.0018099548f;
        if (s > 1.0f)
            s = 1.0f + 0.8f * (s - 1.0f);
        return {2.0f * s, 0.0f};
    }
    const float s = e * 0.002352941f;
    if (variation == 3)
        return {0.9f * (s <= 0.8f ? s : 0.8f + 0.7f * (s - 0.8f)), 0.0f};
    if (variation == 4) {
        const float grow = 0.0025f * e;
        return {grow < 0.1f ? 0.9f + grow : 1.0f, 18.0f - 0.01f * e - 0.000008333333f * e * e};
    }
    return {s, 0.0f};
}

PraiseDisplay::PraiseDisplay() : random(&std::rand) {}

PraiseDisplay::~PraiseDisplay()
{
    releaseWord();
    delete shadow;
}

void PraiseDisplay::releaseWord()
{
    delete word;
    word = nullptr;
}

void PraiseDisplay::ensureGlow(int radius)
{
    if (glow.radius != radius || glow.table.isEmpty())
        buildDivisionTable(&glow, radius);
}

String PraiseDisplay::candidate(bool useListB, bool useListC)
{
    if (gAbSettings.nwt > 0 && currentLanguage() == kEnglish)
        return String(kEnglishWords[random() % 15]);
    const int* list = useListC ? kListC : (useListB ? kListB : kListA);
    return getText(list[random() % 9]);
}

String PraiseDisplay::pickWord(bool useListB, bool useListC)
{
    String pick = candidate(useListB, useListC);
    for (int picks = 1; picks < kMaxPicks && (pick == lastWord_ || pick == wordBefore_); picks++)
        pick = candidate(useListB, useListC);
    wordBefore_ = lastWord_;
    lastWord_ = pick;
    return pick;
}

void PraiseDisplay::show(bool useListB, bool useListC, const char* overrideText, int delayMs)
{
    const bool tight = tightGlowTheme(gAbSettings.chosenTheme());
    ensureGlow(tight ? 5 : 7);
    const int strength = tight ? 7 : 5;
    String text = pickWord(useListB, useListC);
    if (overrideText) {
        text = String(overrideText);
        lastWord_ = text;
    }

    releaseWord();
    word = new Texture(text.c_str(), kWordWidth, kWordHeight, kAlignCentred, nullptr, kFontSize, kOneLine, 1.0f,
                       false, &glow, true, false, strength);
    delete shadow;
    shadow = nullptr;
    x = 164.0f;
    y = 240.0f;
    startTime = gGameClock.now() + delayMs;
    done = 0;
    slow = 0;
    opacity_ = 0.0f;
}

bool PraiseDisplay::step(int now)
{
    if (done)
        return false;
    const int elapsed = gameTimeDiff(now, startTime);
    const int t = slow ? (int)((float)elapsed / kSlowFactor) : elapsed;
    const int variation = wellDoneVariation();
    const PraiseTiming timing = praiseTiming(variation, currentLanguage());
    opacity_ = praiseOpacity(timing, t);
    motion_ = praiseMotion(elapsed, variation, slow != 0);
    if (t >= timing.fadeOutEnd) {
        done = 1;
        opacity_ = 0.0f;
        releaseWord();
    }
    return true;
}

void PraiseDisplay::draw() const
{
    // Before its start the word is hidden (and its zoom would be negative).
    if (!word || opacity_ <= 0.0f)
        return;
    DrawParams params;
    params.alpha = opacity_;
    params.centreX = 1;
    params.centreY = 1;
    params.scaleX = motion_.scale;
    drawTextureSized(word, kWordWidth, kWordHeight, x, y + motion_.yOffset, params);
    if (shadow) {
        params.scaleX = 1.0f;
        drawTexture(shadow, x, y - kShadowRise, params);
    }
}

bool PraiseDisplay::update()
{
    const bool showing = step(gGameClock.now());
    draw();
    return showing;
}
