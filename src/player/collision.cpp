#include "player/collision.h"

int pondrel_width(const asset_catalogue&) { return 44; }
int pondrel_height(const asset_catalogue&) { return 48; }
void move_pondrel(attempt_state&, const tile_map&, int, const controls&, const asset_catalogue&) {}
