#ifndef KELZO_MENUS_HISCORESMENUBASE_H
#define KELZO_MENUS_HISCORESMENUBASE_H

#include <string>
#include <vector>

#include "Core/Mutex.h"
#include "Core/OwnedPtr.h"
#include "Core/Ref.h"
#include "graphics/AnimationList.h"
#include "graphics/TextRender.h"
#include "graphics/Texture.h"
#include "scores/HiScoreEntry.h"
#include "scores/HiScoreList.h"
#include "scores/HiScoresListenerI.h"
#include "ui/AlertViewCallbackI.h"
#include "ui/ListScroller.h"
#include "ui/SegmentedControlCallbackI.h"

class CustomAlertView;
class HiScoresFetcher;
class HiScoresHostI;
class HiScoresUploader;
class MyBusyIndicator;
class HiScoreTable;
class TiledMenu;

// The two textures of one drawn score row and the texts they were made from.
struct ScoreRowText {
    String left;    // "3. Anna", or the name alone without a rank
    String right;   // the score as shown
    int alpha = 255;
    int fontSize = 15;
};

// Where the last frame drew one piece of the screen, in screen pixels, named for what it is ("row 3 name",
// "period bar"): what the layout is checked against.
struct LaidOutRect {
    std::string what;
    int x, y, w, h;
};

struct ScoreRowTextures {
    OwnedPtr<Texture> left;
    OwnedPtr<Texture> right;
    ScoreRowText text;   // what they show
    int leftWidth = 0;   // the texts' widths in letters, not boxes
    int rightWidth = 0;
    TextInk ink{0, 0};   // how high and low their letters reach in the boxes
};

// Everything of the high-score screen but its layout: which list is shown (segment 0 the local table, 2 the
// online list; Free Play's segment 1 is read as 2), the online period, how many rows to fetch (51, then 201
// once the list is scrolled by 10 rows, then 1001 at 100), the upload prompt 2 s after opening or at the first
// tap, the upload and what its answer does, and the drawing of the rows. The screen (HiScoresMenu) owns the
// tabs and calls update() every frame.
//
// Threads: the fetch and the upload run on the score workers; everything here runs on the main thread and
// takes this object's mutex, then the uploader's resultMutex, then gHiScoresMutex, never the other way round.
// The uploader's result (the table's pending flags) is applied here and by the application's frame, on the
// main thread. With online scores switched off nothing is sent, no prompt opens, and the online list says that
// they are off (text 501); text 165 is for a server out of reach.
class HiScoresMenuBase : public SegmentedControlCallbackI, public AlertViewCallbackI, public HiScoresListenerI {
public:
    static const int kPromptDelayMs = 2000;
    static const int kFirstPage = 51;
    static const int kSecondPage = 201;
    static const int kThirdPage = 1001;
    static const int kVisibleRows = 10;
    static const int kRowHeight = 18;
    // A row's texts are boxes of one line, tall enough for the font's descenders (the comma in "6,000").
    static constexpr int kRowTextHeight = 22;
    // Left and right ends of the list's texts: a name stops this far before its row's score.
    static constexpr int kListWidth = 238;
    static constexpr int kNameScoreGap = 8;
    static constexpr int kNameBoxWidth = 165;
    static constexpr int kScoreBoxWidth = 98;
    // The list's arrows sit this far above the first row and below the last one.
    static constexpr int kArrowGap = 4;

    // The workers default to the program's two (gHiScoresUploader, gHiScoresFetcher).
    HiScoresMenuBase(HiScoreTable* table, bool afterNewScore, const HiScoreEntry* entry, int slot, bool timeScores,
                     HiScoresHostI* host, HiScoresUploader* uploader = nullptr, HiScoresFetcher* fetcher = nullptr);
    ~HiScoresMenuBase() override;
    HiScoresMenuBase(const HiScoresMenuBase&) = delete;
    HiScoresMenuBase& operator=(const HiScoresMenuBase&) = delete;

    void segmentSelected(int tag, MyView* view) override;
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;
    // The screen sets its source control to the list now shown.
    virtual void selectSourceSegment(int segment) = 0;
    virtual TiledMenu* menu() { return nullptr; }
    void requestRedraw() override = 0;

    // No worker calls this screen from now on. A screen class calls it first in its destructor, so that no
    // call reaches a half-destroyed screen; the base's destructor calls it again.
    void detachWorkers();
    void resetResults();
    void showSlot(int slot, int timeFilter);
    // Free Play: the player's own entry (online name, level reached) is ranked, and the list fetched again.
    void refetch();
    void startFetch(int count);
    void restartFetch(int segment);
    void startUpload();

    // 1 when the touch was taken (the prompt tap), else 0.
    int handleTouch(int phase, int x, int y);
    // Every frame: the prompt, the scroll, the upload's answer, paging and the rows. Draws the rows and arrows.
    void update(int originX, int rowsY);

    // The texts of one row; `rank` -1 shows no number.
    ScoreRowText rowText(const HiScoreEntry& row, int rank, bool highlight, bool large) const;
    void renderRow(ScoreRowTextures* out, const HiScoreEntry& row, int rank, bool highlight, bool large);

    // What the list area shows now.
    bool busyShown() const { return !busyIndicator.isNull(); }
    // The list glided in the last update: the next frame must come.
    bool listGliding() const { return listGliding_; }
    bool noConnectionShown() const { return noConnection; }
    // What the last frame drew where: the rows, the list's arrows (and what the screen adds). Noted only while
    // recordLayout is set (the layout tests): a frame builds no names for it otherwise.
    const std::vector<LaidOutRect>& laidOut() const { return laidOut_; }
    bool recordLayout = false;
    // The text id said in place of an online list that did not come.
    int emptyListText() const { return emptyListText_; }
    int shownSegment() const { return segment; }
    int shownSlot() const { return slot; }
    int shownTimeFilter() const { return timeFilter; }
    bool promptScheduled() const { return promptTime != -1; }
    // The textures of row `index` of the list shown (local in segment 0); left is null until it is built.
    const ScoreRowTextures& shownRow(int index) const
    {
        return segment != 0 ? onlineTexts_[index] : localTexts_[index];
    }

    HiScoreTable* table;
    int slot;
    int initialSlot;
    int mode;
    bool afterNewScore;
    HiScoreEntry ownEntry;
    HiScoreEntry entry;        // the entry ranked online and offered for upload
    bool hasEntry = false;
    HiScoreList localList;
    bool timeScores;
    int segment = 0;
    int timeFilter = 0;
    int promptTime = -1;
    bool deferredRefetch = false;
    bool fetched201 = false;
    bool fetched1001 = false;
    bool uploadStarted = false;
    bool refetchOnFirstUpdate = false;
    CustomAlertView* shortPrompt = nullptr;
    CustomAlertView* longPrompt = nullptr;
    CustomAlertView* uploadFailedAlert = nullptr;
    OwnedPtr<ListScroller> scroll;
    Ref<AnimationI> hintAnimation;
    int hintState = 0;          // 0 none, 1 upper arrow armed, 2 lower arrow armed
    Mutex mutex;

protected:
    OwnedPtr<Texture> arrowTexture_;
    HiScoresUploader& uploader;
    HiScoresFetcher& fetcher;
    HiScoresHostI* host;

    void noteLaidOut(const std::string& what, int x, int y, int w, int h)
    {
        if (recordLayout)
            laidOut_.push_back(LaidOutRect{what, x, y, w, h});
    }

private:
    int initialSegment() const;
    bool promptPending() const;
    bool scoreToOffer() const;
    void openPrompt();
    void takeUploadResult();
    void buildRows(int firstRow, int endRow);
    void drawRows(int originX, int rowsY, int firstRow, int endRow);
    void noteRow(int n, const ScoreRowTextures& t, int originX, int y);
    void updateBusy();
    void handleHintTap(int phase, int x, int y);
    void clearRowTextures();
    void resetScroll();
    void resetPaging();
    void dropHint();

    std::vector<ScoreRowTextures> onlineTexts_;
    ScoreRowTextures localTexts_[12];
    bool localBuilt_[12] = {};
    OwnedPtr<Texture> noConnectionText_;
    std::vector<LaidOutRect> laidOut_;
    int upArrowY_ = -1000;     // where the list's arrows were drawn last, for their hint taps
    int downArrowY_ = -1000;
    int emptyListText_ = 0;
    OwnedPtr<MyBusyIndicator> busyIndicator;  // present while something is awaited
    bool noConnection = false;
    bool listGliding_ = false;
};

#endif
