#ifndef KELZO_MENUS_LANGUAGECAROUSEL_H
#define KELZO_MENUS_LANGUAGECAROUSEL_H

#include "Core/Language.h"
#include "Core/OwnedPtr.h"
#include "graphics/SpriteSheet.h"
#include "graphics/Texture.h"
#include "ui/Scroller.h"

// The language menu's strip of the five flags, each with the language's name under it, 78 px apart: the one in
// the middle is the language the menu applies. Drags inside the band under the plate spin it (a Scroller over
// 0..4); flags shrink with their distance from the middle. The flags and the shadow laid over them live in the
// menu's atlas; the names are textures of their own.
//
//   LanguageCarousel carousel(&atlas);     // starts on the current language
//   carousel.handleTouch(phase, x, y);      // every touch the menu gets
//   carousel.draw(plateTop);                // every frame: steps, then draws
//   setLanguage(carousel.scroller.page);
class LanguageCarousel {
public:
    static const int kPitch = 78;         // px between flags
    static const int kBandHeight = 130;   // touch band from the plate's top
    static const int kFlagCentreY = 45;   // below the plate's top
    static const int kNameTop = 46;
    static const int kNameWidth = 120;
    static const int kNameHeight = 32;
    static const int kNameFontSize = 14;
    static constexpr float kFlagScale = 0.88f;

    explicit LanguageCarousel(SpriteSheet* atlas);

    // Steps the scroller, makes the band follow the plate (its top at `top`), and draws the flags and names,
    // clipped to x 10..310, with the shadow over them.
    void draw(int top);
    // Press, drag and release feed the scroller (a release's tap is left to the menu's buttons).
    void handleTouch(int phase, int x, int y);
    // The language in the middle.
    int selectedLanguage() const { return scroller.page; }

    // The scale of a flag d languages from the middle: 1 - 0.15|d|, eased halfway toward 0.83 below it, and
    // 0.415 where that would go below 0.
    static float flagScale(float d);

    SpriteRef flags[kLanguageCount];
    OwnedPtr<Texture> names[kLanguageCount];
    SpriteRef shadow;  // set by the menu; drawn centred on x 160 from the plate's top, over the flags
    Scroller scroller;
};

// The language's name as the carousel shows it: its own name when the experiment "eo" is above 0, else its
// name in the current language (text 31 + id).
String carouselLanguageName(int language);

#endif
