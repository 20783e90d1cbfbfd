// What the pondrel meets besides blocks: the carrot and the checkpoint, tested in every frame,
// and the spikes, the fall out of the world and the exit hole, tested between frames.
#pragma once

#include "shell/assets.h"
#include "shell/state.h"
#include "world/tile_map.h"

// Once per frame, after the drawing: the carrot gives a life, the post marks the checkpoint.
void check_pickups(attempt_state& attempt, run_state& run, const tile_map& map,
                   const asset_catalogue& assets);

enum class attempt_outcome { going_on, died, level_complete };

// Once per pass of the attempt loop, after the frames that were due. A death or the exit stops
// the tune, plays its sound, waits, changes lives or level, and ends the attempt.
attempt_outcome check_hazards(attempt_state& attempt, run_state& run, const tile_map& map,
                              const asset_catalogue& assets);
