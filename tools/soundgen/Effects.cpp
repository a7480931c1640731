#include "Effects.h"

#include "Instruments.h"

#include <cmath>

namespace {

PitchCurve steady(float hz) {
    return [hz](float) { return hz; };
}

PitchCurve glide(float fromHz, float toHz, float seconds) {
    return [=](float t) { return fromHz * std::pow(toHz / fromHz, std::min(1.0f, t / seconds)); };
}

StereoBuffer finish(const MixBus& bus, float room, float wet, float peak) {
    StereoBuffer out = bus.finish(room, 0.5f, wet);
    out.trimSilence(0.0005f);
    out.normalisePeak(peak);
    out.fadeOut(0.006f);
    return out;
}

}  // namespace

StereoBuffer mouthPopEffect() {
    MixBus bus(secondsToFrames(0.16f));
    bus.add(sineSweep(glide(240.0f, 900.0f, 0.05f), 0.13f, 0.001f, 0.035f), 0, 0.0f, 1.0f, 0.0f);
    bus.add(sineSweep(steady(140.0f), 0.05f, 0.001f, 0.015f), 0, 0.0f, 0.35f, 0.0f);
    return finish(bus, 0.2f, 0.0f, 0.6f);
}

StereoBuffer beatStageEffect() {
    MixBus bus(secondsToFrames(2.2f));
    // A quick run up the chord, then the whole chord rings out.
    const int run[] = {72, 76, 79};
    for (int k = 0; k < 3; ++k) {
        size_t at = secondsToFrames(0.08f * k);
        bus.add(electricPiano(midiToHz(run[k]), 0.12f, 0.8f), at, -0.2f + 0.2f * k, 0.5f, 0.3f);
        bus.add(bell(midiToHz(run[k] + 12), 0.1f, 0.5f, 3.5f, 1.5f, 0.25f), at, 0.2f, 0.18f, 0.3f);
    }
    size_t hit = secondsToFrames(0.24f);
    const int chord[] = {72, 76, 79, 84};
    for (int k = 0; k < 4; ++k) {
        bus.add(electricPiano(midiToHz(chord[k]), 0.7f, 0.9f), hit, -0.3f + 0.2f * k, 0.4f, 0.35f);
        bus.add(bell(midiToHz(chord[k] + 12), 0.5f, 0.6f, 3.5f, 1.5f, 0.5f), hit, 0.3f - 0.2f * k, 0.14f, 0.4f);
    }
    bus.add(softPad(midiToHz(60), 0.6f, 0.6f, 0.02f), hit, 0.0f, 0.3f, 0.3f);
    bus.add(kick(0.8f), hit, 0.0f, 0.5f, 0.0f);
    bus.add(hiHat(0.7f, true, 401), hit, 0.3f, 0.12f, 0.2f);
    return finish(bus, 0.6f, 0.3f, 0.85f);
}

StereoBuffer hitEffect() {
    MixBus bus(secondsToFrames(0.22f));
    bus.add(sineSweep(glide(210.0f, 85.0f, 0.07f), 0.2f, 0.0008f, 0.05f), 0, 0.0f, 1.0f, 0.0f);
    bus.add(woodTick(520.0f, 1.0f, 501), 0, 0.0f, 0.55f, 0.0f);
    bus.add(noiseSweep(3500.0f, 1500.0f, 0.025f, 1.5f, 502), 0, 0.0f, 0.5f, 0.0f);
    return finish(bus, 0.2f, 0.0f, 0.85f);
}

StereoBuffer wrongMoveEffect() {
    MixBus bus(secondsToFrames(0.7f));
    // A gentle "uh-uh": two soft falling notes.
    bus.add(roundSquare(steady(midiToHz(64)), 0.11f, 0.8f, 0.012f, 0.04f, 2.5f), 0, -0.1f, 1.0f, 0.15f);
    bus.add(roundSquare(glide(midiToHz(60), midiToHz(58.5f), 0.25f), 0.2f, 0.8f, 0.012f, 0.06f, 2.5f),
            secondsToFrames(0.16f), 0.1f, 1.0f, 0.15f);
    return finish(bus, 0.3f, 0.15f, 0.45f);
}

StereoBuffer menuClickEffect() {
    MixBus bus(secondsToFrames(0.2f));
    bus.add(woodTick(1250.0f, 1.0f, 601), 0, 0.0f, 1.0f, 0.0f);
    bus.add(bell(midiToHz(91), 0.03f, 0.5f, 2.0f, 0.8f, 0.04f), 0, 0.0f, 0.25f, 0.0f);
    return finish(bus, 0.2f, 0.0f, 0.55f);
}

StereoBuffer yayEffect() {
    MixBus bus(secondsToFrames(1.6f));
    // A small crowd: each voice sings its own "yay" a moment apart.
    struct Voice { float pitch, start, length, pan, gain; };
    const Voice voices[] = {{262, 0.00f, 0.62f, -0.5f, 0.9f}, {330, 0.03f, 0.58f, 0.4f, 0.8f},
                            {196, 0.05f, 0.66f, 0.1f, 1.0f},  {294, 0.08f, 0.55f, -0.2f, 0.7f},
                            {370, 0.02f, 0.5f, 0.6f, 0.6f},   {233, 0.10f, 0.6f, -0.65f, 0.7f}};
    uint32_t seed = 701;
    for (const Voice& v : voices)
        bus.add(cheerVoice(v.pitch, v.length, 5.0f + v.pitch / 200.0f, seed++), secondsToFrames(v.start), v.pan,
                v.gain, 0.35f);
    // Sparkles over the top.
    const int sparkle[] = {84, 88, 91, 96};
    for (int k = 0; k < 4; ++k)
        bus.add(bell(midiToHz(sparkle[k]), 0.08f, 0.5f, 3.5f, 1.0f, 0.3f), secondsToFrames(0.05f + 0.06f * k),
                -0.4f + 0.27f * k, 0.12f, 0.4f);
    return finish(bus, 0.5f, 0.3f, 0.85f);
}

StereoBuffer alarmEffect() {
    MixBus bus(secondsToFrames(0.95f));
    // Two tones a fourth apart, repeated: urgent, but in the middle of the range.
    for (int k = 0; k < 4; ++k) {
        float hz = midiToHz(k % 2 == 0 ? 79.0f : 74.0f);
        bus.add(roundSquare(steady(hz), 0.13f, 0.9f, 0.006f, 0.02f, 3.0f), secondsToFrames(0.18f * k),
                k % 2 == 0 ? -0.15f : 0.15f, 1.0f, 0.1f);
    }
    // A dense tone: a lower peak keeps it as loud as the other effects, not louder.
    return finish(bus, 0.3f, 0.1f, 0.5f);
}

StereoBuffer gameOverEffect() {
    MixBus bus(secondsToFrames(1.9f));
    const float notes[] = {67, 64, 60};
    for (int k = 0; k < 3; ++k) {
        bool last = k == 2;
        float hz = midiToHz(notes[k]);
        PitchCurve pitch = last ? PitchCurve([hz](float t) {
            return hz * std::pow(2.0f, -1.0f * std::min(1.0f, t / 0.8f) / 12.0f) *
                   (1.0f + 0.015f * std::sin(2 * kPi * 6.0f * t));
        })
                                : steady(hz);
        bus.add(roundSquare(pitch, last ? 0.75f : 0.2f, 0.8f, 0.015f, 0.12f, 2.2f), secondsToFrames(0.26f * k),
                0.0f, 1.0f, 0.25f);
        bus.add(bass(midiToHz(notes[k] - 24), last ? 0.75f : 0.2f, 0.7f), secondsToFrames(0.26f * k), 0.0f, 0.5f,
                0.0f);
    }
    return finish(bus, 0.5f, 0.25f, 0.75f);
}

StereoBuffer lostLifeEffect() {
    MixBus bus(secondsToFrames(0.6f));
    PitchCurve slide = [](float t) {
        return 700.0f * std::pow(180.0f / 700.0f, std::min(1.0f, t / 0.36f)) * (1.0f + 0.04f * std::sin(2 * kPi * 14.0f * t));
    };
    bus.add(roundSquare(slide, 0.36f, 0.9f, 0.008f, 0.05f, 3.0f), 0, 0.0f, 1.0f, 0.15f);
    bus.add(sineSweep(glide(120.0f, 60.0f, 0.1f), 0.15f, 0.002f, 0.06f), secondsToFrames(0.33f), 0.0f, 0.6f, 0.0f);
    return finish(bus, 0.3f, 0.15f, 0.6f);
}

StereoBuffer hintEffect() {
    MixBus bus(secondsToFrames(1.3f));
    const int notes[] = {76, 79, 83, 88};  // E5 G5 B5 E6: a little rising sparkle
    for (int k = 0; k < 4; ++k)
        bus.add(bell(midiToHz(notes[k]), 0.12f, 0.7f, 3.5f, 1.4f, 0.4f), secondsToFrames(0.065f * k),
                -0.3f + 0.2f * k, 0.5f, 0.45f);
    bus.add(noiseSweep(6000.0f, 11000.0f, 0.35f, 3.0f, 801), 0, 0.0f, 0.05f, 0.4f);
    return finish(bus, 0.6f, 0.35f, 0.65f);
}

StereoBuffer undoEffect() {
    MixBus bus(secondsToFrames(0.5f));
    // A short rewind: a whoosh that falls, and two plucks stepping back down.
    bus.add(noiseSweep(3200.0f, 500.0f, 0.22f, 2.0f, 901), 0, 0.0f, 0.6f, 0.1f);
    bus.add(pluck(midiToHz(79), 0.06f, 0.7f, 0.35f, 0.3f, 902), secondsToFrames(0.05f), -0.15f, 0.6f, 0.1f);
    bus.add(pluck(midiToHz(74), 0.1f, 0.7f, 0.35f, 0.4f, 903), secondsToFrames(0.13f), 0.15f, 0.6f, 0.1f);
    return finish(bus, 0.3f, 0.15f, 0.6f);
}
