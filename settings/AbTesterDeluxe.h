#ifndef KELZO_SETTINGS_ABTESTERDELUXE_H
#define KELZO_SETTINGS_ABTESTERDELUXE_H

#include "Core/Array.h"
#include "Core/Mutex.h"
#include "Core/String.h"
#include "settings/AbTester.h"

// Supplies the play times and the "data" text of every statistics report;
// the settings record implements it.
class AbTesterDeluxeCallbackI {
public:
    virtual void getReportData(Array<int>& playTimes, String& data) = 0;
    virtual ~AbTesterDeluxeCallbackI() {}
};

// The engine with run counts and a session id, kept in the header of
// "settings2b.dat".
class AbTesterDeluxe : public AbTester {
public:
    AbTesterDeluxe(int currentVersion, int counterCount, const String& deviceId);
    ~AbTesterDeluxe() override;

    // "ab02" runs, oldVersion, sessionId, realRuns, "fr01"; or the older
    // "ab01" runs, oldVersion. Counts below -1 make the header unusable.
    bool loadHeader(StreamIn& in) override;
    void saveHeader(StreamOut& out) override;
    // Takes the run counts that versions before the experiment files kept
    // in "settings.dat".
    void migrateFromSettingsFile() override;

    int runs = 0;            // launches and resumes counted
    int oldVersion;          // version that first wrote the files
    int realRuns = 0;        // launches counted
    int sessionId;           // identifies this installation's reports
    int currentVersion;
    AbTesterDeluxeCallbackI* callback = nullptr;
    Mutex callbackMutex;
    String reportUrl;
    int timeoutSeconds = -1;
    int retries = -1;
};

#endif
