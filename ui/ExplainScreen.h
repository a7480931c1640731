#ifndef KELZO_UI_EXPLAINSCREEN_H
#define KELZO_UI_EXPLAINSCREEN_H

#include "ui/MenuBase.h"

// The instruction overlay: a tap anywhere closes it (answer 1). It draws nothing itself; whoever opened it
// draws the picture.
class ExplainScreen : public MenuBase {
public:
    int render() override { return 0; }
    // A press arms it; the next move or release answers 1. A move or release without a press answers -1.
    int handleTouch(int phase, int x, int y) override;
};

#endif
