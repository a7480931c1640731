#include "graphics/MaxRectsPacker.h"

#include <algorithm>
#include <cstdlib>

namespace {
const int kWorst = 2147483647;
}

int commonIntervalLength(int a0, int a1, int b0, int b1)
{
    if (a1 < b0 || b1 < a0)
        return 0;
    return std::min(a1, b1) - std::max(a0, b0);
}

bool isContainedIn(const Rect& a, const Rect& b)
{
    return a.x >= b.x && a.y >= b.y && a.x + a.width <= b.x + b.width && a.y + a.height <= b.y + b.height;
}

MaxRectsPacker::MaxRectsPacker() = default;

MaxRectsPacker::MaxRectsPacker(int width, int height)
{
    init(width, height);
}

void MaxRectsPacker::init(int width, int height)
{
    allowRotation_ = 0;
    binWidth_ = width;
    binHeight_ = height;
    usedRectangles_.clear();
    freeRectangles_.clear();
    freeRectangles_.push_back(Rect{0, 0, width, height});
}

Rect MaxRectsPacker::insert(int width, int height, int method)
{
    int score1 = kWorst;
    int score2 = kWorst;
    Rect node = scoreRect(width, height, method, score1, score2);
    if (node.height == 0)
        return node;
    placeRect(node);
    return node;
}

void MaxRectsPacker::insertBatch(std::vector<RectSize>& sizes, std::vector<Rect>& out, int method)
{
    out.clear();
    while (!sizes.empty()) {
        int bestScore1 = kWorst;
        int bestScore2 = kWorst;
        int bestIndex = -1;
        Rect bestNode;
        for (size_t i = 0; i < sizes.size(); ++i) {
            int score1 = kWorst;
            int score2 = kWorst;
            Rect node = scoreRect(sizes[i].width, sizes[i].height, method, score1, score2);
            if (score1 < bestScore1 || (score1 == bestScore1 && score2 < bestScore2)) {
                bestScore1 = score1;
                bestScore2 = score2;
                bestNode = node;
                bestIndex = static_cast<int>(i);
            }
        }
        if (bestIndex == -1)
            return;
        placeRect(bestNode);
        sizes.erase(sizes.begin() + bestIndex);
    }
}

float MaxRectsPacker::occupancy() const
{
    if (binWidth_ <= 0 || binHeight_ <= 0)
        return 0.0f;
    long long used = 0;
    for (const Rect& r : usedRectangles_)
        used += static_cast<long long>(r.width) * r.height;
    return static_cast<float>(used) / (static_cast<float>(binWidth_) * binHeight_);
}

Rect MaxRectsPacker::scoreRect(int width, int height, int method, int& score1, int& score2) const
{
    score1 = kWorst;
    score2 = kWorst;
    Rect node;
    switch (method) {
    case BestShortSideFit: node = findBestShortSideFit(width, height, score1, score2); break;
    case BestLongSideFit: node = findBestLongSideFit(width, height, score2, score1); break;
    case BestAreaFit: node = findBestAreaFit(width, height, score1, score2); break;
    case BottomLeft: node = findBottomLeft(width, height, score1, score2); break;
    case ContactPoint:
        node = findContactPoint(width, height, score1);
        score1 = -score1;  // larger contact is better; smaller scores win everywhere else
        break;
    default: break;
    }
    if (node.height == 0) {
        score1 = kWorst;
        score2 = kWorst;
    }
    return node;
}

Rect MaxRectsPacker::findBestShortSideFit(int width, int height, int& bestShort, int& bestLong) const
{
    return findBySideLeftovers(width, height, false, bestShort, bestLong);
}

Rect MaxRectsPacker::findBestLongSideFit(int width, int height, int& bestShort, int& bestLong) const
{
    return findBySideLeftovers(width, height, true, bestShort, bestLong);
}

// Both side-fit rules score the two leftovers; they differ only in which one decides first.
Rect MaxRectsPacker::findBySideLeftovers(int width, int height, bool longFirst, int& bestShort, int& bestLong) const
{
    Rect best;
    bestShort = kWorst;
    bestLong = kWorst;
    for (const Rect& f : freeRectangles_) {
        if (f.width < width || f.height < height)
            continue;
        int leftoverX = std::abs(f.width - width);
        int leftoverY = std::abs(f.height - height);
        int shortSide = std::min(leftoverX, leftoverY);
        int longSide = std::max(leftoverX, leftoverY);
        int first = longFirst ? longSide : shortSide;
        int second = longFirst ? shortSide : longSide;
        int bestFirst = longFirst ? bestLong : bestShort;
        int bestSecond = longFirst ? bestShort : bestLong;
        if (first < bestFirst || (first == bestFirst && second < bestSecond)) {
            best = Rect{f.x, f.y, width, height};
            bestShort = shortSide;
            bestLong = longSide;
        }
    }
    return best;
}

Rect MaxRectsPacker::findBestAreaFit(int width, int height, int& bestArea, int& bestShort) const
{
    Rect best;
    bestArea = kWorst;
    bestShort = kWorst;
    for (const Rect& f : freeRectangles_) {
        if (f.width < width || f.height < height)
            continue;
        int area = f.width * f.height - width * height;
        int shortSide = std::min(std::abs(f.width - width), std::abs(f.height - height));
        if (area < bestArea || (area == bestArea && shortSide < bestShort)) {
            best = Rect{f.x, f.y, width, height};
            bestArea = area;
            bestShort = shortSide;
        }
    }
    return best;
}

Rect MaxRectsPacker::findBottomLeft(int width, int height, int& bestY, int& bestX) const
{
    Rect best;
    bestY = kWorst;
    bestX = kWorst;
    for (const Rect& f : freeRectangles_) {
        if (f.width < width || f.height < height)
            continue;
        int top = f.y + height;
        if (top < bestY || (top == bestY && f.x < bestX)) {
            best = Rect{f.x, f.y, width, height};
            bestY = top;
            bestX = f.x;
        }
    }
    return best;
}

Rect MaxRectsPacker::findContactPoint(int width, int height, int& bestScore) const
{
    Rect best;
    bestScore = -1;
    for (const Rect& f : freeRectangles_) {
        if (f.width < width || f.height < height)
            continue;
        int score = contactPointScore(f.x, f.y, width, height);
        if (score > bestScore) {
            best = Rect{f.x, f.y, width, height};
            bestScore = score;
        }
    }
    return best;
}

int MaxRectsPacker::contactPointScore(int x, int y, int width, int height) const
{
    int score = 0;
    if (x == 0 || x + width == binWidth_)
        score += height;
    if (y == 0 || y + height == binHeight_)
        score += width;
    for (const Rect& u : usedRectangles_) {
        if (u.x == x + width || u.x + u.width == x)
            score += commonIntervalLength(u.y, u.y + u.height, y, y + height);
        if (u.y == y + height || u.y + u.height == y)
            score += commonIntervalLength(u.x, u.x + u.width, x, x + width);
    }
    return score;
}

// Takes the free rectangle by value: appending pieces may move the list it came from.
bool MaxRectsPacker::splitFreeNode(Rect f, const Rect& u)
{
    if (u.x >= f.x + f.width || u.x + u.width <= f.x || u.y >= f.y + f.height || u.y + u.height <= f.y)
        return false;
    if (u.y > f.y)
        freeRectangles_.push_back(Rect{f.x, f.y, f.width, u.y - f.y});
    if (u.y + u.height < f.y + f.height)
        freeRectangles_.push_back(Rect{f.x, u.y + u.height, f.width, f.y + f.height - (u.y + u.height)});
    if (u.x > f.x)
        freeRectangles_.push_back(Rect{f.x, f.y, u.x - f.x, f.height});
    if (u.x + u.width < f.x + f.width)
        freeRectangles_.push_back(Rect{u.x + u.width, f.y, f.x + f.width - (u.x + u.width), f.height});
    return true;
}

void MaxRectsPacker::pruneFreeList()
{
    for (size_t i = 0; i < freeRectangles_.size(); ++i) {
        for (size_t j = i + 1; j < freeRectangles_.size(); ++j) {
            if (isContainedIn(freeRectangles_[i], freeRectangles_[j])) {
                freeRectangles_.erase(freeRectangles_.begin() + i);
                --i;
                break;
            }
            if (isContainedIn(freeRectangles_[j], freeRectangles_[i])) {
                freeRectangles_.erase(freeRectangles_.begin() + j);
                --j;
            }
        }
    }
}

void MaxRectsPacker::placeRect(const Rect& node)
{
    size_t count = freeRectangles_.size();
    for (size_t i = 0; i < count; ++i) {
        if (splitFreeNode(freeRectangles_[i], node)) {
            freeRectangles_.erase(freeRectangles_.begin() + i);
            --i;
            --count;
        }
    }
    pruneFreeList();
    usedRectangles_.push_back(node);
}
