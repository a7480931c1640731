#ifndef KELZO_SETTINGS_ABTESTER_H
#define KELZO_SETTINGS_ABTESTER_H

#include "Core/Array.h"
#include "Core/Mutex.h"
#include "Core/Stream.h"
#include "Core/String.h"
#include "settings/Variation.h"

// Tags of the experiment files.
const int FileTagAb01 = makeTag("ab01");
const int FileTagAb02 = makeTag("ab02");
const int FileTagFr01 = makeTag("fr01");

// File names, in the data folder.
extern const char* const kVariationsFileName;      // "settings2b.dat": header and values
extern const char* const kOldVariationsFileName;   // "settings2.dat": values of old versions, read only
extern const char* const kCountersFileName;        // "settings3.dat": the usage counters

// A stored variation value carries its generation as 100000 per step:
// 100003 is value 3 of generation 1. Returns the value, sets *generation.
int decodeStoredVariation(int stored, int* generation);
int encodeStoredVariation(int value, int generation);

// a + b, wrapping at the int range instead of overflowing: counts come from
// files too, and a damaged one may sit at the limit.
int wrappingAdd(int a, int b);

// The experiment engine: a list of variations, each drawn once per device
// from a seed made of the device id, and the usage counters; both are saved
// and loaded here.
class AbTester {
public:
    AbTester(int counterCount, const String& deviceId);
    virtual ~AbTester();

    // Header of "settings2b.dat"; the plain engine has none.
    virtual bool loadHeader(StreamIn& in);
    virtual void saveHeader(StreamOut& out);
    // Runs after a load that found no "settings2b.dat".
    virtual void migrateFromSettingsFile();

    void addVariation(const Variation& variation);
    // Seeds rand() from the device id and draws every variation in order,
    // then reseeds from the clock.
    void assignVariations();
    // One draw with the rand() state as it is.
    void redrawVariation(Variation& variation);

    // Reads "settings2b.dat" (or the old "settings2.dat") and "settings3.dat";
    // whatever is missing or damaged is drawn afresh or left at 0.
    void load();
    // Whether load() has run: an engine that never loaded has nothing of the
    // player's to save.
    bool isLoaded() const { return loaded; }
    // Writes both files, each through a temporary file renamed into place.
    // False when either could not be written (the values in memory stay),
    // and, writing nothing, while gSettingsSaveSuppressed is set.
    bool save();
    // The variation block, optionally after the header. False when the data
    // are unusable; then no value has been changed.
    bool loadVariations(StreamIn& in, bool withHeader);
    void writeVariations(StreamOut& out);
    // Reads "settings3.dat" over the counters; true when it read up to the
    // end tag (an older, shorter file included).
    bool loadCounters();

    // Report texts: "&d3=" and "&st=".
    String encodeVariations() const;
    String encodeCounters() const;
    // "_key_" [OR] value for every variation, for the build-info alert.
    String variationsText() const;

    // Variations by key. The last registered match wins, as for server replies.
    Variation* findVariation(const char* key);
    const Variation* findVariation(const char* key) const;
    // The current value; -1 when there is no variation with this key.
    int variationValue(const char* key) const;
    // Gives every variation with this key the value, as it is (any value,
    // -1 "outside the experiment" too). False when the key is unknown. Does
    // not save.
    bool setVariation(const char* key, int value);

    // Usage counters by index (StatisticId) or name; unknown ones are ignored.
    void count(int id, int amount = 1);
    bool count(const char* name, int amount = 1);
    void setCounter(int id, int value);
    int counter(int id) const;          // 0 for an unknown index
    int counterCount() const { return counters.size(); }

    Array<Variation> variations;
    Mutex saveMutex;
    Array<int> counters;
    // Seeds the per-device draws; the platform's unique id in the game.
    String deviceId;

private:
    int drawValue(const Variation& variation);

    bool loaded = false;
};

#endif
