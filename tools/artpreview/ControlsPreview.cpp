#include "ControlsPreview.h"

#include "MenuGlScreen.h"

#include "Core/Language.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/OffscreenGlContext.h"
#include "graphics/RenderBatch.h"
#include "graphics/SpriteSheet.h"
#include "graphics/Texture.h"
#include "ui/BubbleHost.h"
#include "ui/CustomSwitch.h"
#include "ui/MenuBubble.h"
#include "ui/MenuBubbleList.h"
#include "ui/Slider.h"

#include <memory>

namespace {

// The shared sheet's tail, as the game hands it to the bubbles.
class PreviewBubbleHost : public BubbleHost {
public:
    explicit PreviewBubbleHost(SpriteRef tailPicture) : tail(tailPicture) {}
    bool tutorialDone() override { return false; }
    bool onPlayScreen() override { return false; }
    SpriteRef bubbleTail() override { return tail; }
    SpriteRef tail;
};

void drawSwitchPair(int y)
{
    SpriteSheet atlas(256, 128, false);
    CustomSwitch on(&atlas, true, nullptr), off(&atlas, false, nullptr);
    atlas.uploadPages();
    on.render(40.0f, (float)y, 1.0f, -1.0f, 1.0f, 0.0f, false);
    off.render(180.0f, (float)y, 1.0f, -1.0f, 1.0f, 0.0f, false);
    gRenderBatch.flush();
}

void drawSliders()
{
    const float values[3] = {0.0f, 0.5f, 1.0f};
    for (int i = 0; i < 3; i++) {
        Slider slider(new Texture("Button_28x28.png", 1.0f, false));
        slider.value = values[i];
        slider.render(26.0f, 80.0f + 40.0f * (float)i, 1.0f, -1.0f, 1.0f, 0.0f, false);
        gRenderBatch.flush();
    }
}

struct BubbleSpec {
    const char* text;
    int anchorX, anchorY, placement, footerKind;
};

void drawBubbles(const BubbleSpec* specs, int n)
{
    MenuBubbleList list;
    for (int i = 0; i < n; i++) {
        const BubbleSpec& s = specs[i];
        list.add(createMenuBubble(String(s.text), s.anchorX, s.anchorY, s.placement, 200, -1, 1.0f, s.footerKind));
    }
    list.render();
    gRenderBatch.flush();
}

void drawPage(const SpriteSheet& common, bool german)
{
    DrawParams plain;
    const_cast<SpriteSheet&>(common).drawRegion(kCommonWood, 0.0f, 0.0f, plain);
    drawSwitchPair(30);
    if (german) {
        const BubbleSpec bubbles[] = {
            {"Unter dem Punkt, links.", 50, 190, 1, 0},
            {"Ueber dem Punkt, rechts, mit einer Zeile darunter.", 270, 430, 0, 1},
        };
        drawBubbles(bubbles, 2);
        return;
    }
    drawSliders();
    const BubbleSpec bubbles[] = {
        {"Above the spot, on the left half, with a footer line.", 60, 300, 0, 1},
        {"Below the spot, on the right half, with a late footer.", 250, 320, 1, 2},
    };
    drawBubbles(bubbles, 2);
}

}  // namespace

bool writeControlsPreview(const std::string& dataDir, const std::string& outDir)
{
    MenuGlScreen screen(dataDir);
    if (!screen.ready())
        return false;
    SpriteSheet& common = screen.common;
    const SpriteRegion* tailRegion = common.region(kCommonBubbleTail);
    PreviewBubbleHost host(SpriteRef{kCommonBubbleTail, &common, tailRegion ? tailRegion->width : 0,
                                     tailRegion ? tailRegion->height : 0});
    gBubbleHost = &host;

    Bitmap sheet(2 * 320 + 8, 480, false);
    for (int page = 0; page < 2; page++) {
        unloadLanguage();
        gLanguage = new Language(page == 0 ? kEnglish : kGerman);
        drawPage(common, page == 1);
        std::unique_ptr<Bitmap> frame(screen.gl.readFrame());
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 320; x++)
                sheet.at(page * 328 + x, y) = frame->at(x, y);
    }
    gBubbleHost = nullptr;
    bool ok = screen.finish();
    return sheet.savePng((outDir + "/menu_controls.png").c_str()) && ok;
}
