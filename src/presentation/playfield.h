// Draws the playfield into the back buffer: the tiles in view, the floating notice, the
// pondrel in its pose and facing, and the flowers in front of it.
#pragma once

#include "shell/assets.h"
#include "shell/controls.h"
#include "shell/state.h"
#include "world/tile_map.h"

// The tiles of the visible columns, flowers excepted; blocks are copied opaque.
void draw_tiles(const tile_map& map, const run_state& run, int screenscroll_h,
                const asset_catalogue& assets);

// The notice while it shows; counts its frames down as it draws them.
void draw_notice(attempt_state& attempt, int screenscroll_h, const asset_catalogue& assets);

// The pondrel's picture for its state; a sleeping pondrel snores every 180 ticks.
void draw_pondrel(const attempt_state& attempt, const run_state& run, const controls& held,
                  int screenscroll_h, unsigned tick, const asset_catalogue& assets);

// The flowers of the visible columns, which stand in front of the pondrel.
void draw_flowers(const tile_map& map, const run_state& run, int screenscroll_h,
                  const asset_catalogue& assets);
