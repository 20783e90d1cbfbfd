// The pondrel's velocities, run speed, jump, backdash and facing from the frame's controls,
// changed one whole-number step at a time on cadences of frames.
#pragma once

#include "shell/assets.h"
#include "shell/controls.h"
#include "shell/state.h"

// Everything of the pondrel but its position takes its attempt-start value.
void reset_pondrel(attempt_state& attempt);

// Once per frame, first among the pondrel's steps. May play the jump and backdash sounds.
void update_pondrel_velocity(attempt_state& attempt, run_state& run, const controls& held,
                             const asset_catalogue& assets);
