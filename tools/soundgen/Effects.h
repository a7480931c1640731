// The game's eleven sound effects.
#pragma once

#include "StereoBuffer.h"

StereoBuffer mouthPopEffect();      // a furball appears
StereoBuffer beatStageEffect();     // a level is complete
StereoBuffer hitEffect();           // one furball knocks into another
StereoBuffer wrongMoveEffect();     // a move that is not allowed
StereoBuffer menuClickEffect();     // a button
StereoBuffer yayEffect();           // a cheer for a solved puzzle or a high score
StereoBuffer alarmEffect();         // time is running out
StereoBuffer gameOverEffect();      // the game is lost
StereoBuffer lostLifeEffect();      // a life or a puzzle is lost
StereoBuffer hintEffect();          // a hint is shown
StereoBuffer undoEffect();          // a move is taken back
