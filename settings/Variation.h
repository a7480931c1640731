#ifndef KELZO_SETTINGS_VARIATION_H
#define KELZO_SETTINGS_VARIATION_H

// One experiment: a named integer whose value is drawn once per device from
// min..max, kept across runs, reported, and re-assigned by server replies.
struct Variation {
    int* target = nullptr;           // the member that holds the current value
    const char* key = nullptr;       // short name, unique in the engine
    int oldUserValue = -1;           // for players whose saved file predates it
    bool drawForOldUsers = false;    // such players get a fresh draw instead
    int min = -1;
    int max = -1;
    int overrideValue = -1;          // -1: none; else forced with overrideProbability
    float overrideProbability = -1.0f;
    int generation = 0;              // raised by server replies
    int excluded[16] = {};           // values a draw must not give
    int excludedCount = 0;

    int value() const { return target ? *target : -1; }
    bool inRange(int v) const { return v >= min && v <= max; }
    // v itself when it is inside min..max or the old-player value (often -1,
    // "not in the experiment"); otherwise the nearest end of the range, so a
    // value from a damaged file can never index outside a reader's table.
    int clamped(int v) const
    {
        if (inRange(v) || v == oldUserValue || min > max)
            return v;
        return v < min ? min : max;
    }
};

#endif
