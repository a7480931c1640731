// How long building a dialog takes, from its constructor to its uploaded atlas (and its deletion), with the
// game's fonts and pictures in the offscreen GL context. Alerts are built during play (give up, level done, game over), so one
// must fit in a 60 Hz frame (16.7 ms) at the 99th percentile.
//
//   alert      a one-line title, a three-line message and two buttons
//   menu       twelve rows: heading, text lines, a paragraph, label, number, buttons, a button row, an entry row
//
// Prints the first build (fonts opened, pictures read for the first time) apart, then the median, the 99th
// percentile and the maximum of the rest. Run: build/bench/menus/bench_menu_build [builds]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "bench/BenchDataFolder.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/GlState.h"
#include "graphics/OffscreenGlContext.h"
#include "graphics/RenderBatch.h"
#include "graphics/SpriteSheet.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"
#include "ui/TiledMenu.h"

namespace {

const double kFrameBudgetMs = 1000.0 / 60.0;

class TwelveRowMenu : public TiledMenu {
public:
    TwelveRowMenu() : TiledMenu(512, 512, 512, 256) { build(0, true, 50); }
    void addContents() override
    {
        addBackButton(9, 0, false);
        addHeading("Settings", 1);
        addTextLine("Sound", 2, 15);
        addTextParagraph(3, "Effects and music play at the volumes below; the game remembers them.", 240, 34, true,
                         true);
        addLabel(4, "Level", 240, 22, true, 15);
        addNumber(5, 27, 240, 24, 18, true, false);
        addButton(3, 6, "Themes", true, ButtonOptions());
        addVerticalSpace(7, 6);
        addButton(4, 8, "Language", true, ButtonOptions());
        int row = 9;
        addButtonRow(&row, "Reset", "Done", nullptr, false, 5, 6, false);
        addVerticalSpace(row++, 6);
        addTextEntryField(row++, "Name", "Kim", false);
    }
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    size_t index = size_t(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

template <typename Build>
void measure(const char* label, int builds, Build build)
{
    std::vector<double> ms;
    for (int i = 0; i <= builds; i++) {
        const auto start = std::chrono::steady_clock::now();
        build();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    const double first = ms.front();
    ms.erase(ms.begin());
    const double p99 = percentile(ms, 0.99);
    printf("%-6s builds %5zu  first %7.3f ms  median %7.3f ms  p99 %7.3f ms  max %7.3f ms  %s\n", label, ms.size(),
           first, percentile(ms, 0.5), p99, *std::max_element(ms.begin(), ms.end()),
           p99 <= kFrameBudgetMs ? "within a frame" : "OVER a frame");
}

}  // namespace

int main(int argc, char** argv)
{
    const int builds = argc > 1 ? std::max(1, atoi(argv[1])) : 300;
    OffscreenGlContext gl(320, 480);
    if (!gl.isReady()) {
        fprintf(stderr, "bench_menu_build: no offscreen GL: %s\n", gl.error());
        return 1;
    }
    if (!enterDataFolderCopy("bench_menu_build"))
        return 1;
    initGlState(320, 480);
    gGameClock.updateAt(100000);
    gLanguage = new Language(kEnglish);
    SpriteSheet common(1024, 1024, true);
    common.load("fullBitmap", "fullBitmap", true, true);
    setSharedMenuTexture(kSharedWood, SpriteRef{kCommonWood, &common, 320, 480}.copyBitmap(0));

    measure("alert", builds, [] {
        new CustomAlertView(nullptr, "Level done", "You solved every puzzle of this level. The next one has more "
                            "furballs and fewer hints, so think before you swipe.", "Next level", "Menu", nullptr,
                            AlertOptions());
        gMenuStack.deleteAllMenus();
        gRenderBatch.flush();
    });
    measure("menu", builds, [] {
        TwelveRowMenu menu;
        gRenderBatch.flush();
    });

    releaseSharedMenuTextures();
    unloadLanguage();
    return 0;
}
