#ifndef KELZO_SCORES_HISTORYSAMPLESOURCEI_H
#define KELZO_SCORES_HISTORYSAMPLESOURCEI_H

#include "Core/String.h"

// The play history as the score upload sends it along: the application
// object implements it. Called on the main thread when an upload starts; it
// marks the records it returns as sent.
class HistorySampleSourceI {
public:
    virtual ~HistorySampleSourceI() {}
    virtual String historySample() = 0;
};

#endif
