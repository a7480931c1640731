#ifndef KELZO_BOARD_BOARD_H
#define KELZO_BOARD_BOARD_H

#include <cstdint>

#include "Core/Array.h"
#include "board/BoardCell.h"
#include "board/LevelRecord.h"
#include "board/MoveEntry.h"
#include "board/MovingFurball.h"
#include "board/PositionSet.h"
#include "board/TimedEffect.h"

class StreamIn;
class StreamOut;
class String;
struct GameGraphics;
struct HistoryRecord;

// The pulsing pointer on the furball of the next hint.
struct HintPointer {
    uint8_t active = 0;
    int32_t durationMs = -1;   // 1500 or 500
    int32_t x = -1;
    int32_t y = -1;
    int32_t startMs = -1;      // clock running value at which the pulse starts
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t timeSet = -1;
};

// A furball taken off the board during the last move.
struct LiftedFurball {
    int32_t x = -1;
    int32_t y = -1;
    int32_t colour = -1;
};

// Colours given so far during one build: count per colour 1..8.
struct ColourTally {
    int32_t counts[9] = {};
    int distinct = 0;
};

// One puzzle board: 7 columns by 8 rows of furballs inside a 16 x 16 grid
// whose other cells are walls, the puzzle it came from, its history, the
// record of the last move for undo, the hint pointer and its play timers.
class Board {
public:
    static const int kColumns = 7;
    static const int kRows = 8;
    static const int kGrid = 16;
    static const int kMaxSearchFurballs = 16;

    Board();
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    // ---- building
    // A new board of `count` furballs at random cells with colours 1..kinds.
    static Board* createRandom(int count, int kinds);
    // Places the furballs of `record` with their faces and colours; colours
    // follow from (colourSeedId, cell, furball count, level) alone.
    void buildFromRecord(const LevelRecord& record, int colourSeedId);
    int chooseColour(int puzzleId, int x, int y, ColourTally& tally, int furballCount, int forLevel) const;
    void fillRandom(int count, int kinds);
    // The board at the start of a stored puzzle: its record, colours and faces.
    void rebuildPuzzle(int id, int fromScheme);

    // ---- puzzles from the store (BoardLoad.cpp)
    // A new board of `level` with a puzzle chosen by loadPuzzle; the caller owns it.
    static Board* createForPuzzle(int level, const LevelRecord* previous1, const LevelRecord* previous2,
                                  const LevelRecord* previous3, float pickValue);
    // Chooses a puzzle of the board's level, avoiding repeats of the last
    // three puzzles played, and builds it. False only when no store has a
    // puzzle (the board is then left empty with puzzle id -1).
    bool loadPuzzle(const LevelRecord* previous1, const LevelRecord* previous2, const LevelRecord* previous3,
                    float pickValue);

    // ---- cells
    static void resetCell(BoardCell& cell);
    BoardCell& cellAt(int x, int y) { return cells[x + kGrid * y]; }
    const BoardCell& cellAt(int x, int y) const { return cells[x + kGrid * y]; }
    bool hasFurballAt(int x, int y) const { return isPlayableCell(x, y) && cellAt(x, y).colour != 0; }
    int colourAt(int x, int y) const { return cellAt(x, y).colour; }
    void placeFurballAt(int x, int y, const BoardCell& cell);
    void removeFurballAt(int x, int y);
    void clearPositions();
    void liftFurball(CellPos pos);
    void markInFlight(CellPos pos);
    int furballCount() const { return positions.size(); }

    // ---- moves
    // Throws the furball at pos; 1 when the move was made, 0 when refused.
    int tryMove(CellPos pos, int dx, int dy, bool silent, int delay, float speed);
    bool isValidMoveFrom(CellPos pos, int dx, int dy, bool colourRule) const;

    // ---- undo, history and hints
    int undo();
    int findHintMove(MoveEntry* move);
    bool sameAsStoredMove(const MoveEntry& playerMove, const MoveEntry& storedMove, int k) const;
    void showHint(int mode);
    void setHintMarker(const MoveEntry& move, int delay);
    bool hintPending() const { return hintedThrough > history.size(); }
    float hintPulseScale(int x, int y);
    // The hint's arrow, in the cell behind the hinted furball and bobbing
    // towards it, once the pointer's duration has passed and not on the
    // game's intro screen (1). 1 when it drew (BoardHintArrow.cpp).
    int drawHintArrow(const GameGraphics& g, int screenId);
    // Play time so far in ms (frozen time when frozen).
    int elapsedMs() const;
    // Rebuilds the board at the start of a played puzzle and carries its
    // play time, flags and counts on (unless it was solved).
    void restartPuzzle(HistoryRecord& played);
    // Appends the finished puzzle to the application's play history; when it
    // completes a Free Play level, the popup for the next one follows.
    void recordPlayedPuzzle(bool solved, bool bookmark, int kind);

    // ---- touch input (BoardTouch.cpp)
    // Phases 0 down, 1 move, 2 up, in screen pixels of the board's layout.
    void handleTouch(int phase, int x, int y);
    // Throws the furball meant by the touch that went down; 1 when a move was made.
    int swipe(int dx, int dy, bool silent, int x, int y);
    // The furball a touch at (x, y) swiping in (dx, dy) means, or (-1, -1).
    CellPos furballForTouch(int x, int y, int dx, int dy) const;

    // ---- board tests
    int hasPossibleMove() const;
    int scanDirection(CellPos pos, int dx, int dy) const;
    int countColourMoves() const;
    int32_t hash() const;

    // ---- solution search (colours play no part)
    // The first throw, in set order and then right, left, up, down, after
    // which the board can be brought down to one furball.
    int findSolvingMove(CellPos* pos, int* dx, int* dy);
    // The same search worked on the board itself, counting solutions up to
    // two: applies the throw when legal, counts below it, restores the board.
    void trySearchMove(CellPos pos, int dx, int dy, int& count);
    void countSolutions(int& count);

    // ---- Frenzy hints
    int findColourMoveWithin3(CellPos* pos, int* dx, int* dy);
    int searchColourMoves(CellPos* pos, int* dx, int* dy, int depth, bool stopAtFirst);

    // ---- saved games
    // The board record of a saved game: 3364 + 6 * history bytes.
    void save(StreamOut& out) const;
    // Fills a freshly made board from a saved record; false (and the board
    // unchanged) for a short or damaged record.
    bool load(StreamIn& in);
    // The stored record of a puzzle id into the board; sets the level to
    // id / 10000 and the complexity to the record's. False when the store
    // has no such puzzle: the board then keeps no stored solution, so its
    // hints come from the search (BoardLoad.cpp).
    bool loadLevelRecord(int id, int fromScheme);

    // ---- fields
    PositionSet positions;
    BoardCell cells[kGrid * kGrid];
    int32_t puzzleId = -1;
    int32_t scheme = -1;
    int32_t level = -1;
    LevelRecord record{};
    float complexity = -1.0f;
    uint8_t touchActive = 0;
    int32_t touchX = -1;
    int32_t touchY = -1;
    int32_t touchTime = -1;
    HintPointer hint;
    Array<CellPos> placedList;
    Array<LiftedFurball> liftedList;
    Array<BoardCell> liftedCells;
    Array<MoveEntry> history;
    uint8_t modeFlag = 0;
    uint8_t carriedFlag = 0;
    int32_t hintedThrough = 0;
    int32_t undoCount = 0;
    uint8_t replayFlag = 0;
    int32_t startTime = 0;
    int32_t frozenAt = -1;
    uint8_t frozen = 0;
    int32_t lastUndoTime = 0;
    int32_t undoFrozenAt = -1;
    uint8_t undoFrozen = 0;
    uint8_t ended = 0;
    Array<MovingFurball> movingFurballs;
    uint8_t givenUp = 0;
    int32_t displayWords[2] = {0, 0};
    TimedEffect timedEffects[kGrid * kGrid];
    // The drawing told the game this board is solved (once per solved board).
    uint8_t finishReported = 0;
    // A low-time alarm (or a hurry warning) was raised for this board: it comes once per board.
    uint8_t alarmRaised = 0;

private:
    void appendLifted(int x, int y, const BoardCell& cell);
    bool reverseWalkIsConsistent(const MoveEntry& entry) const;
    void reverseWalk(const MoveEntry& entry);
    bool searchColourMoveQualifies(CellPos pos, int dx, int dy, int depth);
    void refuseMove(CellPos pos, int dx, int dy, CellPos met, bool neighbour, int delay, float speed);
    void appendToPlayHistory(bool solved, bool bookmark, int kind);
    void endFreePlayLevel();
};

// The cell under a screen point (board origin (3, 73), 45 pixels a cell).
inline CellPos cellAtPoint(int x, int y)
{
    return CellPos{(x - 3) / 45, (y - 73) / 45};
}

// Once a level above 8 is reached (Free Play or Challenge): the notice that
// Frenzy is open, shown a single time; the settings keep that it was.
void showFrenzyUnlockedNotice(int level);

// The text for reaching level n; Challenge adds a word on some levels.
String newLevelText(int n);

// Builds the puzzle a packed id (batch << 13 | record) names, as the console
// asks; the board then counts as a random board (puzzle id and scheme -1).
// False, and the board unchanged, for an id the store does not have.
bool loadPuzzleByPackedId(Board& board, int packed);

// The level a puzzle id belongs to.
inline int levelOfPuzzleId(int puzzleId)
{
    return puzzleId / 10000;
}

#endif
