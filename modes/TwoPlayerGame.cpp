#include "modes/TwoPlayerGame.h"

#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameGraphics.h"
#include "modes/GameHost.h"

namespace {

const float kBoardScale = 0.6666667f;
const float kTouchScale = 1.5f;
const int kScreenWidth = 320;
const float kPuzzleTarget = 0.5f;
const int kEventPuzzleDone = 9;

// The heads-up rows of furball icons.
const int kFirstRowCount = 4;
const int kSecondRowCount = 6;
const float kRowY[2] = {204.0f, 220.0f};
const float kIconStep = 17.0f;
const float kIconLeft = 3.0f;
const float kIconScale = 0.45f;

Board* freshBoard(int level)
{
    return Board::createForPuzzle(level, nullptr, nullptr, nullptr, kPuzzleTarget);
}

bool writePlayer(StreamOut& out, const TwoPlayerGame::Player& player)
{
    return writeInt32(out, player.count) && writeInt32(out, player.second) && writeInt32(out, player.third);
}

bool readPlayer(StreamIn& in, TwoPlayerGame::Player* player)
{
    return readInt(in, &player->count) && readInt(in, &player->second) && readInt(in, &player->third);
}

bool readTag(StreamIn& in)
{
    int tag = 0;
    return readInt(in, &tag) && tag == CurrentGameI::kTag;
}

int squaredDistance(int x, int y, int toX, int toY)
{
    const int dx = x - toX;
    const int dy = y - toY;
    return dx * dx + dy * dy;
}

} // namespace

TwoPlayerGame::TwoPlayerGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    level = settings.startLevel < 1 ? 1 : settings.startLevel;
    hintsRemaining = -1;
    movesRemaining = -1;
    board.reset(freshBoard(level));
    secondBoard.reset(freshBoard(level));
}

TwoPlayerGame::~TwoPlayerGame()
{
    secondBoard.reset();
}

bool TwoPlayerGame::drawBoard()
{
    bool moving = false;
    if (graphics && !board.isNull())
        moving = ::drawBoard(*graphics, *board, kBoardScale, 0, 0);
    if (graphics && !secondBoard.isNull())
        moving = ::drawBoard(*graphics, *secondBoard, kBoardScale, kSecondBoardTop, 0) || moving;
    // Renewed only now: the board is not replaced while it is being drawn.
    if (secondBoardDone_) {
        secondBoardDone_ = false;
        renewSecondBoard();
        moving = true;
    }
    return moving;
}

void TwoPlayerGame::otherBoardFinished(Board& finished)
{
    if (finished.furballCount() != 1 || &finished != secondBoard.get())
        return;
    explodeFurballsOf(finished, kSecondBoardTop, 0, true, false, true, 0);
    if (gGameHost)
        gGameHost->scheduleEvent(kEventPuzzleDone, 0);
    secondBoardDone_ = true;
}

void TwoPlayerGame::renewSecondBoard()
{
    secondBoard.reset(freshBoard(level));
    secondTouchX = secondTouchY = -1;
}

void TwoPlayerGame::puzzleSolved(bool*, bool*)
{
    // Both flags stay set: the application ends the puzzle and gives the first board its next one.
}

void TwoPlayerGame::handleTouch(int phase, int x, int y)
{
    if (!isInputBlocked())
        routeTouch(phase, x, y);
}

void TwoPlayerGame::routeTouch(int phase, int x, int y)
{
    const bool firstRuns = firstTouchX != -1 || firstTouchY != -1;
    const bool secondRuns = secondTouchX != -1 || secondTouchY != -1;
    bool toFirst;
    if (phase == 0) {
        if (!firstRuns)
            toFirst = secondRuns || y < kSecondBoardTop;
        else if (!secondRuns)
            toFirst = false;
        else
            return;
    } else {
        if (!firstRuns && !secondRuns)
            return;
        if (firstRuns != secondRuns)
            toFirst = firstRuns;
        else
            toFirst = squaredDistance(x, y, firstTouchX, firstTouchY) <
                      squaredDistance(x, y, secondTouchX, secondTouchY);
    }
    Board* target = toFirst ? board.get() : secondBoard.get();
    const int top = toFirst ? 0 : kSecondBoardTop;
    if (target)
        target->handleTouch(phase, int(kTouchScale * (y - top)), int(kTouchScale * (kScreenWidth - x)));
    int32_t& touchX = toFirst ? firstTouchX : secondTouchX;
    int32_t& touchY = toFirst ? firstTouchY : secondTouchY;
    touchX = phase == 2 ? -1 : x;
    touchY = phase == 2 ? -1 : y;
}

void TwoPlayerGame::drawHud()
{
    players[0].count = kFirstRowCount;
    players[1].count = kSecondRowCount;
    if (!graphics)
        return;
    const float scale = graphics->scale;
    graphics->scale = kIconScale;
    for (int p = 0; p < 2; p++) {
        for (int i = 0; i < players[p].count; i++) {
            BoardCell icon{};
            icon.colour = 1;
            icon.face = uint16_t(i % 4);
            icon.specialStart = -1;
            drawFurball(*graphics, &icon, kIconLeft + kIconStep * i, kRowY[p], 1.0f, 1.0f);
        }
    }
    graphics->scale = scale;
}

bool TwoPlayerGame::saveState(StreamOut& out)
{
    bool ok = writeInt32(out, kTag) && writePlayer(out, players[0]) && writeInt32(out, kTag) &&
              writePlayer(out, players[1]) && writeInt32(out, kTag) && writeInt32(out, spare) &&
              writeByte(out, secondBoard.isNull() ? 0 : 1);
    if (ok && !secondBoard.isNull())
        secondBoard->save(out);
    return ok && writeInt32(out, kTag);
}

bool TwoPlayerGame::loadState(StreamIn& in)
{
    int present = 0;
    if (!readTag(in) || !readPlayer(in, &players[0]) || !readTag(in) || !readPlayer(in, &players[1]) ||
        !readTag(in) || !readInt(in, &spare) || !readByte(in, &present))
        return false;
    secondBoard.reset();
    if (present) {
        // A second board that does not load is dropped: the game goes on without one.
        OwnedPtr<Board> loaded(new Board());
        if (loaded->load(in))
            secondBoard.reset(loaded.take());
    }
    return readTag(in);
}
