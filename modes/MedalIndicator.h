#ifndef KELZO_MODES_MEDALINDICATOR_H
#define KELZO_MODES_MEDALINDICATOR_H

// The medal corner of the Challenge and Frenzy heads-up displays: the medal
// of the grade the running level stands at (0 bronze .. 3 none) and, beside
// any medal but bronze, a bar of how much of it is left. Its label (text
// kMedalLabelText) is laid out with the display's other labels, centred at
// kMedalCentre over the medal and its bar.
void drawMedalIndicator(int grade, float progress);

const int kMedalLabelText = 270;
const float kMedalCentre = 268.0f;

#endif
