#include "Core/Log.h"

#include "Core/File.h"
#include "Core/Platform.h"
#include "platform/Pdl.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <sys/time.h>

void formatLogTimestamp(char* out, int outSize, const tm& local, int milliseconds)
{
    snprintf(out, outSize, " %02d/%02d/%02d %02d:%02d:%02d.%03d ", local.tm_mday, local.tm_mon + 1,
             local.tm_year % 100, local.tm_hour, local.tm_min, local.tm_sec, milliseconds);
}

void printLogTimestamp()
{
    timeval now;
    gettimeofday(&now, nullptr);
    time_t seconds = now.tv_sec;
    tm local;
    localtime_r(&seconds, &local);
    char stamp[96];
    formatLogTimestamp(stamp, sizeof stamp, local, static_cast<int>(now.tv_usec / 1000));
    fputs(stamp, stdout);
}

void logPrintf(const char* prefix, const char* format, ...)
{
    flockfile(stdout);
    fputs(prefix ? prefix : "", stdout);
    printLogTimestamp();
    va_list args;
    va_start(args, format);
    vfprintf(stdout, format, args);
    va_end(args);
    size_t length = strlen(format);
    if (length == 0 || format[length - 1] != '\n')
        fputc('\n', stdout);
    fflush(stdout);
    funlockfile(stdout);
}

namespace {

const char kLogFile[] = "logfile.txt";
const int kDefaultMailChars = 62000;

String readLogFile()
{
    bool ok = false;
    File file(dataFilePath(kLogFile), &ok);
    return ok ? file.readAll() : String();
}

}  // namespace

void mailLogFile(int maxChars)
{
    String log = readLogFile();
    int keep = maxChars == -1 ? kDefaultMailChars : maxChars;
    if (keep < 0)
        keep = 0;
    if (log.length() > keep)
        log = log.mid(log.length() - keep);
    launchEmail(String("Log"), log);
}

void mailErrorLog()
{
    String log = readLogFile();
    String errors;
    int lineStart = 0;
    while (lineStart < log.length()) {
        int lineEnd = lineStart;
        while (lineEnd < log.length() && log[lineEnd] != '\n')
            ++lineEnd;
        String line(log.c_str() + lineStart, lineEnd - lineStart);
        if (line.indexOf(String("ERR")) >= 0)
            errors += line;
        lineStart = lineEnd + 1;
    }
    launchBrowser(pdlMailLink("Log", errors.c_str()).c_str());
}
