#include "BoardTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "../graphics/GlTestContext.h"
#include "LoadedGraphics.h"
#include "board/BoardDraw.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameGraphics.h"
#include "board/InstructionFinger.h"
#include "board/NumberDisplay.h"
#include "board/ScoreBoard.h"
#include "board/ThemeTable.h"
#include "graphics/AnimationList.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "ui/ExplainScreen.h"
#include "ui/MenuStack.h"

namespace {

void loadTheme(GameGraphics& g, int theme)
{
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
    loadThemeBitmaps(g, theme);
    ASSERT_EQ(0, chdir(here));
}

class BoardDrawTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        gAbSettings.ddh = 15;
        gAbSettings.lvt = 0;
        gAbSettings.as = 0;
        gAbSettings.fic = 0;
        gAbSettings.cpl = 0;
        gSettingsSaveSuppressed = true;
        settings.gameMode = kGameArcade;
        gSettings = &settings;
        for (int i = 0; i < StatisticCount; i++)
            if (i != StatChosenTheme)
                gAbSettings.setCounter(i, 0);
        clock = 200000;
        gGameClock.updateAt(clock);
        srand(1);
        g = &loadedGraphics();
        g->resetView();
        gGameGraphics = g;
        host = FakeBoardHost();
        host.board.reset(new Board());
        gBoardHost = &host;
    }

    void TearDown() override
    {
        while (updateAnimations(gAnimationList)) {
            clock += 1000;
            gGameClock.updateAt(clock);
        }
        gBoardHost = nullptr;
        gGameGraphics = nullptr;
        gSettings = nullptr;
        GlTest::TearDown();
    }

    Board& board() { return *host.board; }

    void tick(int ms)
    {
        clock += ms;
        gGameClock.updateAt(clock);
    }

    // One frame as the play screen draws it.
    bool drawFrame()
    {
        clearFrame(0, 0, 0, 1);
        drawBackground(*g, 1.0f, 0);
        bool busy = drawBoard(*g, board(), 1.0f, 0, 0);
        updateAnimations(gAnimationList);
        return busy;
    }

    static bool differs(RGBA a, RGBA b) { return !pixelNear(a, b, 12); }

    GameGraphics* g = nullptr;
    Settings settings;
    FakeBoardHost host;
    int clock = 0;
};

const Diagram kAllColours = {"1.2.3.4", ".......", "5.6.7.8", ".......", "..1.2..", ".......", "3.....4", "......."};

} // namespace

class ThemeDrawTest : public BoardDrawTest, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override
    {
        loadTheme(*g, 0);
        BoardDrawTest::TearDown();
    }
};

TEST_P(ThemeDrawTest, FurballsShowOverTheBackground)
{
    const int theme = GetParam();
    loadTheme(*g, theme);
    ASSERT_EQ(theme, gAbSettings.chosenTheme());
    placeDiagram(board(), kAllColours);

    clearFrame(0, 0, 0, 1);
    drawBackground(*g, 1.0f, 0);
    Bitmap* backgroundOnly = frame();
    drawBoard(*g, board(), 1.0f, 0, 0);
    saveFrame("board_theme" + std::to_string(theme));
    Bitmap* drawn = frame();

    // The background fills the screen; furballs cover their cell centres; empty cells stay as they were.
    RGBA middle = backgroundOnly->at(160, 250);
    EXPECT_GT(middle.r + middle.g + middle.b, 30);
    int covered = 0;
    for (const CellPos& pos : board().positions) {
        int x = 3 + 45 * pos.x + 22, y = 73 + 45 * pos.y + 22;
        if (differs(drawn->at(x, y), backgroundOnly->at(x, y)))
            covered++;
    }
    EXPECT_EQ(board().furballCount(), covered);
    for (int cx = 1; cx < 7; cx += 2) {
        int x = 3 + 45 * cx + 22, y = 73 + 45 * 5 + 22;
        EXPECT_TRUE(pixelNear(drawn->at(x, y), backgroundOnly->at(x, y), 2)) << "empty cell " << cx;
    }
    // Different colours look different.
    EXPECT_TRUE(differs(drawn->at(3 + 22, 73 + 22), drawn->at(3 + 90 + 22, 73 + 22)));
    delete backgroundOnly;
    delete drawn;
}

INSTANTIATE_TEST_SUITE_P(AllThemes, ThemeDrawTest, ::testing::Range(0, kThemeCount));

TEST_F(BoardDrawTest, FlyingFurballKnocksTheNextOnWithSparks)
{
    placeDiagram(board(), rowDiagram(3, "1..2..."));
    ASSERT_EQ(1, board().tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
    int before = gAnimationList->count();
    bool sawSparks = false;
    bool sawFurballMidway = false;
    int sparksFrame = -1;
    for (int frameNo = 0; frameNo < 400 && drawFrame(); frameNo++) {
        if (gAnimationList->count() > before && !sawSparks) {
            sawSparks = true;
            sparksFrame = frameNo;
        }
        if (frameNo == sparksFrame + 4)
            saveFrame("board_sparks");
        if (frameNo == 25) {
            saveFrame("board_flight");
            // Halfway along its roll the thrown furball is between cells 0 and 2.
            RGBA between = pixel(3 + 45 + 22, 73 + 135 + 22);
            sawFurballMidway = differs(between, RGBA{0, 0, 0, 255});
        }
        tick(16);
    }
    EXPECT_TRUE(sawSparks);
    EXPECT_GT(host.hitSounds, 0);   // each strike sounds
    EXPECT_TRUE(sawFurballMidway);
    EXPECT_EQ(0, board().movingFurballs.size());
    EXPECT_EQ(0, int(board().cellAt(2, 3).inFlight));
    EXPECT_EQ(1, host.solved);   // one furball left: the game heard once
    for (int i = 0; i < 5; i++) {
        drawFrame();
        tick(16);
    }
    EXPECT_EQ(1, host.solved);
}

TEST_F(BoardDrawTest, SolvedBoardIsReportedOncePerBoard)
{
    placeDiagram(board(), rowDiagram(0, "...1..."));
    drawFrame();
    drawFrame();
    EXPECT_EQ(1, host.solved);
    // Not while a menu is open, nor off the play screen.
    host.board.reset(new Board());
    placeDiagram(board(), rowDiagram(0, "...1..."));
    gMenuStack.push(new ExplainScreen());
    drawFrame();
    gMenuStack.deleteAllMenus();
    EXPECT_EQ(1, host.solved);
    host.playScreen = false;
    drawFrame();
    EXPECT_EQ(1, host.solved);
    host.playScreen = true;
    drawFrame();
    EXPECT_EQ(2, host.solved);
    // Two furballs again (an undo) and solved again: reported again.
    placeDiagram(board(), rowDiagram(0, "...1.2."));
    drawFrame();
    placeDiagram(board(), rowDiagram(0, "...1..."));
    drawFrame();
    EXPECT_EQ(3, host.solved);
}

// A Frenzy board down to one furball is reported like any other: the game deals the next one.
TEST_F(BoardDrawTest, AFrenzyBoardDownToOneFurballIsReported)
{
    settings.gameMode = kGameFrenzy;
    placeDiagram(board(), rowDiagram(4, "..3...."));
    drawFrame();
    EXPECT_EQ(1, host.solved);
}

TEST_F(BoardDrawTest, HalfTurnedSmallBoardAndTwoPlayerBoards)
{
    placeDiagram(board(), kAllColours);
    clearFrame(0, 0, 0, 1);
    g->setMiniBoard(160);
    drawBoard(*g, board(), 0.5f, 0, 0);
    // setMiniBoard's layout is kept by drawBoard's scale; cell (0, 0) sits bottom right.
    ScreenPoint p = cellToScreen(*g, 0, 0);
    EXPECT_FLOAT_EQ(216.25f, p.x);
    g->resetView();

    clearFrame(0, 0, 0, 1);
    drawBoard(*g, board(), 2.0f / 3.0f, 0, 0);
    drawBoard(*g, board(), 2.0f / 3.0f, 240, 0);
    saveFrame("board_two_player");
    EXPECT_EQ(0, gMirrorX);
    // Both landscape boards show: the screen's top and bottom halves are drawn.
    Bitmap* drawn = frame();
    int lit[2] = {0, 0};
    for (int y = 0; y < 480; y += 4)
        for (int x = 0; x < 320; x += 4)
            if (drawn->at(x, y).r + drawn->at(x, y).g + drawn->at(x, y).b > 30)
                lit[y < 240 ? 0 : 1]++;
    EXPECT_GT(lit[0], 1000);
    EXPECT_GT(lit[1], 1000);
    delete drawn;
}

TEST_F(BoardDrawTest, TimedEffectsPopFurballsIn)
{
    placeDiagram(board(), rowDiagram(4, "...5..."));
    TimedEffect& effect = board().timedEffects[3 + Board::kGrid * 4];
    effect.start(board().cellAt(3, 4), 6, 0, gGameClock.current);
    EXPECT_TRUE(drawFrame());
    tick(650);
    drawFrame();
    EXPECT_EQ(0, effect.active);
    EXPECT_FALSE(drawFrame());
}

TEST_F(BoardDrawTest, DelayedBurstAfterItsBoardIsGone)
{
    placeDiagram(board(), rowDiagram(2, "1.2.3.."));
    int before = gAnimationList->count();
    explodeBoardFurballs(400, true, false, true, 500);
    EXPECT_EQ(before + 3, gAnimationList->count());
    EXPECT_TRUE(burstHides(&board().cellAt(0, 2).inFlight));
    // The game moves on before the bursts start: the board is deleted.
    host.board.reset(new Board());
    tick(2000);
    updateAnimations(gAnimationList);   // the bursts start now; nothing writes into the old board
    EXPECT_FALSE(burstHides(&board().cellAt(0, 2).inFlight));
    EXPECT_EQ(0, int(board().cellAt(0, 2).inFlight));
}

TEST_F(BoardDrawTest, BurstHidesItsFurballWhenItStarts)
{
    placeDiagram(board(), rowDiagram(2, "1.2.3.."));
    explodeBoardFurballs(0, true, false, true, 0);
    EXPECT_EQ(1, int(board().cellAt(0, 2).inFlight));   // at once without a delay
    host.board.reset(new Board());
    placeDiagram(board(), rowDiagram(2, "1......"));
    explodeBoardFurballs(100, true, true, false, 300);
    EXPECT_EQ(0, int(board().cellAt(0, 2).inFlight));
    tick(250);
    updateAnimations(gAnimationList);
    EXPECT_EQ(0, int(board().cellAt(0, 2).inFlight));   // still waiting: 301 ms at the earliest
    tick(200);
    updateAnimations(gAnimationList);
    EXPECT_EQ(1, int(board().cellAt(0, 2).inFlight));
    // onlyFree skips a furball that is already bursting.
    int before = gAnimationList->count();
    explodeBoardFurballs(0, true, true, false, 0);
    EXPECT_EQ(before, gAnimationList->count());
}

namespace {

// Frames of the play screen's score board; its wood comes from the data folder.
class HeadsUpTest : public BoardDrawTest {
protected:
    void SetUp() override
    {
        BoardDrawTest::SetUp();
        char here[4096];
        ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
        ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
        gScoreBoard.draw(-99);
        ASSERT_EQ(0, chdir(here));
        gScoreBoard.reset();
    }

    static int brightness(RGBA p) { return p.r + p.g + p.b; }
};

} // namespace

TEST_F(HeadsUpTest, EveryResetChangesTheLayoutKeyWhateverItWas)
{
    // The next draw starts the cache over only when the key differs from the one it is given. The key comes
    // from game values and a reset comes every board: even the lowest key must change, without overflow.
    for (int key : {7, 0, -12345, INT_MIN, INT_MIN + 12344, INT_MAX}) {
        SCOPED_TRACE(key);
        gScoreBoard.key = key;
        gScoreBoard.reset();
        EXPECT_NE(key, gScoreBoard.key);
    }
}

TEST_F(HeadsUpTest, NumberBoxesAreCachedThenDrawnWithTheirDigits)
{
    NumberDisplay level, timer;
    auto hud = [&](int key, int value) {
        clearFrame(0, 0, 0, 1);
        gScoreBoard.draw(key);
        level.init(value, 100, true, 40.0f, 20.0f, 1.0f);
        timer.init(345, 1000, false, 200.0f, 20.0f, 1.0f);
        level.draw();
        timer.draw();
    };
    hud(7, 12);
    EXPECT_TRUE(gScoreBoard.rebuilding());
    Bitmap* first = frame();
    hud(7, 12);
    EXPECT_FALSE(gScoreBoard.rebuilding());
    saveFrame("heads_up");
    Bitmap* second = frame();
    // The first frame of a layout only fills the cache: the boxes show from the next frame on.
    auto litInBox = [&](Bitmap* f) {
        int lit = 0;
        for (int yy = 16; yy < 44; yy++)
            for (int xx = 198; xx < 278; xx++)
                if (brightness(f->at(xx, yy)) > 20)
                    lit++;
        return lit;
    };
    EXPECT_GT(litInBox(second), litInBox(first) + 500);
    // The digits are drawn in both frames; three of them in the timer box, 12 pixels apart.
    int lit[3] = {0, 0, 0};
    for (int d = 0; d < 3; d++)
        for (int yy = 22; yy < 36; yy++)
            for (int xx = 0; xx < 12; xx++)
                if (brightness(first->at(200 + 12 * d + xx, yy)) > 200)
                    lit[d]++;
    for (int d = 0; d < 3; d++)
        EXPECT_GT(lit[d], 5) << "digit " << d;
    // A level number of two digits sits shifted left by 1.5.
    EXPECT_FLOAT_EQ(38.5f, level.x);
    delete first;
    delete second;
}

TEST_F(HeadsUpTest, TextIsEngravedOnceAndTheLaterPiecesKeepTheirPlaces)
{
    // A text piece before a number box: the box must stay the second piece in the frames drawn from the cache.
    NumberDisplay timer;
    auto hud = [&](int key) {
        clearFrame(0, 0, 0, 1);
        gScoreBoard.draw(key);
        drawTextIntoScoreBoard(String("Level"), 8.0f, 3.0f);
        timer.init(345, 1000, false, 200.0f, 20.0f, 1.0f);
    };
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));   // the font
    hud(21);
    ASSERT_EQ(0, chdir(here));
    EXPECT_EQ(2, gScoreBoard.sheet.regionCount());
    for (int i = 0; i < 3; i++)
        hud(21);
    EXPECT_EQ(2, gScoreBoard.sheet.regionCount()) << "cached frames add nothing";
    saveFrame("heads_up_text");
    Bitmap* cached = frame();
    auto lit = [&](int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int yy = y0; yy < y1; yy++)
            for (int xx = x0; xx < x1; xx++)
                if (brightness(cached->at(xx, yy)) > 20)
                    count++;
        return count;
    };
    EXPECT_GT(lit(8, 3, 60, 24), 40) << "the text drawn from the cache";
    EXPECT_GT(lit(198, 16, 278, 44), 500) << "the box in its own place";
    EXPECT_EQ(0, lit(100, 0, 190, 60)) << "nothing between them";
    delete cached;
}

TEST_F(HeadsUpTest, TimeCircleShowsItsGauge)
{
    clearFrame(0, 0, 0, 1);
    gScoreBoard.draw(3);
    drawTimeCircle(99, 140, 10, 1.0f, false, false);
    Bitmap* empty = frame();
    clearFrame(0, 0, 0, 1);
    gScoreBoard.reset();
    gScoreBoard.draw(4);
    drawTimeCircle(20, 140, 10, 1.0f, false, false);
    saveFrame("time_circle");
    Bitmap* gauge = frame();
    int differing = 0;
    for (int y = 10; y < 60; y++)
        for (int x = 140; x < 190; x++)
            if (brightness(empty->at(x, y)) != brightness(gauge->at(x, y)))
                differing++;
    EXPECT_GT(differing, 50);
    delete empty;
    delete gauge;
}

TEST_F(BoardDrawTest, InstructionFingerSlidesInAndPushes)
{
    const int cell[2] = {2, 3};
    const float cross[2] = {100.0f, 250.0f};
    InstructionFinger finger;
    finger.start(cell, 0, 1, cross);
    EXPECT_FLOAT_EQ(3 + 90.0f, finger.x);
    EXPECT_FLOAT_EQ(73 + 135.0f, finger.y);
    EXPECT_TRUE(finger.draw());
    tick(5000);
    bool event = false;
    EXPECT_NEAR(103.8f, finger.push.update(&event, 1.0f), 0.01f);
    finger.start(cell, 1, 0, cross);
    tick(5000);
    EXPECT_NEAR(90.0f, finger.push.update(&event, 1.0f), 0.01f);

    // Drawn on the screen while it shows; gone after its fade-out.
    finger.start(cell, 0, 1, cross);
    tick(700);
    clearFrame(0, 0, 0, 1);
    EXPECT_TRUE(finger.draw());
    saveFrame("finger");
    Bitmap* shown = frame();
    int lit = 0;
    for (int y = 0; y < 480; y += 2)
        for (int x = 0; x < 320; x += 2)
            if (shown->at(x, y).r + shown->at(x, y).g + shown->at(x, y).b > 60)
                lit++;
    EXPECT_GT(lit, 100);
    delete shown;
    tick(700);
    finger.draw();
    EXPECT_FALSE(finger.draw());
}

namespace {

// The lit part of the frame: its bounding box, and how many lit pixels lie
// across the arrow at a point along it.
struct LitArea {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int brightestRed = 0;
    bool empty() const { return right < 0; }
    float centreX() const { return (left + right + 1) / 2.0f; }
    float centreY() const { return (top + bottom + 1) / 2.0f; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// Screen ids of the game: the intro before a game, the play screen, the guided instruction.
const int kIntroScreen = 1;
const int kPlayScreen = 2;
const int kInstructionScreen = 6;

bool lit(const RGBA& p) { return p.r > 8 || p.g > 8 || p.b > 8; }

LitArea litArea(Bitmap* f)
{
    LitArea a;
    for (int y = 0; y < f->height; y++)
        for (int x = 0; x < f->width; x++) {
            const RGBA& p = f->at(x, y);
            if (!lit(p))
                continue;
            a.left = std::min(a.left, x);
            a.right = std::max(a.right, x);
            a.top = std::min(a.top, y);
            a.bottom = std::max(a.bottom, y);
            a.brightestRed = std::max(a.brightestRed, int(p.r));
        }
    return a;
}

// Lit pixels across the arrow at fraction `along` of its length, counted from
// its tail (the end away from the move's direction).
int widthAcross(Bitmap* f, const LitArea& a, int dx, int dy, float along)
{
    int count = 0;
    if (dx != 0) {
        int x = dx > 0 ? a.left + int(along * (a.width() - 1)) : a.right - int(along * (a.width() - 1));
        for (int y = a.top; y <= a.bottom; y++)
            count += lit(f->at(x, y));
    } else {
        int y = dy > 0 ? a.top + int(along * (a.height() - 1)) : a.bottom - int(along * (a.height() - 1));
        for (int x = a.left; x <= a.right; x++)
            count += lit(f->at(x, y));
    }
    return count;
}

class HintArrowTest : public BoardDrawTest {
protected:
    // Puts the pointer on a move whose duration has passed, as a hint does.
    void pointAt(int x, int y, int dx, int dy, int durationMs = 500)
    {
        MoveEntry move{};
        move.x = x;
        move.y = y;
        move.dx = dx;
        move.dy = dy;
        board().setHintMarker(move, durationMs);
    }

    // The arrow alone on a black frame.
    int drawArrowOnly(int screenId)
    {
        clearFrame(0, 0, 0, 1);
        int drew = board().drawHintArrow(*g, screenId);
        gRenderBatch.flush();
        return drew;
    }
};

} // namespace

TEST_F(HintArrowTest, StandsBehindTheHintedFurballAndPointsAtIt)
{
    struct Case {
        int x, y, dx, dy;      // the hinted furball and its move
        float cellX, cellY;    // centre of the cell behind it, before the bob and the edge shift
        bool narrow;           // the smaller form of a throw from the edge column
    } cases[] = {
        {3, 4, 1, 0, 115.5f, 275.5f, false},
        {3, 4, -1, 0, 205.5f, 275.5f, false},
        {3, 4, 0, -1, 160.5f, 320.5f, false},
        {3, 4, 0, 1, 160.5f, 230.5f, false},
        {0, 2, 1, 0, -19.5f, 185.5f, true},     // pulled 23 px in, onto the screen
        {6, 2, -1, 0, 340.5f, 185.5f, true},
        {0, 5, 0, -1, 25.5f, 365.5f, false},    // column 0 but not across it: full size
        {6, 0, 0, 1, 295.5f, 50.5f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "furball " << c.x << "," << c.y << " move " << c.dx << "," << c.dy);
        pointAt(c.x, c.y, c.dx, c.dy);
        tick(501);
        ASSERT_EQ(1, drawArrowOnly(kPlayScreen));
        Bitmap* f = frame();
        LitArea a = litArea(f);
        ASSERT_FALSE(a.empty());

        float bob = float(1.5 * std::sin(gGameClock.current * 0.005 + 90.0) + 7.0);
        float along = c.narrow ? bob * 0.7f + 23.0f : bob;
        EXPECT_NEAR(c.cellX + c.dx * along, a.centreX(), 1.0f);
        EXPECT_NEAR(c.cellY + c.dy * along, a.centreY(), 1.0f);

        // The 16 x 8 picture, across the move; 0.7 by 0.95 of it from the edge.
        int length = c.dx != 0 ? a.width() : a.height();
        int across = c.dx != 0 ? a.height() : a.width();
        EXPECT_NEAR(c.narrow ? 11.2f : 16.0f, length, 1.5f);
        EXPECT_NEAR(c.narrow ? 7.6f : 8.0f, across, 1.5f);
        // The head is wider than the shaft and points along the move.
        EXPECT_GT(widthAcross(f, a, c.dx, c.dy, 0.65f), widthAcross(f, a, c.dx, c.dy, 0.25f) + 1);
        // Yellow at three quarters' opacity over black (filtering may soften the narrow form).
        EXPECT_GE(a.brightestRed, 150);
        EXPECT_LE(a.brightestRed, 197);
        delete f;
    }
}

TEST_F(HintArrowTest, WaitsForThePointersDurationAndNotOnTheIntroScreen)
{
    EXPECT_EQ(0, drawArrowOnly(kPlayScreen));   // no pointer
    pointAt(3, 4, 1, 0, 1500);
    tick(1500);
    EXPECT_EQ(0, drawArrowOnly(kPlayScreen));
    Bitmap* f = frame();
    EXPECT_TRUE(litArea(f).empty());
    delete f;
    tick(1);
    EXPECT_EQ(0, drawArrowOnly(kIntroScreen));
    f = frame();
    EXPECT_TRUE(litArea(f).empty());
    delete f;
    EXPECT_EQ(1, drawArrowOnly(kInstructionScreen));
    EXPECT_EQ(1, drawArrowOnly(kPlayScreen));
    // A move turns the pointer off, and the arrow goes with it.
    placeDiagram(board(), rowDiagram(4, "...1..2"));
    pointAt(3, 4, 1, 0, 0);
    tick(1);
    board().tryMove(CellPos{3, 4}, 1, 0, true, 0, 1.0f);
    EXPECT_EQ(0, drawArrowOnly(kPlayScreen));
}
