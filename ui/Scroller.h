#ifndef KELZO_UI_SCROLLER_H
#define KELZO_UI_SCROLLER_H

#include "ui/ScrollSamples.h"

#include <cstdint>

// A horizontal pager: drags move the content page by page (positions are in pages), a quick
// release flicks it on, and it settles on a whole page. Pulling past the first or last page
// moves only half as far (a rubber band). With the experiment "ttd" at 1 or more, a tap near
// either side of the screen turns one page instead of reaching the owner. It draws nothing:
// the owner feeds touches in, calls step() once per frame and draws at `position`.
//
//     Scroller pager; pager.pageWidth = 200; pager.maxPage = 3; ...
//     if (phase == 0) pager.beginDrag(x, y); ... pager.endDrag(x, y, &tapped);
//     pager.step(); drawPages(pager.position);
//
// Main thread only.
class Scroller {
public:
    // A drag counts only when it starts inside the band; false otherwise.
    bool beginDrag(int x, int y);
    // False when no drag runs.
    bool drag(int x, int y);
    // False when no drag runs. *tapped (may be null) tells whether the owner should take the
    // touch as a tap.
    bool endDrag(int x, int y, bool* tapped);
    void step();
    bool isMoving() const;
    bool isDragging() const { return dragStartX != -1; }

    void setClock(ScrollClock clock) { now_ = clock; }

    int page = 0;              // the page nearest the settled position
    float pagePos = 0.0f;      // where the pager heads for
    float position = 0.0f;     // what is shown, in pages
    int dragStartX = -1;       // -1: no drag
    float dragStartPosition = 0.0f;
    int32_t dragStartTime = 0;
    int maxDragDistance = 0;
    float velocity = 0.0f;     // pages per frame
    float velocityAtPress = 0.0f;
    float friction = 0.85f;    // velocity factor per frame
    float flickFactor = 1.0f;
    int minPage = 0;
    int maxPage = 0;
    int bandTop = 0;           // drags count for y in [bandTop, bandBottom)
    int bandBottom = 480;
    int pageWidth = 320;       // pixels per page

private:
    bool inBand(int y) const { return y >= bandTop && y < bandBottom; }
    float followFinger(int x) const;
    void flickFrom(int x, int32_t elapsed);
    // True when the tap turned a page (the release then ends without settling).
    bool takeTap(int x, bool* tapped);
    void ease();

    ScrollSamples samples_;
    ScrollClock now_ = gameClockNow;
};

#endif
