#ifndef KELZO_MODES_FRENZYLEVELTABLE_H
#define KELZO_MODES_FRENZYLEVELTABLE_H

class AbSettings;
class Settings;

// The Frenzy levels: one row per level with its pace, quota, colours and move
// pull, adjusted by the Frenzy experiments, and what follows from a row
// alone (quota, colours, start filling, furball target, hints). The timing
// that also depends on the board is in FrenzyPacing.h.
//
// Playable levels are 1..37; row 38 is reached only through the "fsl"
// shift. Every lookup clamps the level into 1..37 first, so a level a saved
// game or a caller hands in from outside the table reads the nearest row.

const int kFrenzyFirstLevel = 1;
const int kFrenzyLastLevel = 37;
const int kFrenzyTableRows = 38;

struct FrenzyLevelRow {
    float pace;     // larger: longer spawn intervals
    int quota;      // furballs to clear, before the quota scale
    int colours;    // 1..7
    float pull;     // share of the interval each move brings the next drop forward
};

// The row as stored, for levels 1..38 (clamped).
const FrenzyLevelRow& frenzyTableRow(int row);

// The adjusted row of a level, in single-precision floats.
FrenzyLevelRow frenzyLevelParams(int level, const AbSettings& ab);

// Furballs to clear: the quota divided by the settings' quota scale (taken
// at least 0.1), truncated.
int frenzyLevelQuota(int level, const Settings& settings, const AbSettings& ab);
int frenzyColourCount(int level, const AbSettings& ab);

// Furballs on a new board of a level with `colours` colours.
int frenzyStartFilling(int colours, const AbSettings& ab);

// The furball count the pacing aims at for `colours` colours.
int frenzyFurballTarget(int colours, const AbSettings& ab);

// Hints at the start of a level: 3, 2 from level 10, 1 from level 20;
// "fmh" 1 adds one, "fmh" 2 makes it 3.
int frenzyHintsForLevel(int level, int fmh);

#endif
