#pragma once

#include <ctime>

// Diagnostic lines go to standard output, each with a time stamp. Lines whose prefix is "ERR" are
// what the error-log mail collects, so log failures as logPrintf("ERR", ...).
//
//   logPrintf("ERR", "cannot open %s", name.c_str());
//   ->  ERR 05/03/09 14:07:09.042 cannot open settings.dat

// " dd/mm/yy hh:mm:ss.mmm " of the given local time; `out` needs 96 bytes.
void formatLogTimestamp(char* out, int outSize, const tm& local, int milliseconds);
void printLogTimestamp();
// Prefix, time stamp, message; a line end is added when the message has none. Lines from several
// threads do not mix.
void logPrintf(const char* prefix, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Mail "logfile.txt" of the working directory: its last maxChars bytes (62,000 for -1) as an
// e-mail with the subject "Log", or only its lines that contain "ERR".
void mailLogFile(int maxChars);
void mailErrorLog();
