#include "tests/graphics/GlTestContext.h"

#include <memory>
#include <string>

#include "graphics/FontCache.h"
#include "graphics/TextRender.h"
#include "graphics/TextTexture.h"

namespace {

const std::string kTextureFont = std::string(KELZO_DATA_DIR) + "/AmericanTypewriter-Bold";

class TextTextureTest : public GlTest {
protected:
    void TearDown() override {
        gTextRgbaByDefault = 0;
        GlTest::TearDown();
    }
    static Texture* text(const char* s, float opacity, const DivisionTable* effect, bool golden, bool rgba) {
        return new Texture(s, 128, 40, 1, kTextureFont.c_str(), 24, 0, opacity, true, effect, golden, rgba, 4);
    }
    static int maxCoverage(const Texture& t) {
        int most = 0;
        for (int y = 0; y < t.height; ++y)
            for (int x = 0; x < t.width; ++x) most = std::max(most, t.alpha ? (int)t.alpha->at(x, y) : (int)t.rgba->at(x, y).a);
        return most;
    }
};

TEST_F(TextTextureTest, DivisionTable) {
    DivisionTable table;
    buildDivisionTable(&table, 9);
    EXPECT_EQ(table.table.size(), 4864);
    EXPECT_EQ(table.table.capacity(), 8192);
    EXPECT_EQ(table.table[4863], 255);
    EXPECT_EQ(table.table[18], 0);
    EXPECT_EQ(table.table[19], 1);
    EXPECT_EQ(gTextHaloKernels[0].radius, 9);
    EXPECT_EQ(gTextHaloKernels[1].table.size(), 256 * 37);
}

TEST_F(TextTextureTest, HaloOfOneCoveredPixel) {
    DivisionTable kernel;
    buildDivisionTable(&kernel, 1);
    MonoBitmap mono(8, 8, false);
    mono.at(4, 4) = 255;
    const TextRect all{0, 0, 8, 8};
    std::unique_ptr<Bitmap> gold(composeTextEffects(&mono, &kernel, true, &all, 4));
    EXPECT_EQ(rgbaWord(gold->at(4, 4)), rgbaWord(RGBA{255, 255, 85, 255}));
    // The neighbours get the blur, 255 / 3 / 3 in two steps, as alpha without colour: a dark outline.
    EXPECT_EQ(rgbaWord(gold->at(3, 5)), rgbaWord(RGBA{0, 0, 0, 28}));
    EXPECT_EQ(rgbaWord(gold->at(6, 4)), 0u);
    std::unique_ptr<Bitmap> plain(composeTextEffects(&mono, &kernel, false, &all, 4));
    EXPECT_EQ(rgbaWord(plain->at(4, 4)), rgbaWord(RGBA{255, 255, 255, 255}));
    EXPECT_EQ(rgbaWord(plain->at(5, 5)), rgbaWord(RGBA{0, 0, 0, 28}));
    std::unique_ptr<Bitmap> strong(composeTextEffects(&mono, &kernel, true, &all, 8));
    EXPECT_EQ(strong->at(5, 5).a, 56) << "strength counts in quarters";

    const TextRect corner{0, 0, 2, 2};
    std::unique_ptr<Bitmap> clipped(composeTextEffects(&mono, &kernel, false, &corner, 4));
    EXPECT_EQ(rgbaWord(clipped->at(4, 4)), 0u) << "only the region grown by the radius is composed";
}

TEST_F(TextTextureTest, KindsOfTextTexture) {
    std::unique_ptr<Texture> alphaOnly(text("Kelzo", 1.0f, nullptr, true, false));
    ASSERT_NE(alphaOnly->alpha, nullptr);
    EXPECT_EQ(alphaOnly->rgba, nullptr);
    EXPECT_EQ(alphaOnly->width, 128);
    EXPECT_EQ(alphaOnly->storageHeight(), 64);
    EXPECT_EQ(maxCoverage(*alphaOnly), 255);

    std::unique_ptr<Texture> faded(text("Kelzo", 0.5f, nullptr, true, false));
    EXPECT_EQ(maxCoverage(*faded), 127);

    std::unique_ptr<Texture> white(text("Kelzo", 1.0f, nullptr, true, true));
    ASSERT_NE(white->rgba, nullptr);
    EXPECT_EQ(white->alpha, nullptr);
    gTextRgbaByDefault = 1;
    std::unique_ptr<Texture> black(text("Kelzo", 1.0f, nullptr, true, true));
    gTextRgbaByDefault = 0;
    bool sawWhite = false, sawBlack = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 128; ++x) {
            sawWhite |= rgbaWord(white->rgba->at(x, y)) == 0xFFFFFFFFu;
            sawBlack |= rgbaWord(black->rgba->at(x, y)) == 0xFF000000u;
            ASSERT_EQ(black->rgba->at(x, y).r, 0);
        }
    EXPECT_TRUE(sawWhite);
    EXPECT_TRUE(sawBlack);

    std::unique_ptr<Texture> haloed(text("Kelzo", 1.0f, &gTextHaloKernels[2], true, false));
    ASSERT_NE(haloed->rgba, nullptr);
    EXPECT_EQ(haloed->alpha, nullptr);
}

TEST_F(TextTextureTest, TextOnScreen) {
    clearFrame(0.2f, 0.4f, 0.8f, 1);
    std::unique_ptr<Texture> caption(text("Caption", 1.0f, nullptr, false, false));
    std::unique_ptr<Texture> golden(text("Golden!", 1.0f, &gTextHaloKernels[2], true, false));
    std::unique_ptr<Texture> plain(text("Ärger ñ é", 1.0f, &gTextHaloKernels[2], false, false));
    TextStyle style;
    style.fontName = kTextureFont.c_str();
    style.align = 1;
    style.r = 250;
    style.g = 210;
    style.b = 40;
    std::unique_ptr<Texture> styled(new Texture("Wrapped text in a style, centred", 200, 80, 22, style, false));
    drawTexture(caption.get(), 20, 20, DrawParams());
    drawTexture(golden.get(), 20, 80, DrawParams());
    drawTexture(plain.get(), 20, 140, DrawParams());
    drawTexture(styled.get(), 60, 200, DrawParams());
    saveFrame("text_textures");
    bool gold = false, dark = false;
    for (int y = 80; y < 120; ++y)
        for (int x = 20; x < 148; ++x) {
            RGBA p = pixel(x, y);
            gold |= p.r > 220 && p.g > 220 && p.b < 120;
            dark |= p.r < 30 && p.g < 60 && p.b < 120;
        }
    EXPECT_TRUE(gold) << "golden letters";
    EXPECT_TRUE(dark) << "with a dark halo";
}

}  // namespace
