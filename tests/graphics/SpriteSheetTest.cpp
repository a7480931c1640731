#include "tests/graphics/GlTestContext.h"

#include <memory>
#include <string>

#include "graphics/SpriteSheet.h"
#include "graphics/SpriteSheetFile.h"

namespace {

class SpriteSheetTest : public GlTest {
protected:
    static Bitmap* solidBitmap(int w, int h, RGBA colour) {
        Bitmap* b = new Bitmap(w, h, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) b->at(x, y) = colour;
        return b;
    }
    static SpriteRegion region(int x, int y, int w, int h, int page) { return SpriteRegion{0, x, y, w, h, page}; }
    // The pending quad's texture coordinates: left, top, right, bottom.
    static void expectUv(float l, float t, float r, float b) {
        ASSERT_EQ(gRenderBatch.texCoords.size(), 6);
        float minU = 9, minV = 9, maxU = -9, maxV = -9;
        for (const BatchPoint& p : gRenderBatch.texCoords) {
            minU = std::min(minU, p.x);
            maxU = std::max(maxU, p.x);
            minV = std::min(minV, p.y);
            maxV = std::max(maxV, p.y);
        }
        EXPECT_FLOAT_EQ(minU, l);
        EXPECT_FLOAT_EQ(minV, t);
        EXPECT_FLOAT_EQ(maxU, r);
        EXPECT_FLOAT_EQ(maxV, b);
        gRenderBatch.flush();
    }
};

TEST_F(SpriteSheetTest, PackedPlacementWithPadding) {
    SpriteSheet sheet(256, 256, false);
    SpriteRef ref = sheet.addBitmap(solidBitmap(100, 50, RGBA{255, 0, 0, 255}), true, 1);
    ASSERT_EQ(ref.firstRegion, 0);
    EXPECT_EQ(ref.width, 100);
    const SpriteRegion* r = sheet.region(0);
    EXPECT_EQ(r->x, 1);
    EXPECT_EQ(r->y, 1);
    EXPECT_EQ(r->page, 0);
    EXPECT_EQ(sheet.pages[0]->usedArea, 5000);
    ASSERT_EQ(sheet.pages[0]->packer.usedRectangles().size(), 1u);
    EXPECT_EQ(sheet.pages[0]->packer.usedRectangles()[0].width, 102) << "padding all round";
    Bitmap* page = sheet.pages[0]->bitmap;
    EXPECT_EQ(page->at(1, 1).r, 255);
    EXPECT_EQ(page->at(100, 50).r, 255);
    EXPECT_EQ(page->at(0, 0).a, 0);
    EXPECT_EQ(page->at(101, 1).a, 0);

    SpriteRef second = sheet.addBitmap(solidBitmap(40, 40, RGBA{0, 255, 0, 255}), true, 0);
    EXPECT_EQ(second.firstRegion, 1);
}

TEST_F(SpriteSheetTest, SecondPageWhenTheFirstIsFullAndNothingWhenNoneHasRoom) {
    SpriteSheet sheet(64, 64, false, 128, 128);
    sheet.addBitmap(solidBitmap(64, 64, RGBA{255, 0, 0, 255}), true, 0);
    SpriteRef onSecond = sheet.addBitmap(solidBitmap(100, 20, RGBA{0, 0, 255, 255}), true, 0);
    EXPECT_EQ(sheet.region(onSecond.firstRegion)->page, 1);

    // Larger than any texture may be: it cannot even have a page of its own.
    SpriteRef tooBig = sheet.addBitmap(solidBitmap(SpriteSheet::kMaxPageSide + 1, 2, RGBA{0, 255, 0, 255}), true, 0);
    EXPECT_EQ(tooBig.firstRegion, -1);
    EXPECT_EQ(sheet.regionCount(), 2) << "nothing appended";
    EXPECT_EQ(sheet.pages.size(), 2) << "no page added";
    SpriteRef later = sheet.addBitmap(solidBitmap(8, 8, RGBA{0, 255, 0, 255}), true, 0);
    EXPECT_EQ(later.firstRegion, 2);

    sheet.uploadPages();
    tooBig.draw(0, 0, DrawParams());
    tooBig.drawFrame(1, 0, 0, DrawParams());
    EXPECT_EQ(gRenderBatch.positions.size(), 0) << "a picture that found no room draws nothing";
    EXPECT_EQ(tooBig.pixelView(0).pixels, nullptr);
    std::unique_ptr<Bitmap> copy(tooBig.copyBitmap(0));
    EXPECT_EQ(copy->width, SpriteSheet::kMaxPageSide + 1);
}

// A picture for which no page has room takes a page of its own, whatever came before it: the score board's
// sheet (256 x 128 and 128 x 128) once refused a caption of 256 x 64 with its pixel of padding, and a menu's
// texts grow with the language. The page is dropped again when the sheet is emptied.
TEST_F(SpriteSheetTest, APictureWithoutRoomTakesAPageOfItsOwn) {
    struct Case {
        const char* name;
        int firstFill;  // height of a full-width picture placed first; 0: none
        int width, height, padding;
        int pageWidth, pageHeight;
    };
    const Case cases[] = {
        {"wider than every page with its padding", 0, 256, 64, 1, 512, 128},
        {"fits the width, but the first page is taken", 100, 200, 40, 0, 256, 64},
        {"taller than every page", 0, 20, 300, 1, 32, 512},
    };
    for (const Case& c : cases) {
        SpriteSheet sheet(256, 128, false, 128, 128);
        if (c.firstFill) sheet.addBitmap(solidBitmap(256, c.firstFill, RGBA{0, 0, 255, 255}), true, 0);
        SpriteRef ref = sheet.addBitmap(solidBitmap(c.width, c.height, RGBA{255, 0, 0, 255}), true, c.padding);
        ASSERT_GE(ref.firstRegion, 0) << c.name;
        const SpriteRegion* r = sheet.region(ref.firstRegion);
        EXPECT_EQ(r->page, 2) << c.name;
        ASSERT_EQ(sheet.pages.size(), 3) << c.name;
        EXPECT_EQ(sheet.pages[2]->width, c.pageWidth) << c.name;
        EXPECT_EQ(sheet.pages[2]->height, c.pageHeight) << c.name;
        EXPECT_EQ(r->x, c.padding) << c.name;
        EXPECT_EQ(sheet.pages[2]->bitmap->at(c.padding, c.padding).r, 255) << c.name;

        SpriteRef small = sheet.addBitmap(solidBitmap(8, 8, RGBA{0, 255, 0, 255}), true, 0);
        EXPECT_LT(sheet.region(small.firstRegion)->page, 2) << c.name << ": the sheet's own pages come first";

        sheet.uploadPages();
        ASSERT_NE(sheet.regionTexture(ref.firstRegion), nullptr) << c.name;
        ref.draw(0, 0, DrawParams());
        EXPECT_EQ(gRenderBatch.positions.size(), 6) << c.name << ": it draws";
        gRenderBatch.flush();

        sheet.reset();
        EXPECT_EQ(sheet.pages.size(), 2) << c.name << ": the page of its own goes with the pictures";
    }
}

TEST_F(SpriteSheetTest, APageOfItsOwnAloneIsUploaded) {
    SpriteSheet sheet(64, 64, false);
    SpriteRef ref = sheet.addBitmap(solidBitmap(100, 10, RGBA{255, 0, 0, 255}), true, 0);
    ASSERT_EQ(sheet.region(ref.firstRegion)->page, 1);
    EXPECT_EQ(sheet.pages[0]->bitmap, nullptr) << "nothing on the sheet's own page";
    sheet.uploadPages();
    EXPECT_EQ(sheet.uploaded, 1);
    ref.draw(0, 0, DrawParams());
    EXPECT_EQ(gRenderBatch.positions.size(), 6);
    gRenderBatch.flush();
}

TEST_F(SpriteSheetTest, UvOfARegion) {
    SpriteSheet sheet(256, 256, false);
    sheet.regions.append(region(128, 0, 64, 32, 0));
    sheet.pageBitmap(sheet.regions[0]);
    sheet.uploadPages();
    sheet.drawRegion(0, 0, 0, DrawParams());
    expectUv(0.5f, 0, 0.75f, 0.125f);
    DrawParams part;
    part.uLeft = 4;
    part.vTop = 4;
    part.uRight = 12;
    part.vBottom = 12;
    sheet.drawRegion(0, 0, 0, part);
    expectUv(132.0f / 256, 4.0f / 256, 140.0f / 256, 12.0f / 256);
}

TEST_F(SpriteSheetTest, FramesDrawFromOnePageTexture) {
    Bitmap strip(32, 96, true);
    const RGBA colours[3] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}};
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 32; ++x) strip.at(x, y) = colours[y / 32];
    ASSERT_TRUE(strip.savePng("sheettest_strip.png"));

    SpriteSheet sheet(128, 128, false);
    SpriteRef frames = sheet.addImageFrames("sheettest_strip.png", 3, 32, 32, 0);
    ASSERT_EQ(frames.firstRegion, 0);
    EXPECT_EQ(sheet.regionCount(), 3);
    std::unique_ptr<Bitmap> copy(frames.copyBitmap(1));
    EXPECT_EQ(copy->allocW, 32);
    EXPECT_EQ(rgbaWord(copy->at(31, 31)), rgbaWord(colours[1]));

    sheet.uploadPages();
    EXPECT_EQ(sheet.uploaded, 1);
    EXPECT_EQ(sheet.pages[0]->bitmap->pixels, nullptr) << "page pixels freed by the upload";
    for (int f = 0; f < 3; ++f) frames.drawFrame(f, 40.0f * f, 0, DrawParams());
    EXPECT_EQ(gRenderBatch.positions.size(), 18) << "three frames, one texture, one run";
    saveFrame("sheet_frames");
    for (int f = 0; f < 3; ++f) EXPECT_TRUE(pixelNear(pixel(40 * f + 16, 16), colours[f])) << f;

    sheet.pages[0]->hidden = 1;
    frames.draw(0, 100, DrawParams());
    EXPECT_EQ(gRenderBatch.positions.size(), 0) << "a hidden page draws nothing";
}

TEST_F(SpriteSheetTest, UploadWithoutABitmapDoesNothing) {
    SpriteSheet sheet(64, 64, false, 64, 64);
    sheet.pageBitmap(region(0, 0, 1, 1, 1));  // only the second page has pixels
    sheet.uploadPages();
    EXPECT_EQ(sheet.uploaded, 0);
    EXPECT_EQ(sheet.pages[1]->texture, nullptr);
}

TEST_F(SpriteSheetTest, PixelViewWritesReachTheTexture) {
    SpriteSheet sheet(64, 64, false);
    SpriteRef blank = sheet.reserveRegion(10, 10, 2);
    PixelView view = blank.pixelView(0);
    ASSERT_NE(view.pixels, nullptr);
    EXPECT_EQ(view.x, 2);
    EXPECT_EQ(view.stride, 64);
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) view.pixels[y * view.stride + x] = RGBA{255, 255, 0, 255};
    sheet.uploadPages();
    DrawParams p;
    p.scaleX = 4;
    blank.draw(0, 0, p);
    EXPECT_TRUE(pixelNear(pixel(20, 20), RGBA{255, 255, 0, 255}));
}

class FixedLayoutTest : public SpriteSheetTest {
protected:
    void SetUp() override {
        SpriteSheetTest::SetUp();
        enterOwnFolder();
        SpriteSheetFile file;
        file.pageCount = 2;
        file.regions = {region(0, 0, 20, 10, 0), region(20, 0, 30, 30, 0), region(0, 0, 16, 16, 1),
                        region(16, 0, 16, 16, 1)};
        ASSERT_EQ(writeSpriteSheetFile("fixedtest.dat", file), SpriteSheetFileOk);
        std::unique_ptr<Bitmap> page0(solidBitmap(64, 64, RGBA{255, 0, 0, 255}));
        std::unique_ptr<Bitmap> page1(solidBitmap(32, 32, RGBA{0, 0, 255, 255}));
        ASSERT_TRUE(page0->savePng("fixedtest_0.png"));
        ASSERT_TRUE(page1->savePng("fixedtest_1.png"));
    }
};

TEST_F(FixedLayoutTest, RegionsHandedOutInFileOrder) {
    SpriteSheet sheet(64, 64, true, 32, 32);
    ASSERT_TRUE(sheet.load("fixedtest", "fixedtest", true, false));
    EXPECT_EQ(sheet.filePageCount, 2);
    SpriteRef a = sheet.addImage("no_such_picture.png", 1.0f);
    SpriteRef b = sheet.addImagePadded("another_missing.png", 1.0f);
    EXPECT_EQ(a.firstRegion, 0);
    EXPECT_EQ(a.width, 20);
    EXPECT_EQ(b.firstRegion, 1);
    EXPECT_EQ(b.height, 30);
    SpriteRef frames = sheet.addImageFrames("missing_frames.png", 2, 16, 16, 0);
    EXPECT_EQ(frames.firstRegion, 2);
    EXPECT_EQ(sheet.nextRegion, 4);
    SpriteRef beyond = sheet.takeRegions(1);
    EXPECT_EQ(beyond.firstRegion, -1) << "past the file's regions";

    a.draw(0, 0, DrawParams());
    frames.drawFrame(1, 40, 0, DrawParams());
    beyond.draw(80, 0, DrawParams());
    EXPECT_TRUE(pixelNear(pixel(5, 5), RGBA{255, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(45, 5), RGBA{0, 0, 255, 255}));
    EXPECT_TRUE(pixelNear(pixel(85, 5), RGBA{0, 0, 0, 255}));
}

TEST_F(FixedLayoutTest, KeptPageBitmapsAreCutAndUploaded) {
    SpriteSheet sheet(64, 64, true, 32, 32);
    ASSERT_TRUE(sheet.load("fixedtest", "fixedtest", true, true));
    ASSERT_NE(sheet.pages[0]->bitmap, nullptr);
    SpriteRef a = sheet.takeRegions(1);
    std::unique_ptr<Bitmap> cut(a.copyBitmap(0));
    EXPECT_EQ(cut->width, 20);
    EXPECT_EQ(rgbaWord(cut->at(19, 9)), rgbaWord(RGBA{255, 0, 0, 255}));
    sheet.uploadPages();
    EXPECT_EQ(sheet.uploaded, 1);
    EXPECT_NE(sheet.regionTexture(2), nullptr);
}

TEST_F(FixedLayoutTest, DamagedRegionFilesGiveNoRegions) {
    std::vector<unsigned char> good = encodeSpriteSheetData([] {
        SpriteSheetFile f;
        f.pageCount = 1;
        f.regions = {region(0, 0, 8, 8, 0)};
        return f;
    }());
    auto write = [](const char* name, const std::vector<unsigned char>& bytes) {
        FILE* f = fopen(name, "wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    };
    std::vector<unsigned char> shortFile(good.begin(), good.end() - 4);
    std::vector<unsigned char> manyPages = good;
    manyPages[4] = 5;
    std::vector<unsigned char> badPage = good;
    badPage[8 + 20] = 3;
    std::vector<unsigned char> hugeCount = good;
    hugeCount[3] = 0x7F;
    write("damaged_short.dat", shortFile);
    write("damaged_pages.dat", manyPages);
    write("damaged_index.dat", badPage);
    write("damaged_count.dat", hugeCount);
    for (const char* name : {"damaged_missing", "damaged_short", "damaged_pages", "damaged_index", "damaged_count"}) {
        SpriteSheet sheet(64, 64, true);
        EXPECT_FALSE(sheet.load("fixedtest", name, true, false)) << name;
        EXPECT_EQ(sheet.regionCount(), 0) << name;
        SpriteRef r = sheet.addImage("x.png", 1.0f);
        r.draw(0, 0, DrawParams());
        EXPECT_EQ(gRenderBatch.positions.size(), 0) << name;
    }
}

}  // namespace
