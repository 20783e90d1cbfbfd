#include "world/tile_map.h"

int tile_code_for(char legend)
{
    switch (legend) {
    case '#': return TILE_BLOCK;
    case 'b': return TILE_BUSH;
    case 'f': return TILE_FLOWER;
    case 'H': return TILE_HOLE;
    case 'c': return TILE_CARROT;
    case '^': return TILE_SPIKE_UP;
    case 'v': return TILE_SPIKE_DOWN;
    case ')': return TILE_SPIKE_RIGHT;
    case '(': return TILE_SPIKE_LEFT;
    case 'S': return TILE_START;
    case 'K': return TILE_CHECKPOINT;
    default: return TILE_EMPTY;
    }
}

void load_layouts(tile_map& map)
{
    for (int level = 0; level < LEVEL_COUNT; level++)
        for (int row = 0; row < MAP_ROWS; row++)
            for (int column = 0; column < MAP_COLUMNS; column++)
                map.cells[level][row][column] = tile_code_for(level_layouts[level][row][column]);
}

int tile_at(const tile_map& map, int level, int row, int column)
{
    if (level < 0 || level >= LEVEL_COUNT || row < 0 || row >= MAP_ROWS || column < 0 ||
        column >= MAP_COLUMNS)
        return TILE_EMPTY;
    return map.cells[level][row][column];
}

int tile_at_point(const tile_map& map, int level, int x, int y)
{
    return tile_at(map, level, y / TILE_SIZE, x / TILE_SIZE);
}

bool find_tile(const tile_map& map, int level, int code, tile_cell& found)
{
    bool any = false;
    for (int row = 0; row < MAP_ROWS; row++)
        for (int column = 0; column < MAP_COLUMNS; column++)
            if (tile_at(map, level, row, column) == code) {
                found = {row, column};
                any = true;
            }
    return any;
}

world_point start_position(const tile_map& map, int level, bool checkpoint)
{
    world_point start{220, 300};
    tile_cell cell{};
    if (find_tile(map, level, TILE_START, cell))
        start = {cell.column * TILE_SIZE, cell.row * TILE_SIZE};
    if (checkpoint && find_tile(map, level, TILE_CHECKPOINT, cell))
        start = {cell.column * TILE_SIZE - 24, (cell.row - 1) * TILE_SIZE};
    return start;
}
