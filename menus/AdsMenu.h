#ifndef KELZO_MENUS_ADSMENU_H
#define KELZO_MENUS_ADSMENU_H

#include "Core/Ref.h"
#include "ui/TiledMenu.h"

class Texture;

// The page that shows our other puzzle game, Marbix: its title, icon and
// description, three screenshots over one shared soft shadow, two press
// quotes with their stars, and a green button to its store page. Nothing in
// the menus leads here yet. Taps answer 0 (back) and 1 (the store page was
// handed to the browser; the page stays).
class AdsMenu : public TiledMenu {
public:
    static constexpr int kTagBack = 0;
    static constexpr int kTagStore = 1;

    AdsMenu();
    void addContents() override;
    int handleTouch(int phase, int x, int y) override;

    // The two quotes and their sources, the same in every language.
    static const char* const kFirstQuote;
    static const char* const kSecondQuote;
    static const char* const kFirstSite;
    static const char* const kSecondSite;

private:
    void addScreenshots(int row, const Ref<Texture>& shadow);
    void addQuoteSource(int row, int indent, const char* site, int boxWidth);
};

#endif
