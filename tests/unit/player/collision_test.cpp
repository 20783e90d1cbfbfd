#include <gtest/gtest.h>

#include "pondrel_stage.h"

namespace {

constexpr int FLOOR_ROW = 14;
constexpr int W = FIXTURE_PONDREL_W;

struct collision : testing::Test {
    pondrel_stage stage;
    attempt_state& p = stage.attempt;

    // One move on its own, without the velocity step in front of it.
    void move() { move_pondrel(p, *stage.map, stage.run.level, stage.held, stage.assets); }
};

TEST_F(collision, the_box_is_the_standing_picture_whatever_else_is_drawn)
{
    EXPECT_EQ(pondrel_width(stage.assets), 44);
    EXPECT_EQ(pondrel_height(stage.assets), 48);
}

// Every hit takes one step off the speed and puts x back where the side probe stays inside
// the wall, so the next move into it hits again until the speed is spent.
TEST_F(collision, a_wall_hit_sheds_one_step_and_pushes_out_to_a_fixed_place)
{
    struct wall_case {
        const char* name;
        int wall_column;
        int start_x;
        int speed;
        int pushed_to;
    };
    for (wall_case c : {wall_case{"wall on the left", 5, 236, -6, 5 * 40 + 30},
                        {"wall on the right", 20, 760, 6, 20 * 40 - 35}}) {
        SCOPED_TRACE(c.name);
        stage.put(13, c.wall_column, TILE_BLOCK);
        stage.stand_on(FLOOR_ROW, c.start_x);
        p.pondrel_h_velocity = c.speed;
        const int step = c.speed < 0 ? 1 : -1;
        for (int speed = c.speed; speed != 0; speed += step) {
            move();
            EXPECT_EQ(p.pondrel_x, c.pushed_to) << "moving at " << speed;
            EXPECT_EQ(p.pondrel_h_velocity, speed + step);
        }
    }
}

// Walking into a wall: once in contact the pondrel keeps the pushed-out x, and with the
// direction still held its speed is back at 0 at the end of every frame.
TEST_F(collision, walking_into_a_wall_rests_against_it)
{
    struct approach_case {
        const char* name;
        bool left;
        int wall_column;
        int start_x;
        int rest_x;
    };
    for (approach_case c : {approach_case{"left", true, 5, 330, 230},
                            {"right", false, 20, 640, 765}}) {
        SCOPED_TRACE(c.name);
        pondrel_stage fresh;
        fresh.floor(FLOOR_ROW);
        fresh.put(13, c.wall_column, TILE_BLOCK);
        fresh.stand_on(FLOOR_ROW, c.start_x);
        (c.left ? fresh.held.left : fresh.held.right) = true;
        fresh.held.run = true;
        bool touched = false;
        for (int frame = 0; frame < 200; frame++) {
            fresh.frame();
            touched = touched || fresh.attempt.pondrel_x == c.rest_x;
            if (touched) {
                EXPECT_EQ(fresh.attempt.pondrel_x, c.rest_x) << "frame " << frame;
            }
        }
        EXPECT_TRUE(touched);
        EXPECT_EQ(fresh.attempt.pondrel_h_velocity, 0);
        const int side_probe = c.left ? c.rest_x + 8 : c.rest_x + W - 8;
        EXPECT_EQ(side_probe / 40, c.wall_column) << "a pondrel 44 wide rests with its probe inside";
    }
}

TEST_F(collision, the_edges_of_the_world_stop_the_pondrel)
{
    struct edge_case {
        const char* name;
        int start_x;
        bool left, right, backdash, facing_right;
        int stop_x;
    };
    for (edge_case c : {edge_case{"walking left", 100, true, false, false, false, 0},
                        {"walking right", 2200, false, true, false, true, STAGELENGTH - W},
                        {"dashing right from the edge", STAGELENGTH - W, false, false, true,
                         false, STAGELENGTH - W}}) {
        SCOPED_TRACE(c.name);
        pondrel_stage fresh;
        fresh.floor(FLOOR_ROW);
        fresh.stand_on(FLOOR_ROW, c.start_x);
        fresh.attempt.pondrel_dir = c.facing_right;
        fresh.held.left = c.left;
        fresh.held.right = c.right;
        fresh.held.backdash = c.backdash;
        fresh.held.run = true;
        for (int frame = 0; frame < 150; frame++) {
            fresh.frame();
            ASSERT_GE(fresh.attempt.pondrel_x, 0);
            ASSERT_LE(fresh.attempt.pondrel_x + W, STAGELENGTH);
        }
        EXPECT_EQ(fresh.attempt.pondrel_x, c.stop_x);
        EXPECT_EQ(fresh.attempt.pondrel_h_velocity, 0);
    }
}

// A pondrel wholly above the map meets a wall only where row 0 of its column is a block.
TEST_F(collision, above_the_map_the_side_probes_see_row_zero_only)
{
    struct above_case {
        int block_row;
        int y;
        int x_after, hv_after;
    };
    for (above_case c : {above_case{0, -100, 230, -5}, {1, -100, 231, -6}, {1, -20, 231, -6},
                         {0, -20, 230, -5}}) {
        SCOPED_TRACE(testing::Message() << "block in row " << c.block_row << ", y " << c.y);
        pondrel_stage fresh;
        fresh.put(c.block_row, 5, TILE_BLOCK);
        fresh.place(237, c.y);
        fresh.attempt.pondrel_h_velocity = -6;
        move_pondrel(fresh.attempt, *fresh.map, 0, fresh.held, fresh.assets);
        EXPECT_EQ(fresh.attempt.pondrel_x, c.x_after);
        EXPECT_EQ(fresh.attempt.pondrel_h_velocity, c.hv_after);
    }
}

// A head at or above the top of the map never bumps, even into a block in row 0.
TEST_F(collision, the_head_bumps_only_below_the_top_of_the_map)
{
    struct head_case {
        int y_before;
        int y_after;
        int bumps;
    };
    for (head_case c : {head_case{3, -2, 0}, {5, 0, 0}, {6, 20, 1}, {22, 20, 1}}) {
        SCOPED_TRACE(c.y_before);
        pondrel_stage fresh;
        fresh.put_row(0, 0, MAP_COLUMNS - 1, TILE_BLOCK);
        fresh.place(400, c.y_before);
        fresh.attempt.pondrel_v_velocity = -5;
        move_pondrel(fresh.attempt, *fresh.map, 0, fresh.held, fresh.assets);
        EXPECT_EQ(fresh.attempt.pondrel_y, c.y_after);
        EXPECT_EQ(fresh.seam.plays(fresh.assets.bumpsound), c.bumps);
    }
}

TEST_F(collision, a_jump_into_a_ceiling_bumps_once_and_falls_back_to_the_floor)
{
    stage.floor(FLOOR_ROW);
    stage.floor(11);
    stage.stand_on(FLOOR_ROW, 400);
    stage.held.jump = true;
    int frame = 0;
    while (stage.seam.plays(stage.assets.bumpsound) == 0 && frame++ < 30)
        stage.frame();
    EXPECT_EQ(p.pondrel_y, 11 * 40 + 20) << "head probe on the first pixel below the block";
    EXPECT_EQ(p.pondrel_v_velocity, 0);
    EXPECT_TRUE(p.falling);

    stage.frame();
    EXPECT_EQ(p.pondrel_v_velocity, 2) << "the fall starts from rest";
    stage.frames(60);
    EXPECT_EQ(p.pondrel_y, standing_y(FLOOR_ROW));
    EXPECT_EQ(stage.seam.plays(stage.assets.bumpsound), 1);
    EXPECT_EQ(stage.seam.plays(stage.assets.landsound), 1);
}

TEST_F(collision, a_fall_lands_once_on_top_of_the_blocks)
{
    stage.floor(FLOOR_ROW);
    stage.place(400, 300);
    stage.frames(120);
    EXPECT_EQ(p.pondrel_y, standing_y(FLOOR_ROW));
    EXPECT_EQ(p.pondrel_v_velocity, 0);
    EXPECT_EQ(p.jump_height, 0);
    EXPECT_FALSE(p.falling);
    EXPECT_EQ(stage.seam.plays(stage.assets.landsound), 1);
}

// The support probes reach wider than the landing probes: a block under an outer support
// column alone holds the pondrel on the ledge's edge without landing it.
TEST_F(collision, the_pondrel_stands_on_a_ledge_edge_until_support_runs_out)
{
    struct ledge_case {
        int x;
        bool stands;
    };
    for (ledge_case c : {ledge_case{166, false}, {167, true}, {170, true}, {229, true},
                         {230, false}}) {
        SCOPED_TRACE(c.x);
        pondrel_stage fresh;
        fresh.put(FLOOR_ROW, 5, TILE_BLOCK);
        fresh.stand_on(FLOOR_ROW, c.x);
        fresh.frames(30);
        EXPECT_EQ(fresh.attempt.pondrel_y == standing_y(FLOOR_ROW), c.stands);
        EXPECT_EQ(fresh.attempt.falling, !c.stands);
        EXPECT_EQ(fresh.seam.plays(fresh.assets.landsound), 0);
    }
}

TEST_F(collision, walking_off_a_ledge_falls_at_once_and_gathers_speed_every_fifth_frame)
{
    stage.put_row(FLOOR_ROW, 0, 9, TILE_BLOCK);
    stage.stand_on(FLOOR_ROW, 389);
    stage.held.right = true;
    stage.frame();
    EXPECT_TRUE(p.falling);
    EXPECT_EQ(p.pondrel_v_velocity, 0);
    stage.frame();
    EXPECT_EQ(p.pondrel_v_velocity, 2);
    stage.frames(4);
    EXPECT_EQ(p.pondrel_v_velocity, 2);
    stage.frame();
    EXPECT_EQ(p.pondrel_v_velocity, 4);
    EXPECT_GT(p.jump_height, 0);
}

// Landing needs the bottom edge inside the map: a bottom at y 0 over row 0 is still falling.
TEST_F(collision, a_landing_on_row_zero_waits_for_the_bottom_to_enter_the_map)
{
    stage.floor(0);
    stage.place(400, -50);
    p.falling = true;
    p.pondrel_v_velocity = 2;
    move();
    EXPECT_EQ(p.pondrel_y, -48);
    EXPECT_TRUE(p.falling);

    move();
    EXPECT_EQ(p.pondrel_y, -48);
    EXPECT_FALSE(p.falling);
    EXPECT_EQ(stage.seam.plays(stage.assets.landsound), 1);
}

// Far below the map every probe reads open air, so the pondrel simply keeps falling.
TEST_F(collision, probes_outside_the_grid_read_open_air)
{
    stage.floor(FLOOR_ROW);
    stage.place(1000, 5000);
    p.falling = true;
    p.pondrel_v_velocity = 20;
    move();
    EXPECT_EQ(p.pondrel_y, 5020);
    EXPECT_TRUE(p.falling);
}

}  // namespace
