#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pondrel_stage.h"

namespace {

constexpr int FLOOR_ROW = 14;

struct cell_and_code {
    int row, column, code;
};

// Each hazard's probe points, on a map holding only the hazard's tiles. The pondrel's box is
// 44 x 48: spikes are probed at x + 20, x + 22, x + 24 (floor and ceiling), x + 30 and
// x + 14 (walls); the hole at the centre (x + 22, y + 24).
TEST(hazard_probes, each_ending_is_found_only_at_its_probe_points)
{
    struct probe_case {
        const char* name;
        std::vector<cell_and_code> tiles;
        int x, y;
        attempt_outcome outcome;
    };
    const std::vector<probe_case> cases = {
        {"standing on a floor spike's floor", {{13, 10, TILE_SPIKE_UP}}, 380, 512, attempt_outcome::died},
        {"floor spike under the right probe only", {{13, 10, TILE_SPIKE_UP}}, 376, 512, attempt_outcome::died},
        {"floor spike just right of the probes", {{13, 10, TILE_SPIKE_UP}}, 375, 512, attempt_outcome::going_on},
        {"inside a floor spike's cell in a jump", {{13, 10, TILE_SPIKE_UP}}, 380, 511, attempt_outcome::going_on},
        {"top just above a ceiling spike's cell", {{5, 10, TILE_SPIKE_DOWN}}, 380, 199, attempt_outcome::died},
        {"top level with a ceiling spike's cell", {{5, 10, TILE_SPIKE_DOWN}}, 380, 200, attempt_outcome::going_on},
        {"right-pointing spike at x + 30", {{5, 10, TILE_SPIKE_RIGHT}}, 370, 180, attempt_outcome::died},
        {"right-pointing spike just past x + 30", {{5, 10, TILE_SPIKE_RIGHT}}, 369, 180, attempt_outcome::going_on},
        {"right-pointing spike at the lowest probe", {{5, 10, TILE_SPIKE_RIGHT}}, 370, 172, attempt_outcome::died},
        {"left-pointing spike at x + w - 30", {{5, 10, TILE_SPIKE_LEFT}}, 386, 180, attempt_outcome::died},
        {"left-pointing spike just past x + w - 30", {{5, 10, TILE_SPIKE_LEFT}}, 385, 180, attempt_outcome::going_on},
        {"left-pointing spike at the top probe only", {{5, 10, TILE_SPIKE_LEFT}}, 386, 216, attempt_outcome::died},
        {"left-pointing spike just below the top probe", {{5, 10, TILE_SPIKE_LEFT}}, 386, 220, attempt_outcome::going_on},
        {"centre in the hole", {{5, 10, TILE_HOLE}}, 378, 176, attempt_outcome::level_complete},
        {"centre at the hole's far corner", {{5, 10, TILE_HOLE}}, 417, 215, attempt_outcome::level_complete},
        {"centre just left of the hole", {{5, 10, TILE_HOLE}}, 377, 176, attempt_outcome::going_on},
        {"centre just above the hole", {{5, 10, TILE_HOLE}}, 378, 175, attempt_outcome::going_on},
        {"on a spike and in the hole at once", {{13, 10, TILE_HOLE}, {13, 11, TILE_SPIKE_UP}}, 416, 512, attempt_outcome::died},
        {"top in the last row on screen", {}, 380, 599, attempt_outcome::going_on},
        {"top in row 15", {}, 380, 600, attempt_outcome::died},
        {"top at the foot of row 15", {}, 380, 639, attempt_outcome::died},
        {"top already past row 15", {}, 380, 640, attempt_outcome::died},
        {"far below the map", {}, 380, 100000, attempt_outcome::died},
        {"wholly above the map, centre in row 0's hole", {{0, 10, TILE_HOLE}}, 378, -48, attempt_outcome::going_on},
        {"bottom just inside the map, centre in row 0's hole", {{0, 10, TILE_HOLE}}, 378, -47, attempt_outcome::level_complete},
    };
    for (const probe_case& c : cases) {
        SCOPED_TRACE(c.name);
        pondrel_stage stage;
        for (const cell_and_code& t : c.tiles)
            stage.put(t.row, t.column, t.code);
        stage.place(c.x, c.y);
        EXPECT_EQ(stage.hazards(), c.outcome);
    }
}

struct cue {
    std::string what;
    const void* subject;
    int value;
    unsigned ticks_later;
};

// Each ending's tune stop, sounds and waits in order, with the 60 Hz clock running on through
// the waits; then the change to lives or level.
TEST(hazard_endings, each_ending_plays_its_cues_in_order)
{
    pondrel_stage stage;
    const asset_catalogue& a = stage.assets;
    struct ending_case {
        const char* name;
        cell_and_code tile;
        int x, y;
        std::vector<cue> cues;
        int lives_after, level_after;
    };
    const std::vector<ending_case> cases = {
        {"spike", {13, 10, TILE_SPIKE_UP}, 380, 512,
         {{"tune_stop", nullptr, 0, 0}, {"play", a.deathsound, 255, 0}, {"rest", nullptr, 600, 0}},
         2, 0},
        {"fall", {0, 0, TILE_EMPTY}, 380, 610,
         {{"tune_stop", nullptr, 0, 0}, {"rest", nullptr, 200, 0}, {"play", a.deathsound, 255, 12},
          {"rest", nullptr, 600, 12}},
         2, 0},
        {"exit", {5, 10, TILE_HOLE}, 378, 176,
         {{"tune_stop", nullptr, 0, 0}, {"rest", nullptr, 200, 0}, {"play", a.winsound, 255, 12},
          {"rest", nullptr, 1500, 12}},
         3, 1},
    };
    for (const ending_case& c : cases) {
        SCOPED_TRACE(c.name);
        stage.map = std::make_unique<tile_map>();
        stage.seam.events.clear();
        stage.run = run_state{};
        stage.run.carrot_collected = true;
        stage.run.checkpoint = true;
        stage.put(c.tile.row, c.tile.column, c.tile.code);
        stage.place(c.x, c.y);
        const unsigned start = timer.load();

        stage.hazards();

        ASSERT_EQ(stage.seam.events.size(), c.cues.size());
        for (size_t i = 0; i < c.cues.size(); i++) {
            const sound_event& e = stage.seam.events[i];
            EXPECT_EQ(e.what, c.cues[i].what) << "cue " << i;
            if (c.cues[i].subject) {
                EXPECT_EQ(e.subject, c.cues[i].subject) << "cue " << i;
            }
            if (e.what != "tune_stop") {
                EXPECT_EQ(e.value, c.cues[i].value) << "cue " << i;
            }
            EXPECT_EQ(e.tick - start, c.cues[i].ticks_later) << "cue " << i;
        }
        EXPECT_EQ(stage.run.lives, c.lives_after);
        EXPECT_EQ(stage.run.level, c.level_after);
        const bool flags_kept = c.level_after == 0;
        EXPECT_EQ(stage.run.carrot_collected, flags_kept);
        EXPECT_EQ(stage.run.checkpoint, flags_kept);
    }
}

TEST(hazard_endings, a_pondrel_standing_on_plain_ground_goes_on_silently)
{
    pondrel_stage stage;
    stage.use_real_layouts();
    stage.place(160, 440);
    stage.frames(60);
    EXPECT_EQ(stage.hazards(), attempt_outcome::going_on);
    EXPECT_TRUE(stage.seam.of("tune_stop").empty());
    EXPECT_EQ(stage.run.lives, LIVES);
}

// Between two tests one pass can run many frames; a fall that crosses row 15 in between must
// still end the attempt rather than fall for ever.
TEST(hazard_endings, a_fall_out_of_the_world_ends_the_attempt_however_far_it_went)
{
    for (int frames_per_pass : {1, 30}) {
        SCOPED_TRACE(frames_per_pass);
        pondrel_stage stage;
        stage.place(400, 400);
        attempt_outcome outcome = attempt_outcome::going_on;
        int passes = 0;
        while (outcome == attempt_outcome::going_on && passes++ < 100) {
            stage.frames(frames_per_pass);
            outcome = stage.hazards();
        }
        EXPECT_EQ(outcome, attempt_outcome::died);
        EXPECT_GE(stage.attempt.pondrel_y, 600);
        if (frames_per_pass == 1) {
            EXPECT_LE(stage.attempt.pondrel_y, 639);
        } else {
            EXPECT_GT(stage.attempt.pondrel_y, 639) << "the pass carried the fall past row 15";
        }
    }
}

struct pickups : testing::Test {
    pondrel_stage stage;
    run_state& run = stage.run;
    attempt_state& p = stage.attempt;

    void pick_up() { check_pickups(p, run, *stage.map, stage.assets); }
};

// Level 1's carrot stands in row 7, column 3, on the ledge of row 8; level 2's in row 2,
// column 5.
TEST_F(pickups, the_carrot_gives_one_life_per_level_whatever_the_deaths)
{
    stage.use_real_layouts();
    stage.stand_on(8, 100);
    pick_up();
    EXPECT_EQ(run.lives, LIVES + 1);
    EXPECT_TRUE(run.carrot_collected);
    EXPECT_EQ(p.notice_text, "1-UP!");
    EXPECT_EQ(p.notice_timer, 60);
    EXPECT_EQ(p.notice_x, 3 * 40 + 20);
    EXPECT_EQ(p.notice_y, 7 * 40 - 20);

    pick_up();
    stage.place(400, 610);
    ASSERT_EQ(stage.hazards(), attempt_outcome::died);
    stage.stand_on(8, 100);
    stage.frames(5);
    EXPECT_EQ(run.lives, LIVES);
    EXPECT_EQ(stage.seam.plays(stage.assets.oneupsound), 1);
    EXPECT_EQ(stage.map->cells[0][7][3], TILE_CARROT) << "the map itself is never changed";

    stage.place(50 * 40 + 20 - 22, 5 * 40 - 24);
    ASSERT_EQ(stage.hazards(), attempt_outcome::level_complete);
    stage.place(5 * 40 + 20 - 22, 2 * 40);
    pick_up();
    EXPECT_EQ(run.lives, LIVES + 1) << "the next level's carrot is fresh";
    EXPECT_EQ(p.notice_x, 5 * 40 + 20);
    EXPECT_EQ(p.notice_y, 2 * 40 - 20);
}

// The four carrot points sit 20 pixels inside each corner; a top at or above y 0 collects
// nothing, even where a point lies in the carrot's cell in row 0.
TEST_F(pickups, the_carrot_is_found_at_its_four_points_below_the_top_of_the_map)
{
    struct carrot_case {
        int x, y;
        bool taken;
    };
    for (carrot_case c : {carrot_case{180, 1, true}, {180, 0, false}, {180, -10, false},
                          {176, 1, true}, {175, 1, false}, {220, 1, false}, {219, 1, true},
                          {180, 19, true}, {180, 20, false}}) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        stage.map = std::make_unique<tile_map>();
        stage.put(0, 5, TILE_CARROT);
        run.carrot_collected = false;
        run.lives = LIVES;
        stage.place(c.x, c.y);
        pick_up();
        EXPECT_EQ(run.carrot_collected, c.taken);
        EXPECT_EQ(run.lives, LIVES + (c.taken ? 1 : 0));
    }
}

// Level 1's post stands in row 3, column 38, on the blocks of row 4. It is touched at the
// pondrel's lowest pixel row at its centre; later attempts start beside it and drop to the
// ground without touching it again.
TEST_F(pickups, the_checkpoint_is_touched_from_its_ground_and_the_restart_lands_beside_it)
{
    stage.use_real_layouts();
    stage.stand_on(4, 1440);
    stage.held.right = true;
    int frames = 0;
    while (!run.checkpoint && frames++ < 120)
        stage.frame();
    ASSERT_TRUE(run.checkpoint);
    EXPECT_EQ((p.pondrel_x + 22) / 40, 38);
    EXPECT_LT((p.pondrel_x - p.pondrel_h_velocity + 22) / 40, 38) << "touched on the first frame in";
    EXPECT_EQ(p.notice_text, "CHECKPOINT");
    EXPECT_EQ(p.notice_timer, 60);
    EXPECT_EQ(p.notice_x, 38 * 40 + 20);
    EXPECT_EQ(p.notice_y, 3 * 40 - 20);

    const world_point restart = start_position(*stage.map, 0, run.checkpoint);
    stage.place(restart.x, restart.y);
    p.notice_timer = 0;
    stage.held = {};
    stage.frames(60);
    EXPECT_EQ(p.pondrel_x, 38 * 40 - 24);
    EXPECT_EQ(p.pondrel_y, standing_y(4));
    EXPECT_FALSE(p.falling);
    EXPECT_EQ(p.notice_timer, 0) << "no second notice";
    EXPECT_EQ(stage.seam.plays(stage.assets.checkpointsound), 1);
}

TEST_F(pickups, the_checkpoint_counts_only_the_lowest_row_at_the_centre)
{
    struct post_case {
        int x, y;
        bool touched;
    };
    for (post_case c : {post_case{378, 512, true}, {377, 512, false}, {417, 512, true},
                        {418, 512, false}, {378, 473, true}, {378, 472, false}}) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        stage.map = std::make_unique<tile_map>();
        stage.put(13, 10, TILE_CHECKPOINT);
        run.checkpoint = false;
        stage.place(c.x, c.y);
        pick_up();
        EXPECT_EQ(run.checkpoint, c.touched);
    }
}

TEST_F(pickups, carrot_and_checkpoint_in_one_frame_both_count_and_the_post_keeps_the_notice)
{
    stage.put(5, 10, TILE_CARROT);
    stage.put(6, 10, TILE_CHECKPOINT);
    stage.place(380, 200);
    pick_up();
    EXPECT_EQ(run.lives, LIVES + 1);
    EXPECT_TRUE(run.carrot_collected);
    EXPECT_TRUE(run.checkpoint);
    EXPECT_EQ(p.notice_text, "CHECKPOINT");
    EXPECT_EQ(p.notice_x, 10 * 40 + 20);
    EXPECT_EQ(p.notice_y, 6 * 40 - 20);
    const std::vector<sound_event> plays = stage.seam.of("play");
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[0].subject, stage.assets.oneupsound);
    EXPECT_EQ(plays[1].subject, stage.assets.checkpointsound);
}

}  // namespace
