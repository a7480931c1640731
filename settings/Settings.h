#ifndef KELZO_SETTINGS_SETTINGS_H
#define KELZO_SETTINGS_SETTINGS_H

#include "Core/Array.h"
#include "Core/Stream.h"
#include "Core/String.h"
#include "settings/AbTesterDeluxe.h"

extern const char* const kSettingsFileName;   // "settings.dat"
extern const char* const kFixedVariationFileName;        // "fv.dat"
extern const char* const kFixedInstructionsFileName;     // "fiv.dat"

// The int32 of an override file ("fv.dat", "fiv.dat"): false when the file
// is missing or short or holds a negative value (no override then).
bool readOverrideFile(const char* name, int* value);
// Replaces the override file whole (safe save); false when it failed.
bool saveOverrideFile(const char* name, int value);

// While set, nothing is written to "settings.dat" (nor by the other savers
// that honour it): the reset commands set it right before the process ends,
// so the destructors that run on the way out cannot undo the reset.
extern bool gSettingsSaveSuppressed;
// The same flag, under the name the game-state and score savers use.
extern bool& gSaveSuppressed;

// The player's options and the per-device experiment values of the settings
// page, kept in "settings.dat" (194 bytes, tagged at both ends).
//
// The global record gSettings is the only one that writes the file. Game
// objects carry copies (copy construction or assignment); a copy keeps the
// path but never saves, so a stale copy cannot overwrite newer choices.
class Settings : public AbTesterDeluxeCallbackI {
public:
    static const int kFileSize = 194;

    // A record that owns its file: reads it over the defaults.
    explicit Settings(const char* path);                 // the platform's device id
    Settings(const char* path, const String& deviceId);
    // A record that owns no file: the defaults for this device.
    Settings();
    Settings(const Settings& other) = default;
    Settings& operator=(const Settings& other) = default;
    ~Settings() override;

    // Makes gSettings from the file unless it exists already.
    static void load(const char* path);
    // Saves and deletes gSettings (program end).
    static void release();

    // Every field to its default, the experiment values drawn from a seed
    // made of the device id, then "fv.dat" and "fiv.dat" applied.
    void setDefaults();
    // The 194-byte layout.
    void write(StreamOut& out) const;
    // Field-by-field reader that also takes the shorter files of older
    // versions. Stops at the first end tag, short read or value out of range,
    // leaving the fields after it as they were. True when the record ended
    // cleanly (at its end or at an older version's end tag); false for a
    // foreign, cut-off or damaged record.
    bool read(StreamIn& in, bool firstPartOnly);
    void readFile(bool firstPartOnly);
    // Writes the file through a temporary file renamed into place. False, with
    // nothing changed in memory or on disk, when it cannot be written, when
    // saving is suppressed, or when this record is a copy.
    bool save();
    bool ownsFile() const { return owner.owns; }

    void getReportData(Array<int>& playTimes, String& data) override;

    float speedFactor() const;
    float scaleFactor() const;
    float ivFactorLate() const;
    float ivFactorEarly() const;

    int startLevel;
    int difficulty;
    int gameMode;
    float sliderA;               // effects volume
    float sliderB;               // music volume
    bool switchA;                // online scores
    int extraInt1;
    int extraInt2;
    bool showFps;
    bool showFpsMore;
    bool fasterClock;
    int mainVariation;           // "ll_"
    int defaultModeDraw;         // "_dm_"
    bool extraFlag1;             // fewer tips
    int slowdownA;
    int slowdownB;               // "_sfC_"
    int instructionsVariation;   // "_iv_"
    bool mhVariation;            // "_mh_"
    int avVariation;             // "_av_"
    int extraInt3;
    int sgVariation;             // "_sg_"
    int blVariation;             // "_bl_"
    int uvVariation;             // "_uv_"
    int ltVariation;             // "_lt_"
    int linkShareVariation;      // "_ls_"
    int freeSkipsVariation;      // "_fs_"
    int wellDoneVariation;       // "_wd_"
    int fxVariation;
    int fxSwitchVariation;       // "_xs_"
    bool switchC;                // effects on
    int levelSetVariation;       // "_levS_"
    int levelRepeatsVariation;   // "_lr_"
    int limitBallsVariation;     // "_lnb_"
    int hiScoreDefaultsKind;
    bool powerOptions;
    bool freeHints;
    float frenzySpeedFactor;
    float frenzyLessFactor;
    int playTimeTotal;
    int playTimeByMode[4];
    int scoreTimeFilter;
    int hiScoreValue2;
    int ratingValue1;
    int ratingValue2;
    int extraInt4;
    int frenzyUnlocked;
    int halfFrames;              // never stored
    bool switchB;                // tips on
    String path;
    String deviceId;

private:
    // Whether this record writes its file; copies start without it.
    struct FileOwner {
        bool owns = false;
        FileOwner() = default;
        FileOwner(const FileOwner&) {}
        FileOwner& operator=(const FileOwner&) { return *this; }
    };
    FileOwner owner;

    void applyDefaultDraws();
};

extern Settings* gSettings;

// Localised names for the menus: the difficulty, and the chosen theme.
String difficultyNameText(const Settings& settings);
String themeNameText(const Settings& settings);

#endif
