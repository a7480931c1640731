#ifndef KELZO_SETTINGS_REPORTFACTS_H
#define KELZO_SETTINGS_REPORTFACTS_H

// What the statistics report needs to know of the game in progress. The game
// shell implements it and sets gReportFacts at start-up; while it is null the
// report counts only the play time stored in the settings and tells of no
// current puzzle.
class ReportFactsI {
public:
    virtual ~ReportFactsI() {}

    // The play history, one record per played puzzle: its elapsed time in
    // ms, the game type that played it (0..3 are counted per kind) and its
    // flags (records with bit 2, replays, are left out).
    virtual int playHistoryCount() = 0;
    virtual void playHistoryRecord(int index, int* elapsedMs, int* kind, int* flags) = 0;
    // False when no game with a board is running. Otherwise the board's
    // elapsed play time in ms, its undo count and whether a move is left.
    virtual bool currentBoard(int* elapsedMs, int* undos, bool* hasPossibleMove) = 0;
};

extern ReportFactsI* gReportFacts;

#endif
