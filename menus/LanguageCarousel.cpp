#include "menus/LanguageCarousel.h"

#include <cmath>

#include "graphics/GlState.h"
#include "graphics/TextRender.h"
#include "settings/AbSettings.h"
#include "ui/MenuTextStyle.h"
#include "ui/ViewElementI.h"

namespace {

const char* const kFlagPictures[kLanguageCount] = {"gb.png", "de.png", "es.png", "fr.png", "it.png"};
const char* const kOwnNames[kLanguageCount] = {"English", "Deutsch", "Espa\xc3\xb1ol", "Fran\303\247ais",
                                               "Italiano"};
const int kLanguageNameBase = 31;
const int kCentreX = 160;
const float kClipLeft = 10.0f;
const float kClipRight = 310.0f;
const float kScaleStep = 0.15f;
const float kEaseFloor = 0.83f;
const float kFarScale = 0.415f;
const float kFriction = 0.85f;

}  // namespace

String carouselLanguageName(int language)
{
    if (gAbSettings.eo > 0)
        return String(kOwnNames[language]);
    return getText(kLanguageNameBase + language);
}

float LanguageCarousel::flagScale(float d)
{
    float s = 1.0f - kScaleStep * std::fabs(d);
    if (s < 0.0f)
        return kFarScale;
    if (s < kEaseFloor)
        s += (kEaseFloor - s) * 0.5f;
    return s;
}

LanguageCarousel::LanguageCarousel(SpriteSheet* atlas)
{
    scroller.minPage = 0;
    scroller.maxPage = kLanguageCount - 1;
    scroller.pageWidth = kPitch;
    scroller.friction = kFriction;
    scroller.flickFactor = 1.0f;
    scroller.bandTop = -1;  // no band until the first frame places it
    scroller.bandBottom = -1;
    TextStyle style = defaultTextStyle();
    style.align = 1;
    for (int i = 0; i < kLanguageCount; i++) {
        flags[i] = atlas->addImage(kFlagPictures[i], 1.0f);
        names[i].reset(new Texture(carouselLanguageName(i).c_str(), kNameWidth, kNameHeight, kNameFontSize, style,
                                   false));
    }
    scroller.page = currentLanguage();
    scroller.pagePos = scroller.position = (float)scroller.page;
}

void LanguageCarousel::draw(int top)
{
    scroller.step();
    scroller.bandTop = top;
    scroller.bandBottom = top + kBandHeight;
    setClipRect(kClipLeft, 0.0f, kClipRight, 480.0f);
    for (int i = 0; i < kLanguageCount; i++) {
        const float d = (float)i - scroller.position;
        const float s = flagScale(d);
        if (s <= 0.0f)
            continue;
        const float cx = d * kPitch + kCentreX;
        DrawParams flag;
        flag.scaleX = kFlagScale * s;
        flag.centreX = flag.centreY = 1;
        flags[i].draw(cx, (float)(top + kFlagCentreY), flag);
        DrawParams name;
        name.scaleX = s;
        name.alpha = s;
        name.centreX = 1;
        const float nameTop = top + kNameTop + (flags[i].height / 2 + 3) * kFlagScale * s;
        drawTexture(names[i].get(), cx, nameTop, name);
    }
    disableClip();
    // The shadow is the plate's rim and ends in black: it lies on the plate, from its top.
    DrawParams over;
    over.centreX = 1;
    shadow.draw((float)kCentreX, (float)top, over);
}

void LanguageCarousel::handleTouch(int phase, int x, int y)
{
    if (phase == TouchDown)
        scroller.beginDrag(x, y);
    else if (phase == TouchUp)
        scroller.endDrag(x, y, nullptr);
    else
        scroller.drag(x, y);
}
