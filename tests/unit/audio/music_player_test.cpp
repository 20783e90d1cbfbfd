// The music player as the game uses it, on a machine without a sound device: positions come
// from the steady clock, moved by hand here.
#include <gtest/gtest.h>

#include <vector>

#include "audio/music_player.h"
#include "unit/audio/music_test_clock.h"
#include "unit/audio/tiny_module.h"

namespace {

const module_shape short_shape{1, 16, 2};   // 28224 frames: 64 hundredths
const module_shape other_shape{2, 10, 1};   // 17640 frames: 40 hundredths

struct resume_case {
    const char* name;
    bool loop;
    int played_before;          // hundredths before the stop
    int expected_stop;          // frames
    bool read_other_in_between; // the pause's cue: another tune plays, then this one is read again
    int played_after;
    int expected_second_stop;
};

const resume_case resume_cases[] = {
    {"once", false, 20, 8820, false, 10, 13230},
    {"repeating, across the end", true, 50, 22050, false, 30, 7056},
    {"once, after another tune", false, 30, 13230, true, 20, 22050},
    {"repeating, after another tune", true, 70, 2646, true, 10, 7056},
};

class music_player_test : public testing::Test {
protected:
    music_test_clock clock;
    std::vector<unsigned char> tune = make_test_module(short_shape);
    std::vector<unsigned char> other = make_test_module(other_shape);

    void read(const std::vector<unsigned char>& module)
    {
        music_read(module.data(), static_cast<int>(module.size()));
    }
};

TEST_F(music_player_test, has_no_sound_device_in_tests_and_reckons_the_tunes_length)
{
    EXPECT_TRUE(music_is_silent());
    read(tune);
    EXPECT_EQ(music_tune_frames(), frames_of(short_shape));
}

TEST_F(music_player_test, stop_returns_the_frame_reached_and_start_there_resumes_it)
{
    for (const resume_case& c : resume_cases) {
        SCOPED_TRACE(c.name);
        read(tune);
        music_start(0);
        music_set_loop(c.loop);
        clock.advance_hundredths(c.played_before);
        const int reached = music_stop();
        EXPECT_EQ(reached, c.expected_stop);
        clock.advance_hundredths(100);  // stopped: time passes without moving the tune
        if (c.read_other_in_between) {
            music_release();
            read(other);
            music_start(0);
            clock.advance_hundredths(5);
            music_stop();
        }
        read(tune);
        music_start(reached);
        clock.advance_hundredths(c.played_after);
        EXPECT_EQ(music_stop(), c.expected_second_stop);
    }
}

TEST_F(music_player_test, a_tune_played_once_stays_at_its_end_once_ended)
{
    const int end = static_cast<int>(frames_of(short_shape));
    read(tune);
    music_start(0);
    music_set_loop(false);
    clock.advance_hundredths(100);
    EXPECT_EQ(music_stop(), end);
    EXPECT_EQ(music_stop(), end) << "stopping an ended tune again";
    music_start(end);
    music_set_loop(true);  // too late: the single pass is over
    clock.advance_hundredths(10);
    EXPECT_EQ(music_stop(), end);
}

TEST_F(music_player_test, repeating_can_be_turned_off_while_the_tune_plays)
{
    read(tune);
    music_start(0);
    music_set_loop(true);
    clock.advance_hundredths(80);  // into the second pass, at 16 hundredths
    music_set_loop(false);
    clock.advance_hundredths(40);
    EXPECT_EQ(music_stop(), 56 * FRAMES_PER_HUNDREDTH);
    music_start(56 * FRAMES_PER_HUNDREDTH);
    clock.advance_hundredths(40);
    EXPECT_EQ(music_stop(), frames_of(short_shape));
}

TEST_F(music_player_test, a_loop_setting_outlasts_a_change_of_tune)
{
    read(tune);
    music_start(0);
    music_set_loop(true);
    read(other);  // the pause tune gets no loop setting of its own
    music_start(0);
    clock.advance_hundredths(50);
    EXPECT_EQ(music_stop(), 10 * FRAMES_PER_HUNDREDTH);
}

TEST_F(music_player_test, reading_a_tune_replaces_the_one_before_without_a_release)
{
    read(tune);
    music_start(0);
    music_set_loop(false);
    clock.advance_hundredths(10);
    read(other);
    EXPECT_EQ(music_tune_frames(), frames_of(other_shape));
    music_start(0);
    clock.advance_hundredths(50);
    EXPECT_EQ(music_stop(), frames_of(other_shape)) << "ends at the new tune's end";
}

TEST_F(music_player_test, bytes_that_are_no_tune_leave_nothing_to_play)
{
    const std::vector<unsigned char> noise(3000, 0x5a);
    read(tune);
    music_start(0);
    read(noise);
    EXPECT_EQ(music_tune_frames(), 0);
    music_start(0);
    music_set_loop(true);
    clock.advance_hundredths(10);
    EXPECT_EQ(music_stop(), 0);
    music_release();
    EXPECT_EQ(music_stop(), 0);
}

TEST_F(music_player_test, starts_past_the_end_wrap_when_repeating_and_end_when_played_once)
{
    const int length = static_cast<int>(frames_of(short_shape));
    read(tune);
    music_set_loop(true);
    music_start(length + 441);
    EXPECT_EQ(music_stop(), 441);
    music_set_loop(false);
    music_start(length + 441);
    EXPECT_EQ(music_stop(), length);
}

}  // namespace
