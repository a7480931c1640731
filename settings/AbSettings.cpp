#include "settings/AbSettings.h"

#include "Core/Language.h"
#include "Core/Platform.h"
#include "settings/Statistics.h"

namespace {

struct VariationRow {
    const char* key;
    int AbSettings::*member;
    int min;
    int max;
    bool drawForOldUsers;
};

// Key, member, range and whether players of older versions draw it afresh.
const VariationRow kVariationRows[] = {
    {"as", &AbSettings::as, 0, 1, false},
    {"hw", &AbSettings::hw, 0, 3, false},
    {"f1", &AbSettings::f1, 0, 6, false},
    {"aet", &AbSettings::aet, 0, 7, false},
    {"cet", &AbSettings::cet, 0, 6, false},
    {"dh", &AbSettings::dh, 0, 0, false},
    {"uhs", &AbSettings::uhs, 0, 1, false},
    {"bfp", &AbSettings::bfp, 1, 1, false},
    {"bhe", &AbSettings::bhe, 0, 31, false},
    {"lvt", &AbSettings::lvt, 0, 255, false},
    {"mem", &AbSettings::mem, 0, 3, false},
    {"uhb", &AbSettings::uhb, 2, 2, false},
    {"uhwt", &AbSettings::uhwt, 0, 2, false},
    {"uhst", &AbSettings::uhst, 0, 8, false},
    {"uct", &AbSettings::uct, 1, 1, false},
    {"f2", &AbSettings::f2, 0, 5, false},
    {"cmh", &AbSettings::cmh, 0, 4, false},
    {"rhc", &AbSettings::rhc, 4, 4, false},
    {"ttb", &AbSettings::ttb, 0, 10, false},
    {"cpl", &AbSettings::cpl, 0, 0, false},
    {"los", &AbSettings::los, 0, 4, false},
    {"ddh", &AbSettings::ddh, 15, 15, false},
    {"aos", &AbSettings::aos, 0, 10, false},
    {"aod", &AbSettings::aod, 0, 7, false},
    {"aot", &AbSettings::aot, 0, 2, false},
    {"osa", &AbSettings::osa, 0, 4, false},
    {"sad", &AbSettings::sad, 0, 0, false},
    {"add", &AbSettings::add, 0, 7, false},
    {"adp", &AbSettings::adp, 0, 10, false},
    {"ubd", &AbSettings::ubd, 7, 7, false},
    {"pml", &AbSettings::pml, 3, 3, false},
    {"emu", &AbSettings::emu, 0, 9, false},
    {"sut", &AbSettings::sut, 0, 2, false},
    {"nwt", &AbSettings::nwt, 0, 1, false},
    {"pbu", &AbSettings::pbu, 3, 3, false},
    {"ieh", &AbSettings::ieh, 0, 2, false},
    {"bj", &AbSettings::bj, 0, 1, false},
    {"eh", &AbSettings::eh, 0, 5, false},
    {"pd", &AbSettings::pd, 0, 2, false},
    {"dhh", &AbSettings::dhh, 1, 1, false},
    {"fph", &AbSettings::fph, 15, 15, false},
    {"vo", &AbSettings::vo, 0, 8, false},
    {"vll", &AbSettings::vll, 0, 5, false},
    {"nhd", &AbSettings::nhd, 1, 1, false},
    {"nhs", &AbSettings::nhs, 0, 0, false},
    {"ttd", &AbSettings::ttd, 0, 4, false},
    {"eo", &AbSettings::eo, 0, 4, false},
    {"sll", &AbSettings::sll, 2, 5, false},
    {"lb", &AbSettings::lb, 1, 1, false},
    {"usq", &AbSettings::usq, 0, 6, false},
    {"asq", &AbSettings::asq, 0, 6, false},
    {"wsq", &AbSettings::wsq, 0, 6, false},
    {"psq", &AbSettings::psq, 0, 6, false},
    {"sia", &AbSettings::sia, 2, 4, false},
    {"nhq", &AbSettings::nhq, 0, 4, false},
    {"nhf", &AbSettings::nhf, 0, 4, false},
    {"ncm", &AbSettings::ncm, 1, 1, false},
    {"fsl", &AbSettings::fsl, 0, 1, true},
    {"flf", &AbSettings::flf, 0, 1, true},
    {"fbs", &AbSettings::fbs, 0, 9, true},
    {"fmb", &AbSettings::fmb, 0, 2, true},
    {"fsa", &AbSettings::fsa, 0, 10, true},
    {"fha", &AbSettings::fha, 0, 10, true},
    {"fmh", &AbSettings::fmh, 0, 2, true},
    {"fic", &AbSettings::fic, 0, 6, true},
    {"fsp", &AbSettings::fsp, 0, 2, true},
    {"ncp", &AbSettings::ncp, 0, 2, false},
    {"tsf", &AbSettings::tsf, 0, 1, true},
    {"fla", &AbSettings::fla, 0, 1, true},
    {"fmd", &AbSettings::fmd, 0, 2, true},
    {"tpl", &AbSettings::tpl, 0, 1, false},
    {"fsi", &AbSettings::fsi, 0, 3, true},
    {"flc", &AbSettings::flc, 0, 5, true},
    {"tnp", &AbSettings::tnp, 0, 1, true},
    {"tpr", &AbSettings::tpr, 0, 4, true},
    {"tpa", &AbSettings::tpa, 0, 1, true},
    {"tbb", &AbSettings::tbb, 1, 3, true},
    {"tat", &AbSettings::tat, 0, 2, true},
};

const int kCounterCount = StatisticCount;

} // namespace

AbSettings gAbSettings;

AbSettings::AbSettings() : AbTesterDeluxe(kVersion, kCounterCount, String())
{
    registerVariations();
    // The language records the loaded language in a counter and words some
    // texts by the chosen theme; only the game's own engine lives long enough
    // to be pointed at.
    if (this == &gAbSettings)
        setLanguageCounters(&counters[StatLang], &counters[StatChosenTheme]);
}

AbSettings::AbSettings(const String& id) : AbSettings()
{
    loadAtStart(id);
}

void AbSettings::loadAtStart()
{
    loadAtStart(getUniqueDeviceId());
}

void AbSettings::loadAtStart(const String& id)
{
    if (isLoaded())
        return;
    deviceId = id;
    load();
    mem = 1;
    counters[StatChosenTheme] = chosenTheme();
    save();
}

void AbSettings::registerVariations()
{
    for (const VariationRow& row : kVariationRows) {
        this->*row.member = -1;
        Variation v;
        v.target = &(this->*row.member);
        v.key = row.key;
        v.min = row.min;
        v.max = row.max;
        v.oldUserValue = row.min == row.max ? row.min : -1;
        v.drawForOldUsers = row.drawForOldUsers;
        v.overrideValue = -1;
        v.overrideProbability = 1.0f;
        addVariation(v);
    }
}

int AbSettings::kindCountForLevel(int level, int count) const
{
    switch (cpl) {
    case 0:
        return 8;
    case -1:
    case 1:
        return count < 5 ? 5 : (count > 8 ? 8 : count);
    case 2:
        if (level < 5)
            return 5;
        if (level < 9)
            return 6;
        return level > 13 ? 8 : 7;
    case 3:
        if (level < 7)
            return 5;
        if (level < 11)
            return 6;
        return level > 14 ? 8 : 7;
    default:
        return 8;
    }
}

bool AbSettings::repickEnabled(int) const
{
    return false;
}

int AbSettings::chosenTheme() const
{
    int theme = counter(StatChosenTheme);
    if (theme < 0)
        return 0;
    return theme >= kThemeCount ? kThemeCount - 1 : theme;
}

bool modeHasLevels(int mode)
{
    switch (mode) {
    case 1:
    case 2:
    case 5:
    case 6:
        return true;
    case 3:
        return gAbSettings.ncm > 0;
    default:
        return false;
    }
}
