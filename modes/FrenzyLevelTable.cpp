#include "modes/FrenzyLevelTable.h"

#include <algorithm>

#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

const FrenzyLevelRow kRows[kFrenzyTableRows] = {
    {7.5f, 40, 1, 0.39f},    {8.0f, 35, 2, 0.29f},    {7.0f, 50, 2, 0.36f},    {6.35f, 60, 2, 0.395f},
    {5.99f, 75, 2, 0.421f},  {5.86f, 85, 2, 0.437f},  {7.49f, 40, 3, 0.271f},  {7.1f, 55, 3, 0.31f},
    {6.7f, 70, 3, 0.34f},    {6.3f, 80, 3, 0.37f},    {6.1f, 90, 3, 0.389f},   {5.91f, 100, 3, 0.407f},
    {7.5f, 60, 4, 0.265f},   {7.0f, 70, 4, 0.289f},   {6.6f, 80, 4, 0.309f},   {6.3f, 90, 4, 0.323f},
    {6.0f, 100, 4, 0.337f},  {5.8f, 110, 4, 0.348f},  {7.2f, 70, 5, 0.27f},    {6.6f, 80, 5, 0.302f},
    {6.3f, 90, 5, 0.314f},   {6.1f, 100, 5, 0.325f},  {6.0f, 110, 5, 0.335f},  {5.9f, 120, 5, 0.347f},
    {7.1f, 70, 6, 0.27f},    {6.5f, 80, 6, 0.302f},   {6.3f, 90, 6, 0.314f},   {6.0f, 100, 6, 0.325f},
    {5.9f, 110, 6, 0.335f},  {5.85f, 125, 6, 0.345f}, {5.8f, 140, 6, 0.35f},   {6.9f, 80, 7, 0.27f},
    {6.3f, 90, 7, 0.302f},   {6.1f, 100, 7, 0.314f},  {5.9f, 110, 7, 0.325f},  {5.8f, 125, 7, 0.336f},
    {5.7f, 140, 7, 0.347f},  {5.6f, 160, 7, 0.353f},
};

// The level at which the "fsl" shift keeps a lower quota than the next row's.
const int kShiftCappedLevel = 29;
const int kShiftCappedQuota = 120;

// Pull above this is softened by "fsi".
const float kPullPivot = 0.29f;

float paceOffset(int fsa)
{
    static const float kOffsets[] = {1.0f, 0.75f, 0.5f, 0.25f, 0.1f, -0.07f, -0.13f, -0.22f, -0.32f};
    return fsa >= 2 && fsa <= 10 ? kOffsets[fsa - 2] : 0.0f;
}

float pullOffset(int fha)
{
    static const float kOffsets[] = {-0.015f, -0.009f, -0.0055f, 0.0055f, 0.0085f, 0.013f};
    return fha >= 4 && fha <= 9 ? kOffsets[fha - 4] : 0.0f;
}

} // namespace

const FrenzyLevelRow& frenzyTableRow(int row)
{
    return kRows[std::clamp(row, 1, kFrenzyTableRows) - 1];
}

FrenzyLevelRow frenzyLevelParams(int level, const AbSettings& ab)
{
    int n = std::clamp(level, kFrenzyFirstLevel, kFrenzyLastLevel);
    FrenzyLevelRow row = frenzyTableRow(n);
    if (ab.fsl == 1) {
        row = frenzyTableRow(n + 1);
        if (n == kShiftCappedLevel)
            row.quota = kShiftCappedQuota;
    }
    if (ab.flf == 1 && n == 1)
        row.quota -= 5;
    if (ab.fla == 1)
        row.quota -= row.quota > 40 ? 10 : 5;
    if (ab.fsi > 1 && row.pull > kPullPivot) {
        row.pace = row.pace - static_cast<float>(ab.fsi) * (row.pull - kPullPivot);
        row.pull = kPullPivot + (row.pull - kPullPivot) * 0.5f;
    }
    row.pace += paceOffset(ab.fsa);
    row.pull += pullOffset(ab.fha);
    return row;
}

int frenzyLevelQuota(int level, const Settings& settings, const AbSettings& ab)
{
    float scale = std::max(settings.frenzyLessFactor, 0.1f);
    return static_cast<int>(static_cast<float>(frenzyLevelParams(level, ab).quota) / scale);
}

int frenzyColourCount(int level, const AbSettings& ab)
{
    return frenzyLevelParams(level, ab).colours;
}

int frenzyStartFilling(int colours, const AbSettings& ab)
{
    int filling = ab.fbs < 4 ? 15 : ab.fbs + 8;
    if (ab.fmb == 2)
        filling += colours - 2;
    return filling;
}

int frenzyFurballTarget(int colours, const AbSettings& ab)
{
    int offset = ab.flc > 0 ? ab.flc - 3 : 0;
    return 2 * (colours + 8) + offset;
}

int frenzyHintsForLevel(int level, int fmh)
{
    int hints = level <= 9 ? 3 : level <= 19 ? 2 : 1;
    if (fmh == 1)
        return hints + 1;
    return fmh == 2 ? 3 : hints;
}
