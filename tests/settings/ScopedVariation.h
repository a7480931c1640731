#pragma once

// An experiment value set for one test and put back after it, so no other test sees it.
//
//   ScopedVariation fph(gAbSettings.fph, 15);   // gAbSettings.fph is 15 until fph goes out of scope

class ScopedVariation {
public:
    ScopedVariation(int& field, int value) : field_(field), saved_(field) { field_ = value; }
    ~ScopedVariation() { field_ = saved_; }
    ScopedVariation(const ScopedVariation&) = delete;
    ScopedVariation& operator=(const ScopedVariation&) = delete;

private:
    int& field_;
    int saved_;
};
