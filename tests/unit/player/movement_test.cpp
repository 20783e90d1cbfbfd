#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pondrel_stage.h"

namespace {

constexpr int FLOOR_ROW = 14;

struct movement : testing::Test {
    pondrel_stage stage;
    attempt_state& p = stage.attempt;

    void SetUp() override { stage.floor(FLOOR_ROW); }

    // The horizontal speed at the end of each of `count` frames.
    std::vector<int> speeds_over(int count)
    {
        std::vector<int> speeds;
        for (int i = 0; i < count; i++) {
            stage.frame();
            speeds.push_back(p.pondrel_h_velocity);
        }
        return speeds;
    }
};

struct speed_at_frame {
    int frame;  // counted from 1
    int speed;
};

TEST_F(movement, reset_gives_every_field_but_the_position_its_starting_value)
{
    p.pondrel_x = 123;
    p.pondrel_y = 45;
    p.pondrel_dir = false;
    p.pondrel_h_velocity = 5;
    p.pondrel_v_velocity = -3;
    p.pondrel_speed = 2;
    p.falling = true;
    p.jump_height = -40;
    p.backdashing = true;
    p.backdash_timer = 12;
    p.can_jump = false;

    reset_pondrel(p);

    EXPECT_EQ(p.pondrel_x, 123);
    EXPECT_EQ(p.pondrel_y, 45);
    EXPECT_TRUE(p.pondrel_dir);
    EXPECT_EQ(p.pondrel_h_velocity, 0);
    EXPECT_EQ(p.pondrel_v_velocity, 0);
    EXPECT_EQ(p.pondrel_speed, 1);
    EXPECT_FALSE(p.falling);
    EXPECT_EQ(p.jump_height, 0);
    EXPECT_FALSE(p.backdashing);
    EXPECT_EQ(p.backdash_timer, 0);
    EXPECT_TRUE(p.can_jump);
}

TEST_F(movement, walking_gains_a_step_every_ten_frames_up_to_three_in_either_direction)
{
    for (int sign : {1, -1}) {
        SCOPED_TRACE(sign);
        stage.stand_on(FLOOR_ROW, 1200);
        stage.held = {};
        (sign > 0 ? stage.held.right : stage.held.left) = true;

        const std::vector<int> speeds = speeds_over(60);

        for (speed_at_frame c : {speed_at_frame{1, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {31, 3},
                                 {60, 3}})
            EXPECT_EQ(speeds[c.frame - 1], sign * c.speed) << "frame " << c.frame;
        EXPECT_EQ(p.pondrel_x, 1200 + sign * 150);
        EXPECT_EQ(p.pondrel_dir, sign > 0);
    }
}

TEST_F(movement, running_reaches_six_on_the_fifty_first_frame_and_stays_there)
{
    stage.stand_on(FLOOR_ROW, 200);
    stage.held.right = true;
    stage.held.run = true;

    const std::vector<int> speeds = speeds_over(120);

    for (speed_at_frame c : {speed_at_frame{1, 1}, {41, 5}, {50, 5}, {51, 6}, {61, 6}, {120, 6}})
        EXPECT_EQ(speeds[c.frame - 1], c.speed) << "frame " << c.frame;
    EXPECT_EQ(p.pondrel_speed, 2);
}

TEST_F(movement, letting_go_at_three_on_a_tenth_frame_stops_within_six_frames)
{
    stage.stand_on(FLOOR_ROW, 400);
    stage.held.right = true;
    stage.frames(30);
    ASSERT_EQ(p.pondrel_h_velocity, 3);
    ASSERT_EQ(stage.run.movement_timer % 10, 0);

    stage.held.right = false;
    const std::vector<int> speeds = speeds_over(6);

    EXPECT_EQ(speeds, (std::vector<int>{1, 1, 1, 1, 1, 0}));
    EXPECT_TRUE(p.pondrel_dir);
}

// Held together, left and right cancel and only acceleration's decay acts; down brakes in full
// but still lets the pondrel turn round.
TEST_F(movement, braking_controls_bring_a_walk_to_rest)
{
    struct braking_case {
        const char* name;
        bool left, right, down;
        int at_rest_from;  // frame counted from the change of controls
        bool facing_after;
    };
    for (braking_case c : {braking_case{"left and right", true, true, false, 26, true},
                           {"down and right", false, true, true, 6, true},
                           {"down and left", true, false, true, 6, false}}) {
        SCOPED_TRACE(c.name);
        stage.stand_on(FLOOR_ROW, 400);
        stage.held = {};
        stage.held.right = true;
        stage.frames(25);
        ASSERT_EQ(p.pondrel_h_velocity, 3);

        stage.held.left = c.left;
        stage.held.right = c.right;
        stage.held.down = c.down;
        const std::vector<int> speeds = speeds_over(40);

        EXPECT_TRUE(std::is_sorted(speeds.rbegin(), speeds.rend())) << "the speed only drops";
        EXPECT_GT(speeds[c.at_rest_from - 2], 0);
        EXPECT_EQ(speeds[c.at_rest_from - 1], 0);
        EXPECT_EQ(speeds.back(), 0);
        EXPECT_EQ(p.pondrel_dir, c.facing_after);
    }
}

TEST_F(movement, a_backdash_from_standing_throws_the_pondrel_115_pixels_against_its_facing)
{
    for (bool facing_right : {true, false}) {
        SCOPED_TRACE(facing_right);
        stage.stand_on(FLOOR_ROW, 1000);
        p.pondrel_dir = facing_right;
        stage.held = {};
        stage.held.backdash = true;
        stage.frame();
        stage.held.backdash = false;
        std::vector<int> speeds{p.pondrel_h_velocity};
        for (int speed : speeds_over(39))
            speeds.push_back(speed);

        const int away = facing_right ? -1 : 1;
        for (speed_at_frame c : {speed_at_frame{1, 8}, {5, 8}, {6, 7}, {10, 7}, {11, 4}, {15, 4},
                                 {16, 3}, {20, 3}, {21, 1}, {25, 1}, {26, 0}, {40, 0}})
            EXPECT_EQ(speeds[c.frame - 1], away * c.speed) << "frame " << c.frame;
        EXPECT_EQ(p.pondrel_x, 1000 + away * 115);
        EXPECT_EQ(p.pondrel_dir, facing_right);
    }
    EXPECT_EQ(stage.seam.plays(stage.assets.backdashsound), 2);
}

// Friction's cap of 5 x speed is what slows a dash whose direction is held; once steering
// returns, the held direction keeps the pondrel going at 4.
TEST_F(movement, a_backdash_with_its_direction_held_slows_to_a_walk_that_way)
{
    stage.stand_on(FLOOR_ROW, 1000);
    stage.held.backdash = true;
    stage.held.left = true;
    stage.frame();
    stage.held.backdash = false;
    std::vector<int> speeds{p.pondrel_h_velocity};
    for (int speed : speeds_over(59))
        speeds.push_back(speed);

    for (speed_at_frame c : {speed_at_frame{1, -8}, {5, -8}, {6, -7}, {10, -7}, {11, -4},
                             {20, -4}, {21, -4}, {60, -4}})
        EXPECT_EQ(speeds[c.frame - 1], c.speed) << "frame " << c.frame;
    EXPECT_FALSE(p.pondrel_dir);
}

// Above the take-off level friction waits for a hundredth frame, so only acceleration's decay
// acts: one step every ten frames.
TEST_F(movement, an_unsteered_jump_loses_one_step_every_ten_frames)
{
    stage.stand_on(FLOOR_ROW, 400);
    stage.held.right = true;
    stage.frames(25);
    ASSERT_EQ(p.pondrel_h_velocity, 3);

    stage.held.right = false;
    stage.held.jump = true;
    const std::vector<int> speeds = speeds_over(30);

    ASSERT_LT(p.jump_height, 0) << "still in the air";
    for (speed_at_frame c : {speed_at_frame{1, 2}, {5, 2}, {6, 1}, {15, 1}, {16, 0}, {30, 0}})
        EXPECT_EQ(speeds[c.frame - 1], c.speed) << "frame " << c.frame;
}

TEST_F(movement, a_held_backdash_dashes_once_and_the_next_needs_a_release)
{
    stage.stand_on(FLOOR_ROW, 1000);
    stage.held.backdash = true;
    stage.frames(80);
    EXPECT_EQ(stage.seam.plays(stage.assets.backdashsound), 1);
    EXPECT_TRUE(p.backdashing);

    stage.held.backdash = false;
    stage.frame();
    EXPECT_FALSE(p.backdashing);
    stage.held.backdash = true;
    stage.frame();
    EXPECT_EQ(stage.seam.plays(stage.assets.backdashsound), 2);
    EXPECT_EQ(p.backdash_timer, 24);
}

TEST_F(movement, steering_waits_until_the_last_frames_of_a_backdash)
{
    stage.stand_on(FLOOR_ROW, 1000);
    stage.held.backdash = true;
    stage.frame();
    stage.held.backdash = false;
    stage.held.left = true;
    stage.frames(19);
    EXPECT_TRUE(p.pondrel_dir) << "no turn while more than 4 dash frames are left";
    EXPECT_LT(p.pondrel_h_velocity, 0);

    stage.frame();
    EXPECT_EQ(p.backdash_timer, 4);
    EXPECT_FALSE(p.pondrel_dir);
}

TEST_F(movement, the_rise_of_a_jump_depends_on_how_long_jump_is_held)
{
    struct rise_case {
        int frames_held;
        int rise;
    };
    for (rise_case c : {rise_case{1, 45}, {4, 45}, {5, 70}, {9, 70}, {10, 95}, {14, 95},
                        {15, 120}, {19, 120}, {20, 145}, {60, 145}}) {
        SCOPED_TRACE(c.frames_held);
        stage.seam.events.clear();
        stage.stand_on(FLOOR_ROW, 400);
        const int ground = p.pondrel_y;
        int top = ground;
        for (int frame = 1; frame <= 150; frame++) {
            stage.held.jump = frame <= c.frames_held;
            stage.frame();
            top = std::min(top, p.pondrel_y);
        }
        EXPECT_EQ(ground - top, c.rise);
        EXPECT_EQ(p.pondrel_y, ground) << "back on the floor";
        EXPECT_FALSE(p.falling);
        EXPECT_EQ(stage.seam.plays(stage.assets.jumpsound), 1);
        EXPECT_EQ(stage.seam.plays(stage.assets.landsound), 1);
    }
}

TEST_F(movement, holding_jump_jumps_once_until_it_is_released_on_the_ground)
{
    stage.stand_on(FLOOR_ROW, 400);
    const int ground = p.pondrel_y;
    stage.held.jump = true;
    stage.frames(150);
    EXPECT_EQ(stage.seam.plays(stage.assets.jumpsound), 1);
    EXPECT_EQ(p.pondrel_y, ground);
    EXPECT_FALSE(p.can_jump);

    stage.held.jump = false;
    stage.frame();
    EXPECT_TRUE(p.can_jump);
    stage.held.jump = true;
    stage.frame();
    EXPECT_EQ(stage.seam.plays(stage.assets.jumpsound), 2);
    EXPECT_EQ(p.pondrel_y, ground - 5);
}

TEST_F(movement, a_running_jump_keeps_its_speed_in_the_air_after_run_is_let_go)
{
    stage.stand_on(FLOOR_ROW, 100);
    stage.held.right = true;
    stage.held.run = true;
    stage.frames(60);
    ASSERT_EQ(p.pondrel_h_velocity, 6);

    stage.held.jump = true;
    stage.frame();
    ASSERT_EQ(p.pondrel_v_velocity, -5);
    stage.held.run = false;
    int airborne_frames = 1;
    do {
        stage.frame();
        airborne_frames++;
        EXPECT_EQ(p.pondrel_h_velocity, 6) << "air frame " << airborne_frames;
        EXPECT_EQ(p.pondrel_speed, 2);
        if (airborne_frames == 20)
            stage.held.jump = false;
    } while (p.jump_height != 0 && airborne_frames < 200);
    EXPECT_GT(airborne_frames, 20);

    // Back on the ground at walking gait; with right still held only friction's cap of
    // 5 x speed pulls the speed down, and acceleration then holds it there.
    stage.frames(30);
    EXPECT_EQ(p.pondrel_speed, 1);
    EXPECT_EQ(p.pondrel_h_velocity, 5);
    stage.held.right = false;
    stage.frames(30);
    EXPECT_EQ(p.pondrel_h_velocity, 0);
}

}  // namespace
