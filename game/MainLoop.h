#ifndef KELZO_GAME_MAINLOOP_H
#define KELZO_GAME_MAINLOOP_H

#include <cstdint>

class FramePacer;

// The main loop: one pump step per pass, a frame only when one is due.
//
// Frame rule: a frame follows when the last frame reported movement (or
// someone set keepDrawing), when the application asks for one, when an expose
// asked for one, or on every 11th pass without one; while inactive only when
// an expose asked for it.

// One pass. False when the loop is to end (quit requested). A pacer, when
// given, holds frames to the desktop rate and rests passes that did nothing.
bool mainLoopPass(FramePacer* pacer);
// Passes until quit.
void runMainLoop(FramePacer* pacer);
// Draws one frame of gPlatformState.game and shows it.
void drawLoopFrame();
// Shows what was drawn (the batch already flushed): the buffer swap, counted.
// The loading screen shows its frames through it as well.
void presentFrame();

// Frames shown since start.
int64_t framesShown();
// Microseconds since the program started (as far as this library knows).
int64_t microsSinceStart();

#endif
