// The camera follows the pondrel sideways only, held inside the level's 2400 pixels.
#pragma once

#include "shell/state.h"

// A world point (x, y) is drawn at screen (x + screenscroll_h, y); screenscroll_h is -1600..0.
void update_camera(int& screenscroll_h, const attempt_state& attempt);

// The tile columns in view, both inclusive: 21 columns, 20 at the right end of the level.
int first_visible_column(int screenscroll_h);
int last_visible_column(int screenscroll_h);
