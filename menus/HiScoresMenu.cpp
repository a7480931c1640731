#include "menus/HiScoresMenu.h"

#include <algorithm>
#include <string>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "game/PlatformState.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextRender.h"
#include "menus/BubbleDrop.h"
#include "menus/SmallModeOption.h"
#include "menus/widgets/CustomMultiSelect.h"
#include "scores/HiScoreTable.h"
#include "settings/Settings.h"
#include "ui/ImageElementExt.h"
#include "ui/IndexElementExt.h"
#include "ui/MenuBubble.h"
#include "ui/MenuTextStyle.h"
#include "ui/SharedMenuTextures.h"
#include "ui/TextEntryField.h"
#include "ui/WoodOverlay.h"

bool gChallengeScoresTipShown = false;
bool gFreePlayScoresTipShown = false;

namespace {

const int kListLeft = 41;
const int kRowsBelowFrameTop = 20;
const int kTitleWidth = 128;
const int kTitleHeight = 20;
const int kTitleWoodRow = 65;
const float kPressedArrowScale = 1.5f;
// The list frame is stretched from its 28 px picture to 262 px: twenty px above the rows, the twelve local rows
// with their descenders, or ten online rows, the arrow below them and the 46 px period bar. The shadow's stretch
// makes the frame's row just as tall (with the 12 px below it), so the source control comes below the frame.
const int kFrameHeightStretch = 234;
const int kFrameWidthStretch = 257;
const int kShadowHeightStretch = -15;
const int kShadowWidthStretch = 127;

struct SmallTile {
    int captionId;
    const char* picture;
    int centreX;
};
const SmallTile kTiles[3] = {{2, "Easy_small.png", 72}, {3, "Medium_small.png", 130}, {4, "Hard_small.png", 188}};

void drawTextureAt(Texture* texture, float x, float y, DrawParams p)
{
    if (texture && texture->width > 0)
        drawTexture(texture, x, y, p);
}

}  // namespace

void engraveIntoWood(Bitmap* text, const Bitmap* wood, int left, int top)
{
    applyWoodOverlay(text, left, top, wood);
}

HiScoresMenu::HiScoresMenu(HiScoreTable* scoreTable, bool afterNewHighScore, const HiScoreEntry* given, int shownSlot,
                           bool lowerIsBetter, HiScoresHostI* shell, HiScoresUploader* ownUploader,
                           HiScoresFetcher* ownFetcher)
    : TiledMenu(512, 512, -1, -1),
      HiScoresMenuBase(scoreTable, afterNewHighScore, given, shownSlot, lowerIsBetter, shell, ownUploader, ownFetcher)
{
    modeRow = new MyView();
    modeRow->viewWidth = 260;
    modeRow->viewHeight = 62;
    modeRow->children.reserve(64);
    build(0, true, 50);
    resetResults();
    if (sourceControl)
        sourceControl->armedTag = segment == 2 ? 1 : 0;
    showFirstVisitTip();
}

HiScoresMenu::~HiScoresMenu()
{
    detachWorkers();
    dropBubbleNow(&tipAnimationRef);
}

void HiScoresMenu::addContents()
{
    addVerticalSpace(0, 4);
    addBackButton(0, 1, false);
    addVerticalSpace(2, 9);

    ViewChild* row = addElement(-1, 3, false);
    row->element.reset(modeRow);
    row->centred = 1;
    if (freePlay()) {
        nameField = new TextEntryField(&atlas, getText(149).c_str(), table->onlineName().c_str(), false);
        nameField->labelWidth += 40;
        nameField->listener = this;
        ViewChild& field = modeRow->addChild();
        field.element.reset(nameField);
        field.centred = 1;
    } else {
        for (int i = 0; i < 3; i++) {
            ViewChild& tile = modeRow->addChild();
            tile.element.reset(new SmallModeOption(&atlas, getText(kTiles[i].captionId).c_str(), kTiles[i].picture));
            tile.tag = i;
            tile.x = kTiles[i].centreX - SmallModeOption::kWidth / 2;
            tile.tappable = 1;
        }
        modeRow->touchMode = TouchPressSelect;
        modeRow->armedTag = gSettings ? gSettings->difficulty : 0;
    }

    ViewChild* frame = addElement(-1, 4, true);
    frame->element.reset(
        new ImageElementExt(loadStretchedBitmap("Overlay_shrunk.png", kFrameHeightStretch, kFrameWidthStretch), 0));
    frame->centred = 1;
    overlayChildIndex_ = inner.children.size() - 1;
    Bitmap* shadowPicture = loadStretchedBitmap("HighScoreShadow_shrunk.png", kShadowHeightStretch, kShadowWidthStretch);
    auto* shadow = new IndexElementExt(atlas.addBitmap(shadowPicture, true, 0));
    shadow->padX = 1;
    shadow->extraHeight = 150;
    ViewChild* shadowChild = addElement(-1, 4, false);
    shadowChild->element.reset(shadow);
    shadowChild->centred = 1;

    addVerticalSpace(5, 12);
    if (freePlay()) {
        addVerticalSpace(6, 8);
        return;
    }
    String captions[2] = {getText(146), getText(148)};
    sourceControl = new CustomMultiSelect(this, captions, 2);
    ViewChild* control = addElement(-1, 6, false);
    control->element.reset(sourceControl);
    control->centred = 1;
    addVerticalSpace(7, 8);
}

void HiScoresMenu::showFirstVisitTip()
{
    MenuBubble* bubble = nullptr;
    if (mode == 3 && !gChallengeScoresTipShown) {
        bubble = createMenuBubble(getText(152), -1, 370, 1, 295, 2000, 0.89f, 1);
        gChallengeScoresTipShown = true;
    } else if (mode == 2 && !gFreePlayScoresTipShown) {
        const int text = table->onlineName().isEmpty() ? 153 : 154;
        bubble = createMenuBubble(getText(text), 225, menuTopOffset + 112, 1, 290, 2000, 0.89f, 1);
        gFreePlayScoresTipShown = true;
    }
    if (bubble)
        MenuBubble::animate(&tipAnimationRef, bubble, 8000);
}

void HiScoresMenu::requestRedraw()
{
    gPlatformState.keepDrawing = true;
}

void HiScoresMenu::selectSourceSegment(int source)
{
    if (sourceControl)
        sourceControl->armedTag = source == 2 ? 1 : 0;
}

void HiScoresMenu::makePeriodTitle(int top)
{
    const int ids[3] = {143, 144, 145};
    Bitmap* text = new Bitmap(kTitleWidth, kTitleHeight, true);
    TextStyle style;
    style.align = 1;
    renderTextBitmap(text, getText(ids[timeFilter < 0 || timeFilter > 2 ? 2 : timeFilter]).c_str(), 15, style, 0, 0,
                     kTitleWidth, kTitleHeight);
    loadSharedMenuTextures();
    engraveIntoWood(text, gSharedMenuTextures[kSharedWood], 160 - kTitleWidth / 2, top + kTitleWoodRow);
    periodTitle.reset(new Texture(text, false, false));
}

void HiScoresMenu::drawPeriodBar(int fx, int top)
{
    DrawParams background;
    background.scaleX = (float)(periodBackground->width - 3) / (float)periodBackground->width;
    background.scaleY = 1.0f;
    drawTextureAt(periodBackground.get(), (float)(fx + 1), (float)top, background);
    for (int i = 0; i < 3; i++) {
        DrawParams dot;
        dot.centreX = 1;
        dot.alpha = i == timeFilter ? 1.0f : 0.67f;
        drawTextureAt(pageDot.get(), (float)(150 + 10 * i), (float)(top + 36), dot);
    }
    if (!periodTitle)
        makePeriodTitle(top);
    DrawParams title;
    title.centreX = 1;
    drawTextureAt(periodTitle.get(), 160.0f, (float)(top + 12), title);

    const int centreY = top + 5 + periodBackground->height / 2;
    prevZone.centreX = 37;
    prevZone.centreY = centreY;
    nextZone.centreX = 283;
    nextZone.centreY = centreY;
    nextZone.halfWidth = 112;
    for (TouchZone* zone : {&prevZone, &nextZone}) {
        const float target = zone->armed ? kPressedArrowScale : 1.0f;
        zone->scale = std::min(zone->scale + 0.2f, std::max(zone->scale - 0.05f, target));
        arrowsEasing_ = arrowsEasing_ || zone->scale != target;
        DrawParams arrow;
        arrow.angle = zone == &prevZone ? 90 : -90;
        arrow.scaleX = zone->scale;
        arrow.centreX = 1;
        arrow.centreY = 1;
        arrow.insetTexel = 1;
        drawTextureAt(arrowTexture_.get(), (float)zone->centreX, (float)centreY, arrow);
    }
    nextZone.centreX = 194;
    if (!prevZone.enabled)
        prevZone.enabled = nextZone.enabled = 1;
}

int HiScoresMenu::render()
{
    TiledMenu::render();
    if (nameFetchDue_ && elapsedOnWrappingCounter(gGameClock.current, nameTypedAt_) >= kNameFetchDelayMs)
        fetchTypedName();
    ViewElementI* frame = inner.children[overlayChildIndex_].element.get();
    const int fx = frame->x, fy = frame->y;
    arrowsEasing_ = false;
    if (segment != 2) {
        prevZone.enabled = nextZone.enabled = 0;
        update(kListLeft, fy + kRowsBelowFrameTop);
        noteControls(frame);
        return framesWanted();
    }
    if (!periodBackground) {
        periodBackground.reset(new Texture("PeriodBackground_284x46.png", 1.0f, false));
        pageDot.reset(new Texture("PageDot_4x4.png", 1.0f, false));
    }
    periodTop_ = fy + frame->height() - periodBackground->height;
    drawPeriodBar(fx, periodTop_);
    update(kListLeft, fy + kRowsBelowFrameTop);
    noteControls(frame);
    notePeriodBar(fx);
    return framesWanted();
}

// What the layout must keep apart, as drawn in this frame: the list's frame, the controls around it.
void HiScoresMenu::noteControls(ViewElementI* frame)
{
    if (!recordLayout)
        return;
    noteLaidOut("list frame", frame->x, frame->y, frame->width(), frame->height());
    if (sourceControl)
        noteLaidOut("local/online control", sourceControl->x, sourceControl->y, sourceControl->width(),
                    sourceControl->height());
    if (nameField)
        noteLaidOut("name field", nameField->x, nameField->y, nameField->width(), nameField->height());
    for (int i = 0; !freePlay() && i < modeRow->children.size(); i++) {
        // What the tile shows: its caption's letters over its picture.
        auto* tile = static_cast<SmallModeOption*>(modeRow->children[i].element.get());
        ViewElementI* picture = tile->view.children[1].element.get();
        const int captionWidth = menuTextWidth(getText(kTiles[i].captionId).c_str(), SmallModeOption::kCaptionFontSize);
        const int w = std::max(captionWidth, picture->width());
        noteLaidOut("difficulty tile " + std::to_string(i + 1), tile->x + (tile->width() - w) / 2, tile->y, w,
                    SmallModeOption::kPictureTop + picture->height());
    }
}

void HiScoresMenu::notePeriodBar(int fx)
{
    if (!recordLayout)
        return;
    const int barWidth = periodBackground->width - 3;
    noteLaidOut("period bar", fx + 1, periodTop_, barWidth, periodBackground->height);
    const int side = (int)(std::max(arrowTexture_->width, arrowTexture_->height) * kPressedArrowScale);
    noteLaidOut("period arrow left", 37 - side / 2, prevZone.centreY - side / 2, side, side);
    noteLaidOut("period arrow right", 283 - side / 2, nextZone.centreY - side / 2, side, side);
}

// Frames while something on the screen moves: the list glides, the busy wheel turns, a period arrow eases. A
// list at rest lets the loop rest; an answer of the score server shows on its next idle frame.
int HiScoresMenu::framesWanted() const
{
    return listGliding() || busyShown() || arrowsEasing_ ? 1 : 0;
}

bool HiScoresMenu::tipTakesTouch()
{
    if (!bubbleRunning(tipAnimationRef))
        return false;
    MenuBubble* bubble = static_cast<MenuBubble::BubbleAnimation*>(tipAnimationRef.get())->bubble;
    if (!bubble)
        return true;
    if (bubble->life.closing)
        return false;
    bubble->close(600, false);
    return true;
}

void HiScoresMenu::stepZone(TouchZone& zone, int phase, int x, int y, int step)
{
    if (!zone.enabled)
        return;
    if (phase == TouchDown) {
        zone.armed = std::abs(x - zone.centreX) < zone.halfWidth && std::abs(y - zone.centreY) < zone.halfHeight;
        if (zone.armed) {
            zone.downX = x;
            zone.downY = y;
        }
        return;
    }
    if (!zone.armed)
        return;
    const int dx = x - zone.downX, dy = y - zone.downY;
    if (dx * dx + dy * dy > kDragCancel * kDragCancel) {
        zone.armed = 0;
        return;
    }
    if (phase != TouchUp)
        return;
    zone.armed = 0;
    periodTitle.reset();
    showSlot(slot, (timeFilter + step + 3) % 3);
}

void HiScoresMenu::followSelectedTile()
{
    if (!freePlay() && modeRow->armedTag != -1 && modeRow->armedTag != slot)
        showSlot(modeRow->armedTag, timeFilter);
}

int HiScoresMenu::handleTouch(int phase, int x, int y)
{
    if (tipTakesTouch())
        return -1;
    stepZone(prevZone, phase, x, y, -1);
    stepZone(nextZone, phase, x, y, 1);
    if (HiScoresMenuBase::handleTouch(phase, x, y) != 0) {
        followSelectedTile();
        return -1;
    }
    const int result = TiledMenu::handleTouch(phase, x, y);
    followSelectedTile();
    return result;
}

void HiScoresMenu::textFieldKey(int key)
{
    (void)key;
    if (!nameField)
        return;
    const String text = nameField->field ? String(nameField->field->textBytes().c_str(),
                                                   (int)nameField->field->textBytes().size())
                                         : nameField->text;
    table->setOnlineName(text);
    fetched201 = false;
    fetched1001 = false;
    requestRedraw();
    // The name is kept at every key; the list is asked for once the typing pauses.
    nameTypedAt_ = gGameClock.current;
    nameFetchDue_ = true;
}

void HiScoresMenu::fetchTypedName()
{
    nameFetchDue_ = false;
    refetch();
}
