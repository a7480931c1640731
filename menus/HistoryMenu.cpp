#include "menus/HistoryMenu.h"

#include <algorithm>

#include "Core/Language.h"
#include "board/BoardDraw.h"
#include "board/GameGraphics.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextRender.h"
#include "menus/MenuAlertLog.h"
#include "menus/widgets/CustomMultiSelect.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "ui/CustomAlertView.h"
#include "ui/ImageElement.h"
#include "ui/MenuStack.h"

namespace {

const int kFreePlay = 2;
const int kVisibleLeft = -119;
const int kVisibleRight = 439;
const int kMiddleLeft = 101;
const int kMiddleRight = 219;
const int kWindowStretch = 260;
const int kHighlightStretch = 130;
const char* const kWindowPicture = "Overlay_shrunk.png";
const char* const kHighlightPicture = "ShadowHighlight_shrunk.png";
const char* const kCardPicture = "GrassTile_176x217.png";
const char* const kCaptionFont = "AmericanTypewriter-Bold";
const char* const kDefaultFont = "Insanibu";
const char* const kCardFont = "Helvetica-Bold";
const char* const kMessageFont = "AmericanTypewriter";

// The page sits lower than the centre, its top below the heads-up display's number boxes; the spaces above the
// cards' window are 12 px tighter to keep the page's foot on the screen, so the window moves down half the drop.
const int kPageDrop = 12;
const int kTopSpace = 2;
const int kControlSpace = 6;
const int kCardDrop = 6;
// Where a card's parts sit below the menu's top.
const int kCardTop = 156;
const int kBadge1Top = 252;
const int kBadge2Top = 264;
const int kTitleTop = 370;
const int kStatusTop = 389;
const int kMessageX = 165;
const int kMessageY = 280;
// The small board on the grass: cells of 20 px, the 7 x 8 block centred on the card.
const float kPictureScale = 0.45f;
const int kPictureCentreY = 245;

// Drawn from their top: a box raised to one whole line of its font keeps the letters' feet.
Texture* textTexture(const char* text, int width, int height, const char* font, int fontSize, int wrapMode)
{
    TextStyle style;
    style.fontName = font;
    const int whole = std::max(height, textLineHeight(style, fontSize));
    return new Texture(text, width, whole, 1, font, fontSize, wrapMode, 1.0f, false, nullptr, false, true, 0);
}

bool filterKeeps(int filter, int flags)
{
    const bool solved = (flags & HistoryRecord::kFinished) != 0;
    switch (filter) {
    case HistoryMenu::kFilterUnsolved:
        return !solved;
    case HistoryMenu::kFilterAll:
        return true;
    case HistoryMenu::kFilterSolved:
        return solved;
    default:
        return false;
    }
}

}  // namespace

HistoryMenu::HistoryMenu(HistoryHostI& host, GameGraphics* graphics, int topOffset)
    : TiledMenu(512, 512, -1, -1), host_(host), graphics_(graphics), topOffset_(topOffset + kCardDrop)
{
    scroller.bandTop = kBandTop;
    scroller.bandBottom = kBandBottom;
    scroller.pageWidth = kCardPitch;
    scroller.friction = 0.85f;
    scroller.flickFactor = 1.0f;
    build(kPageDrop, true, 50);
    gAbSettings.count(StatViewedtHist);
}

HistoryMenu::~HistoryMenu()
{
    // A question still open must not answer to a screen that is gone.
    for (int i = 0; i < gMenuStack.size(); i++)
        if (gMenuStack.at(i) == alert)
            alert->callback = nullptr;
    disableClip();
}

void HistoryMenu::resetScroller()
{
    scroller.dragStartX = -1;
    scroller.position = 0.0f;
    scroller.pagePos = 0.0f;
    scroller.page = 0;
    scroller.velocity = 0.0f;
    scroller.velocityAtPress = 0.0f;
    scroller.minPage = 0;
}

void HistoryMenu::addContents()
{
    resetScroller();
    addVerticalSpace(0, kTopSpace);
    addBackButton(kTagBack, 1, false);
    addVerticalSpace(2, kControlSpace);
    const String captions[3] = {getText(185), getText(186), getText(187)};
    filterControl = new CustomMultiSelect(this, captions, 3);
    ViewChild* control = addElement(-1, 3, false);
    control->element.reset(filterControl);
    control->centred = 1;
    addVerticalSpace(4, kControlSpace);
    // The window is as wide as the strip's view; centred, so the frame round it stays even on both sides.
    windowImage = new ImageElement(loadStretchedBitmap(kWindowPicture, kWindowStretch, kWindowStretch),
                                   ImageElement::ModePremultiplied);
    ViewChild* window = addElement(-1, 5, false);
    window->element.reset(windowImage);
    window->centred = 1;
    addVerticalSpace(6, 8);

    cardBackground_.reset(new Texture(kCardPicture, 1.0f, false));
    highlight_.reset(makeStretchedTexture(kHighlightPicture, kHighlightStretch, kHighlightStretch));
    const char* badgeFont = currentLanguage() == kEnglish ? kDefaultFont : kCaptionFont;
    badgeLine1_.reset(textTexture(getText(188).c_str(), 256, 32, badgeFont, 24, 0));
    badgeLine2_.reset(textTexture(getText(189).c_str(), 256, 32, badgeFont, 24, 0));

    selectFilter(kFilterUnsolved);
    if (cards_.empty())
        selectFilter(kFilterAll);
}

void HistoryMenu::selectFilter(int segment)
{
    filter = segment;
    filterControl->armedTag = segment;
    buildRows();
}

void HistoryMenu::buildRows()
{
    cards_.clear();
    const Array<HistoryRecord>& history = host_.playHistory();
    for (int i = history.size() - 1; i >= 0; i--) {
        const HistoryRecord& record = history[i];
        if (record.gameType != kFreePlay || (record.flags & (HistoryRecord::kAbandoned | HistoryRecord::kKept)))
            continue;
        if (filterKeeps(filter, record.flags))
            cards_.push_back(Card{i, nullptr, nullptr, {}});
    }
    scroller.maxPage = cards_.empty() ? 0 : (int)cards_.size() - 1;
    firstVisible = 0;
    emptyMessage_.reset();
}

const HistoryRecord& HistoryMenu::cardRecord(int card) const
{
    return host_.playHistory()[cards_[card].record];
}

float HistoryMenu::cardX(int card) const
{
    return kStripCentre + kCardPitch * card - kCardPitch * scroller.position;
}

int HistoryMenu::emptyTextId() const
{
    return filter == kFilterUnsolved ? 179 : filter == kFilterSolved ? 180 : 181;
}

void HistoryMenu::segmentSelected(int tag, MyView* view)
{
    (void)view;
    if (tag == filter)
        return;
    host_.playClick();
    resetScroller();
    filter = tag;
    buildRows();
}

void HistoryMenu::makeCardContents(Card& card)
{
    if (card.title)
        return;
    const HistoryRecord& record = host_.playHistory()[card.record];
    card.title.reset(textTexture(historyCardTitle(record.puzzleId).c_str(), 200, 32, kCardFont, 15, 0));
    card.status.reset(textTexture(historyCardStatus(record).c_str(), 200, 16, kCardFont,
                                  historyCardStatusSize(record), 0));
    card.furballs = cardFurballsOf(record.puzzleId, record.scheme);
}

void HistoryMenu::dropCardContents(Card& card)
{
    card.title.reset();
    card.status.reset();
    card.furballs.clear();
}

void HistoryMenu::drawFurballs(const Card& card, float x)
{
    if (!graphics_ || card.furballs.empty())
        return;
    GameGraphics& g = *graphics_;
    const float savedScale = g.scale;
    const int32_t savedX = g.viewCentreX, savedY = g.viewCentreY;
    g.scale = kPictureScale;
    g.viewCentreX = (int32_t)x;
    g.viewCentreY = topOffset_ + kPictureCentreY;
    for (const CardFurball& f : card.furballs) {
        BoardCell cell = freshCell();
        cell.colour = (uint16_t)f.colour;
        cell.face = (uint16_t)f.face;
        cell.faceAnim = (int16_t)(f.variant * 10);
        drawFurballAtCell(g, &cell, f.column, f.row, 1.0f, 0, 1.0f);
    }
    g.scale = savedScale;
    g.viewCentreX = savedX;
    g.viewCentreY = savedY;
}

void HistoryMenu::drawCard(int index, float x)
{
    Card& card = cards_[index];
    makeCardContents(card);
    const HistoryRecord& record = host_.playHistory()[card.record];
    setClipRect((float)windowImage->x, 0.0f, (float)(windowImage->x + windowImage->width()), 480.0f);
    DrawParams centred;
    centred.centreX = 1;
    drawTexture(cardBackground_.get(), x, (float)(topOffset_ + kCardTop), centred);
    drawFurballs(card, x);
    if (!(record.flags & HistoryRecord::kFinished)) {
        DrawParams half = centred;
        half.scaleX = 0.5f;
        drawTexture(badgeLine1_.get(), x, (float)(topOffset_ + kBadge1Top), half);
        drawTexture(badgeLine2_.get(), x, (float)(topOffset_ + kBadge2Top), half);
    }
    drawTexture(card.title.get(), x, (float)(topOffset_ + kTitleTop), centred);
    drawTexture(card.status.get(), x, (float)(topOffset_ + kStatusTop), centred);
}

int HistoryMenu::render()
{
    scroller.step();
    int more = TiledMenu::render();
    if (cards_.empty()) {
        // Word wrap: its lines advance by the font's height, so descenders are not cut by the next line.
        if (!emptyMessage_)
            emptyMessage_.reset(textTexture(getText(emptyTextId()).c_str(), 160, 135, kMessageFont, 18, 0));
        DrawParams centred;
        centred.centreX = 1;
        drawTexture(emptyMessage_.get(), kMessageX, kMessageY, centred);
    } else {
        int newFirst = -1;
        const int count = (int)cards_.size();
        for (int i = firstVisible - 3 > 0 ? firstVisible - 3 : 0; i < count; i++) {
            const float x = cardX(i);
            if (x >= kVisibleLeft && x <= kVisibleRight) {
                if (newFirst == -1)
                    newFirst = i;
                drawCard(i, x);
            } else {
                dropCardContents(cards_[i]);
            }
            if (newFirst != -1 && i > newFirst + 5)
                break;
        }
        firstVisible = newFirst;
    }
    disableClip();
    drawTexture(highlight_.get(), (float)windowImage->x, (float)windowImage->y, DrawParams());
    if (scroller.isMoving())
        more = 1;
    return more;
}

void HistoryMenu::askReplay(int card)
{
    asked_ = cardRecord(card);
    const bool solved = (asked_.flags & HistoryRecord::kFinished) != 0;
    alert = new CustomAlertView(this, getText(182).c_str(), getText(solved ? 183 : 184).c_str(), getText(1).c_str(),
                                getText(0).c_str(), nullptr, AlertOptions());
    logMenuAlert(getText(182).c_str(), alert);
    host_.playClick();
}

int HistoryMenu::handleTouch(int phase, int x, int y)
{
    bool used = false;
    if (phase == TouchDown) {
        used = scroller.beginDrag(x, y);
    } else if (phase == TouchMove) {
        used = scroller.drag(x, y);
    } else if (phase == TouchUp) {
        bool tapped = false;
        used = scroller.endDrag(x, y, &tapped);
        if (tapped && scroller.page >= 0 && scroller.page < (int)cards_.size())
            askReplay(scroller.page);
    }
    if (used)
        return -1;
    return TiledMenu::handleTouch(phase, x, y) == kTagBack ? kTagBack : -1;
}

void HistoryMenu::alertButtonClicked(int buttonIndex, CustomAlertView* answered)
{
    (void)answered;
    alert = nullptr;
    if (buttonIndex != 1)
        return;
    gAbSettings.count(StatPuzzResume);
    // Last: the switch to the play screen deletes this menu.
    host_.replayHistoryRecord(asked_);
}
