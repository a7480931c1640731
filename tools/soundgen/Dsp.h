// Small signal-processing pieces shared by the instruments, effects and tunes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;
constexpr float kPi = 3.14159265358979f;

// Deterministic noise: every run of the generator writes the same bytes.
class Rng {
public:
    explicit Rng(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next();
    float uniform();   // 0..1
    float bipolar();   // -1..1

private:
    uint32_t state;
};

// RBJ biquad; coefficients may be changed between samples.
class Biquad {
public:
    void lowPass(float freq, float q);
    void highPass(float freq, float q);
    void bandPass(float freq, float q);  // 0 dB peak gain
    float process(float x);

private:
    void set(float b0, float b1, float b2, float a0, float a1, float a2);
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float z1 = 0, z2 = 0;
};

// Chamberlin state-variable low-pass, cheap to sweep every sample.
class SweepLowPass {
public:
    float process(float x, float cutoff, float resonance);

private:
    float low = 0, band = 0;
};

float midiToHz(float midiNote);
float dbToGain(float db);

// Attack / exponential decay to a sustain, and a release after noteOff seconds.
float adsr(float t, float attack, float decay, float sustain, float noteOff, float release);

// Sine phase accumulator with a changing frequency.
class Phasor {
public:
    float next(float freq);  // returns the phase in radians before the step

private:
    double phase = 0;
};

// Stereo Schroeder-style reverb: parallel damped combs then series all-passes.
class Reverb {
public:
    Reverb(float roomSize, float damping);
    void process(const std::vector<float>& inL, const std::vector<float>& inR,
                 std::vector<float>& outL, std::vector<float>& outR);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t pos = 0;
        float store = 0;
    };
    struct AllPass {
        std::vector<float> line;
        std::size_t pos = 0;
    };
    float runChannel(float x, std::vector<Comb>& combs, std::vector<AllPass>& passes);
    std::vector<Comb> combsL, combsR;
    std::vector<AllPass> passL, passR;
    float feedback, damp;
};
