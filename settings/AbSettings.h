#ifndef KELZO_SETTINGS_ABSETTINGS_H
#define KELZO_SETTINGS_ABSETTINGS_H

#include "Core/String.h"
#include "settings/AbTesterDeluxe.h"

// The game's experiment engine: 78 variations, each a plain int member named
// after its key ("cpl" is gAbSettings.cpl), read directly wherever the game
// branches on it; -1 means the player is outside that experiment. Also holds
// the usage counters (see Statistics.h).
class AbSettings : public AbTesterDeluxe {
public:
    static const int kVersion = 162;
    static const int kThemeCount = 6;

    // Only registers the variations (all -1 until loaded). The global engine
    // is made this way: static initialisation must not reach into the
    // platform layer, whose own globals may not exist yet.
    AbSettings();
    // Registers and loads at once, for this device id.
    explicit AbSettings(const String& deviceId);

    // Loads the files (or draws afresh from the device id), forces "mem" to
    // 1 and saves. The program calls it first thing at start-up, before the
    // settings record is loaded; later calls do nothing.
    void loadAtStart();                          // the platform's device id
    void loadAtStart(const String& deviceId);

    // Number of furball colours (5..8) for a level, by "cpl".
    int kindCountForLevel(int level, int count) const;
    // Gate of the puzzle chooser's re-pick; switched off in this version.
    bool repickEnabled(int mode) const;
    // The theme the player chose (counter "chosenTheme"), kept inside 0..5
    // whatever a file or a caller put there.
    int chosenTheme() const;

    // In registration order, which is also the order of the stored values.
    int as, hw, f1, aet, cet, dh, uhs, bfp, bhe, lvt;
    int mem, uhb, uhwt, uhst, uct, f2, cmh, rhc, ttb, cpl;
    int los, ddh, aos, aod, aot, osa, sad, add, adp, ubd;
    int pml, emu, sut, nwt, pbu, ieh, bj, eh, pd, dhh;
    int fph, vo, vll, nhd, nhs, ttd, eo, sll, lb, usq;
    int asq, wsq, psq, sia, nhq, nhf, ncm, fsl, flf, fbs;
    int fmb, fsa, fha, fmh, fic, fsp, ncp, tsf, fla, fmd;
    int tpl, fsi, flc, tnp, tpr, tpa, tbb, tat;

private:
    void registerVariations();
};

// The one engine of the game; values are -1 until loadAtStart has run.
extern AbSettings gAbSettings;

// Whether the game-mode menu offers a level choice for this mode.
bool modeHasLevels(int mode);

#endif
