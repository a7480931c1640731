#include "game/PlayHelpTips.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/String.h"
#include "board/Board.h"
#include "board/GameType.h"
#include "game/Tips.h"
#include "modes/CurrentGameI.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

const int kStuckTip = 6;
const int kEarlyStuckTip = 55;
const int kFrenzyHelpTip = 69;
const int kFrenzyColourTip = 71;
const int kSearchUnknown = 0, kSearchYes = 1, kSearchNo = 2;

bool english() { return currentLanguage() == 0; }

// The show limit of the help and stuck tips: lower for a player who asked for fewer tips.
int showLimit() { return gSettings && gSettings->extraFlag1 ? 3 : 5; }

// The board's answers, searched once per position (every move and undo clears them).
void cacheSearches(Board& board)
{
    if (board.displayWords[0] == kSearchUnknown) {
        MoveEntry move;
        board.displayWords[0] = board.findHintMove(&move) ? kSearchYes : kSearchNo;
    }
    if (board.displayWords[1] == kSearchUnknown)
        board.displayWords[1] = board.hasPossibleMove() ? kSearchYes : kSearchNo;
}

const char* textOrNull(const String& text) { return text.length() > 0 ? text.c_str() : nullptr; }

TipParams stuckParams(int showMs, bool dismissOnTouch)
{
    TipParams params;
    params.showMs = showMs;
    params.delayMs = 0;
    params.dismissOnTouch = dismissOnTouch ? 1 : 0;
    params.bubbleOption = gAbSettings.bj >= 1 ? 1 : 0;
    return params;
}

}  // namespace

StuckTipTexts stuckTipTexts(int uhb, int pbu, bool inEnglish)
{
    if (!inEnglish)
        return StuckTipTexts{getText(341), getText(342)};
    static const char* const kUndoHere[] = {"Press here to undo!",
                                            "Press the icon below to undo!",
                                            "Tap the icon below to undo!",
                                            "Press the icon below here to undo!",
                                            "Tap the icon below here to undo!",
                                            "Tap the below icon to undo!"};
    switch (uhb) {
    case 2: return StuckTipTexts{String("You are stuck!"), String(kUndoHere[pbu >= 1 && pbu <= 5 ? pbu : 0])};
    case 3: return StuckTipTexts{String("You are stuck!"), String("Press here to undo your last move!")};
    case 4:
        return StuckTipTexts{String("You are stuck!"), String("Press here to undo and then try a different move!")};
    default: return StuckTipTexts{};
    }
}

int helpTipFor(int gameType)
{
    if (gameType == kGameFreePlay)
        return 9;
    return gameType == kGameChallenge ? 8 : 7;
}

void balanceHelpTipCounts(Tips& tips)
{
    static const int kPairs[3][2] = {{7, 9}, {7, 8}, {9, 8}};
    for (const auto& pair : kPairs) {
        const int a = tips.shownCount(pair[0]);
        const int b = tips.shownCount(pair[1]);
        if (a - b > 1)
            tips.setShownCount(pair[1], b + 1);
        else if (b - a > 1)
            tips.setShownCount(pair[0], a + 1);
    }
}

void PlayHelpTips::frame(int now, Tips& tips, CurrentGameI& game, bool alertOpen)
{
    if (gameTimeDiff(now, lastPassMs) < kPassIntervalMs)
        return;
    lastPassMs = now;
    pass(now, tips, game, alertOpen);
}

void PlayHelpTips::pass(int now, Tips& tips, CurrentGameI& game, bool alertOpen)
{
    if (game.board.isNull() || alertOpen)
        return;
    Board& board = *game.board;
    if (board.furballCount() <= 1)
        return;
    const int t = gameTimeDiff(now, tips.quietFrom());
    if (game.type() == kGameFrenzy)
        frenzyTips(t, tips, game, board);
    else if (board.level < 7)
        boardTips(t, tips, game, board);
}

void PlayHelpTips::frenzyTips(int t, Tips& tips, CurrentGameI& game, Board& board)
{
    const int furballs = board.furballCount();
    if (board.level < 10 && !game.helpTipHeld() && furballs < 54) {
        const int n = tips.shownCount(kFrenzyHelpTip);
        // Before the first move the player is given half a second longer.
        const int waited = board.history.size() == 0 ? t - 500 : t;
        if (n < 7 && waited > 6000 + 1500 * n && tips.shouldShowSpaced(kFrenzyHelpTip, 10, 10, 10)) {
            TipParams params;
            params.scale = 0.7f;
            tips.show(kFrenzyHelpTip, params);
        }
    }
    if (gAbSettings.fsp < 1 && furballs > 37) {
        const int n = tips.shownCount(kFrenzyColourTip);
        CellPos pos;
        int dx = 0, dy = 0;
        if (n < 7 && t > 5000 + 1500 * n && board.level < 20 && !board.findColourMoveWithin3(&pos, &dx, &dy) &&
            tips.shouldShowSpaced(kFrenzyColourTip, 10, 10, 10))
            tips.show(kFrenzyColourTip, TipParams());
    }
}

void PlayHelpTips::boardTips(int t, Tips& tips, CurrentGameI& game, Board& board)
{
    const int helpTip = helpTipFor(game.type());
    const int stuckShown = tips.shownCount(kStuckTip);
    const int wait = stuckShown < 2 ? 2300 + 1000 * std::max(0, gAbSettings.uhwt) : 9000;
    if (t <= wait)
        return;
    cacheSearches(board);
    const bool possible = board.displayWords[1] == kSearchYes;
    const bool hintExists = board.displayWords[0] == kSearchYes;
    const int stuckShowMs = 7500 + 2000 * std::max(0, gAbSettings.uhst);
    const int uhb = gAbSettings.uhb;

    if (possible && (uhb != 0 || hintExists)) {
        const bool waitedLongEnough = t > 15000 || (t > 10000 && tips.shownCount(helpTip) < 2);
        if (!board.givenUp && board.level < 6 && waitedLongEnough && game.isHintAvailable() && game.isHintFree() &&
            board.hintedThrough == 0 && tips.shouldShowSpaced(helpTip, showLimit(), 3, 3)) {
            TipParams params;
            if (gAbSettings.lvt >= 0 && (gAbSettings.lvt & 0x20) && english())
                params.title = "Need Help?";
            tips.show(helpTip, params);
            balanceHelpTipCounts(tips);
        }
        return;
    }

    bool variantShown = false;
    if (!possible && uhb >= 2) {
        if (board.level <= 5 && !(stuckShown >= 2 && t <= 9000) && tips.shouldShowSpaced(kStuckTip, 4, 3, 3)) {
            const StuckTipTexts texts = stuckTipTexts(uhb, gAbSettings.pbu, english());
            TipParams params = stuckParams(stuckShowMs, gAbSettings.uct < 1);
            params.title = textOrNull(texts.title);
            params.body = textOrNull(texts.body);
            tips.show(kStuckTip, params);
            variantShown = true;
        }
        if (!variantShown && board.level < 4 && gAbSettings.emu > 0 && stuckShown < 2 &&
            t > 6500 + 1500 * gAbSettings.emu && tips.shouldShowSpaced(kEarlyStuckTip, 3, 3, 3))
            tips.show(kEarlyStuckTip, stuckParams(stuckShowMs, gAbSettings.sut < 1));
    }

    const bool plainStuckTip = (!possible && (uhb < 2 || !variantShown)) || (possible && !hintExists && uhb == 0);
    if (plainStuckTip && board.level < 6 && tips.shouldShowSpaced(kStuckTip, showLimit(), 3, 3) &&
        (tips.shownCount(kStuckTip) < 2 || t > 9000)) {
        TipParams params;
        params.showMs = stuckShowMs;
        params.dismissOnTouch = gAbSettings.uct < 1 ? 1 : 0;
        tips.show(kStuckTip, params);
    }
}
