// The five built-in level layouts as text grids, one character per tile.
#pragma once

constexpr int LEVEL_COUNT = 5;
constexpr int MAP_ROWS = 18;
constexpr int MAP_COLUMNS = 60;

extern const char* const level_layouts[LEVEL_COUNT][MAP_ROWS];
