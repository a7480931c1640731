#ifndef KELZO_GAME_BARDOUBLETAP_H
#define KELZO_GAME_BARDOUBLETAP_H

#include <cstdint>

// The double tap on the bottom bar's middle band that leaves a game (or the
// tutorial). Counts press, release, press, release: 0 -> 1 (first press) ->
// 2 (first release, time stamped) -> 3 (second press) -> 0 (second release
// acts). A release farther than about 22 px (squared distance 500) from the
// last counted press clears it, and so does any touch the caller does not
// hand in as a band tap. Knows no window and no clock: times come in.
//
//     if (BarDoubleTap::inBand(x)) barTap.press(x, y); else barTap.clear();
//     ...
//     if (barTap.release(x, y, now, rule) == BarDoubleTap::Leave) leave();
class BarDoubleTap {
public:
    static const int kBandLeft = 77;
    static const int kBandRight = 263;
    static const int kRadiusSquared = 500;
    // On the tutorial screen the first tap must be answered within this.
    static const int kTutorialLimitMs = 900;
    // The frame forgets a first tap this old.
    static const int kAbandonMs = 1900;
    // With the tutorial's "ieh" 1 only a second release this low leaves.
    static const int kTutorialLowY = 451;

    enum Result {
        None,     // nothing happened (or the state was cleared)
        Counted,  // the first release: waiting for the second tap
        Leave,    // the second release, allowed: leave the screen
    };

    // How a release with the second tap is allowed. Off: always.
    struct TutorialRule {
        bool applies = false;   // the tutorial screen, tutorial not done, "ieh" >= 1
        int ieh = 0;            // 1: only a release with y > 451; 2: never
    };

    static bool inBand(int x) { return x >= kBandLeft && x <= kBandRight; }

    // A press in the band: counted when it starts a tap (count 0 or 2), else
    // everything is cleared; true when counted.
    bool press(int x, int y);
    // A release in the band. Not counted (too far, or no tap pending) clears.
    Result release(int x, int y, int32_t now, const TutorialRule& rule);
    // The frame's check: a first tap 1900 ms old or older is dropped.
    void abandonIfOld(int32_t now);
    void clear();

    int count() const { return tapCount; }
    int32_t firstTapMs() const { return firstTapTime; }
    bool secondDown() const { return secondTapDown != 0; }

private:
    int tapCount = 0;
    int32_t firstTapTime = -1;
    uint8_t secondTapDown = 0;
    int tapDownX = 0;
    int tapDownY = 0;
};

#endif
