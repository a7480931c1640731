#ifndef KELZO_MENUS_CONSOLECOMMANDS_H
#define KELZO_MENUS_CONSOLECOMMANDS_H

#include "Core/String.h"
#include "menus/ConsoleHostI.h"

class AbTester;
class Settings;

// The maintainers' console: a "bv." command typed into the contact form's
// e-mail field and run by holding Back. The text is lower-cased and split at
// single blanks (two blanks make an empty word); the first command of the
// table that matches runs, anything else does nothing. Numbers are checked
// where a bad one would do harm (the clock scale, the Frenzy factors, the
// puzzle to load): a bad one gets an alert saying what the command needs,
// and nothing changes.
//
// The three commands that reset data never end the process themselves: they
// suppress every save and ask the main loop to end, so the normal shut-down
// runs (threads stopped, requests cancelled, SDL closed).
//
//     runConsoleCommand(emailText, *gSettings, gAbSettings, shellConsoleHost);
void runConsoleCommand(const String& text, Settings& settings, AbTester& engine, ConsoleHostI& host);

// The 16 lines of "bv.help", each ended by a line feed.
extern const char kConsoleHelpText[];

// Removes every saved file of a fresh installation: the settings, the
// experiment values and counters, the scores, bests, language, variation
// overrides, the contact form, the promotion history, every player game file
// "gameState.dat<n>", and what an interrupted save of any of them left
// behind ("<name>.tmp").
void removeAllStateFiles();

#endif
