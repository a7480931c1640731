#include "Dsp.h"

#include <cmath>

uint32_t Rng::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float Rng::uniform() { return (next() >> 8) * (1.0f / 16777216.0f); }

float Rng::bipolar() { return uniform() * 2.0f - 1.0f; }

void Biquad::set(float nb0, float nb1, float nb2, float a0, float na1, float na2) {
    b0 = nb0 / a0;
    b1 = nb1 / a0;
    b2 = nb2 / a0;
    a1 = na1 / a0;
    a2 = na2 / a0;
}

static float clampFreq(float f) {
    if (f < 10.0f) return 10.0f;
    if (f > kSampleRate * 0.45f) return kSampleRate * 0.45f;
    return f;
}

void Biquad::lowPass(float freq, float q) {
    float w = 2 * kPi * clampFreq(freq) / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::highPass(float freq, float q) {
    float w = 2 * kPi * clampFreq(freq) / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::bandPass(float freq, float q) {
    float w = 2 * kPi * clampFreq(freq) / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::process(float x) {
    float y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
}

float SweepLowPass::process(float x, float cutoff, float resonance) {
    float f = 2.0f * std::sin(kPi * clampFreq(cutoff) / (2.0f * kSampleRate));
    if (f > 0.9f) f = 0.9f;
    float q = 1.0f / resonance;
    // Two passes per sample keep the filter stable at high cut-offs.
    for (int i = 0; i < 2; ++i) {
        low += f * band;
        float high = x - low - q * band;
        band += f * high;
    }
    return low;
}

float midiToHz(float midiNote) { return 440.0f * std::pow(2.0f, (midiNote - 69.0f) / 12.0f); }

float dbToGain(float db) { return std::pow(10.0f, db / 20.0f); }

float adsr(float t, float attack, float decay, float sustain, float noteOff, float release) {
    auto held = [&](float u) {
        if (u < 0) return 0.0f;
        if (u < attack) return u / attack;
        return sustain + (1.0f - sustain) * std::exp(-(u - attack) / decay);
    };
    if (t < noteOff) return held(t);
    float r = t - noteOff;
    return held(noteOff) * std::exp(-r / release);
}

float Phasor::next(float freq) {
    float p = static_cast<float>(phase);
    phase += 2.0 * 3.14159265358979323846 * freq / kSampleRate;
    if (phase > 2.0 * 3.14159265358979323846) phase -= 2.0 * 3.14159265358979323846;
    return p;
}

Reverb::Reverb(float roomSize, float damping) : feedback(0.7f + 0.28f * roomSize), damp(damping) {
    static const int combLengths[] = {1116, 1188, 1277, 1356, 1422, 1491};
    static const int passLengths[] = {556, 441, 341};
    const int spread = 23;
    for (int len : combLengths) {
        combsL.push_back(Comb{std::vector<float>(len, 0.0f)});
        combsR.push_back(Comb{std::vector<float>(len + spread, 0.0f)});
    }
    for (int len : passLengths) {
        passL.push_back(AllPass{std::vector<float>(len, 0.0f)});
        passR.push_back(AllPass{std::vector<float>(len + spread, 0.0f)});
    }
}

float Reverb::runChannel(float x, std::vector<Comb>& combs, std::vector<AllPass>& passes) {
    float sum = 0;
    for (Comb& c : combs) {
        float y = c.line[c.pos];
        c.store = y * (1 - damp) + c.store * damp;
        c.line[c.pos] = x + c.store * feedback;
        c.pos = (c.pos + 1) % c.line.size();
        sum += y;
    }
    for (AllPass& a : passes) {
        float b = a.line[a.pos];
        float y = -sum + b;
        a.line[a.pos] = sum + b * 0.5f;
        a.pos = (a.pos + 1) % a.line.size();
        sum = y;
    }
    return sum * (1.0f / combs.size());
}

void Reverb::process(const std::vector<float>& inL, const std::vector<float>& inR,
                     std::vector<float>& outL, std::vector<float>& outR) {
    outL.assign(inL.size(), 0.0f);
    outR.assign(inR.size(), 0.0f);
    for (size_t i = 0; i < inL.size(); ++i) {
        float mono = (inL[i] + inR[i]) * 0.5f;
        outL[i] = runChannel(mono, combsL, passL);
        outR[i] = runChannel(mono, combsR, passR);
    }
}
