#include "presentation/camera.h"

#include <algorithm>

#include "world/tile_map.h"

void update_camera(int& screenscroll_h, const attempt_state& attempt)
{
    // The pondrel's left edge stays at mid-screen until the view meets an end of the level.
    screenscroll_h = std::clamp(SCREENWIDTH / 2 - attempt.pondrel_x, SCREENWIDTH - STAGELENGTH, 0);
}

int first_visible_column(int screenscroll_h)
{
    return -screenscroll_h / TILE_SIZE;
}

int last_visible_column(int screenscroll_h)
{
    return std::min((SCREENWIDTH - screenscroll_h) / TILE_SIZE, MAP_COLUMNS - 1);
}
