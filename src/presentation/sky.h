// The scene behind the playfield: each level's sky colour and the two ground strips at the
// horizon, darker from level to level.
#pragma once

#include "shell/assets.h"
#include "shell/state.h"

// Opens every frame's drawing: fills the back buffer with the level's sky and ground.
void draw_background(const run_state& run, const asset_catalogue& assets);
