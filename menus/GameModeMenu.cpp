#include "menus/GameModeMenu.h"

#include <cmath>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/GameType.h"
#include "graphics/Bitmap.h"
#include "graphics/GlState.h"
#include "graphics/ShadowBitmap.h"
#include "menus/ModeBubble.h"
#include "menus/ModeChoiceHostI.h"
#include "menus/ModeOption.h"
#include "menus/widgets/LevelSelect.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "ui/BubbleHost.h"
#include "ui/BubbleTail.h"
#include "ui/IndexElement.h"

namespace {

struct TileSpec {
    int tag;
    int caption;
    const char* picture;
    int description;
    int centreX;
};

// In the order the mode panel holds them; the tag is the game type.
const TileSpec kModeTiles[] = {
    {kGameArcade, 100, "Arcade_60x65.png", 101, 25},
    {kGameFreePlay, 102, "Free_60x65.png", 103, 95},
    {kGameChallenge, 104, "Challenge.png", 105, 164},
    {kGameFrenzy, 106, "BtC_60x65.png", 107, 234},
};
// The tag is the difficulty.
const TileSpec kDifficultyTiles[] = {
    {0, 2, "Easy_64x64.png", 108, 43},
    {1, 3, "Medium_64x64.png", 109, 130},
    {2, 4, "Hard_64x64.png", 110, 217},
};

const char* const kStarPicture = "NewStar_26x26.png";
const char* const kSliderPlate = "BtCSliderBackground_248x78.png";
const int kStarBlurRadius = 4;
const float kStarBlurGain = 2.0f;
const int kGlowDx = 39, kGlowDy = 75;
const int kStarDx = 43, kStarDy = 79;

const int kPanelWidth = 260;
const int kModePanelHeight = 115;
const int kOptionsPanelHeight = 101;
const int kSliderY = 9;

const int kHeadingModes = 111;
const int kHeadingDifficulty = 112;
const int kHeadingLevel = 113;
const int kBackText = 1;
const int kStartText = 117;
const int kStartTag = 0;
const int kBackTag = 1;
const int kButtonGap = 20;
// Between the options heading's box and the tip of a description bubble's tail.
const int kUnderHeadingGap = 6;

// The opening hint stays about 5 s: its countdown gets this on the first frame, and a bubble starts to fade
// kBubbleShowMs after the last release.
const int kFirstFrameExtraMs = 2000;
const int kBubbleShowMs = 3000;
const int kBubbleFadeMs = 800;

Ref<ViewElementI> makeTile(SpriteSheet* atlas, const TileSpec& spec)
{
    return Ref<ViewElementI>(ModeOption::create(atlas, getText(spec.caption).c_str(), spec.picture,
                                                getText(spec.description).c_str()));
}

void addTile(MyView* panel, const Ref<ViewElementI>& tile, const TileSpec& spec)
{
    ViewChild& child = panel->addChild();
    child.element = tile;
    child.tag = spec.tag;
    child.tappable = 1;
    child.x = spec.centreX - ModeOption::kWidth / 2;
}

ViewChild& addCentred(MyView* panel, ViewElementI* element, int y)
{
    ViewChild& child = panel->addChild();
    child.element.reset(element);
    child.centred = 1;
    child.y = y;
    return child;
}

Texture* textureOf(Bitmap* bitmap) { return new Texture(bitmap, false, false); }

}  // namespace

float newStarGlowAlpha(int32_t tMs)
{
    return (float)(0.5 * 0.41666665 * (1.4 + std::sin(90.0 + tMs / 350.0)));
}

GameModeMenu::GameModeMenu(ModeChoiceHostI* progressHost, int leftScreen)
    : TiledMenu(512, 512, 256, 512), host(progressHost), screenLeft(leftScreen)
{
    const int storedMode = gSettings->gameMode;
    levelSelect = new LevelSelect(&atlas, 1, storedMode, host);
    levelSelectRef.reset(levelSelect);
    optionsPanel = new MyView();
    modePanel = new MyView();
    optionsPanelRef.reset(optionsPanel);
    modePanelRef.reset(modePanel);
    deleteModeBubble();
    gModeBubbleTimer = -1;
    selectedMode = storedMode;

    for (const TileSpec& spec : kModeTiles)
        modeTiles[spec.tag] = makeTile(&atlas, spec);
    Bitmap* star = new Bitmap(kStarPicture, 1.0f, true);
    Bitmap* glow = makeShadowBitmap(star, kStarBlurRadius, kStarBlurGain);
    newStarTexture.reset(textureOf(star));
    newStarGlowTexture.reset(textureOf(glow));
    for (const TileSpec& spec : kDifficultyTiles)
        difficultyTiles[spec.tag] = makeTile(&atlas, spec);

    build(0, true, 50);
    aimBubbles();

    // Only the modes with a tile can show their description.
    ModeOption* tile = static_cast<ModeOption*>(modeTile(selectedMode));
    if (tile && host->tipShownCount(kTipHintCounter) < kOpeningHints) {
        tile->bubbleRequested = 1;
        gModeBubbleTimer = gGameClock.running();
        host->countTipShown(kTipHintCounter);
    }
}

ViewElementI* GameModeMenu::modeTile(int mode) const
{
    return mode >= 0 && mode < kModeTileCount ? modeTiles[mode].get() : nullptr;
}

// The record of the inner view that holds the element, or null.
const ViewChild* GameModeMenu::recordOf(const ViewElementI* element) const
{
    for (const ViewChild& child : inner.children)
        if (child.element.get() == element)
            return &child;
    return nullptr;
}

// Each description hangs below what it describes, clear of both headings: the options heading sits right under
// the mode tiles and the modes' heading right over them, so a mode's bubble stands under the options heading,
// pointing up its tile's column; a difficulty's stands under its tile's picture, over the buttons.
void GameModeMenu::aimBubbles()
{
    const ViewChild* heading = recordOf(optionsHeading);
    const ViewChild* options = recordOf(optionsPanel);
    if (!heading || !options)
        return;
    // The tail's tip, which reaches above the spot, stops a little under the heading's letters (whose shading
    // runs a few pixels past the heading's box).
    const int tailReach = bubbleTailReach(gBubbleHost ? gBubbleHost->bubbleTail().height : 0);
    const int underHeading =
        (int)inner.childScreenPosition(*heading).y + optionsHeading->height() + kUnderHeadingGap + tailReach;
    for (const TileSpec& spec : kModeTiles)
        static_cast<ModeOption*>(modeTiles[spec.tag].get())->bubbleAnchorY = underHeading;
    const int optionsTop = (int)inner.childScreenPosition(*options).y;
    for (const TileSpec& spec : kDifficultyTiles) {
        ModeOption* tile = static_cast<ModeOption*>(difficultyTiles[spec.tag].get());
        tile->bubbleAnchorY = optionsTop + tile->pictureBottom();
    }
}

bool GameModeMenu::selectedModeHasLevels() const { return modeHasLevels(selectedMode); }

void GameModeMenu::addContents()
{
    nextRow = 0;
    addVerticalSpace(nextRow++, 4, -1);
    addVerticalSpace(nextRow++, 6, -1);
    addHeading(getText(kHeadingModes).c_str(), nextRow++);
    addVerticalSpace(nextRow++, 15, -1);

    modePanel->viewWidth = kPanelWidth;
    modePanel->viewHeight = kModePanelHeight;
    modePanel->touchMode = TouchDragSelect;
    modePanel->armedTag = selectedMode;
    for (const TileSpec& spec : kModeTiles)
        addTile(modePanel, modeTiles[spec.tag], spec);
    ViewChild* modeRecord = addElement(-1, nextRow++, false);
    modeRecord->element = modePanelRef;
    modeRecord->centred = 1;

    rebuildLevelSlider();
    ViewChild* optionsRecord = addElement(-1, nextRow++, false);
    optionsRecord->element = optionsPanelRef;
    optionsRecord->centred = 1;
    addVerticalSpace(nextRow++, 14, -1);
    addButtons(nextRow++);
    addVerticalSpace(nextRow++, 6, -1);
}

void GameModeMenu::addButtons(int row)
{
    ButtonOptions options;
    if (screenLeft == kScreenHowToPlay && gSettings->sgVariation == 2) {
        addButton(kStartTag, row, getText(kStartText).c_str(), true, options);
        return;
    }
    addButton(kBackTag, row, getText(kBackText).c_str(), false, options);
    addHorizontalSpace(row, kButtonGap);
    addButton(kStartTag, row, getText(kStartText).c_str(), false, options);
}

void GameModeMenu::rebuildLevelSlider()
{
    const bool levels = selectedModeHasLevels();
    const String heading = getText(levels ? kHeadingLevel : kHeadingDifficulty);
    if (!optionsHeading) {
        ViewChild* child = addHeading(heading.c_str(), nextRow++);
        optionsHeading = child ? static_cast<MainHeading*>(child->element.get()) : nullptr;
        addVerticalSpace(nextRow++, 13, -1);
    } else {
        optionsHeading->setText(heading.c_str());
    }
    if (optionsPanel->children.size() == 0) {
        for (const TileSpec& spec : kDifficultyTiles)
            addTile(optionsPanel, difficultyTiles[spec.tag], spec);
        optionsPanel->touchMode = TouchDragSelect;
        addCentred(optionsPanel, new IndexElement(atlas.addImage(kSliderPlate, 1.0f)), kSliderY);
        ViewChild& slider = optionsPanel->addChild();
        slider.element = levelSelectRef;
        slider.centred = 1;
        slider.y = kSliderY;
    }
    const int tileCount = 3;
    for (int i = 0; i < optionsPanel->children.size(); i++)
        optionsPanel->children[i].alpha = (i < tileCount) == levels ? 0.0f : 1.0f;
    optionsPanel->viewWidth = kPanelWidth;
    optionsPanel->viewHeight = kOptionsPanelHeight;
    optionsPanel->armedTag = gSettings->difficulty;
}

int GameModeMenu::handleTouch(int phase, int x, int y)
{
    if (selectedModeHasLevels() && levelSelect->trackTouch(phase, x, y))
        return -1;
    const int r = TiledMenu::handleTouch(phase, x, y);
    if (phase != TouchUp)
        return r;
    gModeBubbleTimer = gGameClock.running();
    if (r == kStartTag)
        return startPressed();
    switchMode();
    return r;
}

int GameModeMenu::startPressed()
{
    if (selectedModeHasLevels()) {
        const int level = levelSelect->selectedLevel();
        const int open = host->firstUnsolvedLevel(selectedMode);
        if (open < level) {
            levelSelect->reset(selectedMode == kGameBeatTheClock);
            levelSelect->selectLevel(open);
            return -1;
        }
        gSettings->startLevel = level;
    }
    gSettings->gameMode = selectedMode;
    if (!selectedModeHasLevels() && optionsPanel->armedTag != -1)
        gSettings->difficulty = optionsPanel->armedTag;
    return kStartTag;
}

void GameModeMenu::switchMode()
{
    const int m = modePanel->armedTag;
    if (m == -1 || m == selectedMode)
        return;
    host->playClick();
    const int old = selectedMode;
    selectedMode = m;
    if (modeHasLevels(m))
        levelSelect->setRangeForMode(1, m);
    if (modeHasLevels(m) != modeHasLevels(old))
        rebuildLevelSlider();
}

int GameModeMenu::render()
{
    TiledMenu::render();
    drawStar();
    if (firstFrame) {
        firstFrame = 0;
        if (gModeBubbleTimer != -1)
            gModeBubbleTimer += kFirstFrameExtraMs;
    }
    runBubbleCountdown();
    // A bubble that has faded out is let go. A fading bubble or a gliding slider asks for every frame; the
    // star's pulse and the countdown go on at the slower pace of frameWantedInMs.
    if (gModeBubble && !gModeBubble->render())
        deleteModeBubble();
    return levelSelect->scroller.isMoving() || (gModeBubble && gModeBubble->animating()) ? 1 : 0;
}

void GameModeMenu::drawStar()
{
    ViewElementI* tile = modeTile(kGameFrenzy);
    const float tx = (float)tile->x, ty = (float)tile->y;
    DrawParams glow;
    glow.blendMode = BlendAlpha;
    glow.alpha = newStarGlowAlpha(gGameClock.running());
    drawTexture(newStarGlowTexture.get(), tx + kGlowDx, ty + kGlowDy, glow);
    drawTexture(newStarTexture.get(), tx + kStarDx, ty + kStarDy, DrawParams());
    drawTexture(newStarGlowTexture.get(), tx + kGlowDx, ty + kGlowDy, glow);
}

void GameModeMenu::runBubbleCountdown()
{
    if (gModeBubbleTimer == -1)
        return;
    if (gameTimeDiff(gGameClock.running(), gModeBubbleTimer) > kBubbleShowMs) {
        if (gModeBubble)
            gModeBubble->close(kBubbleFadeMs, false);
        gModeBubbleTimer = -1;
    }
}
