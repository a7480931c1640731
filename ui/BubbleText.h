#ifndef KELZO_UI_BUBBLETEXT_H
#define KELZO_UI_BUBBLETEXT_H

#include "graphics/TextRender.h"
#include "ui/ViewElementI.h"

class Bitmap;
class Texture;

// The inked part of a rendered text: columns left..right and rows top..bottom that hold a pixel of non-zero
// alpha (all -1 for a blank text).
struct InkRect {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool empty() const { return left < 0; }
};
InkRect findInk(const Bitmap& picture);

// Types a text out row by row: a cursor runs along each row of ink at 1 px per 3.1 x speed ms and a margin
// beyond its right edge (45 px, 165 on the last row typed) before it drops a row of 19 px. Once the next row
// would start at or below the ink's bottom minus 27 px, the text is complete.
struct TypingCursor {
    static const int kRowHeight = 19;

    TypingCursor(const InkRect& ink, float speed);
    void advance(int elapsedMs);

    InkRect ink;
    float speed;
    int rowTop;
    float x;
    bool done;

private:
    bool lastRow() const { return rowTop + kRowHeight >= ink.bottom - 27; }
};

// A bubble's text, rendered once; typed out when revealSpeed is positive. Its size is its texture's.
class BubbleText : public ViewElementI {
public:
    BubbleText(const char* text, int fontSize, int wrapWidth, float revealSpeed);
    ~BubbleText() override;
    BubbleText(const BubbleText&) = delete;
    BubbleText& operator=(const BubbleText&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override;
    int height() override;

    bool typingDone() const { return cursor.done; }
    void finishTyping() { cursor.done = true; }

    Texture* texture = nullptr;  // owned, pixels kept
    InkRect ink;
    int fontSize = 0;
    TypingCursor cursor;
    int lastStepTime = 0;
    bool started = false;        // the first draw has set the clock of the typing

    // Light letters for the dark bubble, centred lines.
    static TextStyle style();
};

#endif
