#ifndef KELZO_UI_SWITCHPICTURE_H
#define KELZO_UI_SWITCHPICTURE_H

class Bitmap;

// The switch as shown: the strip seen from column `offset` on through the mask, a new bitmap of the mask's
// size. Per row: a row whose first mask pixel is opaque is the strip's row as it is (the straight middle of
// the rounded shape); otherwise an opaque mask pixel at column c opens a run up to column (width - 1 - c) that
// is copied unmasked (the shape is symmetric), and every other pixel is the strip's pixel times the mask's,
// channel by channel, alpha included. Strip columns past its edge count as transparent.
Bitmap* composeSwitchPicture(const Bitmap& mask, const Bitmap& strip, int offset);

#endif
