#include "world/tile_map.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class TileMapTest : public testing::Test {
protected:
    void SetUp() override { load_layouts(map); }
    tile_map map{};
};

int count_code(const tile_map& map, int level, int code)
{
    int count = 0;
    for (int row = 0; row < MAP_ROWS; row++)
        for (int column = 0; column < MAP_COLUMNS; column++)
            count += map.cells[level][row][column] == code;
    return count;
}

}  // namespace

TEST_F(TileMapTest, EveryLayoutHoldsItsCountOfEachTile)
{
    const int expected[12][LEVEL_COUNT] = {
        {883, 822, 721, 740, 780},  // empty
        {169, 197, 267, 254, 206},  // block
        {13, 6, 10, 8, 8},          // bush
        {8, 11, 9, 10, 8},          // flower
        {4, 4, 4, 4, 12},           // hole
        {1, 1, 1, 1, 1},            // carrot
        {0, 37, 42, 14, 18},        // floor spike
        {0, 0, 24, 1, 26},          // ceiling spike
        {0, 0, 0, 25, 3},           // wall spike pointing right
        {0, 0, 0, 21, 16},          // wall spike pointing left
        {1, 1, 1, 1, 1},            // start
        {1, 1, 1, 1, 1},            // checkpoint
    };
    for (int level = 0; level < LEVEL_COUNT; level++)
        for (int code = 0; code < 12; code++)
            EXPECT_EQ(count_code(map, level, code), expected[code][level])
                << "level " << level + 1 << ", code " << code;
}

TEST_F(TileMapTest, MarkersStandWhereTheLevelsPutThem)
{
    struct markers {
        tile_cell start, checkpoint, carrot, last_hole;
    };
    const markers expected[LEVEL_COUNT] = {
        {{11, 4}, {3, 38}, {7, 3}, {5, 51}},
        {{10, 6}, {13, 27}, {2, 5}, {2, 47}},
        {{11, 5}, {3, 21}, {5, 3}, {9, 30}},
        {{11, 4}, {13, 39}, {2, 20}, {2, 34}},
        {{3, 3}, {13, 53}, {1, 57}, {7, 22}},
    };
    for (int level = 0; level < LEVEL_COUNT; level++) {
        const std::pair<int, tile_cell> wanted[] = {{TILE_START, expected[level].start},
                                                    {TILE_CHECKPOINT, expected[level].checkpoint},
                                                    {TILE_CARROT, expected[level].carrot},
                                                    {TILE_HOLE, expected[level].last_hole}};
        for (const auto& [code, cell] : wanted) {
            tile_cell found{-1, -1};
            ASSERT_TRUE(find_tile(map, level, code, found)) << "level " << level + 1;
            EXPECT_EQ(found.row, cell.row) << "level " << level + 1 << " code " << code;
            EXPECT_EQ(found.column, cell.column) << "level " << level + 1 << " code " << code;
        }
    }
}

TEST_F(TileMapTest, AttemptsStartOnTheMarkerOrBesideTheTouchedPost)
{
    struct start_case {
        int level;
        bool checkpoint;
        int x, y;
    };
    const start_case cases[] = {
        {0, false, 160, 440}, {4, false, 120, 120}, {1, true, 1056, 480}, {0, true, 1496, 80},
        {2, false, 200, 440}, {3, true, 1536, 480},
    };
    for (const start_case& c : cases) {
        const world_point start = start_position(map, c.level, c.checkpoint);
        EXPECT_EQ(start.x, c.x) << "level " << c.level + 1 << " checkpoint " << c.checkpoint;
        EXPECT_EQ(start.y, c.y) << "level " << c.level + 1 << " checkpoint " << c.checkpoint;
    }
}

TEST(TileMapFixture, WithoutAStartMarkerTheDefaultPlaceHoldsAndTheLastMarkerWins)
{
    tile_map map{};
    EXPECT_EQ(start_position(map, 0, false).x, 220);
    EXPECT_EQ(start_position(map, 0, false).y, 300);
    EXPECT_EQ(start_position(map, 0, true).y, 300);  // no post either

    map.cells[0][2][7] = TILE_START;
    map.cells[0][9][1] = TILE_START;
    map.cells[0][5][30] = TILE_START;
    EXPECT_EQ(start_position(map, 0, false).x, 40);
    EXPECT_EQ(start_position(map, 0, false).y, 360);
}

TEST_F(TileMapTest, PixelsBecomeTilesByTruncatingDivision)
{
    // Level 1 has blocks along row 14 from column 0; column 0 of row 0 is empty.
    EXPECT_EQ(tile_at_point(map, 0, 0, 560), TILE_BLOCK);
    EXPECT_EQ(tile_at_point(map, 0, -1, 560), TILE_BLOCK) << "x -1 lies in column 0";
    EXPECT_EQ(tile_at_point(map, 0, -39, 560), TILE_BLOCK) << "x -39 lies in column 0";
    EXPECT_EQ(tile_at_point(map, 0, -40, 560), TILE_EMPTY) << "x -40 lies in column -1, outside";
    EXPECT_EQ(tile_at_point(map, 0, 1800, -1), TILE_BLOCK) << "y -1 lies in row 0 (block at 0,45)";
    EXPECT_EQ(tile_at_point(map, 0, 1800, -40), TILE_EMPTY) << "y -40 lies in row -1, outside";
}

TEST_F(TileMapTest, CellsOutsideTheGridReadAsEmptyWithoutTouchingOtherLevels)
{
    const int rows[] = {INT_MIN, -1000, -1, 18, 19, 35, 1000, INT_MAX};
    const int columns[] = {INT_MIN, -1, 60, 61, 120, INT_MAX};
    for (int level = 0; level < LEVEL_COUNT; level++) {
        for (int row : rows)
            for (int column = 0; column < MAP_COLUMNS; column++)
                EXPECT_EQ(tile_at(map, level, row, column), TILE_EMPTY);
        for (int column : columns)
            for (int row = 0; row < MAP_ROWS; row++)
                EXPECT_EQ(tile_at(map, level, row, column), TILE_EMPTY);
    }
    EXPECT_EQ(tile_at(map, 5, 0, 0), TILE_EMPTY);
    EXPECT_EQ(tile_at(map, -1, 14, 0), TILE_EMPTY);
    EXPECT_EQ(tile_at(map, 0, 17, 0), TILE_BLOCK) << "the last row is still inside";
}

TEST(TileLegend, EveryLegendCharacterHasItsCode)
{
    const std::pair<char, int> legend[] = {
        {'.', TILE_EMPTY},       {'#', TILE_BLOCK},       {'b', TILE_BUSH},
        {'f', TILE_FLOWER},      {'H', TILE_HOLE},        {'c', TILE_CARROT},
        {'^', TILE_SPIKE_UP},    {'v', TILE_SPIKE_DOWN},  {')', TILE_SPIKE_RIGHT},
        {'(', TILE_SPIKE_LEFT},  {'S', TILE_START},       {'K', TILE_CHECKPOINT},
    };
    for (const auto& [character, code] : legend)
        EXPECT_EQ(tile_code_for(character), code) << character;
}
