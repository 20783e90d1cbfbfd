// Moves the pondrel by its velocities against the blocks of the level: walls with their
// push-outs, the world's edges, the head bump, the start of a fall and the landing.
#pragma once

#include "shell/assets.h"
#include "shell/controls.h"
#include "shell/state.h"
#include "world/tile_map.h"

// The pondrel's collision box is the size of the standing picture, whatever pose is drawn.
int pondrel_width(const asset_catalogue& assets);
int pondrel_height(const asset_catalogue& assets);

// Once per frame, right after update_pondrel_velocity. May play the bump and land sounds.
void move_pondrel(attempt_state& attempt, const tile_map& map, int level, const controls& held,
                  const asset_catalogue& assets);
