#include "board/ThemeTable.h"

#include "Core/GameClock.h"
#include "board/BoardViewServices.h"

const ThemeRow ThemeTable[kThemeCount] = {
    {8, 0, "GrassWithGrid.png", "Furball%s",
     {{nullptr, 1}, {nullptr, 2}, {nullptr, 3}, {nullptr, 4}, {nullptr, 5},
      {nullptr, 6}, {nullptr, 7}, {nullptr, 8}, {nullptr, 10}, {nullptr, 0}},
     1, 250, nullptr, nullptr, 0},
    {8, 257, "MySoccer.png", "%s_",
     {{"SoccerBlack", 9}, {"SoccerRed", 1}, {"GreenSoccer", 3}, {"OrangeSoccer", 6}, {"SoccerBlue2", 7},
      {"SoccerPink", 4}, {"SoccerBlue1", 5}, {"SoccerPurple", 8}, {"", 10}, {"", 10}},
     0, 0, nullptr, nullptr, 0},
    {8, 256, "fruits.png", "%s_",
     {{"Apple", 1}, {"Orange", 6}, {"Watermelon", 3}, {"PurplePlum", 8}, {"GreenLemon", 3},
      {"Strawberry", 1}, {"Melon", 2}, {"blackberry", 9}, {"Blueberry", 5}, {"GreenApple", 3}},
     0, 0, nullptr, nullptr, 0},
    {8, 256, "pandas.png", "%sPanda_",
     {{"Black", 9}, {"Red", 1}, {"Green", 3}, {"Orange", 6}, {"Pink", 4},
      {"Blue", 5}, {"Purple", 8}, {"Yellow", 2}, {"", 10}, {"", 10}},
     10, 800, nullptr, nullptr, 1},
    {8, 256, "turtles.png", "%s",
     {{"Red", 1}, {"Blue", 5}, {"Green", 3}, {"Orange", 6}, {"Pink", 4},
      {"Cian", 7}, {"Brown", 8}, {"Yellow", 2}, {"", 10}, {"", 10}},
     10, 1050, nullptr, nullptr, 1},
    {8, 256, "marbles.png", "%sMarble_",
     {{"Red", 1}, {"Blue", 5}, {"Green", 3}, {"Orange", 6}, {"Cyan", 7},
      {"Yellow", 2}, {"Purple", 8}, {"Brown", 9}, {"", 10}, {"", 10}},
     0, 800, "Marbles_Shadow.png", "Caustics.png", 1},
};

const ThemeRow& themeRow(int theme)
{
    return ThemeTable[theme < 0 || theme >= kThemeCount ? 0 : theme];
}

int themeColourFamily(int theme, int colour)
{
    if (colour < 1 || colour > 10)
        return 0;
    return themeRow(theme).colours[colour - 1].family;
}

int themeColourEntry(int colour)
{
    return themeColourFamily(boardTheme(), colour);
}

int fractionToFrame31(float f)
{
    if (f >= 1.0f)
        return 31;
    if (!(f > 0.0f))
        return 0;
    int frame = static_cast<int>(f * 32.0f);
    return frame < 0 ? 0 : (frame > 31 ? 31 : frame);
}

namespace {

// Odd frames of smoothed drawing fall back to the even frame before them.
void smooth(int& frame, bool& blend, bool smoothing, bool blended, int blendLimit)
{
    if (!smoothing || (frame & 1) == 0)
        return;
    frame--;
    blend = blended && frame <= blendLimit;
}

} // namespace

FurballFrame chooseFurballFrame(BoardCell& cell, int theme, int halfFrames, int clockCurrent)
{
    const ThemeRow& row = themeRow(theme);
    bool smoothing = halfFrames > 0 || row.halfRateFrames;
    bool blended = halfFrames == 2 || row.halfRateFrames;
    int position = cell.faceAnim / 10;
    FurballFrame result{position < 0 ? 0 : (position > 35 ? 35 : position), false};
    smooth(result.frame, result.blend, smoothing, blended, 33);

    if (cell.specialStart != -1 && theme != 5 && row.extraFrames > 0) {
        int elapsed = gameTimeDiff(clockCurrent, cell.specialStart);
        int k = static_cast<int>(static_cast<float>(elapsed) / row.extraFramesMs * row.extraFrames);
        k = k < 0 ? 0 : (k > row.extraFrames - 1 ? row.extraFrames - 1 : k);
        result.blend = false;
        smooth(k, result.blend, smoothing, blended, row.extraFrames - 3);
        result.frame = k + 72;
        if (elapsed > row.extraFramesMs)
            cell.specialStart = -1;
    } else if (cell.altFace != 0) {
        result.frame += 36;
    }
    return result;
}

int furballRegionIndex(int theme, int frame, int colour)
{
    const ThemeRow& row = themeRow(theme);
    int stored = row.halfRateFrames ? frame / 2 : frame;
    int colourIndex = ((colour - 1) % row.colourCount + row.colourCount) % row.colourCount;
    return stored * row.colourCount + colourIndex;
}

namespace {

const int kGlanceMs = 1080;   // 36 frames of 30 ms

// A cell's own period and phase, from its place and face.
int cellRhythm(int x, int y, int face)
{
    unsigned h = static_cast<unsigned>(x * 73856093) ^ static_cast<unsigned>(y * 19349663) ^
                 static_cast<unsigned>(face * 83492791);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h & 0x7fffffff);
}

} // namespace

void advanceFaceAnimation(BoardCell& cell, int x, int y, int clockCurrent)
{
    int rhythm = cellRhythm(x, y, cell.face);
    int period = 6000 + rhythm % 5000;
    unsigned since = static_cast<unsigned>(clockCurrent) + static_cast<unsigned>(rhythm);
    int phase = static_cast<int>(since % static_cast<unsigned>(period));
    bool glancing = phase < kGlanceMs;
    cell.faceAnim = static_cast<int16_t>(glancing ? phase * 360 / kGlanceMs : 0);
    // Every third glance is a delighted one (the alternate face).
    cell.altFace = glancing && (since / static_cast<unsigned>(period)) % 3 == 2;
}
