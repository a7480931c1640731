#pragma once
#include <vector>

// Placement result and free-space record of the packer. A result with height 0 means "did not fit".
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct RectSize {
    int width = 0;
    int height = 0;
};

// Keeps the maximal free rectangles of one texture page and places new rectangles into it.
// Placement methods: 0 best short side fit, 1 best long side fit, 2 best area fit,
// 3 bottom-left, 4 contact point. Rectangles are never rotated.
class MaxRectsPacker {
public:
    enum Method {
        BestShortSideFit = 0,
        BestLongSideFit = 1,
        BestAreaFit = 2,
        BottomLeft = 3,
        ContactPoint = 4,
    };

    MaxRectsPacker();
    MaxRectsPacker(int width, int height);

    void init(int width, int height);
    Rect insert(int width, int height, int method);
    // Places as many of sizes as fit, best-scoring first; what does not fit stays in sizes.
    // out is emptied and stays empty (callers read the used list).
    void insertBatch(std::vector<RectSize>& sizes, std::vector<Rect>& out, int method);
    float occupancy() const;

    int binWidth() const { return binWidth_; }
    int binHeight() const { return binHeight_; }
    const std::vector<Rect>& usedRectangles() const { return usedRectangles_; }
    const std::vector<Rect>& freeRectangles() const { return freeRectangles_; }

private:
    Rect scoreRect(int width, int height, int method, int& score1, int& score2) const;
    Rect findBestShortSideFit(int width, int height, int& bestShort, int& bestLong) const;
    Rect findBestLongSideFit(int width, int height, int& bestShort, int& bestLong) const;
    Rect findBySideLeftovers(int width, int height, bool longFirst, int& bestShort, int& bestLong) const;
    Rect findBestAreaFit(int width, int height, int& bestArea, int& bestShort) const;
    Rect findBottomLeft(int width, int height, int& bestY, int& bestX) const;
    Rect findContactPoint(int width, int height, int& bestScore) const;
    int contactPointScore(int x, int y, int width, int height) const;
    bool splitFreeNode(Rect freeNode, const Rect& used);
    void pruneFreeList();
    void placeRect(const Rect& node);

    int allowRotation_ = 0;
    int binWidth_ = 0;
    int binHeight_ = 0;
    std::vector<Rect> usedRectangles_;
    std::vector<Rect> freeRectangles_;
};

int commonIntervalLength(int a0, int a1, int b0, int b1);
bool isContainedIn(const Rect& a, const Rect& b);
