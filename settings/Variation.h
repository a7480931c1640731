#ifndef KELZO_SETTINGS_VARIATION_H
#define KELZO_SETTINGS_VARIATION_H

// One experiment: a named integer whose value is drawn once per device from
// min..max, kept across runs, reported, and re-assigned by server replies.
// A stored value is kept as it came (a file or the console may leave it
// outside min..max, and -1 means "outside the experiment"), so whoever reads
// a variation must cope with any value.
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
};

#endif
