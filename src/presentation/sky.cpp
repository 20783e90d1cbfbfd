#include "presentation/sky.h"

#include <allegro.h>

void draw_background(const run_state& run, const asset_catalogue& assets)
{
    BITMAP* out = assets.screenbuffer;
    const int level = run.level;
    clear_to_color(out, makecol(166 - 30 * level, 235 - 40 * level, 255 - 40 * level));
    rectfill(out, 0, 490, SCREENWIDTH, 510, makecol(29 - 5 * level, 114 - 15 * level, 0));
    rectfill(out, 0, 510, SCREENWIDTH, SCREENHEIGHT, makecol(9 - 2 * level, 94 - 15 * level, 0));
}
