// The tile map of the five levels: tile codes, safe lookups, and where an attempt starts.
// World pixels become tiles by truncating division by 40.
#pragma once

#include "world/layouts.h"

enum tile_code {
    TILE_EMPTY = 0,       // .
    TILE_BLOCK = 1,       // #  the only solid tile
    TILE_BUSH = 2,        // b
    TILE_FLOWER = 3,      // f
    TILE_HOLE = 4,        // H  the level's exit
    TILE_CARROT = 5,      // c
    TILE_SPIKE_UP = 6,    // ^
    TILE_SPIKE_DOWN = 7,  // v
    TILE_SPIKE_RIGHT = 8, // )
    TILE_SPIKE_LEFT = 9,  // (
    TILE_START = 10,      // S
    TILE_CHECKPOINT = 11, // K
};

constexpr int TILE_SIZE = 40;

struct tile_map {
    int cells[LEVEL_COUNT][MAP_ROWS][MAP_COLUMNS];
};

struct tile_cell {
    int row;
    int column;
};

struct world_point {
    int x;
    int y;
};

// The tile code that a layout character stands for; TILE_EMPTY for anything unknown.
int tile_code_for(char legend);

// Fills every level of the map from the built-in layouts.
void load_layouts(tile_map& map);

// The code of one cell. Cells outside the grid (or a level outside 0..4) read as TILE_EMPTY,
// so a probe above, below or beside the world never reads outside the map.
int tile_at(const tile_map& map, int level, int row, int column);

// The code of the cell holding world pixel (x, y), converting with truncating division.
int tile_at_point(const tile_map& map, int level, int x, int y);

// The last cell holding `code` in scan order (rows top to bottom, columns left to right).
bool find_tile(const tile_map& map, int level, int code, tile_cell& found);

// Where an attempt at `level` starts: the start marker, or beside the checkpoint post once touched.
world_point start_position(const tile_map& map, int level, bool checkpoint);
