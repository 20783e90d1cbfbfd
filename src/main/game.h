// Everything that main owns and hands down to the loops: the three state records, the frame's
// controls, the camera, the tile map, the assets, and the bitmap each frame is shown on.
#pragma once

#include "shell/assets.h"
#include "shell/controls.h"
#include "shell/state.h"
#include "world/tile_map.h"

struct BITMAP;

struct game {
    flow_state flow;
    run_state run;
    attempt_state attempt;
    controls held;
    joystick_buttons buttons;
    int screenscroll_h = 0;
    tile_map map{};
    asset_catalogue assets;
    BITMAP* display = nullptr;  // the window's screen; a memory bitmap in tests
};
