// The synthesised instruments. Each renders one note as a mono signal, release tail included.
// freq in Hz, duration (the time the note is held) in seconds, velocity 0..1.
#pragma once

#include "Dsp.h"

#include <functional>
#include <vector>

using Signal = std::vector<float>;

// A frequency that may change over a note (bends, vibrato); t in seconds.
using PitchCurve = std::function<float(float t)>;

Signal pluck(float freq, float duration, float velocity, float brightness, float decaySeconds, uint32_t seed);
Signal electricPiano(float freq, float duration, float velocity);
Signal bell(float freq, float duration, float velocity, float ratio, float index, float decaySeconds);
Signal marimba(float freq, float duration, float velocity);
Signal softPad(float freq, float duration, float velocity, float attack);
Signal bass(float freq, float duration, float velocity);
// Brass-like tone with a filter that opens and closes on every note ("wah").
Signal mutedBrass(const PitchCurve& pitch, float duration, float velocity, float wah);
// Band-limited square-ish tone with a soft edge (beeps, buzzes).
Signal roundSquare(const PitchCurve& pitch, float duration, float velocity, float attack, float release,
                   float cutoffRatio);
Signal sineSweep(const PitchCurve& pitch, float duration, float attack, float decaySeconds);

Signal kick(float velocity);
Signal snare(float velocity, uint32_t seed);
Signal brush(float velocity, uint32_t seed);
Signal hiHat(float velocity, bool open, uint32_t seed);
Signal shaker(float velocity, uint32_t seed);
Signal woodTick(float freq, float velocity, uint32_t seed);
Signal noiseSweep(float startHz, float endHz, float duration, float q, uint32_t seed);

// A sung "yay": a pulse source through moving vowel formants.
Signal cheerVoice(float pitchHz, float duration, float vibratoHz, uint32_t seed);

size_t secondsToFrames(float seconds);
