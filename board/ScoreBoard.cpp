#include "board/ScoreBoard.h"

#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"

ScoreBoard gScoreBoard;

namespace {

int divide255(int v)
{
    return (v + (v >> 8)) >> 8;
}

// The overlay blend of a piece channel p onto a wood channel b.
int overlay(int b, int p)
{
    if (b < 128)
        return divide255(2 * b * p + 128);
    return 255 - divide255(2 * (255 - b) * (255 - p) + 128);
}

} // namespace

ScoreBoard::ScoreBoard() : sheet(256, 128, false, 128, 128, -1, -1) {}

ScoreBoard::~ScoreBoard()
{
    delete background;
}

void ScoreBoard::draw(int layoutKey)
{
    // Loaded once: a missing picture leaves the pieces unblended rather than retried every frame.
    if (!background)
        background = new Bitmap("ScoreboardBackground.png", 1.0f, true);
    pieceIndex = 0;
    if (layoutKey != key) {
        key = layoutKey;
        sheet.reset();
        return;
    }
    if (!sheet.uploaded)
        sheet.uploadPages();
}

void ScoreBoard::reset()
{
    // Any change of the key starts the cache over; the key comes from game values, so wrap rather than overflow.
    key = static_cast<int>(static_cast<unsigned>(key) - 12345u);
}

void ScoreBoard::compose(Bitmap* piece, int x, int y, float alpha, bool useBoardOffset)
{
    if (useBoardOffset && y < 100)
        y += verticalOffset;
    compose(piece, x, y, alpha);
}

void ScoreBoard::compose(Bitmap* piece, int x, int y, float alpha)
{
    int i = pieceIndex;
    if (pieceIndex >= 0)
        pieceIndex++;
    if (i < 0)
        return;
    // A cached piece is drawn without its picture: callers that render their piece (texts) pass none then.
    if (i < sheet.regionCount() && sheet.uploaded) {
        DrawParams params;
        params.alpha = alpha;
        sheet.drawRegion(i, static_cast<float>(x), static_cast<float>(y), params);
        return;
    }
    if (piece && i == sheet.regionCount() && !sheet.uploaded) {
        SpriteRef region = sheet.addBitmap(piece, false, 1);
        if (region.firstRegion >= 0)
            blendIntoWood(region, *piece, x, y);
    }
}

void ScoreBoard::blendIntoWood(const SpriteRef& region, const Bitmap& piece, int x, int y)
{
    PixelView view = region.pixelView(0);
    if (!view.pixels || !background || !background->pixels)
        return;
    for (int row = 0; row < view.height && row < piece.height; row++) {
        for (int column = 0; column < view.width && column < piece.width; column++) {
            int bx = x + column, by = y + row;
            RGBA& out = view.pixels[row * view.stride + column];
            const RGBA& p = piece.at(column, row);
            if (p.a == 0 || bx < 0 || by < 0 || bx >= background->width || by >= background->height)
                continue;
            const RGBA& b = background->at(bx, by);
            unsigned char* channels[3] = {&out.r, &out.g, &out.b};
            const int pieceChannels[3] = {p.r, p.g, p.b};
            const int woodChannels[3] = {b.r, b.g, b.b};
            for (int c = 0; c < 3; c++) {
                int o = overlay(woodChannels[c], pieceChannels[c]);
                if (pieceChannels[c] + 48 < 128)
                    o = overlay(o, pieceChannels[c] + 48);
                *channels[c] = static_cast<unsigned char>((p.a * o) >> 8);
            }
            out.a = p.a;
        }
    }
}
