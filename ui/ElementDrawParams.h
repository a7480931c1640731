#ifndef KELZO_UI_ELEMENTDRAWPARAMS_H
#define KELZO_UI_ELEMENTDRAWPARAMS_H

#include "graphics/DrawParams.h"

// The draw record of a picture element drawn with the scales, opacity and rotation its container hands it
// (scaleY -1: the same as scaleX).
DrawParams elementDrawParams(float scaleX, float scaleY, float alpha, float angle, int blendMode);

// An owner's stored record with the container's values laid over it: the angle replaced, alpha and both
// scales multiplied (a stored or given scaleY of -1 standing for its scaleX).
DrawParams combinedDrawParams(const DrawParams& stored, float scaleX, float scaleY, float alpha, float angle);

#endif
