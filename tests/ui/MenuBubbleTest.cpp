#include "tests/ui/DataFolderGlTest.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "graphics/SpriteSheet.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "ui/BubbleHost.h"
#include "ui/BubbleLayout.h"
#include "ui/BubbleTail.h"
#include "ui/BubbleText.h"
#include "ui/ImageElement.h"
#include "ui/MenuBubble.h"
#include "ui/MenuBubbleList.h"

#include <memory>
#include <string>

#include <unistd.h>

namespace {

const char* kTwoLines = "Swipe a furball toward another one to knock it off the board.";

class FakeBubbleHost : public BubbleHost {
public:
    bool tutorialDone() override { return tutorial; }
    bool onPlayScreen() override { return playScreen; }
    SpriteRef bubbleTail() override { return tail; }
    bool tutorial = false;
    bool playScreen = false;
    SpriteRef tail;
};

// Bubbles load their frame picture, fonts and footer texts from the working folder, as the game does, and
// read the global game clock, which each test starts at 10 s.
class MenuBubbleTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        savedTtb = gAbSettings.ttb;
        gAbSettings.ttb = 0;
        gGameClock = GameClock();
        gGameClock.updateAt(10000);
        tailSheet.reset(new SpriteSheet(64, 64, false));
        host.tail = tailSheet->reserveRegion(22, 26, 0);
        tailSheet->uploadPages();
        gBubbleHost = &host;
    }
    void TearDown() override
    {
        gBubbleHost = nullptr;
        gAbSettings.ttb = savedTtb;
        DataFolderGlTest::TearDown();
    }
    static void at(int ms) { gGameClock.updateAt(10000 + ms); }
    static MenuBubble* bubbleWith(int footerKind, float revealSpeed = 0.0f, int fadeInLength = -1)
    {
        BubbleStyle* style = new BubbleStyle();
        style->titleId = -1;
        style->bodyId = -1;
        style->anchorX = -1;
        style->anchorY = -1;
        style->wrapWidth = 220;
        style->footerKind = footerKind;
        return new MenuBubble(style, 0, 0, -1, fadeInLength, revealSpeed, false, 1800, String(), String(kTwoLines));
    }

    int savedTtb = -1;
    FakeBubbleHost host;
    std::unique_ptr<SpriteSheet> tailSheet;
};

TEST_F(MenuBubbleTest, FrameIsStretchedAroundTheTextAndGrowsForFooters)
{
    std::unique_ptr<MenuBubble> plain(bubbleWith(0));
    ASSERT_NE(plain->textElement, nullptr);
    const InkRect ink = plain->textElement->ink;
    ASSERT_FALSE(ink.empty());
    EXPECT_GT(ink.bottom - ink.top, 19) << "two rows of text";
    EXPECT_GE(plain->frameWidth, ink.right + 1 - ink.left);
    EXPECT_GE(plain->frameHeight, ink.bottom + 1 - ink.top);
    ImageElement* frame = static_cast<ImageElement*>(plain->view.children[0].element.get());
    EXPECT_EQ(frame->imageWidth, plain->frameWidth) << "frame first, stretched to the bubble";
    EXPECT_EQ(frame->imageHeight, plain->frameHeight);
    EXPECT_EQ(plain->viewX, 160 - plain->frameWidth / 2);
    EXPECT_EQ(plain->viewY, 240 - plain->frameHeight / 2);

    struct Case {
        int kind;
        int taller;
    };
    const Case cases[] = {{1, 12}, {2, 20}, {2600, 20}};
    for (const Case& c : cases) {
        std::unique_ptr<MenuBubble> b(bubbleWith(c.kind));
        EXPECT_EQ(b->frameHeight - plain->frameHeight, c.taller) << "footer kind " << c.kind;
        EXPECT_EQ(b->frameWidth, plain->frameWidth);
        EXPECT_EQ(b->view.children.size(), 3) << "frame, text, footer";
        EXPECT_EQ(b->footerChild >= 0, c.kind >= 2) << "only a late footer waits";
    }
}

TEST_F(MenuBubbleTest, AFooterWiderThanAShortBodyStaysOnOneLineInsideTheFrame)
{
    // The German late footer is wider than "Gut gemacht!": it wrapped, and its second line hung below the frame.
    for (int language = 0; language < kLanguageCount; language++) {
        useLanguage(language);
        for (int kind : {1, 2}) {
            std::unique_ptr<MenuBubble> b(createMenuBubble(String("Gut gemacht!"), -1, -1, 0, 220, -1, 1.0f, kind));
            ASSERT_EQ(b->view.children.size(), 3);
            const ViewChild& child = b->view.children[2];
            const InkRect ink = static_cast<BubbleText*>(child.element.get())->ink;
            ASSERT_FALSE(ink.empty());
            const char* name = gLanguageNames[language];
            EXPECT_LT(ink.bottom - ink.top, 19) << name << " footer " << kind << ": one line";
            EXPECT_GE(child.x + ink.left, 0) << name << " footer " << kind;
            EXPECT_LT(child.x + ink.right, b->frameWidth) << name << " footer " << kind;
            EXPECT_LT(child.y + ink.bottom, b->frameHeight) << name << " footer " << kind;
        }
    }
}

TEST_F(MenuBubbleTest, TheLateFooterStandsALineBelowTheTextAndNoLargerThanIt)
{
    // "Tap anywhere to continue" sat 2 px under the lesson, and at 13 px under a 12 px lesson in three languages.
    for (int language = 0; language < kLanguageCount; language++) {
        useLanguage(language);
        std::unique_ptr<MenuBubble> b(createMenuBubble(String(kTwoLines), -1, -1, 0, 220, -1, 1.0f, 2));
        ASSERT_EQ(b->view.children.size(), 3);
        const ViewChild& text = b->view.children[1];
        const ViewChild& footer = b->view.children[2];
        const BubbleText* lesson = static_cast<BubbleText*>(text.element.get());
        const BubbleText* prompt = static_cast<BubbleText*>(footer.element.get());
        const char* name = gLanguageNames[language];
        EXPECT_LE(prompt->fontSize, lesson->fontSize) << name;
        EXPECT_GE(footer.y + prompt->ink.top - (text.y + lesson->ink.bottom), lesson->fontSize / 2) << name;
    }
}

TEST_F(MenuBubbleTest, AnchoredBubbleCarriesItsTail)
{
    std::unique_ptr<MenuBubble> b(createMenuBubble(String(kTwoLines), 40, 300, 0, 220, 600, 1.0f, 0));
    const ViewChild& tail = b->view.children[b->view.children.size() - 1];
    ASSERT_NE(dynamic_cast<BubbleTail*>(tail.element.get()), nullptr);
    BubbleLayout expected = layoutBubble(*b->style, b->frameWidth, b->frameHeight, -1, 26);
    EXPECT_EQ(b->viewX, expected.x);
    EXPECT_EQ(b->viewX, 40 - 12) << "anchor near the left edge";
    EXPECT_EQ(b->viewY, 300 - 7 - b->frameHeight);
    EXPECT_EQ(tail.x, expected.tailX);
    EXPECT_EQ(tail.y, expected.tailY);
    EXPECT_FLOAT_EQ(tail.angle, -45.0f);
    EXPECT_TRUE(static_cast<BubbleTail*>(tail.element.get())->mirrored);

    gBubbleHost = nullptr;
    std::unique_ptr<MenuBubble> bare(createMenuBubble(String(kTwoLines), 40, 300, 0, 220, 600, 1.0f, 0));
    EXPECT_EQ(bare->view.children.size(), 2) << "without a host there is no tail picture";
}

TEST_F(MenuBubbleTest, RemoveOlderThan)
{
    struct Case {
        const char* name;
        int ageMs;
        bool flaggedOnly;
        bool playScreen;
        const char* kept;  // letters of the bubbles left: o old, t old with tag 56, n new, f old not removable
    };
    const Case cases[] = {
        {"play screen keeps only tag 56", 0, false, true, "t"},
        {"elsewhere nothing is kept", 0, false, false, ""},
        {"younger ones stay", 500, false, true, "tn"},
        {"flagged only", 0, true, true, "tf"},
        {"flagged only, elsewhere, a second old", 1000, true, false, "nf"},
    };
    for (const Case& c : cases) {
        at(0);
        MenuBubbleList list;
        MenuBubble* old = createMenuBubble(String("o"), -1, -1, 0, 200, -1, 1.0f, 0);
        MenuBubble* tagged = createMenuBubble(String("t"), -1, -1, 0, 200, -1, 1.0f, 0);
        tagged->tag = 56;
        MenuBubble* fixed = createMenuBubble(String("f"), -1, -1, 0, 200, -1, 1.0f, 0);
        fixed->removable = 0;
        at(1000);
        MenuBubble* fresh = createMenuBubble(String("n"), -1, -1, 0, 200, -1, 1.0f, 0);
        list.add(old);
        list.add(tagged);
        list.add(fresh);
        list.add(fixed);
        host.playScreen = c.playScreen;
        list.removeOlderThan(c.ageMs, c.flaggedOnly);
        std::string kept;
        const MenuBubble* named[4] = {old, tagged, fresh, fixed};
        const char letters[4] = {'o', 't', 'n', 'f'};
        for (MenuBubble* b : list.bubbles)
            for (int i = 0; i < 4; i++)
                if (b && b == named[i])
                    kept += letters[i];
        EXPECT_EQ(kept, c.kept) << c.name;
        if (kept.empty())
            EXPECT_EQ(list.bubbles.size(), 0) << c.name << ": emptied";
        else
            EXPECT_EQ(list.bubbles.size(), 4) << c.name << ": slots kept";
    }
}

TEST_F(MenuBubbleTest, AnimatedBubbleAgesAndEndsWhileTheGameIsPaused)
{
    MenuBubbleList list;
    MenuBubble* listed = createMenuBubble(String("listed"), -1, -1, 0, 200, -1, 1.0f, 0);
    list.add(listed);
    MenuBubble* animated = createMenuBubble(String("animated"), -1, -1, 0, 200, -1, 1.0f, 0);
    Ref<AnimationI> holder;
    const int before = gBubbleAnimations->count();
    MenuBubble::animate(&holder, animated, 1000);
    EXPECT_EQ(gBubbleAnimations->count(), before + 1);

    gGameClock.pauseAt(10000);
    at(1500);
    EXPECT_EQ(listed->age(), 0) << "the list bubble waits for the game";
    EXPECT_EQ(animated->age(), 1500);
    updateAnimations(gBubbleAnimations);
    EXPECT_EQ(animated->life.closing, 1) << "its lifetime ran out: closed";
    EXPECT_EQ(animated->life.fadeOutLength, 600);

    at(1500 + 600 + 3500);
    updateAnimations(gBubbleAnimations);
    EXPECT_FALSE(holder->isDone()) << "the invisible tail runs";
    at(1500 + 600 + 3502);
    updateAnimations(gBubbleAnimations);
    EXPECT_TRUE(holder->isDone());
    EXPECT_EQ(static_cast<MenuBubble::BubbleAnimation*>(holder.get())->bubble, nullptr) << "deleted";
    EXPECT_EQ(gBubbleAnimations->count(), before);
    EXPECT_TRUE(list.render()) << "the paused list bubble is still up";
}

// Driven by an animation, a bubble keeps the frames coming while it fades in and out, not while it rests fully
// shown or waits, faded out, to be finished.
TEST_F(MenuBubbleTest, AnAnimatedBubbleAsksForFramesOnlyWhileItsLookChanges)
{
    at(0);
    MenuBubble* bubble = createMenuBubble(String("tip"), -1, -1, 0, 200, 400, 1.0f, 0);
    Ref<AnimationI> holder;
    MenuBubble::animate(&holder, bubble, 3000);
    struct Step {
        int age;
        bool frames;
    };
    const Step steps[] = {{100, true}, {500, false}, {2900, false}, {3100, true}, {3600, true}, {3800, false}};
    for (const Step& step : steps) {
        at(step.age);
        holder->update();
        EXPECT_EQ(holder->needsFrames(), step.frames) << "at " << step.age;
    }
    at(3100 + 600 + 3502);
    updateAnimations(gBubbleAnimations);
    EXPECT_TRUE(holder->isDone());
    EXPECT_FALSE(holder->needsFrames());
}

TEST_F(MenuBubbleTest, LateFooterWaitsForTheTyping)
{
    std::unique_ptr<MenuBubble> b(bubbleWith(2, 1.0f, 0));
    ASSERT_FALSE(b->typingDone());
    at(100);
    EXPECT_TRUE(b->footerPending());
    b->render();
    EXPECT_EQ(b->view.children[b->footerChild].alpha, 0.0f);

    gAbSettings.ttb = 1;
    EXPECT_FALSE(b->footerPending()) << "with ttb 1 the footer does not wait";
    b->finishTyping();
    EXPECT_FALSE(b->typingDone()) << "ttb 1 does not cut the typing short";

    gAbSettings.ttb = 2;
    EXPECT_TRUE(b->footerPending());
    b->finishTyping();
    EXPECT_TRUE(b->typingDone());
    EXPECT_FALSE(b->footerPending());
    b->render();
    EXPECT_EQ(b->view.children[b->footerChild].alpha, 1.0f);
}

TEST_F(MenuBubbleTest, LateFooterDelayScalesWithTheSettingsUntilTheTutorialIsDone)
{
    Settings* saved = gSettings;
    Settings settings;
    settings.instructionsVariation = 104;  // factor 0.81
    gSettings = &settings;
    std::unique_ptr<MenuBubble> early(bubbleWith(1002));
    host.tutorial = true;
    std::unique_ptr<MenuBubble> later(bubbleWith(1002));
    gSettings = saved;
    EXPECT_EQ(early->life.footerDelay, 810);
    EXPECT_EQ(later->life.footerDelay, 0);
}

TEST_F(MenuBubbleTest, SmallerLettersInSpanishItalianAndFrench)
{
    // One line of the same words: its ink is narrower at 12 than at 14.
    struct Case {
        int language;
        bool smaller;
    };
    const Case cases[] = {{kGerman, false}, {kSpanish, true}, {kItalian, true}, {kFrench, true}};
    auto inkWidth = [] {
        std::unique_ptr<MenuBubble> b(createMenuBubble(String("Swipe a furball"), -1, -1, 0, 300, -1, 1.0f, 0));
        return b->textElement->ink.right - b->textElement->ink.left;
    };
    const int english = inkWidth();
    for (const Case& c : cases) {
        useLanguage(c.language);
        EXPECT_EQ(inkWidth() < english, c.smaller) << gLanguageNames[c.language];
    }
}

TEST_F(MenuBubbleTest, DrawsUntilFinishedAndNothingOnceHidden)
{
    std::unique_ptr<MenuBubble> b(bubbleWith(1));
    EXPECT_TRUE(b->render());
    const int cx = b->viewX + b->frameWidth / 2, cy = b->viewY + 3;
    const RGBA drawn = pixel(cx, cy);
    EXPECT_GT(drawn.r + drawn.g + drawn.b, 0) << "the frame shows";
    b->close(600, false);
    at(600 + 3501);
    EXPECT_FALSE(b->render());
    EXPECT_EQ(b->view.children.size(), 0) << "hidden";
    EXPECT_EQ(b->textElement, nullptr);
    clearFrame(0, 0, 0, 1);
    b->view.render((float)b->viewX, (float)b->viewY, 1.0f, -1.0f, 1.0f, 0.0f, false);
    const RGBA after = pixel(cx, cy);
    EXPECT_EQ(after.r + after.g + after.b, 0);
}

// A tip drawn smaller keeps the scale its owner set from frame to frame, shrunk about the spot its tail points
// at (or about its middle when it has none), so that it still points there.
TEST_F(MenuBubbleTest, DrawnAtTheScaleItsOwnerSet)
{
    struct Case {
        const char* name;
        int anchorX, anchorY;
        float scale;
    };
    const Case cases[] = {
        {"pointing, three quarters", 100, 150, 0.75f},
        {"pointing, half", 220, 150, 0.5f},
        {"free, seven tenths", -1, -1, 0.7f},
    };
    for (const Case& c : cases) {
        std::unique_ptr<MenuBubble> b(createMenuBubble(String(kTwoLines), c.anchorX, c.anchorY, 1, 220, -1, 1.0f, 0));
        b->scale = c.scale;
        clearFrame(0, 0, 0, 1);
        EXPECT_TRUE(b->render()) << c.name;
        EXPECT_FLOAT_EQ(b->view.scaleX, c.scale) << c.name;
        EXPECT_TRUE(b->render()) << c.name;
        EXPECT_FLOAT_EQ(b->view.scaleX, c.scale) << c.name << ": the next frame too";

        const BubbleRect r = b->rect();
        EXPECT_NEAR(r.right - r.left, b->frameWidth * c.scale, 0.01f) << c.name;
        EXPECT_NEAR(r.bottom - r.top, b->frameHeight * c.scale, 0.01f) << c.name;
        const float pivotX = c.anchorX != -1 ? (float)c.anchorX : b->viewX + b->frameWidth / 2;
        const float pivotY = c.anchorY != -1 ? (float)c.anchorY : b->viewY + b->frameHeight / 2;
        EXPECT_NEAR(r.left, pivotX + (b->viewX - pivotX) * c.scale, 0.01f) << c.name;
        EXPECT_NEAR(r.top, pivotY + (b->viewY - pivotY) * c.scale, 0.01f) << c.name;

        // The frame shows within the smaller rectangle and nowhere else of the full-size one.
        const RGBA inside = pixel((int)((r.left + r.right) / 2), (int)r.top + 3);
        EXPECT_GT(inside.r + inside.g + inside.b, 0) << c.name;
        // At full size the frame would cover a point 4 px inside its edge farthest from the pivot.
        int farX = b->viewX + b->frameWidth / 2, farY = b->viewY + b->frameHeight - 4;
        if (c.anchorX != -1) {
            farX = c.anchorX < 160 ? b->viewX + b->frameWidth - 4 : b->viewX + 4;
            farY = b->viewY + b->frameHeight / 2;
        }
        const RGBA outside = pixel(farX, farY);
        EXPECT_EQ(outside.r + outside.g + outside.b, 0) << c.name << " at " << farX << "," << farY;
    }
}

// However wide its owner asks for, a bubble's frame fits the screen less its margins, or the narrower room it is
// given beside another bubble.
TEST_F(MenuBubbleTest, FrameFitsTheScreenOrTheRoomGiven)
{
    std::unique_ptr<MenuBubble> wide(createMenuBubble(String(kTwoLines) + " " + kTwoLines, 160, 300, 0, 295, -1,
                                                      1.0f, 0));
    EXPECT_LE(wide->frameWidth, kBubbleScreenWidth - 2 * kBubbleScreenMargin);
    EXPECT_GE(wide->viewX, kBubbleScreenMargin);
    EXPECT_LE(wide->viewX + wide->frameWidth, kBubbleScreenWidth - kBubbleScreenMargin);

    const int tallBefore = wide->frameHeight;
    wide->fitWithin(BubbleBounds{170, 316});
    EXPECT_GE(wide->viewX, 170);
    EXPECT_LE(wide->viewX + wide->frameWidth, 316);
    EXPECT_GT(wide->frameHeight, tallBefore) << "narrower, so more lines";
    const ViewChild& tail = wide->view.children[wide->view.children.size() - 1];
    ASSERT_NE(dynamic_cast<BubbleTail*>(tail.element.get()), nullptr) << "rebuilt with its tail";
    EXPECT_EQ(wide->viewX + tail.x, 160 - 12) << "still pointing at its anchor";
}

}  // namespace