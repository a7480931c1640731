#ifndef KELZO_MENUS_HISCORESMENU_H
#define KELZO_MENUS_HISCORESMENU_H

#include "Core/OwnedPtr.h"
#include "graphics/Bitmap.h"
#include "graphics/Texture.h"
#include "menus/HiScoresMenuBase.h"
#include "ui/MyTextFieldCallbackI.h"
#include "ui/TiledMenu.h"

class CustomMultiSelect;
class TextEntryField;

// A press area of a period arrow: armed by a press inside it, fired by a release within 20 px of the press.
struct TouchZone {
    unsigned char enabled = 0;
    int downX = -1;
    int downY = -1;
    int halfWidth = 22;
    int halfHeight = 16;
    unsigned char armed = 0;
    int centreX = -1;
    int centreY = -1;
    float scale = 1.0f;  // the arrow's drawn size: grows to 1.5 while pressed
};

// The high-score screen: one list at a time, the local list of a slot or its online list for a period,
// with the difficulty tiles (or, in Free Play, the player's online name) above it, the local/online control
// below it (not in Free Play, which always shows the online list), and the period bar with its arrows and
// dots over the online list. The list itself is HiScoresMenuBase's. Its only action code is 0, Back.
//
// The name field stores the online name on every key, saved at once, and fetches the list again once no key
// has come for 500 ms, so that typing a name sends one request.
//
//     HiScoresMenu* menu = new HiScoresMenu(&table, afterNewScore, entry, slot, gameMode == 6, host);
//     ... every frame: menu->render(); on touches: if (menu->handleTouch(phase, x, y) != -1) leave
class HiScoresMenu : public TiledMenu, public HiScoresMenuBase, public MyTextFieldCallbackI {
public:
    static const int kNameFetchDelayMs = 500;
    static const int kDragCancel = 20;

    HiScoresMenu(HiScoreTable* table, bool afterNewHighScore, const HiScoreEntry* entry, int slot,
                 bool lowerIsBetter, HiScoresHostI* host, HiScoresUploader* uploader = nullptr,
                 HiScoresFetcher* fetcher = nullptr);
    ~HiScoresMenu() override;

    void addContents() override;
    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void textFieldKey(int key) override;
    void requestRedraw() override;
    void selectSourceSegment(int source) override;
    TiledMenu* menu() override { return this; }

    // Where the period bar's top stands (valid once the online list has been drawn).
    int periodBarTop() const { return periodTop_; }

    CustomMultiSelect* sourceControl = nullptr;
    ViewChild* overlayChild = nullptr;   // index-stable through overlayChildIndex_
    OwnedPtr<Texture> periodBackground;
    OwnedPtr<Texture> periodTitle;
    OwnedPtr<Texture> pageDot;
    TouchZone prevZone;
    TouchZone nextZone;
    Ref<AnimationI> tipAnimationRef;
    MyView* modeRow = nullptr;
    TextEntryField* nameField = nullptr;
    int menuTopOffset = 0;               // 25 when the shell moves every menu down

private:
    bool freePlay() const { return mode == 2; }
    void showFirstVisitTip();
    bool tipTakesTouch();
    void drawPeriodBar(int fx, int top);
    void noteControls(ViewElementI* frame);
    void notePeriodBar(int fx);
    int framesWanted() const;
    void makePeriodTitle(int top);
    void stepZone(TouchZone& zone, int phase, int x, int y, int step);
    void followSelectedTile();
    void fetchTypedName();

    int overlayChildIndex_ = -1;
    int periodTop_ = -1;
    bool arrowsEasing_ = false;   // a period arrow still grows or shrinks toward its size
    int nameTypedAt_ = 0;
    bool nameFetchDue_ = false;
};

// Once per run: the first high-score screen of Challenge and of Free Play shows its tip.
extern bool gChallengeScoresTipShown;
extern bool gFreePlayScoresTipShown;

// The period title's letters given the grain of the wood under them: an overlay of each letter on the wood,
// lightened through a second overlay, scaled by the letter's coverage. `text` is premultiplied; its pixel (c, r)
// takes the wood at (left + c, top + r); pixels whose wood lies outside the picture stay as they are.
void engraveIntoWood(Bitmap* text, const Bitmap* wood, int left, int top);

#endif
