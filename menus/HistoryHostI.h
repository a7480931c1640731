#ifndef KELZO_MENUS_HISTORYHOSTI_H
#define KELZO_MENUS_HISTORYHOSTI_H

#include "Core/Array.h"
#include "board/HistoryRecord.h"

// What the history screen asks of the application object. The shell
// implements it and hands it to the screen when it builds it; tests hand a fake.
class HistoryHostI {
public:
    virtual ~HistoryHostI() {}

    // The play history, oldest first.
    virtual const Array<HistoryRecord>& playHistory() = 0;
    // Plays the record's puzzle again and shows the play screen. The screen
    // that asks is deleted by the switch: it calls this last.
    virtual void replayHistoryRecord(const HistoryRecord& record) = 0;
    // The click of a choice.
    virtual void playClick() = 0;
};

#endif
