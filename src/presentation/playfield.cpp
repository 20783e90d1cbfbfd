#include "presentation/playfield.h"

void draw_tiles(const tile_map&, const run_state&, int, const asset_catalogue&) {}
void draw_notice(attempt_state&, int, const asset_catalogue&) {}
void draw_pondrel(const attempt_state&, const run_state&, const controls&, int, unsigned,
                  const asset_catalogue&) {}
void draw_flowers(const tile_map&, const run_state&, int, const asset_catalogue&) {}
