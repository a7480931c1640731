#ifndef KELZO_SCORES_HISCORESLISTENERI_H
#define KELZO_SCORES_HISCORESLISTENERI_H

// What the score workers tell the screen that waits for them: a fetch or an
// upload has ended. Called on the worker thread with the worker's mutex held,
// so it may only ask for a frame.
class HiScoresListenerI {
public:
    virtual ~HiScoresListenerI() {}
    virtual void requestRedraw() = 0;
};

#endif
