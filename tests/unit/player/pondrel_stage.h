// A small world for driving the pondrel frame by frame exactly as the game does: velocity,
// move, pickups, then the frame counters, with the controls written into a record.
#pragma once

#include <memory>

#include "main/frame.h"
#include "player/collision.h"
#include "player/hazards.h"
#include "player/movement.h"
#include "support/fixture_assets.h"
#include "support/recording_seam.h"

struct pondrel_stage {
    fixture_assets fixture;
    const asset_catalogue& assets = fixture.catalogue;
    recording_seam seam;
    std::unique_ptr<tile_map> map = std::make_unique<tile_map>();
    run_state run;
    attempt_state attempt;
    controls held;

    // One tile, or a run of one tile along a row, in the level being played.
    void put(int row, int column, int code);
    void put_row(int row, int first_column, int last_column, int code);
    // A block floor across the whole level in `row`.
    void floor(int row);
    void use_real_layouts();

    // Puts the pondrel at rest at (x, y), or standing on the blocks of `floor_row`.
    void place(int x, int y);
    void stand_on(int floor_row, int x);

    void frame();
    void frames(int count);
    attempt_outcome hazards();
};

// The y of a pondrel standing on blocks in `floor_row`.
int standing_y(int floor_row);
