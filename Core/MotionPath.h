#pragma once

#include "Core/Array.h"

#include <cstdint>

// One piece of a movement: constant acceleration over a given distance or duration.
struct MotionSegment {
    bool reached = false;     // passed already (kept for event segments only)
    bool hasEvent = false;    // passing it raises the path's event once
    bool byDistance = false;  // given by distance; else by duration
    float distance = 0.0f;
    float duration = 0.0f;  // milliseconds
    bool relativeSpeed = false;  // speed is added to the previous segment's end speed
    float speed = 0.0f;          // distance units per millisecond
    float acceleration = 0.0f;   // distance units per millisecond squared
};

// A movement as a chain of segments, evaluated against the game clock. The animation that owns it
// fills the segments and sets startTime and active.
struct MotionPath {
    // Distance covered at the current game time. *eventFired is set when this evaluation passed an
    // event segment for the first time (eventFired may be null).
    float position(bool* eventFired, float timeScale = 1.0f);
    // position(), also keeping maxDistance, wentBack and timeAtRest.
    float update(bool* eventFired, float timeScale = 1.0f);

    int32_t currentSegment = 0;
    float timeInSegment = 0.0f;
    bool finished = false;
    bool completeAll = false;  // the next evaluation marks every pending event segment reached
    bool wentBack = false;
    float maxDistance = 0.0f;
    Array<MotionSegment> segments;
    int32_t startTime = -1;  // game time the movement starts; -1 = not started
    int32_t timeAtRest = 0;
    bool active = false;
};

// Milliseconds to cover `distance` from `speed` at constant `acceleration`. A movement that can
// never get there (no speed and no acceleration, or braking to a stop first) takes the time until
// it stops moving, 0 at the least.
float timeToCover(float distance, float acceleration, float speed);
