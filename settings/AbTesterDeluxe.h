#ifndef KELZO_SETTINGS_ABTESTERDELUXE_H
#define KELZO_SETTINGS_ABTESTERDELUXE_H

#include "Core/Array.h"
#include "Core/Mutex.h"
#include "Core/String.h"
#include "Core/Thread.h"
#include "settings/AbTester.h"

// Supplies the play times and the "data" text of every statistics report;
// the settings record implements it.
class AbTesterDeluxeCallbackI {
public:
    virtual void getReportData(Array<int>& playTimes, String& data) = 0;
    virtual ~AbTesterDeluxeCallbackI() {}
};

// Why a report is sent (its "&app_id=").
enum ReportCode {
    ReportRunMilestone = 1100,
    ReportOnDemand = 1103,
    ReportPauseOrExit = 1104,
};

// The engine with run counts and a session id (kept in the header of
// "settings2b.dat"), and the statistics report: launches and resumes that
// reach a milestone, and pauses, are reported on the "AbTesterDeluxe"
// thread, the shutdown inline; the server may answer with lines that
// re-assign variations.
//
// Program lifecycle: at start, after gSettings exists,
//     gAbSettings.callback = gSettings; gAbSettings.countLaunch();
// on resume countResume(); on pause saveAndReportPause(); at shutdown
// saveAndReportExit() then stop().
class AbTesterDeluxe : public AbTester, public Thread {
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

    // 0, 1, 2 (and below) and the powers of two.
    static bool isMilestone(int count);

    void countLaunch();
    void countResume();
    void countRun(bool realRun);
    // Pause: saves, and reports on the report thread, so the main loop never waits for the server.
    void saveAndReportPause();
    // Shutdown, after the main loop: saves and reports inline, waiting 3 s at most.
    void saveAndReportExit();
    // Shutdown of a paused game: the pause report was its exit report, so the report thread gets
    // the same 3 s at most to finish sending before stop() cuts it short.
    void waitForPauseReport();
    void reportNow();
    // Shutdown: asks the report thread to stop (without waiting) and drops
    // the callback; a reply that comes later is not applied.
    void stop();

    // Builds the request on the calling thread and sends it: inline, or on
    // the report thread. A report asked for while the thread still sends
    // the previous one waits for it; only the newest waiting one is sent.
    void sendReport(int code, int timeoutSeconds, int retries, bool withDeviceId, bool async);
    String buildReportUrl(int code, bool withDeviceId);
    // Sends reportUrl with up to retries + 1 attempts; true when one got an answer.
    bool fetchReport(int retries);
    // Applies the server's lines; saves when any line raised a generation.
    void applyServerReply(const String& reply);
    String statusText();

    int runs = 0;            // launches and resumes counted
    int oldVersion;          // version that first wrote the files
    int realRuns = 0;        // launches counted
    int sessionId;           // identifies this installation's reports
    int currentVersion;
    AbTesterDeluxeCallbackI* callback = nullptr;
    Mutex callbackMutex;
    String reportUrl;        // the last request built
    int timeoutSeconds = -1;
    int retries = -1;

protected:
    void run() override;
    // Starts the report thread; false when it cannot start now. Virtual so
    // a test can act at the very moment a start was refused.
    virtual bool startReportThread();

private:
    bool send(const String& url, int timeout);
    bool applyReplyLine(const String& line);
    void applyReplyRule(Variation& variation, char kind, const Array<int>& numbers);

    // The request waiting for the report thread, under reportMutex.
    Mutex reportMutex;
    String queuedUrl;
    int queuedTimeout = -1;
    int queuedRetries = -1;
    bool reportQueued = false;
    bool threadBusy = false;
};

#endif
