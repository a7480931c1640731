#ifndef KELZO_MENUS_HISCORESHOSTI_H
#define KELZO_MENUS_HISCORESHOSTI_H

#include "scores/HistorySampleSourceI.h"

// What the high-score screen asks of the application object: the play history sent along with an upload,
// and the Free Play progress that is the player's own online score there. The shell implements it and hands it
// to the screen it builds; tests hand a fake.
class HiScoresHostI : public HistorySampleSourceI {
public:
    // The Free Play level reached.
    virtual int freePlayLevel() = 0;
    // Puzzles still to solve at that level (0 or below: the level is done).
    virtual int puzzlesLeftInLevel() = 0;
};

#endif
