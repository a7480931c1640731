#pragma once
#include <cairo.h>

// The on/off switch and the slider of the settings rows.

// The 145 x 25 strip that slides behind the switch's mask: columns 0 to 52 the dark "on" face,
// 53 to 91 the brass knob, 92 to 144 the light "off" face; with words, ON and OFF on the faces.
void drawSwitchStrip(cairo_t* cr, bool withWords);
void drawSwitchMask(cairo_t* cr);        // "OnOffMask_92x25.png": white capsule, alpha 255 inside
void drawSwitchGloss(cairo_t* cr);       // "OnOffHighlightShadow_92x27.png", one row above and below
void drawSliderKnob(cairo_t* cr);        // "Button_28x28.png"
void drawSliderFill(cairo_t* cr);        // "Left_140x9.png": the filled part of the track

// Where the strip's knob lies.
const int kSwitchKnobFirst = 53;
const int kSwitchKnobLast = 91;
