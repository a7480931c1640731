#ifndef KELZO_MODES_MEDALINDICATOR_H
#define KELZO_MODES_MEDALINDICATOR_H

// The medal corner of the Challenge and Frenzy heads-up displays: the label,
// the medal of the grade the running level stands at (0 bronze .. 3 none)
// and, beside any medal but bronze, a bar of how much of it is left.
void drawMedalIndicator(int grade, float progress);

// Where the medal corner's label starts: the label left of it ends before.
const int kMedalLabelX = 203;

#endif
