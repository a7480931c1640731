#include "ui/TiledMenu.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "Core/Log.h"
#include "graphics/Bitmap.h"
#include "graphics/GlState.h"
#include "graphics/Texture.h"
#include "ui/CombinedMenuFrame.h"
#include "ui/ImageElement.h"
#include "ui/SharedMenuTextures.h"

namespace {

const int kReservedChildren = 64;
const int kReservedCells = 16;
const int kScreenWidth = 320;
const int kScreenHeight = 480;

// A counter difference below this means the counter wrapped between the two readings.
const int kWrapThreshold = -10000000;

// The frame: 218 px wide plus the width parameter, its height the contents' plus this; a row wider than
// kWideRowStart raises the width parameter.
const int kFrameExtraHeight = 32;
const int kWideRowStart = 289;
const int kFrameBaseWidth = 218;
const int kFrameCentreWidth = 58;
const int kFrameScreenHeight = 485;
const int kFrameTopNudge = 9;
const int kFrameOuterExtra = 52;
const int kFrameViewReserve = 16;

// The shadow that dims the screen: its small texture blown up over the whole screen from just off its corner.
const float kShadowOrigin = -5.0f;
const float kShadowScale = 9.0f;
const float kShadowGrowth = 1.3f;

}  // namespace

int elapsedOnWrappingCounter(int now, int since)
{
    int64_t elapsed = (int64_t)now - (int64_t)since;
    if (elapsed < kWrapThreshold)
        elapsed += 2147483647;
    return (int)elapsed;
}

TiledMenu::TiledMenu(int page1Width, int page1Height, int page2Width, int page2Height)
    : createdAtMs(gGameClock.current), atlas(page1Width, page1Height, false, page2Width, page2Height, -1, -1)
{
    for (int row = 0; row < kRowCount; row++)
        rows[row].reserve(kReservedCells);
    inner.touchMode = TouchTap;
    inner.viewWidth = kScreenWidth;
    inner.viewHeight = kScreenHeight;
    inner.originX = -1.0f;
    inner.originY = -1.0f;
    inner.children.reserve(kReservedChildren);
}

bool TiledMenu::rowAccepted(int row) const
{
    if (row >= 0 && row < kRowCount)
        return true;
    logPrintf("ERR", "menu row %d refused: rows are 0..%d", row, kRowCount - 1);
    return false;
}

TiledMenuCell* TiledMenu::addCell(int row, const TiledMenuCell& cell)
{
    if (!rowAccepted(row))
        return nullptr;
    if (row >= usedRows)
        usedRows = row + 1;
    rows[row].append(cell);
    if (cell.child >= 0 && cell.child < inner.children.size()) {
        const int tag = inner.children[cell.child].tag;
        if (tag != -1)
            tagCells_[tag] = CellPlace{row, rows[row].size() - 1};
    }
    return &rows[row][rows[row].size() - 1];
}

TiledMenuCell* TiledMenu::addVerticalSpace(int row, int height, int unused)
{
    (void)unused;
    TiledMenuCell cell;
    cell.height = height;
    return addCell(row, cell);
}

TiledMenuCell* TiledMenu::addHorizontalSpace(int row, int width)
{
    TiledMenuCell cell;
    cell.width = width;
    return addCell(row, cell);
}

ViewChild* TiledMenu::addElement(int tag, int row, bool floating)
{
    if (!rowAccepted(row))
        return nullptr;
    inner.addChild().tag = tag;
    TiledMenuCell cell;
    cell.child = inner.children.size() - 1;
    cell.floating = floating ? 1 : 0;
    addCell(row, cell);
    return &inner.children[cell.child];
}

ViewChild* TiledMenu::addControlRow(int tag, ViewElementI* control, int row, const char* unused)
{
    (void)unused;
    ViewChild* child = addElement(tag, row, false);
    if (!child) {
        delete control;
        return nullptr;
    }
    child->element.reset(control);
    child->tappable = 1;
    return child;
}

ViewChild* TiledMenu::addImageElement(int tag, const char* imageName, int row, bool floating)
{
    ViewChild* child = addElement(tag, row, floating);
    if (!child)
        return nullptr;
    ImageElement* image = new ImageElement(new Bitmap(imageName, 1.0f, false), ImageElement::ModePremultiplied);
    image->drawFlag = 1;
    child->element.reset(image);
    return child;
}

TiledMenuCell* TiledMenu::findCell(int tag)
{
    auto found = tagCells_.find(tag);
    if (found == tagCells_.end())
        return nullptr;
    return &rows[found->second.row][found->second.index];
}

ViewChild* TiledMenu::cellChild(const TiledMenuCell* cell)
{
    if (!cell || cell->child < 0 || cell->child >= inner.children.size())
        return nullptr;
    return &inner.children[cell->child];
}

int TiledMenu::cellWidth(const TiledMenuCell& cell)
{
    ViewChild* child = cellChild(&cell);
    return child && child->element ? child->element->width() : cell.width;
}

int TiledMenu::cellHeight(const TiledMenuCell& cell)
{
    ViewChild* child = cellChild(&cell);
    return child && child->element ? child->element->height() : cell.height;
}

void TiledMenu::layout(int x, int y)
{
    int widest = -1;
    int totalHeight = 0;
    int rowHeights[kRowCount];
    for (int row = 0; row < usedRows; row++) {
        int width = 0;
        int height = -1;
        for (int i = 0; i < rows[row].size(); i++) {
            const TiledMenuCell& cell = rows[row][i];
            if (cell.floating)
                continue;
            width += cellWidth(cell);
            const int h = cellHeight(cell);
            if (h != -1)
                height = std::max(height, h);
        }
        widest = std::max(widest, width);
        rowHeights[row] = height;
        totalHeight += height;
    }
    inner.viewWidth = widest + 2 * kSideMargin;
    inner.viewHeight = totalHeight;
    inner.originX = x == -1 ? 0.0f : (float)x;
    inner.originY = y == -1 ? 0.0f : (float)y;

    int rowY = kTopMargin;
    for (int row = 0; row < usedRows; row++) {
        int runningX = 0;
        for (int i = 0; i < rows[row].size(); i++) {
            const TiledMenuCell& cell = rows[row][i];
            if (ViewChild* child = cellChild(&cell)) {
                child->x = runningX + kSideMargin;
                child->y = rowY;
            }
            if (!cell.floating)
                runningX += cellWidth(cell);
        }
        rowY += rowHeights[row];
    }
}

MyView* TiledMenu::buildFrame(SpriteSheet* sheet, int height, int widthExtra, ViewChild** outRecord, int* outX,
                              int* outY, int centreShift)
{
    *outX = (kFrameCentreWidth - widthExtra) / 2;
    *outY = centreShift + (kFrameScreenHeight - height) / 2 + kFrameTopNudge;
    MyView* view = new MyView();
    view->children.reserve(kFrameViewReserve);
    view->viewWidth = kScreenWidth;
    view->viewHeight = kScreenHeight;
    ViewChild& record = view->addChild();
    record.element.reset(new CombinedMenuFrame(sheet, widthExtra + kFrameBaseWidth, height - kFrameOuterExtra,
                                               *outX + 1, *outY));
    record.x = *outX + 1;
    record.y = *outY;
    *outRecord = &record;
    return view;
}

void TiledMenu::build(int centreShift, bool positionNow, int widthExtra)
{
    const int frameRecord = inner.children.size();
    inner.addChild();
    addContents();
    layout(-1, -1);

    int p = widthExtra;
    if (inner.viewWidth - kWideRowStart > widthExtra)
        p = inner.viewWidth - kWideRowStart - 1;
    MyView* frame = buildFrame(&atlas, inner.viewHeight + kFrameExtraHeight, p, &frameChild, &contentOffsetX,
                               &contentOffsetY, centreShift);
    inner.children[frameRecord].element.reset(frame);

    for (int i = 0; i < inner.children.size(); i++) {
        if (i == frameRecord)
            continue;
        inner.children[i].x += contentOffsetX;
        inner.children[i].y += contentOffsetY;
    }
    inner.viewWidth = kScreenWidth;
    inner.viewHeight = kScreenHeight;
    inner.modal = 1;

    if (positionNow) {
        inner.setPosition(0, 0, 0.0f, 0.0f);
        atlas.uploadPages();
    }
}

int TiledMenu::elapsedSinceCreated() const
{
    return elapsedOnWrappingCounter(gGameClock.current, createdAtMs);
}

int TiledMenu::render()
{
    if (startDelayMs != 0 && elapsedSinceCreated() <= startDelayMs)
        return 0;
    if (gMenuShadowTexture) {
        DrawParams shadow;
        shadow.blendMode = BlendPremultiplied;
        shadow.scaleX = kShadowScale;
        shadow.scaleY = kShadowScale;
        shadow.alpha = std::min(kShadowGrowth * inner.scaleX, 1.0f) * inner.alpha;
        drawTexture(gMenuShadowTexture.get(), kShadowOrigin, kShadowOrigin, shadow);
    }
    inner.renderChildren();
    return 0;
}

int TiledMenu::hitTest(int x, int y)
{
    (void)x, (void)y;
    return -1;
}

int TiledMenu::handleTouch(int phase, int x, int y)
{
    bool consumed = false;
    return inner.handleTouch(phase, x, y, &consumed);
}
