#include "menus/widgets/LevelSelect.h"

#include <cmath>
#include <cstdlib>

#include "Core/Language.h"
#include "board/GameGraphics.h"
#include "board/GameType.h"
#include "graphics/GlState.h"
#include "menus/ModeChoiceHostI.h"
#include "modes/ChallengeBests.h"
#include "modes/ChallengeRules.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyMedals.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "ui/CustomAlertView.h"

namespace {

const char* const kShadowPicture = "BtC_Slider_Shadow_248x77.png";
const int kCentreX = 160;
const int kTopLift = 40;        // the strip's top lies this far above the slider's own
const int kBandStart = 25;      // touches from top + 25 up to top + 130 drag the strip
const int kBandEnd = 130;
const int kShadowTop = 41;
const float kClipLeft = 36.0f;
const float kClipRight = 284.0f;
const float kVisibleLevels = 4.0f;  // a level this far from the middle has shrunk to nothing
const float kNearSize = 0.6f;       // from this size on a level stands over the shadow
const int kDigitBase = 98;
const int kDigitRise = 14;
const float kDigitSpread = 12.0f;
const int kPadlockBase = 86;
const float kPadlockShift = 2.0f;
const float kSmallDigitDrop = 17.5f;
const float kSmallDigitSpread = 4.0f;
const float kSmallDigitScale = 0.87f;
const float kMedalDx = 5.0f;
const float kMedalRise = 10.0f;
const int kLockedTitle = 231;
const int kLockedBeatTheClock = 232;
const int kLockedPassLevels = 233;
const int kLockedPuzzlesLeft = 234;
const int kLockedOnePuzzleLeft = 235;
const int kOkText = 0;

DrawParams spriteParams(float s, bool centred)
{
    DrawParams params;
    params.scaleX = s;
    params.centreX = centred ? 1 : 0;
    return params;
}

void showAlert(int titleId, const String& message)
{
    // The menu stack owns the alert from here on.
    new CustomAlertView(nullptr, getText(titleId).c_str(), message.c_str(), getText(kOkText).c_str(), nullptr,
                        nullptr, AlertOptions());
}

}  // namespace

bool lockedLevelMessage(bool beatTheClock, int highestUnlocked, ModeChoiceHostI* host, String* message)
{
    if (beatTheClock) {
        *message = formatText(kLockedBeatTheClock, highestUnlocked);
        return true;
    }
    const int gameType = host->currentGameType();
    if (gameType == kGameChallenge || gameType == kGameFrenzy) {
        *message = getText(kLockedPassLevels);
        return true;
    }
    const int left = host->puzzlesLeftInLevel();
    if (left < 1)
        return false;
    *message = left == 1 ? formatText(kLockedOnePuzzleLeft, host->freePlayLevel())
                         : formatText(kLockedPuzzlesLeft, left, host->freePlayLevel());
    return true;
}

LevelSelect::LevelSelect(SpriteSheet* sheet, int firstLevel, int levelMode, ModeChoiceHostI* progressHost)
    : atlas(sheet), minLevel(firstLevel), highestUnlocked(firstLevel), mode(levelMode), host(progressHost)
{
    scroller.pageWidth = kPixelsPerLevel;
    scroller.friction = 0.85f;
    scroller.flickFactor = 1.0f;
    scroller.bandTop = -1;
    scroller.bandBottom = -1;
    setRangeForMode(firstLevel, levelMode);
    // Drawn as a black shape: only the picture's alpha counts.
    shadow = atlas->addImage(kShadowPicture, 1.0f);
    PixelView view = shadow.pixelView(0);
    for (int row = 0; row < view.height; row++)
        for (int col = 0; col < view.width; col++) {
            RGBA& p = view.pixels[row * view.stride + col];
            p.r = p.g = p.b = 0;
        }
}

void LevelSelect::setRangeForMode(int firstLevel, int levelMode)
{
    mode = levelMode;
    minLevel = firstLevel;
    if (mode == kGameChallenge)
        ensurePersonalBestsLoaded();
    else if (mode == kGameFrenzy)
        ensureFrenzyBestsLoaded();
    scroller.minPage = minLevel;
    scroller.maxPage = lastLevel();
    highestUnlocked = host->firstUnsolvedLevel(mode);
    const int level = host->levelOfMode(mode);
    scroller.page = level;
    scroller.pagePos = scroller.position = (float)level;
    scroller.velocity = scroller.velocityAtPress = 0.0f;
    scroller.dragStartX = -1;
    scroller.maxDragDistance = 0;
    tapCount = 0;
}

void LevelSelect::selectLevel(int level)
{
    scroller.page = level;
    scroller.pagePos = (float)level;
    scroller.velocity = 0.0f;
    scroller.dragStartX = -1;
}

void LevelSelect::showLevel(int level)
{
    selectLevel(level);
    scroller.position = (float)level;
    scroller.velocityAtPress = 0.0f;
    scroller.maxDragDistance = 0;
    tapCount = 0;
}

int LevelSelect::trackTouch(int phase, int px, int py)
{
    if (phase == TouchDown) {
        const bool taken = scroller.beginDrag(px, py);
        if (!taken)
            tapCount = 0;
        return taken ? 1 : 0;
    }
    if (phase == TouchMove)
        return scroller.drag(px, py) ? 1 : 0;
    bool tapped = false;
    if (!scroller.endDrag(px, py, &tapped))
        return 0;
    countTap(tapped);
    return 1;
}

// Tapping the middle does not pick a level; the second tap in a row says how it is done. Each tap's own press
// must not break the row (else the count could never reach two): presses outside the strip and releases that
// end a drag do.
void LevelSelect::countTap(bool tapped)
{
    if (!tapped) {
        tapCount = 0;
        return;
    }
    tapCount++;
    if (tapCount >= 2) {
        tapCount = 0;
        showAlert(kTapAlertTitle, getText(kTapAlertText));
    }
}

void LevelSelect::reset(bool beatTheClock)
{
    String message;
    if (lockedLevelMessage(beatTheClock, highestUnlocked, host, &message))
        showAlert(kLockedTitle, message);
}

void LevelSelect::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)px, (void)scaleX, (void)scaleY, (void)alpha, (void)angle, (void)selected;
    const int top = (int)(py - kTopLift);
    scroller.bandTop = top + kBandStart;
    scroller.bandBottom = top + kBandEnd;
    scroller.step();
    setClipRect(kClipLeft, 0.0f, kClipRight, 480.0f);
    drawLevels(top, false);
    disableClip();
    DrawParams params = spriteParams(1.0f, true);
    shadow.draw((float)kCentreX, (float)(top + kShadowTop), params);
    drawLevels(top, true);
}

void LevelSelect::drawLevels(int top, bool near)
{
    for (int level = minLevel; level <= lastLevel(); level++) {
        const float d = (float)level - scroller.position;
        const float s = 1.0f - std::fabs(d) / kVisibleLevels;
        if (std::fabs(d) > kVisibleLevels || !(s > 0.0f))
            continue;
        if ((s >= kNearSize) != near)
            continue;
        drawLevel(top, level, (int)(d * kPixelsPerLevel + kCentreX), s);
    }
}

void LevelSelect::drawLevel(int top, int level, int cx, float s)
{
    if (!gGameGraphics)
        return;
    const SpriteRef* common = gGameGraphics->common;
    float mx;
    if (level <= highestUnlocked) {
        const SpriteRef& digits = common[kEntryDigits];
        const float digitTop = top + kDigitBase - s * (digits.height - kDigitRise);
        const DrawParams params = spriteParams(s, true);
        if (level < 10) {
            digits.drawFrame(level, (float)cx, digitTop, params);
        } else {
            digits.drawFrame(level / 10, cx - kDigitSpread * s, digitTop, params);
            digits.drawFrame(level % 10, cx + kDigitSpread * s, digitTop, params);
        }
        mx = (float)cx;
    } else {
        const SpriteRef& padlock = common[kEntryPadlock];
        const SpriteRef& small = common[kEntrySmallDigits];
        const float padlockTop = top + kPadlockBase - 0.5f * padlock.height * s;
        const float digitTop = padlockTop + kSmallDigitDrop * s;
        const float c = cx + kPadlockShift * s + (level == 11 ? 0.2f : 0.0f);
        padlock.draw(cx + kPadlockShift * s, padlockTop, spriteParams(s, true));
        if (level < 10) {
            small.drawFrame(level, c, digitTop - 1.0f, spriteParams(s, true));
        } else {
            const DrawParams params = spriteParams(kSmallDigitScale * s, true);
            small.drawFrame(level / 10, c - kSmallDigitSpread * s - 0.5f, digitTop, params);
            small.drawFrame(level % 10, c + kSmallDigitSpread * s - 0.5f, digitTop, params);
        }
        mx = c;
    }
    const int medal = medalOf(level);
    if (medal >= kMedalBronze && medal <= kMedalGold)
        common[kEntryMedalSmall + medal].draw(mx + kMedalDx * s, top + kDigitBase - kMedalRise * s,
                                              spriteParams(s, false));
}

int LevelSelect::medalOf(int level) const
{
    if (!gSettings)
        return kMedalNone;
    if (mode == kGameFrenzy)
        return frenzyMedalForLevel(level, *gSettings, gAbSettings);
    if (mode == kGameChallenge && gAbSettings.ncm > 0)
        return challengeMedalForLevel(level, *gSettings, gAbSettings);
    return kMedalNone;
}
