#include "board/MovingFurball.h"

#include <algorithm>
#include <cmath>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/BoardViewServices.h"

namespace {

const int kWindUpMs = 140;

void addStill(MotionPath& path, float ms, bool event = false)
{
    MotionSegment segment;
    segment.duration = ms;
    segment.hasEvent = event;
    path.segments.append(segment);
}

void addRun(MotionPath& path, float distance, float speed, float acceleration, bool relative = false)
{
    MotionSegment segment;
    segment.byDistance = true;
    segment.distance = distance;
    segment.speed = speed;
    segment.acceleration = acceleration;
    segment.relativeSpeed = relative;
    path.segments.append(segment);
}

// A run of `distance` cells that accelerates over its first `accelerated`
// cells and then keeps the speed it reached.
void addRoll(MotionPath& path, float distance, float accelerated, float startSpeed, float acceleration)
{
    addRun(path, std::min(distance, accelerated), startSpeed, acceleration);
    if (distance > accelerated)
        addRun(path, distance - accelerated, 0.0f, 0.0f, true);
}

// The wind-up squeeze depth by the length of the throw.
float windUpDepth(int travelCells)
{
    static const float kDepth[] = {0.035f, 0.055f, 0.075f, 0.095f};
    return kDepth[std::min(std::max(travelCells, 0), 3)];
}

} // namespace

MovingFurball::MovingFurball(Board& board, const BoardCell& furball, int moveDx, int moveDy, CellPos moveOrigin,
                             CellPos from, CellPos to, bool isGhost, int delay, float moveSpeed, bool isFast)
{
    drawFace();
    cell = furball;
    source = from;
    ghost = isGhost;
    dx = moveDx;
    dy = moveDy;
    target = to;
    speed = moveSpeed;
    fast = isFast;
    origin = moveOrigin;
    delayMs = delay;
    noImpact = from == moveOrigin;
    board.markInFlight(from);
    if (isPlayableCell(to.x, to.y))
        board.markInFlight(to);

    CellPos stop = to;
    if (leavesBoard()) {
        // The first cell beyond the edge in the direction of the move.
        stop = from;
        while (isPlayableCell(stop.x, stop.y)) {
            stop.x += dx;
            stop.y += dy;
            if (dx == 0 && dy == 0)
                break;
        }
    }
    travelCells = leavesBoard() ? 8 : std::abs(stop.x - from.x) + std::abs(stop.y - from.y);
    float overshoot = fast ? kFastOvershoot : kOvershoot;
    float distance = std::abs(stop.x - from.x) + std::abs(stop.y - from.y) + overshoot;

    if (delay != 0)
        addStill(path, static_cast<float>(delay));
    if (!noImpact) {
        addRoll(path, distance, 1.0f, 0.0047f * speed, 0.00004f * speed);
    } else {
        path.active = true;
        path.startTime = gGameClock.now();
        if (!ghost)
            completeRecordsAiming(board, source, nullptr);
        addStill(path, kWindUpMs);
        addRoll(path, distance, 2.0f, 0.003f * speed, 0.00004f * speed);
    }
    if (fast) {
        addStill(path, 50, true);
        addStill(path, 25);
        addStill(path, 125);
        addRun(path, -overshoot, 0.0f, -0.0000042f);
    }
    if (!leavesBoard()) {
        addStill(path, 50, true);
        addStill(path, 25);
        addRun(path, -overshoot, -0.003f, -0.00002f);
        addStill(path, 720);
    }
}

bool sourceStillOccupied(const Board& board, const MovingFurball& record)
{
    for (const MovingFurball& other : board.movingFurballs)
        if (&other != &record && other.path.active && !other.path.finished && other.target == record.source)
            return true;
    return false;
}

void completeRecordsAiming(Board& board, CellPos cell, const MovingFurball* except)
{
    for (MovingFurball& other : board.movingFurballs)
        if (&other != except && !other.path.finished && other.target == cell)
            other.path.completeAll = true;
}

void MovingFurball::arrived(Board& board)
{
    if (arrivalCounted)
        return;
    arrivalCounted = 1;
    CellPos cells[2] = {source, target};
    for (int i = 0; i < (leavesBoard() ? 1 : 2); i++) {
        if (!isPlayableCell(cells[i].x, cells[i].y))
            continue;
        // The cell is packed: its count is changed in place, never through a reference to it.
        BoardCell& c = board.cellAt(cells[i].x, cells[i].y);
        if (c.inFlight > 0)
            c.inFlight = static_cast<uint16_t>(c.inFlight - 1);
    }
}

int rollingQuarterTurns(int dx, int dy, int face, int theme)
{
    int turns = dx == 1 ? 3 : dx == -1 ? 1 : dy == -1 ? 2 : 0;
    // The first theme shows each face as the same picture turned; a rolling
    // furball takes its face's turn back off the direction's.
    if (theme == 0)
        turns = ((turns - face % 4) % 4 + 4) % 4;
    return turns;
}

bool MovingFurball::step(Board& board, bool* hit, FurballPose* pose)
{
    *hit = false;
    pose->visible = false;
    if (path.finished && arrivalCounted)
        return false;
    if (!path.active && sourceStillOccupied(board, *this))
        return true;

    float p = path.update(hit, 1.0f);
    pose->visible = true;
    pose->column = source.x + dx * p;
    pose->row = source.y + dy * p;
    pose->angle = static_cast<int>(p * 170.0f) * (dx + dy < 0 ? -1 : 1);
    pose->quarterTurns = rollingQuarterTurns(dx, dy, cell.face, boardTheme());
    pose->alpha = ghost ? 0.5f : 1.0f;
    pose->pulse = 1.0f;
    int windUpSegment = delayMs != 0 ? 1 : 0;
    if (noImpact && !ghost && boardEffectsOn() && path.active && !path.finished &&
        path.currentSegment == windUpSegment && p == 0.0f) {
        float u = path.timeInSegment / kWindUpMs;
        pose->pulse = 1.0f - windUpDepth(travelCells) * std::sin(static_cast<float>(M_PI) * u);
    }
    if (path.finished) {
        arrived(board);
        return false;
    }
    return true;
}

bool advanceFlights(Board& board, Array<FlightFrame>& drawn, Array<FlightImpact>& impacts)
{
    drawn.clear();
    impacts.clear();
    bool moving = false;
    Array<MovingFurball>& records = board.movingFurballs;
    for (int i = 0; i < records.size(); i++) {
        bool hit = false;
        FlightFrame frame;
        if (records[i].step(board, &hit, &frame.pose))
            moving = true;
        if (frame.pose.visible) {
            frame.cell = records[i].cell;
            drawn.append(frame);
        }
        if (!hit || i + 1 >= records.size())
            continue;
        MovingFurball& next = records[i + 1];
        if (!next.path.active) {
            next.path.active = true;
            next.path.startTime = gGameClock.now();
        }
        if (next.noImpact)
            continue;
        completeRecordsAiming(board, next.source, &next);
        FlightImpact impact;
        impact.colour = next.cell.colour;
        impact.strikerColour = records[i].cell.colour;
        impact.source = next.source;
        impact.target = next.target;
        impact.dx = next.dx;
        impact.dy = next.dy;
        impact.fast = next.fast;
        impacts.append(impact);
    }
    if (!moving)
        records.clear();
    return moving;
}
