#include "Core/MotionPath.h"

#include "Core/GameClock.h"

#include <algorithm>
#include <cmath>

float timeToCover(float distance, float acceleration, float speed)
{
    if (acceleration == 0.0f) {
        if (speed == 0.0f)
            return 0.0f;
        return std::max(distance / speed, 0.0f);
    }
    float sign = distance < 0.0f ? -1.0f : 1.0f;
    float square = 2.0f * distance * acceleration + speed * speed;
    // Below zero the movement turns round before it gets there: count the time until it stops.
    float time = (sign * std::sqrt(std::max(square, 0.0f)) - speed) / acceleration;
    return std::max(time, 0.0f);
}

float MotionPath::position(bool* eventFired, float timeScale)
{
    bool fired = false;
    if (completeAll) {
        for (MotionSegment& segment : segments) {
            if (segment.hasEvent && !segment.reached) {
                segment.reached = true;
                fired = true;
            }
        }
        finished = true;
    }
    if (eventFired)
        *eventFired = fired;
    if (!active || startTime == -1)
        return 0.0f;
    float t = static_cast<float>(static_cast<int32_t>(gameTimeDiff(gGameClock.now(), startTime) * timeScale));
    if (t < 0.0f)
        return 0.0f;
    if (segments.size() == 0) {
        finished = true;
        return 0.0f;
    }
    float total = 0.0f;
    float previousEndSpeed = 0.0f;
    for (int i = 0; i < segments.size(); ++i) {
        MotionSegment& segment = segments[i];
        float v = segment.speed + (segment.relativeSpeed ? previousEndSpeed : 0.0f);
        float d = segment.byDistance ? timeToCover(segment.distance, segment.acceleration, v) : segment.duration;
        if (t < d) {
            currentSegment = i;
            timeInSegment = t;
            return total + t * 0.5f * (2.0f * v + t * segment.acceleration);
        }
        if (segment.hasEvent && !segment.reached) {
            segment.reached = true;
            if (eventFired)
                *eventFired = true;
        }
        total += segment.byDistance ? segment.distance : d * 0.5f * (2.0f * v + d * segment.acceleration);
        t -= d;
        previousEndSpeed = v + segment.acceleration * d;
    }
    currentSegment = segments.size() - 1;
    finished = true;
    return total;
}

float MotionPath::update(bool* eventFired, float timeScale)
{
    float d = position(eventFired, timeScale);
    if (d > maxDistance)
        maxDistance = d;
    else if (d < maxDistance)
        wentBack = true;
    if (maxDistance < 0.1f)
        timeAtRest = gGameClock.now();
    return d;
}
