#include "Instruments.h"

#include <algorithm>
#include <cmath>

size_t secondsToFrames(float seconds) { return static_cast<size_t>(std::max(0.0f, seconds) * kSampleRate); }

namespace {

// Band-limited saw (PolyBLEP): bright sources that stay clean up high.
class BlepSaw {
public:
    float next(float freq) {
        float dt = freq / kSampleRate;
        float v = 2.0f * phase - 1.0f - blep(phase, dt);
        phase += dt;
        if (phase >= 1.0f) phase -= 1.0f;
        return v;
    }
    float phase = 0;

private:
    static float blep(float t, float dt) {
        if (t < dt) {
            t /= dt;
            return t + t - t * t - 1.0f;
        }
        if (t > 1.0f - dt) {
            t = (t - 1.0f) / dt;
            return t * t + t + t + 1.0f;
        }
        return 0.0f;
    }
};

float clickFreeEnds(size_t i, size_t n) {
    // 2 ms ramps at both ends of every note, so that cuts never click.
    const size_t ramp = 88;
    if (i < ramp) return static_cast<float>(i) / ramp;
    if (n - i < ramp) return static_cast<float>(n - i) / ramp;
    return 1.0f;
}

void finishNote(Signal& s) {
    for (size_t i = 0; i < s.size(); ++i) s[i] *= clickFreeEnds(i, s.size());
}

}  // namespace

Signal pluck(float freq, float duration, float velocity, float brightness, float decaySeconds, uint32_t seed) {
    Rng rng(seed);
    float period = kSampleRate / freq - 0.5f;  // the averaging loop filter adds half a sample
    size_t n = secondsToFrames(duration + std::min(decaySeconds, 1.5f));
    Signal out(n, 0.0f);
    size_t burst = static_cast<size_t>(period) + 1;
    Signal excitation(burst);
    float lp = 0, mean = 0;
    for (size_t i = 0; i < burst; ++i) {
        lp += brightness * (rng.bipolar() - lp);
        excitation[i] = lp;
        mean += lp;
    }
    mean /= burst;
    // Loss per sample so that the string falls by 60 dB over decaySeconds while held,
    // and over 0.12 s once released.
    float heldLoss = std::pow(0.001f, 1.0f / (decaySeconds * kSampleRate));
    float releasedLoss = std::pow(0.001f, 1.0f / (0.12f * kSampleRate));
    size_t noteOff = secondsToFrames(duration);
    for (size_t i = 0; i < n; ++i) {
        float x = i < burst ? excitation[i] - mean : 0.0f;
        float pos = static_cast<float>(i) - period;
        float fed = 0;
        if (pos >= 1.0f) {
            // Two neighbouring taps averaged: the string's gentle loss of brightness.
            size_t k = static_cast<size_t>(pos);
            float frac = pos - k;
            float a = out[k] * (1 - frac) + out[k + 1] * frac;
            float b = out[k - 1] * (1 - frac) + out[k] * frac;
            fed = 0.5f * (a + b);
        }
        out[i] = x + fed * (i < noteOff ? heldLoss : releasedLoss);
    }
    for (float& v : out) v *= velocity;
    finishNote(out);
    return out;
}

Signal electricPiano(float freq, float duration, float velocity) {
    size_t n = secondsToFrames(duration + 0.6f);
    Signal out(n);
    Phasor carrier, modulator, tine;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float index = (0.6f + 1.4f * velocity) * std::exp(-t / 0.35f);
        float m = std::sin(modulator.next(freq));
        float body = std::sin(carrier.next(freq) + index * m);
        float bellTone = 0.12f * std::sin(tine.next(freq * 7.0f)) * std::exp(-t / 0.05f);
        float env = adsr(t, 0.004f, 0.9f, 0.25f, duration, 0.18f);
        out[i] = (body + bellTone) * env * velocity;
    }
    finishNote(out);
    return out;
}

Signal bell(float freq, float duration, float velocity, float ratio, float index, float decaySeconds) {
    size_t n = secondsToFrames(duration + decaySeconds * 1.5f);
    Signal out(n);
    Phasor carrier, modulator;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float idx = index * std::exp(-t / (decaySeconds * 0.4f));
        float v = std::sin(carrier.next(freq) + idx * std::sin(modulator.next(freq * ratio)));
        float env = std::min(1.0f, t / 0.002f) * std::exp(-t / decaySeconds);
        if (t > duration) env *= std::exp(-(t - duration) / (decaySeconds * 0.5f));
        out[i] = v * env * velocity;
    }
    finishNote(out);
    return out;
}

Signal marimba(float freq, float duration, float velocity) {
    size_t n = secondsToFrames(std::max(duration, 0.2f) + 0.8f);
    Signal out(n);
    Phasor p1, p2, p3;
    float d1 = std::min(0.9f, 180.0f / freq);  // low bars ring longer
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float v = std::sin(p1.next(freq)) * std::exp(-t / d1) +
                  0.30f * std::sin(p2.next(freq * 3.93f)) * std::exp(-t / 0.09f) +
                  0.10f * std::sin(p3.next(freq * 9.8f)) * std::exp(-t / 0.025f);
        out[i] = v * std::min(1.0f, t / 0.0015f) * velocity;
    }
    finishNote(out);
    return out;
}

Signal softPad(float freq, float duration, float velocity, float attack) {
    size_t n = secondsToFrames(duration + 0.9f);
    Signal out(n);
    BlepSaw a, b, c;
    b.phase = 0.33f;
    c.phase = 0.71f;
    SweepLowPass filter;
    Phasor wobble;
    float detune = std::pow(2.0f, 7.0f / 1200.0f);
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float v = a.next(freq) + b.next(freq * detune) + c.next(freq / detune);
        float cutoff = std::min(freq * 3.5f, 2600.0f) * (1.0f + 0.15f * std::sin(wobble.next(0.3f)));
        float env = adsr(t, attack, 1.0f, 0.85f, duration, 0.35f);
        out[i] = filter.process(v, cutoff, 0.8f) * env * velocity * 0.33f;
    }
    finishNote(out);
    return out;
}

Signal bass(float freq, float duration, float velocity) {
    size_t n = secondsToFrames(duration + 0.25f);
    Signal out(n);
    Phasor p;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float ph = p.next(freq);
        float pluckIndex = 1.2f * std::exp(-t / 0.04f);
        float v = std::sin(ph + pluckIndex * std::sin(ph)) + 0.22f * std::sin(2 * ph) + 0.08f * std::sin(3 * ph);
        float env = adsr(t, 0.005f, 0.35f, 0.6f, duration, 0.06f);
        out[i] = v * env * velocity;
    }
    finishNote(out);
    return out;
}

Signal mutedBrass(const PitchCurve& pitch, float duration, float velocity, float wah) {
    size_t n = secondsToFrames(duration + 0.3f);
    Signal out(n);
    BlepSaw saw;
    SweepLowPass filter;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float f = pitch(t);
        float open = 1.0f - std::exp(-t / 0.12f);            // the mute opens...
        float close = t > duration * 0.5f ? std::exp(-(t - duration * 0.5f) / 0.35f) : 1.0f;  // ...and closes
        float cutoff = f * (1.2f + wah * 5.0f * open * close);
        float env = adsr(t, 0.035f, 0.4f, 0.8f, duration, 0.12f);
        out[i] = filter.process(saw.next(f), cutoff, 1.6f) * env * velocity * 0.6f;
    }
    finishNote(out);
    return out;
}

Signal roundSquare(const PitchCurve& pitch, float duration, float velocity, float attack, float release,
                   float cutoffRatio) {
    size_t n = secondsToFrames(duration + release * 4.0f);
    Signal out(n);
    BlepSaw a, b;
    b.phase = 0.5f;
    SweepLowPass filter;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float f = pitch(t);
        float square = a.next(f) - b.next(f);  // two saws half a cycle apart make a square
        float env = adsr(t, attack, 0.3f, 0.85f, duration, release);
        out[i] = filter.process(square, f * cutoffRatio, 0.7f) * env * velocity * 0.5f;
    }
    finishNote(out);
    return out;
}

Signal sineSweep(const PitchCurve& pitch, float duration, float attack, float decaySeconds) {
    size_t n = secondsToFrames(duration);
    Signal out(n);
    Phasor p;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        out[i] = std::sin(p.next(pitch(t))) * std::min(1.0f, t / attack) * std::exp(-t / decaySeconds);
    }
    finishNote(out);
    return out;
}

Signal kick(float velocity) {
    size_t n = secondsToFrames(0.45f);
    Signal out(n);
    Phasor p;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float f = 48.0f + 105.0f * std::exp(-t / 0.03f);
        float body = std::sin(p.next(f)) * std::exp(-t / 0.22f);
        float knock = std::sin(2 * kPi * 900.0f * t) * std::exp(-t / 0.004f) * 0.25f;
        out[i] = (body + knock) * std::min(1.0f, t / 0.0015f) * velocity;
    }
    finishNote(out);
    return out;
}

Signal snare(float velocity, uint32_t seed) {
    Rng rng(seed);
    size_t n = secondsToFrames(0.3f);
    Signal out(n);
    Biquad hp, lp;
    hp.highPass(900.0f, 0.7f);
    lp.lowPass(7000.0f, 0.7f);
    Phasor p;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float noise = lp.process(hp.process(rng.bipolar())) * std::exp(-t / 0.09f);
        float tone = std::sin(p.next(190.0f - 30.0f * t)) * std::exp(-t / 0.05f);
        out[i] = (0.75f * noise + 0.5f * tone) * std::min(1.0f, t / 0.001f) * velocity;
    }
    finishNote(out);
    return out;
}

namespace {

// A burst of noise through two filters in a row, shaped by a short attack and a decay.
Signal noiseHit(float seconds, Biquad first, Biquad second, float attack, float decay, float velocity,
                uint32_t seed) {
    Rng rng(seed);
    Signal out(secondsToFrames(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float env = std::min(1.0f, t / attack) * std::exp(-t / decay);
        out[i] = second.process(first.process(rng.bipolar())) * env * velocity;
    }
    finishNote(out);
    return out;
}

Biquad bandPassFilter(float freq, float q) {
    Biquad f;
    f.bandPass(freq, q);
    return f;
}

Biquad highPassFilter(float freq) {
    Biquad f;
    f.highPass(freq, 0.7f);
    return f;
}

}  // namespace

Signal brush(float velocity, uint32_t seed) {
    return noiseHit(0.28f, bandPassFilter(3200.0f, 0.6f), Biquad(), 0.012f, 0.08f, velocity, seed);
}

Signal hiHat(float velocity, bool open, uint32_t seed) {
    return noiseHit(open ? 0.4f : 0.1f, highPassFilter(7000.0f), highPassFilter(5000.0f), 0.0008f,
                    open ? 0.14f : 0.022f, velocity, seed);
}

Signal shaker(float velocity, uint32_t seed) {
    return noiseHit(0.12f, bandPassFilter(6500.0f, 1.2f), Biquad(), 0.015f, 0.035f, velocity, seed);
}

Signal woodTick(float freq, float velocity, uint32_t seed) {
    Rng rng(seed);
    size_t n = secondsToFrames(0.06f);
    Signal out(n);
    Biquad bp;
    bp.bandPass(freq * 1.5f, 2.0f);
    Phasor p1, p2;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kSampleRate;
        float tone = std::sin(p1.next(freq)) * std::exp(-t / 0.012f) +
                     0.4f * std::sin(p2.next(freq * 2.76f)) * std::exp(-t / 0.006f);
        float click = bp.process(rng.bipolar()) * std::exp(-t / 0.002f);
        out[i] = (tone + 0.6f * click) * std::min(1.0f, t / 0.0004f) * velocity;
    }
    finishNote(out);
    return out;
}

Signal noiseSweep(float startHz, float endHz, float duration, float q, uint32_t seed) {
    Rng rng(seed);
    size_t n = secondsToFrames(duration);
    Signal out(n);
    Biquad bp;
    for (size_t i = 0; i < n; ++i) {
        float u = static_cast<float>(i) / n;
        if (i % 32 == 0) bp.bandPass(startHz * std::pow(endHz / startHz, u), q);
        float env = std::sin(kPi * u);
        out[i] = bp.process(rng.bipolar()) * env * env;
    }
    finishNote(out);
    return out;
}

Signal cheerVoice(float pitchHz, float duration, float vibratoHz, uint32_t seed) {
    Rng rng(seed);
    size_t n = secondsToFrames(duration);
    Signal out(n);
    BlepSaw source;
    SweepLowPass tilt;
    Biquad f1, f2, f3;
    Phasor vibrato;
    // Vowel path of "yay": from an "ee" glide through "eh" to the closing "ee" of the diphthong.
    struct Vowel { float at, f1, f2, f3; };
    static const Vowel path[] = {{0.0f, 300, 2250, 2950}, {0.18f, 560, 1900, 2600},
                                 {0.7f, 600, 1850, 2550}, {1.0f, 380, 2150, 2800}};
    for (size_t i = 0; i < n; ++i) {
        float u = static_cast<float>(i) / n;
        if (i % 32 == 0) {
            int k = 0;
            while (k < 2 && u > path[k + 1].at) ++k;
            float w = (u - path[k].at) / (path[k + 1].at - path[k].at);
            w = std::min(1.0f, std::max(0.0f, w));
            f1.bandPass(path[k].f1 + w * (path[k + 1].f1 - path[k].f1), 6.0f);
            f2.bandPass(path[k].f2 + w * (path[k + 1].f2 - path[k].f2), 9.0f);
            f3.bandPass(path[k].f3 + w * (path[k + 1].f3 - path[k].f3), 10.0f);
        }
        // An excited rise and a falling end, with a little vibrato once the note is held.
        float contour = 1.0f + 0.22f * std::sin(kPi * std::min(1.0f, u * 1.6f)) - 0.18f * u * u;
        float vib = 1.0f + 0.02f * std::sin(vibrato.next(vibratoHz)) * std::min(1.0f, u * 3.0f);
        float glottal = tilt.process(source.next(pitchHz * contour * vib), 1800.0f, 0.7f);
        float breath = rng.bipolar() * 0.25f;
        float src = glottal + breath;
        float v = f1.process(src) * 1.0f + f2.process(src) * 0.55f + f3.process(src) * 0.3f;
        float env = std::min(1.0f, u / 0.08f) * std::min(1.0f, (1.0f - u) / 0.3f);
        out[i] = v * env;
    }
    finishNote(out);
    return out;
}
