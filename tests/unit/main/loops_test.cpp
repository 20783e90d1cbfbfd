#include "main/loops.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include "main/frame.h"
#include "support/fixture_assets.h"
#include "support/recording_seam.h"

namespace {

// A game on memory bitmaps with the fixture pictures, at the start of a run.
class LoopsTest : public testing::Test {
protected:
    void SetUp() override
    {
        exit_request = 0;
        timer = 1000;
        other_timer = 0;
        load_layouts(g.map);
        g.assets = assets.catalogue;
        g.display = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
        start_run(g.run, g.flow);
    }
    void TearDown() override
    {
        destroy_bitmap(g.display);
        exit_request = 0;
    }
    fixture_assets assets;
    recording_seam seam;
    game g;
};

}  // namespace

TEST_F(LoopsTest, RightAfterAnAttemptStartsExactlyOneFrameIsDue)
{
    timer = 5000;  // however long the intro took
    start_attempt(g);
    EXPECT_EQ(other_timer, 4999u);
    EXPECT_EQ(run_due_frames(g), 1);
    EXPECT_EQ(run_due_frames(g), 0);
    EXPECT_EQ(other_timer, timer.load());
}

TEST_F(LoopsTest, AnAttemptStartedOnTheVeryFirstTickStillRunsItsFrames)
{
    timer = 0;  // other_timer becomes "-1"
    start_attempt(g);
    EXPECT_EQ(run_due_frames(g), 1);
    timer += 2;
    EXPECT_EQ(run_due_frames(g), 2);
}

TEST_F(LoopsTest, EveryDueTickRunsAndShowsItsOwnFrame)
{
    start_attempt(g);
    run_due_frames(g);
    const int score_before = g.run.score_timer;
    timer += 30;  // a stall of half a second
    clear_to_color(g.display, makecol(1, 2, 3));
    EXPECT_EQ(run_due_frames(g), 30);
    EXPECT_EQ(g.run.score_timer, score_before + 30);
    EXPECT_EQ(other_timer, timer.load()) << "the frame count catches up with the ticks, not past";
    EXPECT_NE(getpixel(g.display, 10, 10), makecol(1, 2, 3)) << "the frames were shown";
}

TEST_F(LoopsTest, TheFrameCountNeverPassesTheTickCount)
{
    start_attempt(g);
    for (int batch : {0, 1, 3, 0, 7, 2}) {
        timer += batch;
        run_due_frames(g);
        EXPECT_LE(other_timer, timer.load());
        EXPECT_EQ(other_timer, timer.load());
    }
}

TEST_F(LoopsTest, ClosingTheWindowStopsTheFramesAtTheNextFrame)
{
    start_attempt(g);
    timer += 10;
    exit_request = 1;
    EXPECT_EQ(run_due_frames(g), 0);
    EXPECT_EQ(play_attempt(g), attempt_outcome::going_on);
}

TEST_F(LoopsTest, TheAttemptLoopGivesTheProcessorAwayOnlyWhenNoTickIsDue)
{
    // The recording seam's yield lets one tick pass; close the window after some passes.
    start_attempt(g);
    struct closing_seam : recording_seam {
        int yields = 0;
        void yield() override
        {
            recording_seam::yield();
            if (++yields == 20)
                exit_request = 1;
        }
    } counting;
    const unsigned tick_at_start = timer;
    play_attempt(g);
    EXPECT_EQ(counting.yields, 20);
    // One frame was due at the start, then one per yielded tick (the last one after closing
    // does not run).
    EXPECT_EQ(g.run.score_timer, 20);
    EXPECT_EQ(timer.load(), tick_at_start + 20);
}

TEST_F(LoopsTest, AnAttemptStartsWithTheLevelsPlaceAndAnEmptyNotice)
{
    g.attempt.notice_text = "1-UP!";
    g.attempt.notice_timer = 12;
    g.attempt.idle_time = 700;
    g.run.level = 4;
    start_attempt(g);
    EXPECT_EQ(g.attempt.pondrel_x, 120);
    EXPECT_EQ(g.attempt.pondrel_y, 120);
    EXPECT_TRUE(g.attempt.notice_text.empty());
    EXPECT_EQ(g.attempt.notice_timer, 0);
    EXPECT_EQ(g.attempt.idle_time, 0);
    EXPECT_GE(g.attempt.lightning_timer, 1);
    EXPECT_LE(g.attempt.lightning_timer, 300);
}

TEST(FrameCounters, AdvanceInTheirOrderOnTheLiveTick)
{
    struct counter_case {
        int speed;
        unsigned tick;
        int animtimer, cloudtimer;
    };
    // animtimer steps when the tick is a multiple of 10 / speed; cloudtimer on multiples of 120.
    const counter_case cases[] = {
        {1, 10, 1, 0}, {1, 15, 0, 0}, {2, 15, 1, 0}, {2, 16, 0, 0},
        {1, 120, 1, 1}, {2, 125, 1, 0}, {1, 0, 1, 1}, {1, 121, 0, 0},
    };
    for (const counter_case& c : cases) {
        run_state run;
        attempt_state attempt;
        attempt.pondrel_speed = c.speed;
        attempt.lightning_timer = 7;
        other_timer = 41;
        advance_frame_counters(run, attempt, c.tick);
        EXPECT_EQ(run.animtimer, c.animtimer) << "speed " << c.speed << " tick " << c.tick;
        EXPECT_EQ(run.cloudtimer, c.cloudtimer) << "tick " << c.tick;
        EXPECT_EQ(other_timer, 42u);
        EXPECT_EQ(attempt.lightning_timer, 6);
        EXPECT_EQ(run.score_timer, 1);
        EXPECT_EQ(run.movement_timer, 11);
        EXPECT_EQ(run.jump_timer, 6);
    }
}

TEST(FrameCounters, FramesOfOneBatchReadingTheSameTickEachAdvanceTheAnimation)
{
    run_state run;
    attempt_state attempt;
    for (int frame = 0; frame < 3; frame++)
        advance_frame_counters(run, attempt, 20);
    EXPECT_EQ(run.animtimer, 3);
}

TEST(RunStart, ThreeLivesOrThirtyOnceTheCodeWasTyped)
{
    flow_state flow;
    run_state run;
    run.lives = 0;
    run.level = 5;
    run.score_timer = 999;
    run.checkpoint = run.carrot_collected = true;
    run.movement_timer = run.jump_timer = run.animtimer = run.cloudtimer = 77;
    start_run(run, flow);
    EXPECT_EQ(run.lives, 3);
    EXPECT_EQ(run.level, 0);
    EXPECT_EQ(run.score_timer, 0);
    EXPECT_FALSE(run.checkpoint);
    EXPECT_FALSE(run.carrot_collected);
    EXPECT_EQ(run.animtimer, 0);
    EXPECT_EQ(run.movement_timer, 10);
    EXPECT_EQ(run.jump_timer, 5);
    EXPECT_EQ(run.cloudtimer, 0);
    flow.cheating = 1;
    start_run(run, flow);
    EXPECT_EQ(run.lives, 30);
}
