#include "StereoBuffer.h"

#include "Dsp.h"

#include <algorithm>
#include <cmath>

void StereoBuffer::addMono(const std::vector<float>& signal, size_t offset, float pan, float gain) {
    if (offset >= frames()) return;
    float angle = (pan + 1.0f) * 0.25f * kPi;
    float gl = std::cos(angle) * gain * 1.41421356f, gr = std::sin(angle) * gain * 1.41421356f;
    size_t n = std::min(signal.size(), frames() - offset);
    for (size_t i = 0; i < n; ++i) {
        left[offset + i] += signal[i] * gl;
        right[offset + i] += signal[i] * gr;
    }
}

void StereoBuffer::addStereo(const StereoBuffer& other, size_t offset, float gain) {
    if (offset >= frames()) return;
    size_t n = std::min(other.frames(), frames() - offset);
    for (size_t i = 0; i < n; ++i) {
        left[offset + i] += other.left[i] * gain;
        right[offset + i] += other.right[i] * gain;
    }
}

float StereoBuffer::peak() const {
    float p = 0;
    for (size_t i = 0; i < frames(); ++i) p = std::max({p, std::fabs(left[i]), std::fabs(right[i])});
    return p;
}

float StereoBuffer::rms() const {
    if (frames() == 0) return 0;
    double sum = 0;
    for (size_t i = 0; i < frames(); ++i) sum += left[i] * left[i] + right[i] * right[i];
    return static_cast<float>(std::sqrt(sum / (2.0 * frames())));
}

void StereoBuffer::scale(float gain) {
    for (size_t i = 0; i < frames(); ++i) {
        left[i] *= gain;
        right[i] *= gain;
    }
}

void StereoBuffer::normalisePeak(float targetPeak) {
    float p = peak();
    if (p > 0) scale(targetPeak / p);
}

void StereoBuffer::fadeIn(float seconds) {
    size_t n = std::min(frames(), static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < n; ++i) {
        float g = 0.5f - 0.5f * std::cos(kPi * i / n);
        left[i] *= g;
        right[i] *= g;
    }
}

void StereoBuffer::fadeOut(float seconds) {
    size_t n = std::min(frames(), static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < n; ++i) {
        float g = 0.5f - 0.5f * std::cos(kPi * i / n);
        left[frames() - 1 - i] *= g;
        right[frames() - 1 - i] *= g;
    }
}

void StereoBuffer::wrapTail(size_t loopFrames) {
    if (loopFrames == 0 || frames() <= loopFrames) {
        left.resize(loopFrames, 0.0f);
        right.resize(loopFrames, 0.0f);
        return;
    }
    for (size_t i = loopFrames; i < frames(); ++i) {
        left[i % loopFrames] += left[i];
        right[i % loopFrames] += right[i];
    }
    left.resize(loopFrames);
    right.resize(loopFrames);
}

void StereoBuffer::trimSilence(float threshold) {
    size_t last = frames();
    while (last > 0 && std::fabs(left[last - 1]) < threshold && std::fabs(right[last - 1]) < threshold) --last;
    size_t keep = std::min(frames(), last + static_cast<size_t>(0.01f * kSampleRate));
    left.resize(keep);
    right.resize(keep);
}

void MixBus::add(const std::vector<float>& signal, size_t offset, float pan, float gain, float reverbSend) {
    dry.addMono(signal, offset, pan, gain);
    if (reverbSend > 0) send.addMono(signal, offset, pan, gain * reverbSend);
}

StereoBuffer MixBus::finish(float roomSize, float damping, float wetGain) const {
    StereoBuffer out = dry;
    Reverb reverb(roomSize, damping);
    StereoBuffer wet(send.frames());
    reverb.process(send.left, send.right, wet.left, wet.right);
    out.addStereo(wet, 0, wetGain);
    return out;
}
