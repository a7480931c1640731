#include "game/BottomBar.h"

#include "Core/Language.h"
#include "Core/String.h"
#include "board/GameGraphics.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/DrawParams.h"
#include "graphics/TextRender.h"

namespace {

const int kCaptionFontSize = 17;
const int kLabelFontSize = 11;   // the labels sit at the screen's bottom edge
const float kCaptionX = 160.0f;
const float kDisabledAlpha = 0.65f;
// The hint number's digits: the small dark digits, shrunk to fit the bulb and moved onto its glass.
const float kDigitScale = 0.55f;
const float kDigitShiftX = 4.0f;
const float kDigitShiftY = 1.0f;

DrawParams withAlpha(float alpha)
{
    DrawParams params;
    params.alpha = alpha;
    return params;
}

}  // namespace

HintNumberLayout hintNumberLayout(int n, bool raised)
{
    HintNumberLayout layout;
    if (n < 0)
        return layout;
    if (n > 99)
        n = 99;
    if (n < 10) {
        layout.count = 1;
        layout.digit[0] = n;
        layout.x[0] = 293.5f;
        layout.y = raised ? 437.5f : 444.5f;
        return layout;
    }
    layout.count = 2;
    layout.digit[0] = n / 10;
    layout.digit[1] = n % 10;
    layout.x[0] = 292.0f;
    layout.x[1] = n > 19 ? 299.5f : 299.0f;   // a narrow 1 before it
    layout.y = raised ? 439.0f : 446.0f;
    return layout;
}

Texture* BottomBar::text(OwnedPtr<Texture>& slot, const char* text, int width, int height, int fontSize)
{
    if (!slot) {
        TextStyle style;
        style.align = 1;
        slot.reset(new Texture(text, width, height, fontSize, style, false));
    }
    return slot.get();
}

void BottomBar::forgetOtherLanguageTexts()
{
    if (language_ == currentLanguage())
        return;
    language_ = currentLanguage();
    menuCaption_.reset();
    pausedCaption_.reset();
}

void BottomBar::draw(GameGraphics& g, const BottomBarState& state)
{
    forgetOtherLanguageTexts();
    DrawParams centred;
    centred.centreX = 1;
    if (state.caption == BottomBarState::kPausedCaption) {
        drawTexture(text(pausedCaption_, getText(344).c_str(), 256, 32, kCaptionFontSize), kCaptionX, 451.0f, centred);
    } else if (state.caption == BottomBarState::kMenuCaption) {
        centred.alpha = state.captionAlpha;
        drawTexture(text(menuCaption_, getText(343).c_str(), 256, 40, kCaptionFontSize), kCaptionX, state.german ? 441.0f : 451.0f,
                    centred);
    }

    if (state.labels) {
        DrawParams label;
        label.centreX = 1;
        drawTexture(text(undoLabel_, "Undo", 64, 32, kLabelFontSize), 17.0f, 467.0f, label);
        drawTexture(text(hintLabel_, "Hint", 64, 32, kLabelFontSize), 304.0f, 467.0f, label);
    }
    const SpriteRef& hud = g.common[kEntryHud];
    hud.drawFrame(kHudUndo, 2.0f, state.labels ? 438.0f : 445.0f,
                  withAlpha(state.undoEnabled ? 1.0f : kDisabledAlpha));
    const bool hintOpaque = state.hintEnabled || state.hintAlwaysOpaque;
    hud.drawFrame(kHudHint, 291.0f, state.labels ? 434.0f : 441.0f, withAlpha(hintOpaque ? 1.0f : kDisabledAlpha));

    const HintNumberLayout number = hintNumberLayout(state.hintNumber, state.labels);
    DrawParams digit = withAlpha(hintOpaque ? 1.0f : kDisabledAlpha);
    digit.scaleX = kDigitScale;
    for (int i = 0; i < number.count; i++)
        g.common[kEntrySmallDigits].drawFrame(number.digit[i], number.x[i] + kDigitShiftX, number.y + kDigitShiftY,
                                              digit);
}
