#include "modes/ExplainingGame.h"

#include "Core/Language.h"
#include "board/ScoreBoard.h"
#include "graphics/Bitmap.h"
#include "graphics/TextRender.h"
#include "ui/MenuTextStyle.h"

namespace {

const int kCaptionText = 274;
// The score board packs each piece with a pixel of padding round it into pages 256 wide: a piece as wide
// as the page would need a texture of its own.
const int kCaptionWidth = 254;
const int kCaptionHeight = 64;
const int kCaptionFontSize = 32;
const int kCaptionX = 32;
const int kCaptionY = 13;

}  // namespace

ExplainingGame::ExplainingGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    level = settings.startLevel;
    hintsRemaining = 0;
    movesRemaining = 0;
}

void ExplainingGame::drawHud()
{
    // Rendered only while the score board builds its pieces; afterwards the cached piece is drawn.
    Bitmap* caption = nullptr;
    if (gScoreBoard.rebuilding()) {
        caption = new Bitmap(kCaptionWidth, kCaptionHeight, true);
        renderTextBitmap(caption, getText(kCaptionText).c_str(), kCaptionFontSize, defaultTextStyle(), 0, 0, -1, -1);
    }
    gScoreBoard.compose(caption, kCaptionX, kCaptionY);
    delete caption;
}
