#include "menus/HiScoresMenuBase.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/TextRender.h"
#include "menus/BubbleDrop.h"
#include "menus/HiScoresHostI.h"
#include "menus/MenuAlertLog.h"
#include "menus/MyBusyIndicator.h"
#include "scores/HiScoreTable.h"
#include "scores/HiScoresExchange.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuBubble.h"
#include "ui/MenuStack.h"
#include "ui/TextEllipsis.h"
#include "ui/TiledMenu.h"

namespace {

const int kLocalRows = HiScoreTable::kShownEntries;
const int kNeverDrawnRow = 1000;
const int kNoConnectionText = 165;
const int kHintReach = 13;  // a tap this far above or below a list arrow explains it
const int kOnlineScoresOffText = 501;
// The list scrolls in units of 10 rows; a drag is taken within this of the screen's centre column.
const int kScrollBandHalfWidth = 160;
const float kScrollMargin = 0.3f;
// The scroller's top rest; a shorter list must not end above it, or the scroller takes its top for an overshoot.
const float kScrollTop = 0.0001f;

int now()
{
    return gGameClock.current;
}

bool onlineScoresOn()
{
    return gSettings && gSettings->switchA;
}

HiScoreEntry entryOfRow(const HiScoreRow& row)
{
    return HiScoreEntry(row.name, row.score, -1, false);
}

bool sameEntry(const HiScoreEntry& a, const HiScoreEntry& b)
{
    return a.score == b.score && a.gameId == b.gameId && a.name == b.name;
}

const int kOneLine = 2;  // TextStyle wrap mode

TextStyle rowStyle(const ScoreRowText& look, int align)
{
    TextStyle style = TextStyle();
    style.align = align;
    style.a = look.alpha;
    style.wrapMode = kOneLine;
    return style;
}

Texture* rowTexture(const String& text, int width, int height, const ScoreRowText& look, int align)
{
    return new Texture(text.c_str(), width, height, look.fontSize, rowStyle(look, align), false);
}

std::string str(const String& text)
{
    return std::string(text.c_str(), text.length());
}

void drawPlain(Texture* texture, float x, float y, int angle)
{
    DrawParams p;
    p.angle = angle;
    drawTexture(texture, x, y, p);
}

}  // namespace

HiScoresMenuBase::HiScoresMenuBase(HiScoreTable* scoreTable, bool afterNew, const HiScoreEntry* given, int shownSlot,
                                   bool times, HiScoresHostI* shell, HiScoresUploader* ownUploader,
                                   HiScoresFetcher* ownFetcher)
    : table(scoreTable), slot(shownSlot), initialSlot(shownSlot), mode(gSettings ? gSettings->gameMode : 0),
      afterNewScore(afterNew), timeScores(times),
      uploader(ownUploader ? *ownUploader : gHiScoresUploader), fetcher(ownFetcher ? *ownFetcher : gHiScoresFetcher),
      host(shell)
{
    if (given) {
        entry = *given;
        hasEntry = true;
    }
    onlineTexts_.resize(HiScoreRows::kMaxRows);
    arrowTexture_.reset(new Texture("Arrow_10x5.png", 1.0f, false));
    // With online scores off nothing was even tried: say so, not that the server is out of reach.
    emptyListText_ = onlineScoresOn() ? kNoConnectionText : kOnlineScoresOffText;
    noConnectionText_.reset(new Texture(getText(emptyListText_).c_str(), 160, 128, 1, "Helvetica-Bold", 14, 0, 0.7f,
                                        false, nullptr, false, true, 0));
    const int saved = gSettings ? gSettings->scoreTimeFilter : -1;
    if (saved != -1 && gAbSettings.rhc != 0) {
        timeFilter = saved;
    } else {
        const int dh = gAbSettings.dh;
        timeFilter = dh < 0 ? 0 : (dh > 2 ? 2 : dh);
    }
    uploader.clearDone();
    fetcher.clearResults();
    segment = initialSegment();
    localList = table->list(slot);
    promptTime = now();
    refetchOnFirstUpdate = mode == 2;
    resetScroll();
}

void HiScoresMenuBase::detachWorkers()
{
    MutexLock lock(&mutex);
    MutexLock result(&uploader.resultMutex);
    uploader.detach();
    MutexLock scores(&gHiScoresMutex);
    fetcher.setListener(nullptr);
}

HiScoresMenuBase::~HiScoresMenuBase()
{
    detachWorkers();
    MutexLock lock(&mutex);
    {
        MutexLock result(&uploader.resultMutex);
        // An upload accepted just now still clears its pending flags; one running on is applied by the
        // application's next frame.
        uploader.applyResult(*table);
        table->clearLastAdded();
        uploader.clearDone();
    }
    fetcher.clearResults();
    // An alert of this screen that is still open must not call back into it.
    for (int i = 0; i < gMenuStack.size(); i++)
        for (CustomAlertView* mine : {shortPrompt, longPrompt, uploadFailedAlert})
            if (mine && gMenuStack.at(i) == mine)
                mine->callback = nullptr;
    dropHint();
}

int HiScoresMenuBase::initialSegment() const
{
    // Free Play always shows the online list: its segment 1 is read as 2.
    return mode == 2 ? 2 : 0;
}

void HiScoresMenuBase::resetScroll()
{
    scroll.reset(new ListScroller(kScrollBandHalfWidth, kScrollMargin, kScrollTop));
}

void HiScoresMenuBase::resetPaging()
{
    fetched201 = false;
    fetched1001 = false;
}

void HiScoresMenuBase::clearRowTextures()
{
    for (ScoreRowTextures& t : onlineTexts_) {
        t.left.reset();
        t.right.reset();
    }
    for (int i = 0; i < kLocalRows; i++) {
        localTexts_[i].left.reset();
        localTexts_[i].right.reset();
        localBuilt_[i] = false;
    }
}

void HiScoresMenuBase::resetResults()
{
    MutexLock lock(&mutex);
    uploader.clearDone();
    fetcher.clearResults();
    segment = initialSegment();
    resetPaging();
    uploadStarted = false;
    deferredRefetch = false;
    resetScroll();
    clearRowTextures();
}

void HiScoresMenuBase::showSlot(int newSlot, int newTimeFilter)
{
    MutexLock lock(&mutex);
    slot = newSlot;
    timeFilter = newTimeFilter;
    if (gSettings)
        gSettings->scoreTimeFilter = newTimeFilter;
    fetcher.clearResults();
    resetPaging();
    resetScroll();
    clearRowTextures();
    localList = table->list(slot);
    if (segment != 0)
        startFetch(kFirstPage);
}

void HiScoresMenuBase::refetch()
{
    MutexLock lock(&mutex);
    const int level = host ? host->freePlayLevel() : 1;
    const bool levelDone = host && host->puzzlesLeftInLevel() <= 0;
    ownEntry = HiScoreEntry(table->onlineName(), level + (levelDone ? 1 : 0), 0, true);
    entry = ownEntry;
    hasEntry = true;
    fetcher.clearResults();
    startFetch(fetched1001 ? kThirdPage : (fetched201 ? kSecondPage : kFirstPage));
}

void HiScoresMenuBase::startFetch(int count)
{
    const String name = hasEntry ? entry.name : String();
    const int score = hasEntry ? entry.score : -1;
    if (segment == 2)
        gAbSettings.count(mode == 2 ? StatViewGlobL : StatViewGlobS);
    MutexLock result(&uploader.resultMutex);
    MutexLock scores(&gHiScoresMutex);
    fetcher.start(name, this, score, slot, timeFilter, count);
}

void HiScoresMenuBase::restartFetch(int newSegment)
{
    MutexLock lock(&mutex);
    requestRedraw();
    if (mode == 2 && newSegment == 1)
        newSegment = 2;
    const bool changed = newSegment != segment;
    segment = newSegment;
    selectSourceSegment(newSegment);
    if (gSettings)
        gSettings->hiScoreValue2 = newSegment;
    if (!changed)
        return;
    fetcher.clearResults();
    resetScroll();
    resetPaging();
    clearRowTextures();
    if (newSegment == 2)
        startFetch(kFirstPage);
}

void HiScoresMenuBase::startUpload()
{
    requestRedraw();
    if (!hasEntry || uploadStarted || uploader.isDone() || !entry.pending)
        return;
    if (uploader.start(entry, slot, this, host))
        uploadStarted = true;
}

bool HiScoresMenuBase::promptPending() const
{
    return promptTime != -1 && onlineScoresOn() && (afterNewScore || scoreToOffer());
}

// A pending score of the slot, unless it is on its way already (sent from a screen left before the reply).
bool HiScoresMenuBase::scoreToOffer() const
{
    return table->pendingEntry(slot) != nullptr && !uploader.isBusy();
}

void HiScoresMenuBase::segmentSelected(int tag, MyView* view)
{
    (void)view;
    MutexLock lock(&mutex);
    if (promptPending()) {
        deferredRefetch = true;
        promptTime -= 10000;
        return;
    }
    restartFetch(mode == 2 || tag != 0 ? 2 : 0);
}

void HiScoresMenuBase::alertButtonClicked(int button, CustomAlertView* alert)
{
    MutexLock lock(&mutex);
    menu();
    if (alert == shortPrompt && alert) {
        if (button == 1)
            startUpload();
        else if (deferredRefetch)
            restartFetch(2);
        shortPrompt = nullptr;
    } else if (alert == longPrompt && alert) {
        if (button == 1) {
            startUpload();
        } else {
            // Declined for good: the score is never offered again.
            if (button == 0) {
                table->clearPending(slot);
                localList = table->list(slot);
            }
            if (deferredRefetch)
                restartFetch(2);
        }
        longPrompt = nullptr;
    } else if (alert == uploadFailedAlert && alert) {
        uploadFailedAlert = nullptr;
    }
    deferredRefetch = false;
}

void HiScoresMenuBase::openPrompt()
{
    if (afterNewScore) {
        if (onlineScoresOn()) {
            shortPrompt = new CustomAlertView(this, getText(155).c_str(), getText(156).c_str(), getText(1).c_str(),
                                              getText(0).c_str(), nullptr, AlertOptions());
            logMenuAlert(getText(155).c_str(), shortPrompt);
        }
    } else if (scoreToOffer() && onlineScoresOn()) {
        longPrompt = new CustomAlertView(this, getText(155).c_str(), getText(157).c_str(), getText(158).c_str(),
                                         getText(0).c_str(), getText(159).c_str(), AlertOptions());
        logMenuAlert(getText(155).c_str(), longPrompt);
    } else if (!scoreToOffer() && deferredRefetch) {
        restartFetch(2);
    }
    promptTime = -1;
}

void HiScoresMenuBase::takeUploadResult()
{
    if (uploader.applyResult(*table)) {
        localList = table->list(slot);
        for (bool& built : localBuilt_)
            built = false;
    }
    if (!uploadStarted)
        return;
    if (!hasEntry) {
        entry = uploader.entry();
        hasEntry = true;
    }
    if (!uploader.isDone())
        return;
    uploadStarted = false;
    requestRedraw();
    if (uploader.hasFailed()) {
        uploadFailedAlert = new CustomAlertView(this, getText(162).c_str(), getText(163).c_str(), getText(0).c_str(),
                                                nullptr, nullptr, AlertOptions());
        logMenuAlert(getText(162).c_str(), uploadFailedAlert);
    }
    if (segment != 2) {
        restartFetch(2);
    } else {
        // Already on the online list: fetch it again so that the new rank shows.
        fetcher.clearResults();
        resetPaging();
        clearRowTextures();
        startFetch(kFirstPage);
    }
}

ScoreRowText HiScoresMenuBase::rowText(const HiScoreEntry& row, int rank, bool highlight, bool large) const
{
    ScoreRowText t;
    if (rank != -1)
        t.left = String::fromInt(rank) + ". ";
    t.left += row.score > 0 ? row.name : String("  -");
    t.alpha = !highlight && slot == initialSlot ? 140 : (large ? 255 : 216);
    t.fontSize = large ? 16 : 15;
    if (row.score < 1) {
        t.right = "-  ";
    } else if (timeScores) {
        char text[32];
        snprintf(text, sizeof text, "%d:%02d", row.score / 1000 / 60, row.score / 1000 % 60);
        t.right = text;
    } else if (mode != 2) {
        t.right = groupedNumberText(row.score);
    } else {
        t.right = row.score < 31 ? formatText(161, row.score) : getText(160);
    }
    return t;
}

void HiScoresMenuBase::renderRow(ScoreRowTextures* out, const HiScoreEntry& row, int rank, bool highlight, bool large)
{
    out->text = rowText(row, rank, highlight, large);
    // A long name is cut where its row's score begins: one line per row, never wrapped into the next.
    const TextStyle style = rowStyle(out->text, 0);
    const int scoreWidth = oneLineWidth(str(out->text.right), out->text.fontSize, style);
    const int nameRoom = std::min(kNameBoxWidth, kListWidth - scoreWidth - kNameScoreGap);
    out->text.left = String(fitWithEllipsis(str(out->text.left), out->text.fontSize, style, nameRoom).c_str());
    out->leftWidth = oneLineWidth(str(out->text.left), out->text.fontSize, style);
    out->rightWidth = scoreWidth;
    const TextInk nameInk = measureOneLineInk(out->text.left.c_str(), style.fontName, out->text.fontSize);
    const TextInk scoreInk = measureOneLineInk(out->text.right.c_str(), style.fontName, out->text.fontSize);
    out->ink = TextInk{std::min(nameInk.top, scoreInk.top), std::max(nameInk.bottom, scoreInk.bottom)};
    out->left.reset(rowTexture(out->text.left, kNameBoxWidth, kRowTextHeight, out->text, 0));
    out->right.reset(rowTexture(out->text.right, kScoreBoxWidth, kRowTextHeight, out->text, 2));
}

void HiScoresMenuBase::buildRows(int firstRow, int endRow)
{
    HiScoreRows& rows = fetcher.results();
    const bool playerKnown = hasEntry && ((mode == 2 && !entry.name.isEmpty()) || slot == initialSlot);
    if (segment != 0) {
        for (int i = 0; i < firstRow && i < HiScoreRows::kMaxRows; i++) {
            // Rows scrolled above the window give their textures back at once.
            rows.rows[i].textsBuilt = false;
            onlineTexts_[i].left.reset();
            onlineTexts_[i].right.reset();
        }
        const bool ranked = playerKnown && rows.myRank != -1;
        for (int i = firstRow; i < endRow && i < rows.storedCount(); i++) {
            HiScoreRow& row = rows.rows[i];
            if (row.textsBuilt)
                continue;
            const bool mine = ranked && i + 1 == rows.myRank;
            renderRow(&onlineTexts_[i], entryOfRow(row), i + 1, ranked ? mine : true, mine);
            row.textsBuilt = true;
        }
        return;
    }
    bool marked = false;
    for (int i = 0; i < kLocalRows && i < localList.count(); i++) {
        if (localBuilt_[i])
            continue;
        bool highlight = true, large = false;
        if (afterNewScore) {
            const bool mine = !marked && hasEntry && sameEntry(localList[i], entry);
            marked = marked || mine;
            highlight = mine && playerKnown;
            large = highlight;
        }
        renderRow(&localTexts_[i], localList[i], i + 1, highlight, large);
        localBuilt_[i] = true;
    }
}

void HiScoresMenuBase::drawRows(int originX, int rowsY, int firstRow, int endRow)
{
    Texture* arrow = arrowTexture_.get();
    const int stored = segment != 0 ? fetcher.results().storedCount() : localList.count();
    const int shownRows = segment != 0 ? kVisibleRows : kLocalRows;
    // Just above the first row and below the last one; their hint taps are taken there, shown or not.
    const int arrowHeight = arrow ? arrow->height : 0;
    upArrowY_ = rowsY - kArrowGap - arrowHeight;
    downArrowY_ = rowsY + kRowHeight * (shownRows - 1) + kRowTextHeight + kArrowGap;
    if (firstRow > 0 && arrow && arrow->width > 0) {
        drawPlain(arrow, (float)(159 - arrow->width), (float)upArrowY_, 180);
        noteLaidOut("list arrow up", 159 - arrow->width, upArrowY_, arrow->width, arrow->height);
    }
    if (segment != 0 && stored > endRow && arrow && arrow->width > 0) {
        drawPlain(arrow, (float)(160 - arrow->width / 2), (float)downArrowY_, 0);
        noteLaidOut("list arrow down", 160 - arrow->width / 2, downArrowY_, arrow->width, arrow->height);
    }
    for (int i = firstRow, n = 0; i < endRow && i < stored && i < kNeverDrawnRow; i++, n++) {
        ScoreRowTextures& t = segment != 0 ? onlineTexts_[i] : localTexts_[i];
        const int y = rowsY + kRowHeight * n;
        if (t.left)
            drawPlain(t.left.get(), (float)originX, (float)y, 0);
        if (t.right)
            drawPlain(t.right.get(), (float)(320 - originX - t.right->width), (float)y, 0);
        if (recordLayout)
            noteRow(n, t, originX, y);
    }
    if (busyIndicator)
        busyIndicator->render(160.0f, (float)(rowsY + kRowHeight * kVisibleRows / 2), GameClock::wallMs());
    if (noConnection && noConnectionText_) {
        const int y = rowsY + kRowHeight * kVisibleRows / 2 - noConnectionText_->height / 2;
        drawPlain(noConnectionText_.get(), 80.0f, (float)y, 0);
        noteLaidOut("empty list text", 80, y, noConnectionText_->width, noConnectionText_->height);
    }
}

// What a row shows, as wide as its texts' letters: the name from the left edge, the score to the right edge.
void HiScoresMenuBase::noteRow(int n, const ScoreRowTextures& t, int originX, int y)
{
    const std::string row = "row " + std::to_string(n + 1);
    const int inkHeight = t.ink.bottom - t.ink.top;
    if (t.left)
        noteLaidOut(row + " name", originX, y + t.ink.top, t.leftWidth, inkHeight);
    if (t.right)
        noteLaidOut(row + " score", 320 - originX - t.rightWidth, y + t.ink.top, t.rightWidth, inkHeight);
}

void HiScoresMenuBase::updateBusy()
{
    const bool uploading = uploader.isBusy();
    bool busy = uploading;
    noConnection = false;
    if (segment != 0 && fetcher.results().rowCount < 0) {
        if (!fetcher.resultsReady())
            busy = true;
        else
            noConnection = !uploading;
    }
    if (!busy)
        busyIndicator.reset();
    else if (!busyIndicator)
        busyIndicator.reset(new MyBusyIndicator);
}

void HiScoresMenuBase::update(int originX, int rowsY)
{
    MutexLock lock(&mutex);
    laidOut_.clear();
    MutexLock result(&uploader.resultMutex);
    MutexLock scores(&gHiScoresMutex);
    if (refetchOnFirstUpdate && mode == 2) {
        refetch();
        refetchOnFirstUpdate = false;
    }
    if (promptTime != -1 && elapsedOnWrappingCounter(now(), promptTime) > kPromptDelayMs)
        openPrompt();

    const int stored = fetcher.results().storedCount();
    const float end = segment != 0 ? (float)(stored - kVisibleRows) / kVisibleRows : 0.0f;
    scroll->setMaxPos(end > kScrollTop ? end : kScrollTop);
    bool moving = false;
    const float position = scroll->step(&moving);
    listGliding_ = moving;

    takeUploadResult();

    const int firstRow = segment != 0 ? (int)(position * kVisibleRows) : 0;
    const int endRow = segment != 0 ? firstRow + kVisibleRows : kLocalRows;

    if (fetcher.resultsReady()) {
        if (position >= 1.0f && !fetched201) {
            startFetch(kSecondPage);
            fetched201 = true;
        }
        if (position >= 10.0f && !fetched1001) {
            startFetch(kThirdPage);
            fetched1001 = true;
        }
    }
    buildRows(firstRow < 0 ? 0 : firstRow, endRow);
    updateBusy();
    drawRows(originX, rowsY, firstRow < 0 ? 0 : firstRow, endRow);
}

void HiScoresMenuBase::dropHint()
{
    dropBubbleNow(&hintAnimation);
}

void HiScoresMenuBase::handleHintTap(int phase, int x, int y)
{
    if (x < 147 || x > 173 || !(phase == TouchDown || (phase == TouchUp && hintState != 0)))
        return;
    const int p = (int)(scroll->shownPosition() * kVisibleRows);
    int arrow = 0, anchorX = 0, anchorY = 0, side = 0;
    // The taps are taken around where the arrows are drawn.
    if (y >= upArrowY_ - kHintReach && y <= upArrowY_ + kHintReach && p > 0) {
        arrow = 1, anchorX = 162, anchorY = upArrowY_, side = 0;
    } else if (y >= downArrowY_ - kHintReach && y <= downArrowY_ + kHintReach && p <= 989 && segment == 2) {
        arrow = 2, anchorX = 163, anchorY = downArrowY_ + kHintReach, side = 1;
    }
    if (arrow == 0)
        return;
    if (phase == TouchDown) {
        hintState = arrow;
        return;
    }
    if (hintState == arrow && !bubbleRunning(hintAnimation)) {
        MenuBubble* bubble = createMenuBubble(getText(166), anchorX, anchorY, side, 290, 600, 1.0f, 0);
        MenuBubble::animate(&hintAnimation, bubble, 4000);
    }
    hintState = 0;
}

int HiScoresMenuBase::handleTouch(int phase, int x, int y)
{
    MutexLock lock(&mutex);
    if (phase == TouchDown && promptPending()) {
        promptTime -= 10000;
        return 1;
    }
    scroll->handleTouch(phase, x, y);
    if (phase == TouchDown)
        hintState = 0;
    if (scroll->isMoving()) {
        auto* showing = static_cast<MenuBubble::BubbleAnimation*>(hintAnimation.get());
        if (showing && showing->bubble)
            showing->bubble->close(600, false);
        return 0;
    }
    handleHintTap(phase, x, y);
    return 0;
}
