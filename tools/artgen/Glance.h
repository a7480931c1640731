#pragma once

// The idle face animation the creature themes share: 36 frames of looking ahead, glancing to one
// side and the other, a blink and a look up. lookX and lookY run -1..1, lid 0 open .. 1 shut.
struct Glance {
    double lookX = 0;
    double lookY = 0;
    double lid = 0;
};

Glance glanceAt(int frame);  // frame 0..35
