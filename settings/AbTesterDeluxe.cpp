#include "settings/AbTesterDeluxe.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "Core/File.h"
#include "Core/HttpRequest.h"
#include "Core/MemoryStream.h"
#include "Core/Platform.h"
#include "Core/Random.h"
#include "platform/ServerAddresses.h"
#include "settings/DigitCodes.h"
#include "settings/Settings.h"

namespace {

const int kReportThreadPriority = 15;
const int kMilestoneTimeoutSeconds = 5;
const int kMilestoneRetries = 1;
const int kExitTimeoutSeconds = 3;

// The device id goes into the URL unencoded, so only [0-9a-f] may pass.
String hexDigitsOnly(const String& text)
{
    String kept;
    for (int i = 0; i < text.length(); i++) {
        char c = text[i];
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))
            kept += c;
    }
    return kept;
}

// A number of a reply list, read as a stream reads an int: optional blanks
// and sign, then digits, anything after them ignored; -9999 when there is
// no number or it does not fit.
int replyNumber(const String& text)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return -9999;
    return static_cast<int>(value);
}

bool contains(const Array<int>& numbers, int value)
{
    for (int n : numbers) {
        if (n == value)
            return true;
    }
    return false;
}

} // namespace

AbTesterDeluxe::AbTesterDeluxe(int version, int counterCount, const String& id)
    : AbTester(counterCount, id), Thread("AbTesterDeluxe"), oldVersion(version), currentVersion(version)
{
    srand(static_cast<unsigned>(time(nullptr)));
    sessionId = rand() % 65536;
}

AbTesterDeluxe::~AbTesterDeluxe()
{
    if (isLoaded())
        save();
    // run() uses this object's members: it must be over before they go.
    stopAndWait();
}

bool AbTesterDeluxe::loadHeader(StreamIn& in)
{
    int tag = 0;
    if (!readInt(in, &tag) || (tag != FileTagAb02 && tag != FileTagAb01))
        return false;
    // Each count is taken as soon as it proved good, so what came before a
    // damaged part survives.
    int value = 0;
    if (!readInt(in, &value) || value < -1)
        return false;
    runs = value;
    if (!readInt(in, &value) || value < -1)
        return false;
    oldVersion = value;
    if (tag == FileTagAb01)
        return true;
    if (!readInt(in, &value))
        return false;
    sessionId = value;
    if (!readInt(in, &value) || value < -1)
        return false;
    realRuns = value;
    return readInt(in, &value) && value == FileTagFr01;
}

void AbTesterDeluxe::saveHeader(StreamOut& out)
{
    writeInt32(out, FileTagAb02);
    writeInt32(out, runs);
    writeInt32(out, oldVersion);
    writeInt32(out, sessionId);
    writeInt32(out, realRuns);
    writeInt32(out, FileTagFr01);
}

static int intAt(const String& bytes, int offset)
{
    int value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void AbTesterDeluxe::migrateFromSettingsFile()
{
    bool ok = false;
    File file(dataFilePath(kSettingsFileName), &ok);
    if (!ok)
        return;
    String bytes = file.readAll();
    if (bytes.length() <= 40)
        return;
    // Current settings files hold -111 in these places; only real counts
    // (-1 or more) are taken, or every start would fail the header check.
    int version = intAt(bytes, 33);
    int oldRuns = intAt(bytes, 37);
    if (version >= -1)
        oldVersion = version;
    if (oldRuns >= -1)
        runs = oldRuns;
    int oldRealRuns = bytes.length() >= 169 ? intAt(bytes, 165) : oldRuns;
    if (oldRealRuns >= -1)
        realRuns = oldRealRuns;
}

bool AbTesterDeluxe::isMilestone(int count)
{
    return count <= 2 || (count & (count - 1)) == 0;
}

void AbTesterDeluxe::countLaunch()
{
    if (isMilestone(runs) || isMilestone(realRuns))
        sendReport(ReportRunMilestone, kMilestoneTimeoutSeconds, kMilestoneRetries, true, true);
    runs = wrappingAdd(runs, 1);
    realRuns = wrappingAdd(realRuns, 1);
    save();
}

void AbTesterDeluxe::countResume()
{
    if (isMilestone(runs))
        sendReport(ReportRunMilestone, kMilestoneTimeoutSeconds, kMilestoneRetries, true, true);
    runs = wrappingAdd(runs, 1);
    save();
}

void AbTesterDeluxe::countRun(bool realRun)
{
    if (isMilestone(runs) || (realRun && isMilestone(realRuns)))
        sendReport(ReportRunMilestone, kMilestoneTimeoutSeconds, kMilestoneRetries, true, true);
    runs = wrappingAdd(runs, 1);
    if (realRun)
        realRuns = wrappingAdd(realRuns, 1);
    save();
}

void AbTesterDeluxe::saveAndReportPause()
{
    save();
    sendReport(ReportPauseOrExit, kExitTimeoutSeconds, 0, true, true);
}

void AbTesterDeluxe::saveAndReportExit()
{
    save();
    sendReport(ReportPauseOrExit, kExitTimeoutSeconds, 0, true, false);
}

void AbTesterDeluxe::waitForPauseReport()
{
    for (int waited = 0; waited < kExitTimeoutSeconds * 1000 && isRunning(); waited += 10)
        Thread::sleepMs(10);
}

void AbTesterDeluxe::reportNow()
{
    sendReport(ReportOnDemand, kMilestoneTimeoutSeconds, 0, true, false);
}

void AbTesterDeluxe::stop()
{
    MutexLock lock(&callbackMutex);
    requestStop();
    callback = nullptr;
}

String AbTesterDeluxe::buildReportUrl(int code, bool withDeviceId)
{
    Array<int> playTimes;
    String data;
    {
        MutexLock lock(&callbackMutex);
        if (callback)
            callback->getReportData(playTimes, data);
    }
    StringStream url(4096);
    url << "http://" << gStatisticsServerHost << "/kelzo/buy/?data=" << data;
    if (withDeviceId)
        url << "&id=" << hexDigitsOnly(deviceId);
    url << "&d3=" << encodeVariations();
    for (int i = 0; i < playTimes.size(); i++) {
        if (i == 0)
            url << "&tpt=";
        else
            url << "&pt" << i << "=";
        url << playTimes[i];
    }
    url << "&runs=" << wrappingAdd(runs, 1) << "&rrc=" << wrappingAdd(realRuns, 1) << "&ov=" << oldVersion
        << "&cv=" << currentVersion << "&sv=" << keepAlphanumeric(getOsVersion()) << "&nrf=1&app_id=" << code
        << "&ss=";
    encodeDigits6(url, sessionId);
    url << "&st=" << encodeCounters();
    return url.toString();
}

void AbTesterDeluxe::sendReport(int code, int timeout, int retryCount, bool withDeviceId, bool async)
{
    String url = buildReportUrl(code, withDeviceId);
    {
        MutexLock lock(&reportMutex);
        reportUrl = url;
        timeoutSeconds = timeout;
    }
    if (!async) {
        fetchReport(retryCount);
        return;
    }
    {
        MutexLock lock(&reportMutex);
        retries = retryCount;
        queuedUrl = url;
        queuedTimeout = timeout;
        queuedRetries = retryCount;
        reportQueued = true;
        if (threadBusy)
            return;   // the running thread sends it once it is done
        threadBusy = true;
    }
    // The thread may have just let go of its work and not yet returned;
    // it is gone within moments. Whether it was there is read before the
    // start: read after a refused start, it could have ended in between,
    // and a start that may well have worked the next time would be taken
    // for a failure. A refusal while nothing ran is a real one.
    for (int wait = 0; wait < 200; wait++) {
        bool wasRunning = isRunning();
        if (startReportThread())
            return;
        if (!wasRunning)
            break;
        Thread::sleepMs(1);
    }
    MutexLock lock(&reportMutex);
    threadBusy = false;
}

bool AbTesterDeluxe::startReportThread()
{
    return start(kReportThreadPriority, 1);
}

void AbTesterDeluxe::run()
{
    for (;;) {
        String url;
        int timeout = 0;
        int tries = -1;
        {
            MutexLock lock(&reportMutex);
            if (!reportQueued || isStopRequested()) {
                threadBusy = false;
                return;
            }
            url = queuedUrl;
            timeout = queuedTimeout;
            tries = queuedRetries;
            reportQueued = false;
        }
        for (int attempt = 0; attempt <= tries && !isStopRequested(); attempt++) {
            if (send(url, timeout))
                break;
        }
    }
}

bool AbTesterDeluxe::fetchReport(int retryCount)
{
    if (retryCount < 0)
        return false;
    String url;
    int timeout = 0;
    {
        MutexLock lock(&reportMutex);
        url = reportUrl;
        timeout = timeoutSeconds;
    }
    for (int attempt = 0; attempt <= retryCount; attempt++) {
        if (send(url, timeout))
            return true;
    }
    return false;
}

bool AbTesterDeluxe::send(const String& url, int timeout)
{
    String body;
    bool ok = false;
    bool failed = false;
    // On the report thread a shutdown's stop request ends the wait at once.
    httpRequest(&body, url, String(), &ok, &failed, timeout, 1, stopFlag());
    if (!ok)
        return false;
    // Held while the reply is applied, so a shutdown that asked to stop
    // cannot see the reply land after it.
    MutexLock lock(&callbackMutex);
    if (!isStopRequested())
        applyServerReply(body);
    return true;
}

void AbTesterDeluxe::applyServerReply(const String& reply)
{
    bool changed = false;
    Array<String> lines = reply.split('\n');
    for (const String& line : lines) {
        if (applyReplyLine(line))
            changed = true;
    }
    if (changed)
        save();
}

// One line "key:" audience, generation digit, kind, list. True when it
// raised the variation's generation (whether or not the value changed).
bool AbTesterDeluxe::applyReplyLine(const String& line)
{
    Array<String> parts = line.split(':');
    if (parts.size() != 2)
        return false;
    Variation* variation = findVariation(parts[0].c_str());
    const String& value = parts[1];
    if (variation == nullptr || value.length() < 4)
        return false;
    int generation = value[1] - '0';
    if (generation <= variation->generation)
        return false;
    variation->generation = generation;

    bool newPlayer = realRuns < 2;
    char audience = value[0];
    bool inAudience = audience == 'A' || (audience == 'N' && newPlayer) || (audience == 'O' && !newPlayer);
    if (inAudience) {
        Array<int> numbers;
        for (const String& piece : value.mid(3).split(','))
            numbers.append(replyNumber(piece));
        applyReplyRule(*variation, value[2], numbers);
    }
    return true;
}

void AbTesterDeluxe::applyReplyRule(Variation& variation, char kind, const Array<int>& numbers)
{
    int current = variation.value();
    int next = current;
    switch (kind) {
    case 'E':   // allowed values
        if (numbers.size() == 0 || contains(numbers, current))
            return;
        next = numbers[rand() % numbers.size()];
        break;
    case 'D': { // disallowed values
        if (!contains(numbers, current))
            return;
        Array<int> allowed;
        for (int v = variation.min; v <= variation.max; v++) {
            if (!contains(numbers, v))
                allowed.append(v);
        }
        if (allowed.size() == 0)
            return;
        next = allowed[rand() % allowed.size()];
        break;
    }
    case 'R': { // range lo..hi
        if (numbers.size() != 2)
            return;
        int lo = numbers[0];
        int hi = numbers[1];
        if ((lo <= current && current <= hi) || hi < lo)
            return;
        long long span = static_cast<long long>(hi) - lo + 1;
        next = static_cast<int>(lo + rand() % span);
        break;
    }
    case 'P': { // value x with probability p percent
        if (numbers.size() != 2 || numbers[1] < 0 || numbers[1] > 100)
            return;
        if (!(static_cast<float>(numbers[1]) * 0.01f > randomFloat(1.0f)))
            return;
        next = numbers[0];
        break;
    }
    default:
        return;
    }
    // A reply may take the player out of the experiment (-1); other values
    // outside the row's range are refused, as no draw could give them.
    if (variation.target && (next == -1 || variation.inRange(next)))
        *variation.target = next;
}

String AbTesterDeluxe::statusText()
{
    Array<int> playTimes;
    String data;
    {
        MutexLock lock(&callbackMutex);
        if (callback)
            callback->getReportData(playTimes, data);
    }
    StringStream text(1024);
    text << "Runs:" << runs << ", realRuns:" << realRuns << ", ov: " << oldVersion << ", cv: " << currentVersion
         << ", sid: " << sessionId << "\nPT: ";
    for (int i = 0; i < playTimes.size(); i++) {
        if (i > 0)
            text << ", ";
        text << playTimes[i];
    }
    text << "\nED: " << data;
    return text.toString();
}
