// The toolkit with the game's own menu pictures from the data folder.

#include "tests/graphics/GlTestContext.h"

#include <unistd.h>

#include <string>

#include "graphics/SpriteSheet.h"
#include "ui/BackButton.h"
#include "ui/Button.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodPanel.h"

namespace {

class MenuArtTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        char cwd[4096];
        ASSERT_NE(nullptr, getcwd(cwd, sizeof cwd));
        previous_ = cwd;
        ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
        releaseSharedMenuTextures();
    }
    void TearDown() override
    {
        releaseSharedMenuTextures();
        EXPECT_EQ(0, chdir(previous_.c_str()));
        GlTest::TearDown();
    }

private:
    std::string previous_;
};

TEST_F(MenuArtTest, SharedPicturesLoadWithTheirSizes)
{
    ::testing::internal::CaptureStdout();
    loadSharedMenuTextures();
    const std::string log = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::string::npos, log.find("missing")) << log;
    const int sides[] = {0, 50, 50, 100};
    for (int slot = kSharedWoodMask; slot < kSharedMenuTextureCount; slot++) {
        ASSERT_NE(nullptr, gSharedMenuTextures[slot]) << slot;
        EXPECT_EQ(sides[slot], gSharedMenuTextures[slot]->width) << slot;
        EXPECT_EQ(sides[slot], gSharedMenuTextures[slot]->height) << slot;
    }
    // The full-screen wood comes with the common pictures; any opaque wood shows the mask's shape.
    Bitmap* wood = new Bitmap(320, 480, false);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 320; x++)
            wood->at(x, y) = RGBA{150, 100, 60, 255};
    setSharedMenuTexture(kSharedWood, wood);
    SpriteSheet atlas(512, 512, false);
    SpriteRef panel;
    makeMenuTextPanel(&panel, &atlas, 120, 40, 1.0f, 20, 100);
    const PixelView view = panel.pixelView(0);
    ASSERT_NE(nullptr, view.pixels);
    int opaque = 0;
    for (int y = 0; y < view.height; y++)
        for (int x = 0; x < view.width; x++)
            opaque += view.pixels[y * view.stride + x].a == 255;
    EXPECT_GT(opaque, view.width * view.height / 2) << "mostly wood";
}

TEST_F(MenuArtTest, ButtonPicturesHaveTheirStylesSizes)
{
    struct Case {
        int style;
        int width, height;  // of the built picture
    } cases[] = {{ButtonStyleFitted, 125, 41}, {ButtonStyleLarge, 281, 45}, {ButtonStyleTwoLine, 125, 30},
                 {ButtonStyleLargeNarrow, 241, 45}, {ButtonStyleSmallWide, 237, 30}, {ButtonStyleRound, 92, 30}};
    SpriteSheet atlas(512, 512, false);
    for (const Case& c : cases) {
        ButtonOptions options;
        options.style = c.style;
        Button button(&atlas, "OK", options);
        button.setPosition(10, 10, 10, 10);
        EXPECT_EQ(c.width, button.width()) << "style " << c.style;
        EXPECT_EQ(c.height, button.height()) << "style " << c.style;
    }
    BackButton back(&atlas);
    back.setPosition(10, 10, 10, 10);
    EXPECT_EQ(80, back.picture.width);
    EXPECT_EQ(30, back.picture.height);
}

}  // namespace
