#include "player/movement.h"

void reset_pondrel(attempt_state&) {}
void update_pondrel_velocity(attempt_state&, run_state&, const controls&, const asset_catalogue&) {}
