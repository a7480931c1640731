#ifndef KELZO_MENUS_HISTORYMENU_H
#define KELZO_MENUS_HISTORYMENU_H

#include <memory>
#include <vector>

#include "Core/OwnedPtr.h"
#include "graphics/Texture.h"
#include "menus/HistoryCard.h"
#include "menus/HistoryHostI.h"
#include "ui/AlertViewCallbackI.h"
#include "ui/Scroller.h"
#include "ui/SegmentedControlCallbackI.h"
#include "ui/TiledMenu.h"

class CustomAlertView;
class CustomMultiSelect;
class ImageElement;
struct GameGraphics;

// The strip of past Free Play puzzles, newest first, one card every 200 px
// behind a window: each card shows the puzzle's starting board on grass, its
// level and number, and how it went. A three-way control lists the unsolved,
// all or the solved ones. Tapping a card asks whether to play it again; yes
// replays that very record on the play screen. Taps answer 0 (back) or -1.
//
// A card's picture and texts are made when it comes into view and dropped
// when it leaves, so a long history costs no more than the few cards shown.
class HistoryMenu : public TiledMenu, public AlertViewCallbackI, public SegmentedControlCallbackI {
public:
    static constexpr int kTagBack = 0;
    static constexpr int kFilterUnsolved = 0;
    static constexpr int kFilterAll = 1;
    static constexpr int kFilterSolved = 2;
    static constexpr int kCardPitch = 200;
    static constexpr int kStripCentre = 160;
    static constexpr int kBandTop = 130;
    static constexpr int kBandBottom = 420;

    // graphics: the board pictures the furballs are drawn with (null draws
    // the cards without them). topOffset: 25 when the shell moves menus down.
    HistoryMenu(HistoryHostI& host, GameGraphics* graphics, int topOffset);
    ~HistoryMenu() override;

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void addContents() override;
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;
    void segmentSelected(int tag, MyView* view) override;

    // The listed records (indices into the play history), newest first.
    int cardCount() const { return (int)cards_.size(); }
    const HistoryRecord& cardRecord(int card) const;
    // Left position of a card for the strip's current position.
    float cardX(int card) const;
    // The furballs card `card` draws, made when it came into view (empty before, and for a puzzle the store lacks).
    const std::vector<CardFurball>& cardPicture(int card) const { return cards_[card].furballs; }
    bool cardHasTexts(int card) const { return cards_[card].title != nullptr; }
    // The text of the empty-list message, by filter.
    int emptyTextId() const;

    int filter = 3;   // lists nothing until the contents are built
    int firstVisible = 0;
    Scroller scroller;
    CustomMultiSelect* filterControl = nullptr;   // the view holds it
    ImageElement* windowImage = nullptr;          // the view holds it
    CustomAlertView* alert = nullptr;             // the replay question while open; the stack owns it

private:
    struct Card {
        int record;
        std::unique_ptr<Texture> title;
        std::unique_ptr<Texture> status;
        std::vector<CardFurball> furballs;
    };

    void resetScroller();
    void buildRows();
    void selectFilter(int segment);
    void drawCard(int card, float x);
    void makeCardContents(Card& card);
    void dropCardContents(Card& card);
    void drawFurballs(const Card& card, float x);
    void askReplay(int card);

    HistoryHostI& host_;
    GameGraphics* graphics_;
    int topOffset_;
    std::vector<Card> cards_;
    HistoryRecord asked_{};      // the record the open question is about
    OwnedPtr<Texture> emptyMessage_;
    OwnedPtr<Texture> highlight_;
    OwnedPtr<Texture> badgeLine1_;
    OwnedPtr<Texture> badgeLine2_;
    OwnedPtr<Texture> cardBackground_;
};

#endif
