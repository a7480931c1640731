// The game's four pieces of music.
#pragma once

#include "StereoBuffer.h"

StereoBuffer mainThemeFirstPart();
// Ends where it starts: played again and again after the first part.
StereoBuffer mainThemeLoopingPart();
// Calm, for long play; loops the same way.
StereoBuffer inGameMusic();
// Short sad-funny jingle when a game is lost.
StereoBuffer gameOverJingle();
