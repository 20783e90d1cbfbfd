// One fixed 60 Hz step of play: controls, movement, camera, drawing, pickups, the frame
// counters, and one copy of the back buffer to the display.
#pragma once

#include "main/game.h"

void run_frame(game& g);

// The frame-end counters, in their order; `tick` is the live 60 Hz count.
void advance_frame_counters(run_state& run, attempt_state& attempt, unsigned tick);
