#include "board/NumberDisplay.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "Core/String.h"
#include "board/GameGraphics.h"
#include "board/ScoreBoard.h"
#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextRender.h"
#include "ui/EngravedText.h"
#include "ui/MenuTextStyle.h"

namespace {

const int kHudLabelFontSize = 15;
const int kHudLabelY = 6;
const int kHudLabelHeight = 18;
const int kHudRowWidth = 320;

// Score board texts are short labels: wrapped at half the board's first page, as its labels are.
const int kScoreBoardTextWidth = 128;
const int kScoreBoardTextFontSize = 15;

const float kDigitScale = 0.38636363f;   // a 44-pixel digit drawn 17 pixels wide
const float kDigitAdvance = 12.0f;
const float kDigitHeight = 50.0f;

} // namespace

int numberDigits(int value, int divisor, int digits[10])
{
    unsigned shown = value < 0 ? 0u : static_cast<unsigned>(value);
    int count = 0;
    for (int d = divisor; d > 1 && count < 10;) {
        d /= 10;
        if (d == 0)
            break;
        digits[count++] = static_cast<int>(shown / static_cast<unsigned>(d) % 10u);
    }
    return count;
}

float levelNumberShift(int value)
{
    if (value == 11)
        return 1.0f;
    if (value >= 10 && value <= 19)
        return 1.5f;
    if (value >= 20)
        return 0.5f;
    return 0.0f;
}

int timeCircleFrame(int frame, bool blink, int now)
{
    if (frame == 99)
        return -1;
    if (frame > 25 && blink && (now / 400) % 2 == 0)
        frame = 63 - frame;
    return frame >= 0 && frame <= 37 ? frame : -1;
}

int clockGaugeFrame(float fraction)
{
    if (!(fraction > 0.0f))
        return 0;
    if (fraction >= 1.0f)
        return 31;
    int frame = static_cast<int>(fraction * 32.0f);
    return frame > 31 ? 31 : frame;
}

void drawNumberDigits(int value, int divisor, float x, float y, float alpha, float scale)
{
    if (!gGameGraphics)
        return;
    int digits[10];
    int count = numberDigits(value, divisor, digits);
    DrawParams params;
    params.alpha = alpha;
    params.scaleX = kDigitScale * scale;
    x += (1.0f - scale) * kDigitAdvance * count / 2.0f;
    y += (1.0f - scale) * kDigitHeight * kDigitScale / 2.0f;
    for (int i = 0; i < count; i++) {
        gGameGraphics->common[kEntryDigits].drawFrame(digits[i], x, y, params);
        x += kDigitAdvance * scale;
    }
}

namespace {

int numberBoxIndex(int divisor, bool levelStyle)
{
    return levelStyle ? kBoxLevel : (divisor == 100 ? kBoxTwoDigit : kBoxTimer);
}

float numberBoxShift(int divisor) { return divisor == 100000 ? 0.0f : -2.0f; }

} // namespace

void drawNumberBox(int divisor, float x, float y, bool levelStyle)
{
    if (!gGameGraphics)
        return;
    Bitmap* box = gGameGraphics->boxBitmaps[numberBoxIndex(divisor, levelStyle)];
    gScoreBoard.compose(box, static_cast<int>(x + numberBoxShift(divisor)), static_cast<int>(y - 4), 1.0f, true);
}

float numberBoxCentre(int divisor, float x, bool levelStyle)
{
    // The widths of the pictures the art tool draws, for when they are not loaded.
    const int index = numberBoxIndex(divisor, levelStyle);
    const Bitmap* box = gGameGraphics ? gGameGraphics->boxBitmaps[index] : nullptr;
    const int width = box ? box->width : (index == kBoxLevel ? 36 : (index == kBoxTwoDigit ? 33 : 80));
    return x + numberBoxShift(divisor) + width / 2.0f;
}

void NumberDisplay::init(int newValue, int newDivisor, bool newLevelStyle, float newX, float newY, float newAlpha)
{
    value = newValue;
    divisor = newDivisor;
    levelStyle = newLevelStyle;
    x = newX;
    y = newY;
    alpha = newAlpha;
    drawNumberBox(divisor, x, y, levelStyle);
}

void NumberDisplay::draw()
{
    if (levelStyle)
        x -= levelNumberShift(value);
    drawNumberDigits(value, divisor, x, y + gScoreBoard.verticalOffset, alpha, scale);
}

void drawTimeCircle(int frame, int x, int y, float alpha, bool blink, bool useBoardOffset)
{
    if (!gGameGraphics)
        return;
    gScoreBoard.compose(gGameGraphics->boxBitmaps[kBoxTimeCircle], x, y + 1, alpha, useBoardOffset);
    int shown = timeCircleFrame(frame, blink, gGameClock.now());
    if (shown < 0)
        return;
    DrawParams params;
    params.alpha = alpha;
    float top = static_cast<float>(y + 1 + (useBoardOffset ? gScoreBoard.verticalOffset : 0));
    gGameGraphics->common[kEntryTimeCircle].drawFrame(shown, static_cast<float>(x), top, params);
}

void drawTextIntoScoreBoard(const String& text, float x, float y)
{
    // The piece still counts in a cached frame, so the pieces after it keep their cached regions.
    Bitmap* piece = nullptr;
    if (gScoreBoard.rebuilding())
        piece = renderWrappedTextBitmap(text.c_str(), kScoreBoardTextWidth, -1, kScoreBoardTextFontSize,
                                        defaultTextStyle());
    gScoreBoard.compose(piece, static_cast<int>(x), static_cast<int>(y), 1.0f);
    delete piece;
}

int hudLabelFontSize(const char* text, int width, int fontSize)
{
    const int kSmallest = 9;
    TextStyle oneLine = defaultTextStyle();
    oneLine.wrapMode = 2;
    for (int size = fontSize; size > kSmallest; size--) {
        TextSize measured{0, 0};
        measureWrappedText(&measured, text, size, oneLine, -1, -1);
        if (measured.width <= width)
            return size;
    }
    return kSmallest;
}

void layOutHudLabels(HudLabel* labels, int count, int rowLeft, int rowRight)
{
    const int kGap = 3;   // kept free on each side of a label's share
    TextStyle oneLine = defaultTextStyle();
    oneLine.wrapMode = 2;
    for (int i = 0; i < count; i++) {
        HudLabel& label = labels[i];
        const float left = i == 0 ? float(rowLeft) : (labels[i - 1].centre + label.centre) / 2.0f;
        const float right = i == count - 1 ? float(rowRight) : (label.centre + labels[i + 1].centre) / 2.0f;
        const int from = int(left) + kGap, to = int(right) - kGap;
        label.fontSize = hudLabelFontSize(label.text.c_str(), to - from, kHudLabelFontSize);
        TextSize measured{0, 0};
        measureWrappedText(&measured, label.text.c_str(), label.fontSize, oneLine, -1, -1);
        label.width = std::min(measured.width, to - from);
        label.x = std::clamp(int(label.centre - label.width / 2.0f + 0.5f), from, to - label.width);
    }
}

namespace {

// The row last laid out: a heads-up display draws the same labels every frame, and laying them out measures
// their texts, so a row seen before takes its layout from here.
struct LaidOutRow {
    static const int kMaxLabels = 4;
    HudLabel labels[kMaxLabels];
    int count = 0;
    int rowLeft = 0;

    bool holds(const HudLabel* row, int n, int left) const
    {
        if (n != count || left != rowLeft)
            return false;
        for (int i = 0; i < n; i++)
            if (row[i].centre != labels[i].centre || row[i].text != labels[i].text)
                return false;
        return true;
    }
};
LaidOutRow lastHudRow;

}  // namespace

void drawHudLabels(HudLabel* labels, int count, int rowLeft)
{
    if (lastHudRow.holds(labels, count, rowLeft)) {
        std::copy(lastHudRow.labels, lastHudRow.labels + count, labels);
    } else {
        layOutHudLabels(labels, count, rowLeft, kHudRowWidth);
        if (count <= LaidOutRow::kMaxLabels) {
            std::copy(labels, labels + count, lastHudRow.labels);
            lastHudRow.count = count;
            lastHudRow.rowLeft = rowLeft;
        }
    }
    for (int i = 0; i < count; i++) {
        // One pixel more for the engraving's light copy.
        drawHudLabel(labels[i].text, labels[i].width + 1, labels[i].x, kHudLabelY, kHudLabelHeight, labels[i].fontSize);
    }
}

void drawHudLabel(const String& text, int width, int x, int y, int height, int fontSize)
{
    Bitmap* piece = nullptr;
    if (gScoreBoard.rebuilding())
        piece = renderWrappedTextBitmap(text.c_str(), width, height, hudLabelFontSize(text.c_str(), width, fontSize),
                                        defaultTextStyle());
    gScoreBoard.compose(piece, x, y, 1.0f);
    delete piece;
}

void drawFreePlayPicture(float x, float y)
{
    // Its place in the piece order is kept, so a piece composed after it finds its cached region.
    gScoreBoard.compose(nullptr, static_cast<int>(x), static_cast<int>(y), 1.0f);
    if (!gGameGraphics)
        return;
    gGameGraphics->common[kEntryFreePlayPicture].drawFrame(0, x, y + gScoreBoard.verticalOffset, DrawParams());
}

void drawPictureIntoScoreBoard(const char* fileName, float x, float y)
{
    Bitmap* piece = gScoreBoard.rebuilding() ? loadStretchedBitmap(fileName, 0, 0) : nullptr;
    gScoreBoard.compose(piece, static_cast<int>(x), static_cast<int>(y), 1.0f);
    delete piece;
}
