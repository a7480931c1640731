// A stereo float signal with the mixing and finishing steps every sound goes through.
#pragma once

#include <cstddef>
#include <vector>

class StereoBuffer {
public:
    std::vector<float> left, right;

    explicit StereoBuffer(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t frames() const { return left.size(); }

    // Adds a mono signal at a frame offset, panned (-1 left .. 1 right, equal power).
    void addMono(const std::vector<float>& signal, std::size_t offset, float pan, float gain);
    void addStereo(const StereoBuffer& other, std::size_t offset, float gain);

    float peak() const;
    float rms() const;
    void scale(float gain);
    void normalisePeak(float targetPeak);
    void fadeIn(float seconds);
    void fadeOut(float seconds);
    // Folds everything past loopFrames onto the start, so that the tails of the last notes ring
    // on when the piece starts again, then cuts the buffer to loopFrames.
    void wrapTail(std::size_t loopFrames);
    // Cuts trailing near-silence, keeping a short margin.
    void trimSilence(float threshold);
};

// A mixing desk: a dry bus and a reverb send, joined by finish().
class MixBus {
public:
    explicit MixBus(std::size_t frames) : dry(frames), send(frames) {}
    void add(const std::vector<float>& signal, std::size_t offset, float pan, float gain, float reverbSend);
    // The dry signal plus the reverb return at wetGain.
    StereoBuffer finish(float roomSize, float damping, float wetGain) const;

    StereoBuffer dry, send;
};
