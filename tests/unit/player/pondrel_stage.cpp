#include "pondrel_stage.h"

void pondrel_stage::put(int row, int column, int code)
{
    map->cells[run.level][row][column] = code;
}

void pondrel_stage::put_row(int row, int first_column, int last_column, int code)
{
    for (int column = first_column; column <= last_column; column++)
        put(row, column, code);
}

void pondrel_stage::floor(int row)
{
    put_row(row, 0, MAP_COLUMNS - 1, TILE_BLOCK);
}

void pondrel_stage::use_real_layouts()
{
    load_layouts(*map);
}

void pondrel_stage::place(int x, int y)
{
    attempt.pondrel_x = x;
    attempt.pondrel_y = y;
    reset_pondrel(attempt);
}

void pondrel_stage::stand_on(int floor_row, int x)
{
    place(x, standing_y(floor_row));
}

void pondrel_stage::frame()
{
    update_pondrel_velocity(attempt, run, held, assets);
    move_pondrel(attempt, *map, run.level, held, assets);
    check_pickups(attempt, run, *map, assets);
    advance_frame_counters(run, attempt, timer.load());
    timer++;
}

void pondrel_stage::frames(int count)
{
    for (int i = 0; i < count; i++)
        frame();
}

attempt_outcome pondrel_stage::hazards()
{
    return check_hazards(attempt, run, *map, assets);
}

int standing_y(int floor_row)
{
    return floor_row * TILE_SIZE - FIXTURE_PONDREL_H;
}
