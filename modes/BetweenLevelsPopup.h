#ifndef KELZO_MODES_BETWEENLEVELSPOPUP_H
#define KELZO_MODES_BETWEENLEVELSPOPUP_H

#include "Core/Array.h"
#include "Core/String.h"
#include "ui/CustomAlertView.h"

// The level intro and level result dialog of Challenge and Frenzy: under the title, the medal lines of the
// grade, a text, the caller's lines of labelled values, another text and a tip panel, then up to two buttons
// that answer 0 and 1. Showing it pauses the game clock; the menu stack owns and deletes it.
//
//   Array<String> lines;
//   lines.append(formatText(493, level));
//   BetweenLevelsPopup::show(getText(300), &lines, String(), String(), newLevelText(level), this,
//                            getText(48).c_str(), nullptr, 0, false, 3, false, String());
class BetweenLevelsPopup : public CustomAlertView {
public:
    static constexpr int kNoMedal = 3;

    // grade: 0 bronze, 1 silver, 2 gold, 3 none. An empty tipText shows no tip panel. The lines centre as a
    // block (linesLeftEdge); delayMs holds the popup back after it is made.
    static BetweenLevelsPopup* show(const String& title, const Array<String>* lines, const String& secondText,
                                    const String& thirdText, const String& tipText, AlertViewCallbackI* callback,
                                    const char* button1, const char* button2, int delayMs,
                                    bool passed, int grade, bool newBest, const String& closingText);

    void addBody(int* nextRow) override;

    // Popups still open that would answer to `callback` answer to no one: its game is going away.
    static void forgetCallback(AlertViewCallbackI* callback);

    const Array<String>* lines = nullptr;   // not owned; read only while the popup is built
    String secondText;
    String thirdText;
    String tipText;
    bool passed = false;
    bool newBest = false;
    String closingText;
    int grade = kNoMedal;

private:
    explicit BetweenLevelsPopup(AlertOptions options) : CustomAlertView(options) {}
    void addGradeLines(int* row);
    void addMedalLine(int row, const String& line);
    void addLines(int* row);
    void addTextRow(int* row, const String& text, int fontSize);
};

// The medal's name: text 480 bronze, 481 silver, 482 gold; empty for any other grade.
String medalName(int grade);

// The lines over a result of that grade: gold has one; silver and bronze name the medal (as a new best or
// not), then say what the next medal needs; no medal has none.
Array<String> medalLines(int grade, bool newBest);

// A label line and its value on the line after it.
void appendLabelledLine(Array<String>* lines, int labelTextId, const String& value);

// The lines of a recorded run: its time, then the level's best, or, when the run beat an earlier best, that
// earlier best (its own label). `earlierBest` is empty when the run beat none.
void appendRunLines(Array<String>* lines, const String& runTime, const String& best, const String& earlierBest);

// Where the block of lines starts in the popup's text width: the block, as wide as its widest line, centred,
// its lines left-aligned within it (label over value reads as one tidy column).
int linesLeftEdge(const Array<String>& lines);

#endif
